#pragma once
// Where the help viewer opens: beside the window the user asked from, so that both stay readable.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace pellavan::platform {

// The top-left corner for a viewer of outer size `viewer` beside the window whose outer frame is
// `window`, inside the screen's work area `screen`: right of the window where it fits, else left
// of it, else against the screen edge with more room, overlapping the window. Its top is the
// window's, moved up as far as needed to keep it on the screen.
[[nodiscard]] QPoint help_viewer_position(const QRect& window, const QSize& viewer,
                                          const QRect& screen);

}  // namespace pellavan::platform
