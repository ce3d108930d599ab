#include "sheet_view/print_plan.h"

#include <algorithm>
#include <limits>

#include "sheet/book.h"

namespace pellavan::sheet::view {

namespace {

struct Span {
  int first, last;
};

// Splits first..last into runs whose scaled sizes fit `room`; a run holds at least one.
template <class SizeOf>
std::vector<Span> split(int first, int last, double room, SizeOf&& size_of) {
  std::vector<Span> spans;
  Span run{first, first};
  double used = 0.0;
  constexpr double kSlack = 1e-6;
  for (int i = first; i <= last; ++i) {
    const double size = size_of(i);
    if (i > run.first && used + size > room + kSlack) {
      spans.push_back(run);
      run = Span{i, i};
      used = 0.0;
    }
    run.last = i;
    used += size;
  }
  spans.push_back(run);
  return spans;
}

}  // namespace

RangePos print_area_of(const Book& book, int sheet, const PrintSettings& settings) {
  if (settings.area) {
    RangePos area = *settings.area;
    area.sheet = sheet;
    return area;
  }
  if (const auto used = book.used_range(sheet)) return *used;
  return RangePos{sheet, 0, 0, 0, 0};
}

PrintPlan plan_print(const Sheet& sheet, const RangePos& area, const GridMetrics& metrics,
                     const PrintSettings& settings, double page_width, double page_height) {
  const GridGeometry full(sheet, area, metrics, 1.0, false);
  PrintPlan plan;
  double scale = settings.scale_percent / 100.0;
  if (settings.fit) {
    constexpr double kFree = std::numeric_limits<double>::infinity();
    const double wide = settings.pages_wide > 0 && full.width() > 0
                            ? settings.pages_wide * page_width / full.width()
                            : kFree;
    const double tall = settings.pages_tall > 0 && full.height() > 0
                            ? settings.pages_tall * page_height / full.height()
                            : kFree;
    scale = std::min({scale, wide, tall});
  }
  plan.scale = std::clamp(scale, kMinPrintScale, kMaxPrintScale);
  const auto across = split(area.first_col, area.last_col, page_width, [&](int c) {
    return (full.col_right(c) - full.col_left(c)) * plan.scale;
  });
  const auto down = split(area.first_row, area.last_row, page_height, [&](int r) {
    return (full.row_bottom(r) - full.row_top(r)) * plan.scale;
  });
  for (const Span& cols : across) {
    for (const Span& rows : down)
      plan.pages.push_back(RangePos{area.sheet, rows.first, cols.first, rows.last, cols.last});
  }
  return plan;
}

}  // namespace pellavan::sheet::view
