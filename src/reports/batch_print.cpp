#include "reports/batch_print.h"

#include <exception>

#include "reports/report_view.h"
#include "sheet/address.h"

namespace pellavan::reports {

namespace {

using sheet::view::SpreadsheetControl;

constexpr int kPrintGridLines = 80;

// "Page n" in the page's number cell for as long as it lives.
class PageNumber {
 public:
  PageNumber(SpreadsheetControl& control, const PlannedPage& page)
      : control_(control),
        cell_{page.page->block.sheet - 1, kPageNumberRow - 1, page.number_col - 1} {
    if (page.number_col > 0) control_.book().set_cell_text(cell_, page.number);
  }
  ~PageNumber() {
    if (cell_.col >= 0) control_.book().clear_cell(cell_);
  }
  PageNumber(const PageNumber&) = delete;
  PageNumber& operator=(const PageNumber&) = delete;

 private:
  SpreadsheetControl& control_;
  sheet::CellPos cell_;
};

// Prints on the printer only while it lives, in one job.
class BatchJob {
 public:
  BatchJob(SpreadsheetControl& control) : control_(control) {}
  ~BatchJob() {
    control_.end_print_job();
    control_.use_printer(nullptr);
  }
  BatchJob(const BatchJob&) = delete;
  BatchJob& operator=(const BatchJob&) = delete;

  void begin(QPrinter& printer) {
    control_.use_printer(&printer);
    control_.begin_print_job();
    open_ = true;
  }
  [[nodiscard]] bool open() const { return open_; }

 private:
  SpreadsheetControl& control_;
  bool open_ = false;
};

void set_up_page(SpreadsheetControl& control, const BatchPrint& batch, const PlannedPage& planned) {
  const BatchPage& page = *planned.page;
  show_block(control, page.block, batch.metric);
  if (page.sets_zoom) control.ViewZoom(batch.zoom);
  if (page.clears_grid_lines) control.Book_Prop(kPrintGridLines, false);
  set_print_look(control, batch.black_white);
}

}  // namespace

PrintOutcome print_batch(SpreadsheetControl& control, QPrinter& printer, const BatchPrint& batch,
                         const PrinterPrompt& ask) {
  PrintOutcome outcome;
  try {
    control.Book_Prop(kPrintGridLines, false);
    BatchJob job(control);
    for (const PlannedPage& planned : batch.pages) {
      set_up_page(control, batch, planned);
      if (batch.status) batch.status(planned.status);
      const PageNumber number(control, planned);
      const PrintedNotes notes(control, planned.notes);
      if (!job.open()) {
        if (!ask(printer)) {
          outcome.end = PrintEnd::kCancelled;
          break;
        }
        job.begin(printer);
      }
      control.PrintSheet(false);
      ++outcome.pages;
    }
  } catch (const std::exception& e) {
    outcome.end = PrintEnd::kFailed;
    outcome.failure = e.what();
  }
  show_report_view(control, report(kProjectReport), batch.metric, batch.zoom);
  return outcome;
}

}  // namespace pellavan::reports
