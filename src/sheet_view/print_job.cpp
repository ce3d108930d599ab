#include "sheet_view/print_job.h"

#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QString>
#include <string>
#include <vector>

#include "sheet_view/block_painter.h"
#include "sheet_view/fonts.h"
#include "sheet_view/grid_geometry.h"
#include "sheet_view/print_plan.h"

namespace pellavan::sheet::view {

namespace {

constexpr double kReferenceDpi = 96.0;
constexpr double kNotePoints = 9.0;

// The notes under a print area: the book's own face at 9 points, italic, half a line below the
// area, wrapped to its width.
class AreaNotes {
 public:
  AreaNotes(const Book& book, const std::vector<std::string>& lines, QPaintDevice& device)
      : font_(book.styles().get(0).font), device_(device) {
    font_.size = kNotePoints;
    font_.italic = true;
    font_.bold = false;
    for (const std::string& line : lines)
      text_.append(text_.isEmpty() ? "" : "\n").append(QString::fromStdString(line));
  }

  // The room they take under an area `width` wide, both in device pixels at `scale`.
  [[nodiscard]] double height(double width, double scale) const {
    if (text_.isEmpty()) return 0.0;
    const QFontMetricsF m(face(scale), &device_);
    return m.lineSpacing() / 2 + m.boundingRect(QRectF(0, 0, width, 1e9), kFlags, text_).height();
  }

  void paint(QPainter& p, double top, double width, double scale) const {
    if (text_.isEmpty()) return;
    const QFont f = face(scale);
    p.setFont(f);
    p.setPen(Qt::black);
    const double gap = QFontMetricsF(f, &device_).lineSpacing() / 2;
    p.drawText(QRectF(0, top + gap, width, 1e9), kFlags, text_);
  }

 private:
  static constexpr int kFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
  [[nodiscard]] QFont face(double scale) const {
    return qt_font(font_, scale, device_.logicalDpiY());
  }

  Font font_;
  QString text_;
  QPaintDevice& device_;
};

}  // namespace

PrintJob::~PrintJob() { finish(); }

void PrintJob::finish() {
  if (painter_.isActive()) painter_.end();
}

// A page's layout takes effect at the page it opens: the first page opens the job.
void PrintJob::set_layout(const PageSetup& page) {
  device_.setPageOrientation(page.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
  device_.setPageMargins(
      QMarginsF(page.margin_left, page.margin_top, page.margin_right, page.margin_bottom),
      QPageLayout::Inch);
}

void PrintJob::open_page() {
  if (pages_ == 0) {
    if (!painter_.begin(&device_)) throw PrintFailed("the printer could not be opened");
  } else if (!device_.newPage()) {
    throw PrintFailed("the printer refused page " + std::to_string(pages_ + 1));
  }
  ++pages_;
}

void PrintJob::print(const Book& book, int sheet, const PrintSettings& settings) {
  const Sheet& s = book.sheet(sheet);
  set_layout(s.page_setup());
  const GridMetrics metrics = grid_metrics(book);
  const double device_per_pixel = device_.logicalDpiX() / kReferenceDpi;
  const RangePos area = print_area_of(book, sheet, settings);
  const AreaNotes notes(book, settings.notes, device_);
  // The notes' room at 100 %: at any smaller scale they take less.
  const double note_room =
      notes.height(GridGeometry(s, area, metrics, device_per_pixel, false).width(),
                   device_per_pixel) /
      device_per_pixel;
  const PrintPlan plan = plan_print(s, area, metrics, settings, device_.width() / device_per_pixel,
                                    device_.height() / device_per_pixel - note_room);
  const double scale = device_per_pixel * plan.scale;
  PaintOptions options;
  options.whole_pixels = false;
  options.grid_lines = settings.grid_lines;
  options.black_and_white = settings.black_and_white;
  options.line_scale = scale;
  for (const RangePos& part : plan.pages) {
    open_page();
    const GridGeometry geometry(s, part, metrics, scale, false);
    painter_.save();
    if (settings.centred) painter_.translate((device_.width() - geometry.width()) / 2, 0);
    // The whole page: a text may spill past the print area into the margin.
    const QRectF page =
        painter_.transform().inverted().mapRect(QRectF(0, 0, device_.width(), device_.height()));
    painter_.setClipRect(page);
    options.text_room = page;
    BlockPainter(book, sheet, geometry, options).paint(painter_, page);
    if (&part == &plan.pages.back())
      notes.paint(painter_, geometry.height(), geometry.width(), scale);
    painter_.restore();
  }
}

}  // namespace pellavan::sheet::view
