#include "QtTestSupport.h"

#include <QApplication>
#include <QMessageBox>
#include <QPainter>
#include <algorithm>
#include <gtest/gtest.h>

#include "ui/qt/Convert.h"
#include "ui/qt/QtDialogs.h"

namespace qttest {

namespace {

std::unique_ptr<QApplication> app;

// The application goes after the last test, while Qt's own globals still exist.
class ApplicationEnvironment : public ::testing::Environment {
public:
    void TearDown() override { app.reset(); }
};
const auto* const environment = ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

}  // namespace

QPixmap WithMessageBox(const QPixmap& window, const std::string& message) {
    QMessageBox box(QMessageBox::Information, QString::fromUtf8(ui::qt::kDialogTitle), QString::fromStdString(message), QMessageBox::Ok);
    box.setFont(ui::qt::UiFont(9));
    box.show();
    QApplication::processEvents();
    QPixmap dialog = box.grab();
    box.hide();
    QPixmap both(window.width() + dialog.width() + 16, std::max(window.height(), dialog.height()));
    both.fill(Qt::darkGray);
    QPainter painter(&both);
    painter.drawPixmap(0, 0, window);
    painter.drawPixmap(window.width() + 16, 40, dialog);
    return both;
}

void EnsureApplication() {
    if (app) return;
    // The offscreen platform's own screen (800 x 800) is smaller than the main window, which
    // would then open scaled down: the tests see the windows at their own size on a desktop
    // screen unless they ask for another.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen") {
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" MOZEL_OFFSCREEN_SCREEN);
    }
    static int argc = 1;
    static char name[] = "qt_binding_tests";
    static char* argv[] = {name, nullptr};
    // The offscreen platform cannot pass a fixed window size on; it says so for every window.
    static QtMessageHandler standard = nullptr;
    standard = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (!message.contains(QLatin1String("propagateSizeHints"))) standard(type, context, message);
    });
    app = std::make_unique<QApplication>(argc, argv);
    QApplication::setApplicationName(QStringLiteral("MozelDouble"));
    QApplication::setFont(ui::qt::UiFont(9));
}

TestForm::TestForm(std::string name) : Form(std::move(name)) {
    setCaption("テスト窓");
    setBackColor(0x80FF80);
    setWidth(6000);  // 400 x 300 pixels at 96 dpi
    setHeight(4500);
    setLeft(1500);
    setTop(750);

    txt.setBounds(150, 150, 1500, 450);
    txt.onKeyPress = [this](int& key) {
        keys.push_back(key);
        if (dropDigits && key >= '0' && key <= '9') key = 0;
        if (upperCase && key >= 'a' && key <= 'z') key -= 'a' - 'A';
        if (clearOnKey) txt.setText("");
    };
    txt.onChange = [this] { ++changes; };
    // What the box held when KeyUp came: the key must have been applied by then.
    txt.onKeyUp = [this](int key) { keyUps.push_back(std::to_string(key) + ":" + txt.text()); };
    txt.onMouseDown = [this](int button, int, int, int) { mouseButtons.push_back(button); };

    memo.setMultiLine(true);
    memo.setBounds(1800, 150, 1500, 900);
    lbl.setBounds(3450, 150, 1500, 450);
    lbl.setCaption("ラベル");

    chk.setBounds(150, 750, 1500, 300);
    chk.setCaption("チェック");
    chk.onClick = [this] {
        ++checkClicks;
        if (grayOnClick) chk.setValue(2);
    };
    opt1.setBounds(150, 1125, 1500, 300);
    opt2.setBounds(150, 1500, 1500, 300);
    opt1.onClick = [this] { ++optionClicks; };
    opt2.onClick = [this] { ++optionClicks; };
    cmd.setBounds(150, 1875, 1500, 450);
    cmd.setCaption("実行");
    cmd.onClick = [this] { ++commandClicks; };

    mnuFile.setCaption("ファイル");
    mnuOpen.setCaption("開く");
    mnuOpen.setParentMenu("mnuFile");
    mnuOpen.onClick = [this] { ++menuClicks; };
    mnuFile.onClick = [this] {
        if (renameOnOpen) mnuOpen.setCaption("最近のファイル");
    };

    pictures.pictures = {0x0000FF, 0x00FF00, 0xFF0000};
    combo.setBounds(1800, 1125, 1500, 375);
    combo.setImageList(&pictures);
    combo.addItem(1, "赤");
    combo.addItem(2, "緑");
    combo.addItem(3, "青");
    combo.select(1);
    combo.onClick = [this] { ++comboClicks; };

    txtNum.setBounds(1800, 1875, 600, 375);
    txtNum.setText("5");
    spin.setBounds(2400, 1875, 255, 375);
    spin.setBuddy(&txtNum);
    spin.setMin(1);
    spin.setMax(6);
    spin.onUpClick = [this] { ++upClicks; };

    surface.setBounds(0, 0, 6000, 4500);
}

void TestForm::Form_QueryUnload(bool& cancel) {
    ++queryUnloads;
    cancel = refuseClose;
}

TestWindow::TestWindow()
    : views((EnsureApplication(), std::make_unique<ui::qt::ViewManager>(registry))),
      form((registry.add("frmTest", [] { return std::make_unique<TestForm>(); }),
            static_cast<TestForm&>(registry.get("frmTest")))),
      view(*views->viewOf(form)) {
    form.Show();
    flush();
}

TestWindow::~TestWindow() { views.reset(); }

QImage TestWindow::client() const {
    flush();
    return view.canvas()->grab().toImage();
}

QColor Bgr(ui::Color color) { return ui::qt::ToQColor(color, QPalette()); }

bool IsDark(QRgb pixel) { return qRed(pixel) < 80 && qGreen(pixel) < 80 && qBlue(pixel) < 80; }

QRect Ink(const QImage& image, QRect area) {
    if (area.isNull()) area = image.rect();
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (IsDark(image.pixel(x, y))) box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

}  // namespace qttest
