#include "platform/help_placement.h"

#include <algorithm>

namespace pellavan::platform {

QPoint help_viewer_position(const QRect& window, const QSize& viewer, const QRect& screen) {
  const int room_right = screen.right() - window.right();
  const int room_left = window.left() - screen.left();
  int x = 0;
  if (room_right >= viewer.width()) {
    x = window.right() + 1;
  } else if (room_left >= viewer.width()) {
    x = window.left() - viewer.width();
  } else {
    x = room_right >= room_left ? screen.right() + 1 - viewer.width() : screen.left();
  }
  x = std::max(x, screen.left());
  const int lowest = screen.bottom() + 1 - viewer.height();
  const int y = std::max(screen.top(), std::min(window.top(), lowest));
  return {x, y};
}

}  // namespace pellavan::platform
