#pragma once
// SheetView: a widget that shows a block of one sheet of a book. Any number of views may show one
// book; each keeps its own active sheet and, for every sheet, its own block, zoom, features,
// scroll position and print settings (view_state.h), so a view keeps showing what it was set to
// whatever another view of the book does. The view notices the book's changes by its generation
// counter (cells written, a recalculation) and repaints.

#include <QAbstractScrollArea>
#include <QTimer>
#include <memory>
#include <optional>
#include <vector>

#include "sheet/book.h"
#include "sheet/book_control.h"
#include "sheet_view/block_painter.h"
#include "sheet_view/grid_geometry.h"
#include "sheet_view/picture_cache.h"
#include "sheet_view/view_state.h"

class QLineEdit;
class QTabBar;

namespace pellavan::sheet::view {

class SheetView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit SheetView(QWidget* parent = nullptr);  // shows an empty one-sheet book of its own
  ~SheetView() override;

  const std::shared_ptr<Book>& book() const { return book_; }
  // Shows `book` from its first sheet, every sheet in its initial state.
  void show_book(std::shared_ptr<Book> book);
  // Shows `book` as `other` shows it: its active sheet and the states of all its sheets.
  void show_book_as(std::shared_ptr<Book> book, const SheetView& other);

  // The cell calls of the spreadsheet control, 1-based, on this view's active sheet.
  BookControl& cells() { return cells_; }
  int active_sheet() const { return cells_.active_sheet(); }  // 1-based
  void set_active_sheet(int number);                          // BadCall when there is no such sheet

  // The active sheet's state and its parts; every change repaints.
  const SheetViewState& state() const;
  Block block() const { return state().block; }
  void set_block(const Block& block);
  int zoom() const { return state().zoom; }
  int set_zoom(int percent);  // takes 25 to 200; returns the zoom taken
  // With `on` the view shrinks below its zoom, never beyond, so its whole block fits the widget.
  void set_fit_block(bool on);
  // Device pixels per pixel at 100 %: the zoom, or less where the block is fitted.
  double scale() const;
  bool has(Feature f) const { return state().features.has(f); }
  void set_feature(Feature f, bool on);
  PrintSettings& print_settings();  // printing only: no repaint
  void scroll_to_block_start();
  void select_cell(int row, int col);  // 0-based in the sheet, brought into the block

  // Lays the view out again and repaints, after a change it cannot see (sizes of rows, pictures).
  void refresh();
  // The texts the last paint drew, in viewport coordinates.
  const std::vector<DrawnText>& drawn_texts() const { return drawn_; }
  // Where the block's top-left corner lies in the viewport (after headings and scrolling).
  QPoint block_origin() const;
  // The block with its headings and tabs, up to 1600 by 1200 pixels.
  QSize sizeHint() const override;

 signals:
  void cellEdited(int row, int col);  // 1-based, after the user entered a cell
  // A formula the user entered did not parse; the window that holds the view tells the user.
  void entryRefused(const QString& reason);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  SheetViewState& state_mut();
  int sheet_index() const { return cells_.active_sheet() - 1; }
  void ensure_states();
  const GridGeometry& geometry();
  QSizeF headings_at(double scale) const;
  QSize headings() const;  // width of the row headings, height of the column headings
  void update_scroll_bars();
  void update_tabs();
  void poll_book();
  void paint_headings(QPainter& p, const GridGeometry& g, const QRect& content);
  void paint_selection(QPainter& p, const GridGeometry& g);
  std::optional<CellPos> cell_at(const QPoint& viewport_point);
  void move_current(int rows, int cols);
  void scroll_to_current();
  void start_editing(const QString& text);
  void commit_editing();
  void cancel_editing();

  std::shared_ptr<Book> book_;
  BookControl cells_;
  std::vector<SheetViewState> states_;  // by sheet index
  std::optional<GridGeometry> geometry_;
  std::uint64_t laid_out_generation_ = ~std::uint64_t{0};
  int laid_out_sheet_ = -1;
  PictureCache pictures_;
  std::vector<DrawnText> drawn_;
  QTimer poll_;
  QTabBar* tabs_ = nullptr;
  QLineEdit* editor_ = nullptr;
  bool syncing_ = false;
  bool fit_block_ = false;  // scroll bars and tabs being set from the state
};

}  // namespace pellavan::sheet::view
