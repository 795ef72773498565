#include "ui/qt/QtPrinter.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <algorithm>

#include "ui/Form.h"
#include "ui/qt/Convert.h"
#include "ui/qt/FormView.h"
#include "ui/qt/ViewManager.h"

namespace ui::qt {

QtPrinter::QtPrinter() = default;

QPrinter& QtPrinter::printer() {
    // Made on first use: a QPrinter loads the print system, which the start-up need not wait for.
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

QtPrinter::~QtPrinter() = default;

bool QtPrinter::choosePrinter(QWidget* parent) {
    return choosePrinter([parent](QPrinter& target) {
        QPrintDialog dialog(&target, parent);
        return dialog.exec() == QDialog::Accepted;
    });
}

bool QtPrinter::choosePrinter(const std::function<bool(QPrinter&)>& runDialog) {
    // Without a printer the dialog offers a PDF file: a new one, never Qt's print.pdf at home.
    if (QPrinterInfo::availablePrinterNames().isEmpty() &&
        (printer().outputFormat() != QPrinter::PdfFormat || printer().outputFileName().isEmpty())) {
        printer().setOutputFormat(QPrinter::PdfFormat);
        printer().setOutputFileName(newPdfFile(QStringLiteral("グリッド")));
    }
    if (!runDialog(printer())) return false;
    chosen_ = true;
    return true;
}

QString QtPrinter::PdfFolder(const QString& documents, const QString& home) {
    auto writable = [](const QString& folder) { return QFileInfo(folder).isDir() && QFileInfo(folder).isWritable(); };
    if (!documents.isEmpty() && (QFileInfo(documents).isDir() || QDir().mkpath(documents)) && writable(documents)) {
        return documents;
    }
    if (!home.isEmpty() && writable(home)) return home;
    return QDir::tempPath();
}

QString QtPrinter::pdfFolder() const {
    if (!pdfFolder_.isEmpty()) return pdfFolder_;
    return PdfFolder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), QDir::homePath());
}

QString QtPrinter::newPdfFile(const QString& what) const {
    QDir folder(pdfFolder());
    QString name = what;
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    QString stem = QStringLiteral("印刷_") + name + QStringLiteral("_") +
                   QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString file = folder.filePath(stem + QStringLiteral(".pdf"));
    for (int n = 2; QFileInfo::exists(file) || file == lastPdfFile_; ++n) {
        file = folder.filePath(stem + QStringLiteral("-%1.pdf").arg(n));
    }
    return file;
}

void QtPrinter::prepareJob(const QString& what) {
    toPdf_ = false;
    // What the user chose in the printer dialog, as long as it names a target: a printer, or a
    // PDF file no job has written yet.
    if (chosen_ && printer().outputFormat() == QPrinter::NativeFormat) return;
    if (chosen_ && !printer().outputFileName().isEmpty() && !QFileInfo::exists(printer().outputFileName())) {
        toPdf_ = true;
        lastPdfFile_ = printer().outputFileName();
        return;
    }
    QStringList printers = QPrinterInfo::availablePrinterNames();
    QPrinterInfo target = QPrinterInfo::defaultPrinter();
    if (target.isNull() && !printers.isEmpty()) target = QPrinterInfo::printerInfo(printers.front());
    if (!target.isNull()) {
        printer().setOutputFormat(QPrinter::NativeFormat);
        printer().setPrinterName(target.printerName());
        return;
    }
    // No printer on this machine: a new PDF file, named for what is printed and when.
    QString file = newPdfFile(what);
    printer().setOutputFormat(QPrinter::PdfFormat);
    printer().setOutputFileName(file);
    toPdf_ = true;
    lastPdfFile_ = file;
}

void QtPrinter::finishJob(bool printed) {
    if (!notice_) return;
    if (!printed) {
        notice_("印刷できませんでした。");
    } else if (toPdf_) {
        notice_("プリンターがないため、PDFファイルに印刷しました：" + ToUtf8(QDir::toNativeSeparators(lastPdfFile_)));
    }
}

void QtPrinter::PrintText(const std::vector<std::string>& lines) {
    if (lines.empty()) return;
    prepareJob(QStringLiteral("グリッド"));
    QPainter painter;
    if (!painter.begin(&printer())) return finishJob(false);
    painter.setFont(FixedFont(10));
    const QFontMetrics metrics = painter.fontMetrics();
    const int pageHeight = painter.viewport().height();
    int y = 0;
    for (const std::string& line : lines) {
        if (y > 0 && y + metrics.lineSpacing() > pageHeight) {
            printer().newPage();
            y = 0;
        }
        painter.drawText(0, y + metrics.ascent(), ToQString(line));
        y += metrics.lineSpacing();
    }
    painter.end();
    finishJob(true);
}

void QtPrinter::PrintForm(const Form& form) {
    FormView* view = views_ ? views_->viewOf(form) : nullptr;
    if (!view) return finishJob(false);
    QPixmap image = view->snapshot();
    prepareJob(form.caption().empty() ? ToQString(form.name()) : ToQString(form.caption()));
    QPainter painter;
    if (!painter.begin(&printer())) return finishJob(false);
    // The window at its own size (whatever its zoom on screen), made smaller only when it does
    // not fit the page.
    const QRect page = painter.viewport();
    const double toPrinter = printer().resolution() / (view->scale().dpi() * view->scale().factor());
    QSize size(static_cast<int>(image.deviceIndependentSize().width() * toPrinter),
               static_cast<int>(image.deviceIndependentSize().height() * toPrinter));
    if (size.width() > page.width() || size.height() > page.height()) size.scale(page.size(), Qt::KeepAspectRatio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRect(QPoint(0, 0), size), image);
    painter.end();
    finishJob(true);
}

}  // namespace ui::qt
