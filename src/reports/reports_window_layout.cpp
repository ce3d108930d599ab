#include "reports/reports_window_layout.h"

namespace pellavan::reports {

ReportsLayout resized_layout(const ReportsLayout& now, int client_width, int client_height,
                             int window_width, int window_height) {
  ReportsLayout next = now;
  next.panel.left = (window_width - now.panel.width) / 2;
  next.panel.top = (window_height - now.panel.height) / 2;
  if (client_width < kSheetRightMargin || client_height < kBarFromBottom) return next;
  next.sheet.width = client_width - kSheetRightMargin;
  next.sheet.height = client_height - kSheetBottomMargin;
  next.bar.width = client_width;
  next.bar.top = client_height - kBarFromBottom;
  return next;
}

}  // namespace pellavan::reports
