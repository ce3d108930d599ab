#include "platform/help_placement.h"

#include <algorithm>

namespace pellavan::platform {

QRect help_viewer_geometry(const QRect& window, const QSize& viewer, const QRect& screen) {
  const int room_right = screen.right() - window.right();
  const int room_left = window.left() - screen.left();
  const bool right_wider = room_right >= room_left;
  int width = viewer.width();
  if (room_right < width && room_left < width)
    width = std::min(width, std::max({room_right, room_left, kHelpViewerMinimumWidth}));
  int x = 0;
  if (room_right >= width) {
    x = window.right() + 1;
  } else if (room_left >= width) {
    x = window.left() - width;
  } else {
    x = right_wider ? screen.right() + 1 - width : screen.left();
  }
  x = std::max(x, screen.left());
  const int height = std::min(viewer.height(), screen.height());
  const int y = std::max(screen.top(), std::min(window.top(), screen.bottom() + 1 - height));
  return {x, y, width, height};
}

}  // namespace pellavan::platform
