#pragma once
// A print job: print areas of sheets go onto pages of one printer (or PDF writer) one after the
// other, each scaled and split as its print settings say, in colour or black and white.

#include <QPainter>
#include <QPagedPaintDevice>
#include <QString>
#include <stdexcept>

#include "sheet/book.h"
#include "sheet_view/view_state.h"

namespace pellavan::sheet::view {

// The printer could not be opened or refused a page.
class PrintFailed : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class PrintJob {
 public:
  explicit PrintJob(QPagedPaintDevice& device) : device_(device) {}
  ~PrintJob();
  PrintJob(const PrintJob&) = delete;
  PrintJob& operator=(const PrintJob&) = delete;

  // Prints the print area of a sheet (0-based index) on as many pages as it takes, with the
  // sheet's orientation and margins. PrintFailed when the device will not print.
  void print(const Book& book, int sheet, const PrintSettings& settings);
  int pages() const { return pages_; }
  // Ends the job; the destructor does it too. A job that printed nothing leaves no output.
  void finish();

 private:
  void set_layout(const PageSetup& page);
  void open_page();

  QPagedPaintDevice& device_;
  QPainter painter_;
  int pages_ = 0;
};

}  // namespace pellavan::sheet::view
