#include "sheet_view/print_job.h"

#include <QMarginsF>
#include <QPageLayout>

#include "sheet_view/block_painter.h"
#include "sheet_view/fonts.h"
#include "sheet_view/grid_geometry.h"
#include "sheet_view/print_plan.h"

namespace pellavan::sheet::view {

namespace {

constexpr double kReferenceDpi = 96.0;

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
  const PrintPlan plan =
      plan_print(s, print_area_of(book, sheet, settings), metrics, settings,
                 device_.width() / device_per_pixel, device_.height() / device_per_pixel);
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
    painter_.restore();
  }
}

}  // namespace pellavan::sheet::view
