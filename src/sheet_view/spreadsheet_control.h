#pragma once
// SpreadsheetControl: the spreadsheet control of the program's windows, under the operation names
// the windows' code uses, over a SheetView.
//
// A control holds a book of its own (a new control: an empty one-sheet book) or, after AttachBook,
// shows the book of another control as one more view of it. Active sheet, block, zoom, the
// read-only state and the print settings belong to each control, never to the book: a window's
// control keeps showing its own sheet whatever another control of the book is set to. AttachBook
// starts the attaching control from what the owning control shows at that moment, so a window
// sets the sheet and block on the owner and then attaches.
//
// Code without Qt (the workbook filler) reaches the book through cells(): a BookControl whose
// active sheet is this control's, as the filler's sheet selections on the reports window's
// control must be.

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "sheet/book.h"
#include "sheet/book_control.h"
#include "sheet_view/sheet_view.h"

class QPagedPaintDevice;
class QPrinter;

namespace pellavan::sheet::view {

class PrintJob;

class SpreadsheetControl : public QWidget {
  Q_OBJECT

 public:
  // What BookHandle gives and AttachBook takes: a book and the control that owns it.
  class Handle {
   public:
    bool valid() const { return !book_.expired(); }

   private:
    friend class SpreadsheetControl;
    std::weak_ptr<Book> book_;
    QPointer<SpreadsheetControl> owner_;
  };

  explicit SpreadsheetControl(QWidget* parent = nullptr);
  ~SpreadsheetControl() override;

  // Makes `book` this control's own, shown from its first sheet.
  void hold_book(Book book);
  Book& book() const { return *view_->book(); }
  SheetView& view() const { return *view_; }
  BookControl& cells() const { return view_->cells(); }

  // ---- sheets and cells (1-based) ----
  void ActiveSheet(int number);  // BadCall for no such sheet
  int ActiveSheet() const { return view_->active_sheet(); }
  int SheetCount() const { return book().sheet_count(); }
  void SetCellText(int row, int col, std::string_view text) {
    cells().set_cell_text(row, col, text);
  }
  std::string GetCellText(int row, int col) const { return cells().cell_text(row, col); }
  // FormulaRejected, naming the cell and the position, when the formula does not parse.
  void SetCellFormula(int row, int col, std::string_view formula) {
    cells().set_cell_formula(row, col, formula);
  }
  void Recalc();

  // ---- the shown block of the active sheet, its zoom, the control's visibility ----
  void ViewFirstRow(int row);
  void ViewLastRow(int row);
  void ViewFirstCol(int col);
  void ViewLastCol(int col);
  int ViewFirstRow() const { return view_->block().first_row; }
  int ViewLastRow() const { return view_->block().last_row; }
  int ViewFirstCol() const { return view_->block().first_col; }
  int ViewLastCol() const { return view_->block().last_col; }
  void ViewZoom(int percent) { view_->set_zoom(percent); }  // taken into 25 to 200
  int ViewZoom() const { return view_->zoom(); }
  // The whole block stays in sight: the view shrinks below ViewZoom where it would not fit.
  void FitBlock(bool on) { view_->set_fit_block(on); }
  void Visible(bool shown) { setVisible(shown); }
  bool Visible() const { return isVisible(); }

  // ---- printing the active sheet ----
  void PrintArea(std::string_view a1_range);  // BadCall for a text that is no range
  std::string PrintArea() const;
  void SetPrintScale(int scale_percent, bool fit, int pages_wide, int pages_tall);
  void PrintBlackWhite(bool black_and_white);
  // Lines printed under the print area (none: the area alone).
  void PrintNotes(std::vector<std::string> lines);
  // Prints the print area; PrintFailed when the printer will not print. Inside a print job the
  // pages join it, else they form a job of their own. `ask` is accepted and has no effect: the
  // windows ask for the printer themselves (use_printer).
  void PrintSheet(bool ask = false);
  // The printer that PrintSheet prints on (not owned); nullptr: the system's default printer.
  void use_printer(QPagedPaintDevice* printer) { printer_ = printer; }
  // Pages printed between these two go out as one job.
  void begin_print_job();
  void end_print_job();
  const std::string& job_name() const { return job_name_; }

  // ---- the book as others see it ----
  Handle BookHandle() const;
  // BadCall when the handle's book no longer exists.
  void AttachBook(const Handle& handle);

  // ---- drawing objects of the active sheet ----
  int ObjectCount() const;
  // A picture spanning the grid points (x1, y1) to (x2, y2): column and row numbers from 0 with
  // their fractions, 2.0 being the left edge of column C. Returns the object's id.
  int AddPictureObject(double x1, double y1, double x2, double y2, const QImage& picture);
  // Selects drawing object n (1-based) for Book_Op141 and gives its id.
  void Book_Op198(int n, int& id);
  // Removes the selected drawing objects.
  void Book_Op141(int kind);

  // ---- numbered settings and operations (numbered_settings.h) ----
  void Book_Prop(int number, int value);  // Booleans as 0 and 1; BadCall for an unknown number
  void Book_Prop(int number, std::string_view text);
  int report_layout(int number) const;  // the value of setting 6 or 25
  // The cell (row, col) of the block becomes the selected one, and the view scrolls to the block's
  // start.
  void Book_Op211(int row, int col);
  // The view scrolls to the block's start.
  void Book_Op229();

 private:
  void set_block_edge(int Block::*edge, int value);
  QPagedPaintDevice& printer();

  SheetView* view_;
  QPointer<SpreadsheetControl> owner_;
  QPagedPaintDevice* printer_ = nullptr;
  std::unique_ptr<QPrinter> default_printer_;
  std::unique_ptr<PrintJob> job_;
  std::vector<std::uint32_t> selected_objects_;
  int report_layout_[2] = {0, 0};
  std::string job_name_ = "Sheet";
  std::string product_name_;
};

// Puts a control's active sheet into the read-only state of the program's windows: the sixteen
// switches of kReadOnlyList set False in their order.
void set_read_only_list(SpreadsheetControl& control);

}  // namespace pellavan::sheet::view
