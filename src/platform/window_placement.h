#pragma once
// Placing windows: centring in the desktop's work area and keeping a window above all others.

class QWidget;

namespace pellavan::platform {

// Moves the window so that its outer frame is centred in the work area of its screen (the screen
// less panels and task bars), or of the whole screen when there is no work area. The size does not
// change, and a window larger than the work area gets a negative position.
void Center_Form(QWidget* window);

// Centres the window's outer frame on the whole screen, panels and task bars included (the
// start-up, about and disclaimer windows).
void center_on_screen(QWidget* window);

// Keeps the window above all others, or no longer; a visible window stays visible. Returns
// whether the window is now kept on top.
bool Set_TopMost(QWidget* window, bool on_top);

}  // namespace pellavan::platform
