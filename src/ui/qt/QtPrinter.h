// Printing through QPrinter: a text job in a fixed-pitch font, and a window as it is shown.
// Jobs go to the printer chosen in the printer dialog, else to the default printer; on a
// machine without printers every job becomes a new PDF file in the documents folder, named
// for what was printed and when, and the user is told where it went. No job replaces a file.
#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "ui/Services.h"

class QPrinter;
class QWidget;

namespace ui::qt {

class ViewManager;

class QtPrinter : public Printer {
public:
    QtPrinter();
    ~QtPrinter() override;
    QtPrinter(const QtPrinter&) = delete;
    QtPrinter& operator=(const QtPrinter&) = delete;

    // Where to find the view of a window to print; without one a view is built for the job.
    void setViews(const ViewManager* views) { views_ = views; }
    // Tells the user something about a job (where its PDF file went, or that it failed).
    void setNotice(std::function<void(const std::string&)> notice) { notice_ = std::move(notice); }
    // The folder for PDF files; by default the one PdfFolder chooses.
    void setPdfFolder(const QString& folder) { pdfFolder_ = folder; }
    // The user's documents folder (made when missing), else the home folder, else the
    // temporary folder: the first that can be written.
    static QString PdfFolder(const QString& documents, const QString& home);
    // The file of the last job that went to a PDF file because there was no printer.
    const QString& lastPdfFile() const { return lastPdfFile_; }

    // The printer dialog on the settings of the next jobs; false when cancelled. Without a
    // printer it offers a new PDF file in the PDF folder. runDialog shows the dialog (tests
    // answer it themselves).
    bool choosePrinter(QWidget* parent);
    bool choosePrinter(const std::function<bool(QPrinter&)>& runDialog);

    void PrintText(const std::vector<std::string>& lines) override;
    void PrintForm(const Form& form) override;

private:
    // Points the printer at the chosen or default printer, or at a new PDF file named for what.
    void prepareJob(const QString& what);
    // A PDF file that does not exist yet: 印刷_WHAT_yyyyMMdd-HHmmss[-n].pdf.
    QString newPdfFile(const QString& what) const;
    // After a job: the user learns where a PDF file went.
    void finishJob(bool printed);
    QString pdfFolder() const;
    QPrinter& printer();

    std::unique_ptr<QPrinter> printer_;
    bool chosen_ = false;
    bool toPdf_ = false;
    const ViewManager* views_ = nullptr;
    std::function<void(const std::string&)> notice_;
    QString pdfFolder_;
    QString lastPdfFile_;
};

}  // namespace ui::qt
