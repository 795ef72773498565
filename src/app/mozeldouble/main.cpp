// The desktop program: the program's windows on screen. Options:
//   --screenshot FILE.png   after start-up, save the main window as shown to FILE and exit
//                           (an unattended run: no instance check, no dialog waits)
//   --quit-after-paint      exit as soon as the main window has been painted for the first
//                           time (unattended too; for timing the start-up)
#include <QApplication>
#include <QSettings>
#include <QStringList>
#include <csignal>
#include <cstdio>

#include "program/Program.h"
#include "ui/qt/Convert.h"
#include "ui/qt/QtServices.h"
#include "ui/qt/Translations.h"
#include "ui/qt/QuitAfterPaint.h"
#include "ui/qt/ViewManager.h"
#include "ui/qt/ZoomSetting.h"

namespace {

int Usage() {
    std::fprintf(stderr, "usage: mozeldouble [--screenshot FILE.png | --quit-after-paint]\n");
    return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    // Past a file-size limit (ulimit -f) a write then fails with EFBIG, which a save reports,
    // instead of ending the program with a temporary file left behind.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("MozelDouble"));
    ui::qt::InstallJapaneseTranslations(app);
    QApplication::setFont(ui::qt::UiFont(9));
    // Only the program decides when it ends.
    QApplication::setQuitOnLastWindowClosed(false);

    QString screenshot;
    bool quitAfterPaint = false;
    QStringList args = QApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--screenshot") && i + 1 < args.size()) screenshot = args[++i];
        else if (args[i] == QLatin1String("--quit-after-paint")) quitAfterPaint = true;
        else return Usage();
    }
    bool unattended = !screenshot.isEmpty() || quitAfterPaint;

    ui::qt::QtServices services(unattended ? QString() : ui::qt::QtPlatform::DefaultLockFile());
    services.dialogs.setUnattended(unattended);
    program::Program program(services.services());
    ui::qt::ViewManager views(program.forms());
    // The zoom of the windows is the user's, kept between runs; an unattended run shows the
    // windows at their fitted size whatever it is.
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("MozelDouble"), QStringLiteral("MozelDouble"));
    if (!unattended) {
        views.setZoom(ui::qt::ReadZoom(settings));
        views.onZoomChanged = [&settings](double zoom) { ui::qt::WriteZoom(settings, zoom); };
    }
    services.printer.setViews(&views);
    program.forms().programEnded.connect([] { QCoreApplication::quit(); });

    program.Start();

    if (quitAfterPaint) {
        if (!views.viewOf("frmAllGamen")) return 1;
        ui::qt::QuitAfterPaint quit;
        app.installEventFilter(&quit);
        QApplication::exec();
        return 0;
    }
    if (unattended) {
        ui::qt::FormView* mainWindow = views.viewOf("frmAllGamen");
        if (!mainWindow) {
            std::fprintf(stderr, "mozeldouble: the main window is not shown\n");
            return 1;
        }
        QApplication::processEvents();
        if (!mainWindow->snapshot().save(screenshot, "PNG")) {
            std::fprintf(stderr, "mozeldouble: cannot write %s\n", qPrintable(screenshot));
            return 1;
        }
        return 0;
    }
    // The program may have ended during its start-up (another copy is running).
    if (program.ended()) return 0;
    return QApplication::exec();
}
