#include "sheet_view/sheet_view.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QTabBar>
#include <algorithm>
#include <cmath>

#include "sheet/errors.h"
#include "sheet_view/fonts.h"

namespace pellavan::sheet::view {

namespace {

constexpr int kPollMs = 100;

std::shared_ptr<Book> empty_book() {
  auto book = std::make_shared<Book>();
  book->add_sheet("Sheet1");
  return book;
}

}  // namespace

SheetView::SheetView(QWidget* parent)
    : QAbstractScrollArea(parent), book_(empty_book()), cells_(*book_) {
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  viewport()->setBackgroundRole(QPalette::Mid);
  viewport()->setAutoFillBackground(true);
  tabs_ = new QTabBar(this);
  tabs_->setShape(QTabBar::RoundedSouth);
  tabs_->setDrawBase(false);
  connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
    if (!syncing_ && index >= 0) set_active_sheet(index + 1);
  });
  editor_ = new QLineEdit(viewport());
  editor_->hide();
  editor_->installEventFilter(this);
  connect(editor_, &QLineEdit::returnPressed, this, &SheetView::commit_editing);
  poll_.setInterval(kPollMs);
  connect(&poll_, &QTimer::timeout, this, &SheetView::poll_book);
  show_book(book_);
}

SheetView::~SheetView() = default;

void SheetView::show_book(std::shared_ptr<Book> book) {
  if (!book) throw BadCall("a view needs a book");
  cancel_editing();
  book_ = std::move(book);
  cells_ = BookControl(*book_);
  states_.clear();
  ensure_states();
  update_tabs();
  refresh();
}

void SheetView::show_book_as(std::shared_ptr<Book> book, const SheetView& other) {
  show_book(std::move(book));
  if (other.book_ != book_) return;
  states_ = other.states_;
  ensure_states();
  cells_.set_active_sheet(other.active_sheet());
  update_tabs();
  refresh();
}

void SheetView::ensure_states() {
  for (int i = static_cast<int>(states_.size()); i < book_->sheet_count(); ++i) {
    states_.push_back(initial_state(book_->sheet(i)));
  }
}

// States are made lazily, for sheets added to the book after the view took it.
const SheetViewState& SheetView::state() const { return const_cast<SheetView*>(this)->state_mut(); }

SheetViewState& SheetView::state_mut() {
  ensure_states();
  return states_[static_cast<std::size_t>(sheet_index())];
}

void SheetView::set_active_sheet(int number) {
  if (number == active_sheet()) return;
  cancel_editing();
  cells_.set_active_sheet(number);
  update_tabs();
  refresh();
}

void SheetView::set_block(const Block& block) {
  if (state().block == block) return;
  cancel_editing();
  state_mut().block = block;
  select_cell(state().current_row, state().current_col);
  refresh();
}

int SheetView::set_zoom(int percent) {
  const int zoom = clamp_zoom(percent);
  if (zoom != state().zoom) {
    cancel_editing();
    SheetViewState& s = state_mut();
    // Keep the same part of the block in view.
    const double ratio = static_cast<double>(zoom) / s.zoom;
    s.scroll_x = static_cast<int>(std::lround(s.scroll_x * ratio));
    s.scroll_y = static_cast<int>(std::lround(s.scroll_y * ratio));
    s.zoom = zoom;
    refresh();
  }
  return zoom;
}

void SheetView::set_feature(Feature f, bool on) {
  if (has(f) == on) return;
  if (!on && (f == Feature::kEditing || f == Feature::kSelection)) cancel_editing();
  state_mut().features.set(f, on);
  if (f == Feature::kSelection) setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
  update_tabs();
  refresh();
}

PrintSettings& SheetView::print_settings() { return state_mut().print; }

void SheetView::scroll_to_block_start() {
  SheetViewState& s = state_mut();
  s.scroll_x = s.scroll_y = 0;
  refresh();
}

void SheetView::select_cell(int row, int col) {
  SheetViewState& s = state_mut();
  const RangePos r = s.block.range(sheet_index());
  s.current_row = std::clamp(row, r.first_row, r.last_row);
  s.current_col = std::clamp(col, r.first_col, r.last_col);
  viewport()->update();
}

const GridGeometry& SheetView::geometry() {
  if (!geometry_ || laid_out_generation_ != book_->generation() ||
      laid_out_sheet_ != sheet_index() ||
      geometry_->block() != state().block.range(sheet_index()) || geometry_->scale() != scale()) {
    geometry_.emplace(book_->sheet(sheet_index()), state().block.range(sheet_index()),
                      grid_metrics(*book_), scale(), true);
    laid_out_generation_ = book_->generation();
    laid_out_sheet_ = sheet_index();
  }
  return *geometry_;
}

void SheetView::set_fit_block(bool on) {
  fit_block_ = on;
  refresh();
}

