#pragma once
// Where the help viewer opens: beside the window the user asked from, so that both stay readable.

#include <QRect>
#include <QSize>

namespace pellavan::platform {

// The viewer's narrowest width beside a window before it would rather overlap the window.
inline constexpr int kHelpViewerMinimumWidth = 420;

// The outer frame for a viewer of outer size `viewer` beside the window whose outer frame is
// `window`, inside the screen's work area `screen`: right of the window where it fits, else left
// of it; where neither side has its width, the viewer is narrowed to the wider side's room, but
// not below kHelpViewerMinimumWidth, and stands against the screen edge of that side, over the
// window where the room is narrower still.
// Its top is the window's, moved up as far as needed to keep it on the screen.
[[nodiscard]] QRect help_viewer_geometry(const QRect& window, const QSize& viewer,
                                         const QRect& screen);

}  // namespace pellavan::platform
