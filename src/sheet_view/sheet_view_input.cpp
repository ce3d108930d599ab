// What the user does in a SheetView: select a cell with the mouse or the arrow keys, and enter a
// cell's text or formula in place. Both only while the view's features allow them.
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>

#include "sheet/errors.h"
#include "sheet_view/sheet_view.h"

namespace pellavan::sheet::view {

std::optional<CellPos> SheetView::cell_at(const QPoint& point) {
  const QSize h = headings();
  if (point.x() < h.width() || point.y() < h.height()) return std::nullopt;
  const GridGeometry& g = geometry();
  const QPoint inside = point - block_origin();
  if (inside.x() >= g.width() || inside.y() >= g.height()) return std::nullopt;
  return CellPos{sheet_index(), g.row_at(inside.y()), g.col_at(inside.x())};
}

void SheetView::mousePressEvent(QMouseEvent* event) {
  if (!has(Feature::kSelection)) return QAbstractScrollArea::mousePressEvent(event);
  commit_editing();
  if (const auto cell = cell_at(event->position().toPoint())) {
    SheetViewState& s = state_mut();
    s.current_row = cell->row;
    s.current_col = cell->col;
    viewport()->update();
  }
}

void SheetView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (has(Feature::kSelection) && has(Feature::kEditing) && cell_at(event->position().toPoint())) {
    const CellPos pos{sheet_index(), state().current_row, state().current_col};
    const auto formula = book_->cell_formula(pos);
    start_editing(formula ? "=" + QString::fromStdString(*formula)
                          : QString::fromStdString(book_->cell_text(pos)));
    return;
  }
  QAbstractScrollArea::mouseDoubleClickEvent(event);
}

// Moves the selected cell within the block, over hidden rows and columns.
void SheetView::move_current(int rows, int cols) {
  const GridGeometry& g = geometry();
  const RangePos& b = g.block();
  SheetViewState& s = state_mut();
  auto step = [](int at, int by, int first, int last, auto shown) {
    int next = at;
    for (int i = at + by; i >= first && i <= last; i += by) {
      if (shown(i)) {
        next = i;
        break;
      }
    }
    return next;
  };
  if (rows != 0)
    s.current_row =
        step(s.current_row, rows, b.first_row, b.last_row, [&](int r) { return g.row_shown(r); });
  if (cols != 0)
    s.current_col =
        step(s.current_col, cols, b.first_col, b.last_col, [&](int c) { return g.col_shown(c); });
  scroll_to_current();
}

void SheetView::scroll_to_current() {
  const GridGeometry& g = geometry();
  const SheetViewState& s = state();
  const QSize h = headings();
  const int room_w = viewport()->width() - h.width(), room_h = viewport()->height() - h.height();
  int x = s.scroll_x, y = s.scroll_y;
  const int left = static_cast<int>(g.col_left(s.current_col)),
            right = static_cast<int>(g.col_right(s.current_col));
  const int top = static_cast<int>(g.row_top(s.current_row)),
            bottom = static_cast<int>(g.row_bottom(s.current_row));
  if (right - x > room_w) x = right - room_w;
  if (left < x) x = left;
  if (bottom - y > room_h) y = bottom - room_h;
  if (top < y) y = top;
  horizontalScrollBar()->setValue(x);
  verticalScrollBar()->setValue(y);
  viewport()->update();
}

void SheetView::keyPressEvent(QKeyEvent* event) {
  if (!has(Feature::kSelection)) return QAbstractScrollArea::keyPressEvent(event);
  switch (event->key()) {
    case Qt::Key_Up: return move_current(-1, 0);
    case Qt::Key_Down: return move_current(1, 0);
    case Qt::Key_Left: return move_current(0, -1);
    case Qt::Key_Right: return move_current(0, 1);
    default: break;
  }
  if (has(Feature::kEditing)) {
    const CellPos pos{sheet_index(), state().current_row, state().current_col};
    if (event->key() == Qt::Key_F2) {
      const auto formula = book_->cell_formula(pos);
      return start_editing(formula ? "=" + QString::fromStdString(*formula)
                                   : QString::fromStdString(book_->cell_text(pos)));
    }
    const QString typed = event->text();
    if (!typed.isEmpty() && typed.front().isPrint()) return start_editing(typed);
  }
  QAbstractScrollArea::keyPressEvent(event);
}

void SheetView::start_editing(const QString& text) {
  scroll_to_current();
  const GridGeometry& g = geometry();
  const SheetViewState& s = state();
  const QRect cell = QRectF(QPointF(g.col_left(s.current_col), g.row_top(s.current_row)),
                            QPointF(g.col_right(s.current_col), g.row_bottom(s.current_row)))
                         .toRect()
                         .translated(block_origin());
  editor_->setGeometry(cell.adjusted(0, 0, std::max(0, 120 - cell.width()), 0));
  editor_->setText(text);
  editor_->show();
  editor_->setFocus();
}

// A text that starts with "=" is a formula; anything else goes in by the entry rule. A formula
// that does not parse is refused: the view reports why, and the text stays in the editor to be
// mended.
void SheetView::commit_editing() {
  if (!editor_->isVisible()) return;
  const CellPos pos{sheet_index(), state().current_row, state().current_col};
  const std::string text = editor_->text().toStdString();
  try {
    if (!text.empty() && text.front() == '=') {
      book_->set_cell_formula(pos, std::string_view(text).substr(1));
    } else {
      book_->set_cell_text(pos, text);
    }
  } catch (const FormulaRejected& e) {
    editor_->setFocus();
    emit entryRefused(QString::fromStdString(e.what()));
    return;
  }
  editor_->hide();
  setFocus();
  refresh();
  emit cellEdited(pos.row + 1, pos.col + 1);
}

void SheetView::cancel_editing() {
  if (!editor_ || !editor_->isVisible()) return;
  editor_->hide();
  viewport()->update();
}

bool SheetView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == editor_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    cancel_editing();
    setFocus();
    return true;
  }
  return QAbstractScrollArea::eventFilter(watched, event);
}

}  // namespace pellavan::sheet::view
