// Printing through QPrinter: a text job in a fixed-pitch font, and a window as it is shown.
// Jobs go to the printer chosen in the printer dialog, else to the default printer; on a
// machine without printers they become a PDF file, and the user is told where it went.
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
    // The folder for PDF files; by default the Documents folder, else the temporary folder.
    void setPdfFolder(const QString& folder) { pdfFolder_ = folder; }
    // The file of the last job that went to a PDF file because there was no printer.
    const QString& lastPdfFile() const { return lastPdfFile_; }

    // The printer dialog on the settings of the next jobs; false when cancelled.
    bool choosePrinter(QWidget* parent);

    void PrintText(const std::vector<std::string>& lines) override;
    void PrintForm(const Form& form) override;

private:
    // Points the printer at the chosen or default printer, or at a new PDF file.
    void prepareJob();
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
