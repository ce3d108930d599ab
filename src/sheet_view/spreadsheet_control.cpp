#include "sheet_view/spreadsheet_control.h"

#include <QBuffer>
#include <QPrinter>
#include <QVBoxLayout>
#include <algorithm>

#include "sheet/errors.h"
#include "sheet_view/numbered_settings.h"
#include "sheet_view/print_job.h"

namespace pellavan::sheet::view {

SpreadsheetControl::SpreadsheetControl(QWidget* parent)
    : QWidget(parent), view_(new SheetView(this)), owner_(this) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_);
}

SpreadsheetControl::~SpreadsheetControl() = default;

void SpreadsheetControl::hold_book(Book book) {
  view_->show_book(std::make_shared<Book>(std::move(book)));
  owner_ = this;
}

void SpreadsheetControl::ActiveSheet(int number) { view_->set_active_sheet(number); }

void SpreadsheetControl::Recalc() {
  book().recalc();
  view_->refresh();
}

void SpreadsheetControl::set_block_edge(int Block::*edge, int value) {
  Block block = view_->block();
  block.*edge = value;
  view_->set_block(block);
}

void SpreadsheetControl::ViewFirstRow(int row) {
  set_block_edge(&Block::first_row, clamp_row(row));
}
void SpreadsheetControl::ViewLastRow(int row) { set_block_edge(&Block::last_row, clamp_row(row)); }
void SpreadsheetControl::ViewFirstCol(int col) {
  set_block_edge(&Block::first_col, clamp_col(col));
}
void SpreadsheetControl::ViewLastCol(int col) { set_block_edge(&Block::last_col, clamp_col(col)); }

void SpreadsheetControl::PrintArea(std::string_view a1_range) {
  const auto range = parse_a1_range(a1_range);
  if (!range) throw BadCall("'" + std::string(a1_range) + "' is no print area");
  view_->print_settings().area = range;
}

std::string SpreadsheetControl::PrintArea() const {
  const auto& area = view_->print_settings().area;
  return area ? format_a1_range(*area) : "";
}

void SpreadsheetControl::SetPrintScale(int scale_percent, bool fit, int pages_wide,
                                       int pages_tall) {
  PrintSettings& print = view_->print_settings();
  print.scale_percent = std::clamp(scale_percent, 10, 400);
  print.fit = fit;
  print.pages_wide = std::max(pages_wide, 0);
  print.pages_tall = std::max(pages_tall, 0);
}

void SpreadsheetControl::PrintBlackWhite(bool black_and_white) {
  view_->print_settings().black_and_white = black_and_white;
}

void SpreadsheetControl::PrintNotes(std::vector<std::string> lines) {
  view_->print_settings().notes = std::move(lines);
}

QPagedPaintDevice& SpreadsheetControl::printer() {
  QPagedPaintDevice* device = printer_;
  if (device == nullptr) {
    if (!default_printer_) default_printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    device = default_printer_.get();
  }
  // The job name goes with every job, on whichever printer the window chose.
  if (auto* named = dynamic_cast<QPrinter*>(device))
    named->setDocName(QString::fromStdString(job_name_));
  return *device;
}

void SpreadsheetControl::begin_print_job() {
  if (!job_) job_ = std::make_unique<PrintJob>(printer());
}

void SpreadsheetControl::end_print_job() { job_.reset(); }

void SpreadsheetControl::PrintSheet(bool) {
  const int sheet = ActiveSheet() - 1;
  if (job_) return job_->print(book(), sheet, view_->print_settings());
  PrintJob job(printer());
  job.print(book(), sheet, view_->print_settings());
  job.finish();
}

SpreadsheetControl::Handle SpreadsheetControl::BookHandle() const {
  Handle handle;
  handle.book_ = view_->book();
  handle.owner_ = owner_;
  return handle;
}

