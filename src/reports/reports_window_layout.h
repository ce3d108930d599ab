#pragma once
// Where the reports window puts its three big pieces when it is resized (sizes in twips): the
// sheet fills the window above the bottom bar, the bar keeps its height along the bottom and
// the print-options panel stands in the middle of the window. The bar's buttons keep their
// design places.

namespace pellavan::reports {

struct TwipBox {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const TwipBox&, const TwipBox&) = default;
};

struct ReportsLayout {
  TwipBox sheet;  // F1Book1
  TwipBox bar;    // Frame1
  TwipBox panel;  // Frame2
  friend bool operator==(const ReportsLayout&, const ReportsLayout&) = default;
};

// The margins the sheet leaves in the client area and the bar's distance from its bottom.
inline constexpr int kSheetRightMargin = 100;
inline constexpr int kSheetBottomMargin = 575;
inline constexpr int kBarFromBottom = 600;

// The layout for a client area of `client_width` x `client_height` in a window of outer size
// `window_width` x `window_height`. A client area smaller than the margins (a minimised
// window) leaves the sheet and the bar where `now` has them.
[[nodiscard]] ReportsLayout resized_layout(const ReportsLayout& now, int client_width,
                                           int client_height, int window_width, int window_height);

}  // namespace pellavan::reports