double SheetView::scale() const {
  const double zoom = state().zoom / 100.0;
  if (!fit_block_) return zoom;
  const RangePos block = state().block.range(sheet_index());
  const GridGeometry whole(book_->sheet(sheet_index()), block, grid_metrics(*book_), 1.0, false);
  const QSizeF h = headings_at(1.0);
  const QSize room = maximumViewportSize();
  // Whole-pixel rounding may add half a pixel to each column and row.
  const double cols = block.last_col - block.first_col + 1;
  const double rows = block.last_row - block.first_row + 1;
  const double fit_w = (room.width() - cols / 2 - 1) / (whole.width() + h.width());
  const double fit_h = (room.height() - rows / 2 - 1) / (whole.height() + h.height());
  return std::max(0.25, std::min({zoom, fit_w, fit_h}));
}

void SheetView::refresh() {
  ensure_states();
  geometry_.reset();
  setFocusPolicy(has(Feature::kSelection) ? Qt::StrongFocus : Qt::NoFocus);
  update_scroll_bars();
  viewport()->update();
}

void SheetView::poll_book() {
  if (laid_out_generation_ != book_->generation() || laid_out_sheet_ != sheet_index()) {
    if (laid_out_sheet_ != sheet_index()) update_tabs();
    refresh();
  }
}

QPoint SheetView::block_origin() const {
  const QSize h = headings();
  return QPoint(h.width() - state().scroll_x, h.height() - state().scroll_y);
}

QSize SheetView::sizeHint() const {
  const GridGeometry g(book_->sheet(sheet_index()), state().block.range(sheet_index()),
                       grid_metrics(*book_), scale(), true);
  const QSize h = headings();
  const int tabs = has(Feature::kTabs) ? tabs_->sizeHint().height() : 0;
  const int frame = 2 * frameWidth();
  return QSize(std::min(1600, static_cast<int>(std::ceil(g.width())) + h.width() + frame),
               std::min(1200, static_cast<int>(std::ceil(g.height())) + h.height() + tabs + frame));
}

void SheetView::update_scroll_bars() {
  const GridGeometry& g = geometry();
  const QSize h = headings();
  // A block that fits the widget without scroll bars needs none.
  const QSize whole = maximumViewportSize();
  const bool fits =
      g.width() + h.width() <= whole.width() && g.height() + h.height() <= whole.height();
  const QSize room_size = fits ? whole : viewport()->size();
  const int room_w = std::max(0, room_size.width() - h.width());
  const int room_h = std::max(0, room_size.height() - h.height());
  const int max_x = std::max(0, static_cast<int>(std::ceil(g.width())) - room_w);
  const int max_y = std::max(0, static_cast<int>(std::ceil(g.height())) - room_h);
  SheetViewState& s = state_mut();
  s.scroll_x = std::clamp(s.scroll_x, 0, max_x);
  s.scroll_y = std::clamp(s.scroll_y, 0, max_y);
  syncing_ = true;
  const int step = std::max(
      1, static_cast<int>(
             GridMetrics::row_pixels(book_->sheet(sheet_index()).default_row_height()) * scale()));
  horizontalScrollBar()->setRange(0, max_x);
  horizontalScrollBar()->setPageStep(std::max(1, room_w));
  horizontalScrollBar()->setSingleStep(step * 3);
  horizontalScrollBar()->setValue(s.scroll_x);
  verticalScrollBar()->setRange(0, max_y);
  verticalScrollBar()->setPageStep(std::max(1, room_h));
  verticalScrollBar()->setSingleStep(step);
  verticalScrollBar()->setValue(s.scroll_y);
  syncing_ = false;
}

void SheetView::scrollContentsBy(int, int) {
  if (syncing_) return;
  SheetViewState& s = state_mut();
  s.scroll_x = horizontalScrollBar()->value();
  s.scroll_y = verticalScrollBar()->value();
  if (editor_->isVisible()) cancel_editing();
  viewport()->update();
}

void SheetView::update_tabs() {
  syncing_ = true;
  while (tabs_->count() > book_->sheet_count()) tabs_->removeTab(tabs_->count() - 1);
  for (int i = 0; i < book_->sheet_count(); ++i) {
    const QString name = QString::fromStdString(book_->sheet(i).name());
    if (i < tabs_->count()) {
      tabs_->setTabText(i, name);
    } else {
      tabs_->addTab(name);
    }
  }
  tabs_->setCurrentIndex(sheet_index());
  syncing_ = false;
  const bool shown = has(Feature::kTabs);
  tabs_->setVisible(shown);
  const int height = shown ? tabs_->sizeHint().height() : 0;
  setViewportMargins(0, 0, 0, height);
  const QRect area = viewport()->geometry();
  tabs_->setGeometry(area.left(), area.bottom() + 1,
                     std::min(area.width(), tabs_->sizeHint().width()), height);
}

void SheetView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  update_tabs();
  update_scroll_bars();
}

void SheetView::showEvent(QShowEvent* event) {
  QAbstractScrollArea::showEvent(event);
  poll_.start();
  poll_book();
}

void SheetView::hideEvent(QHideEvent* event) {
  QAbstractScrollArea::hideEvent(event);
  poll_.stop();
}

}  // namespace pellavan::sheet::view