void SpreadsheetControl::AttachBook(const Handle& handle) {
  std::shared_ptr<Book> book = handle.book_.lock();
  if (!book) throw BadCall("the book of that handle no longer exists");
  owner_ = handle.owner_;
  if (owner_ && owner_ != this && owner_->view_->book() == book) {
    view_->show_book_as(std::move(book), *owner_->view_);
  } else if (book != view_->book()) {
    view_->show_book(std::move(book));
  }
}

int SpreadsheetControl::ObjectCount() const {
  return static_cast<int>(book().sheet(ActiveSheet() - 1).pictures().size());
}

int SpreadsheetControl::AddPictureObject(double x1, double y1, double x2, double y2,
                                         const QImage& picture) {
  QByteArray encoded;
  QBuffer buffer(&encoded);
  buffer.open(QIODevice::WriteOnly);
  if (picture.isNull() || !picture.save(&buffer, "PNG"))
    throw BadCall("a picture object needs a picture");
  std::vector<std::uint8_t> png(encoded.begin(), encoded.end());
  const std::uint32_t id = book()
                               .sheet(ActiveSheet() - 1)
                               .add_picture(GridPoint{x1, y1}, GridPoint{x2, y2}, std::move(png));
  book().touch();
  view_->refresh();
  return static_cast<int>(id);
}

void SpreadsheetControl::Book_Op198(int n, int& id) {
  const auto& pictures = book().sheet(ActiveSheet() - 1).pictures();
  if (n < 1 || n > static_cast<int>(pictures.size()))
    throw BadCall("no drawing object " + std::to_string(n));
  id = static_cast<int>(pictures[static_cast<std::size_t>(n - 1)].id);
  selected_objects_ = {pictures[static_cast<std::size_t>(n - 1)].id};
}

void SpreadsheetControl::Book_Op141(int) {
  Sheet& sheet = book().sheet(ActiveSheet() - 1);
  for (const std::uint32_t id : selected_objects_) sheet.remove_picture(id);
  selected_objects_.clear();
  book().touch();
  view_->refresh();
}

void SpreadsheetControl::Book_Prop(int number, int value) {
  const auto setting = numbered_setting(number);
  if (!setting) throw BadCall("no setting " + std::to_string(number));
  switch (*setting) {
    case NumberedSetting::kFeature: view_->set_feature(feature_of(number), value != 0); break;
    case NumberedSetting::kReportLayout: report_layout_[number == 6 ? 0 : 1] = value; break;
    case NumberedSetting::kPrintCentred: view_->print_settings().centred = value != 0; break;
    case NumberedSetting::kPrintGridLines: view_->print_settings().grid_lines = value != 0; break;
    default: throw BadCall("setting " + std::to_string(number) + " takes a text");
  }
}

void SpreadsheetControl::Book_Prop(int number, std::string_view text) {
  const auto setting = numbered_setting(number);
  if (setting == NumberedSetting::kJobName) {
    job_name_ = text;
  } else if (setting == NumberedSetting::kProductName) {
    product_name_ = text;
  } else {
    throw BadCall("setting " + std::to_string(number) + " takes no text");
  }
}

int SpreadsheetControl::report_layout(int number) const {
  if (number != 6 && number != 25)
    throw BadCall("setting " + std::to_string(number) + " is no report layout");
  return report_layout_[number == 6 ? 0 : 1];
}

void SpreadsheetControl::Book_Op211(int row, int col) {
  const RangePos block = view_->block().range(ActiveSheet() - 1);
  view_->select_cell(std::clamp(block.first_row + row - 1, block.first_row, block.last_row),
                     std::clamp(block.first_col + col - 1, block.first_col, block.last_col));
  view_->scroll_to_block_start();
}

void SpreadsheetControl::Book_Op229() { view_->scroll_to_block_start(); }

void set_read_only_list(SpreadsheetControl& control) {
  for (const int number : kReadOnlyList) control.Book_Prop(number, false);
}

}  // namespace pellavan::sheet::view
