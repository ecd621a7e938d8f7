#pragma once
// ReportPrinter: prints the report the view shows. It keeps the printer of Print, Print
// preview and Print setup, makes the copies a driver cannot, and writes the report as PDF.
#include <QObject>
#include <QString>
#include <memory>

class QPrinter;

namespace vorla::gui {

class ReportView;

class ReportPrinter : public QObject {
    Q_OBJECT
  public:
    // Prints what `view` shows; its dialogs open over the view.
    explicit ReportPrinter(ReportView& view, QObject* parent = nullptr);
    ~ReportPrinter() override;

    // True while pages go to the printer (the window refuses to close then).
    bool printing() const { return printing_; }

    // The printer of Print, Print preview and Print setup (created on first use), on the
    // view's sheet until its dialogs choose another paper.
    QPrinter& printer();
    // Print: the print dialog with the page range, then the pages. Print preview and Print
    // setup as the platform offers them.
    void print();
    void print_preview();
    void print_setup();
    // Prints pages from..to (0 = all) with `copies` copies on a printer already set up.
    bool print_range(QPrinter& printer, int from, int to, int copies);
    // Saves the report as PDF, as it prints.
    bool save_pdf(const QString& path);

  private:
    // The view shows the paper the printer's dialogs chose.
    void take_printer_sheet();

    ReportView& view_;
    bool printing_ = false;
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace vorla::gui
