#pragma once
// Window sizes of the designs: a window's outer size (frame and title included) in twips and
// the font face of its layout. A size larger than the screen's available area is cut to it, so
// that the title bar and the window's edges stay reachable.

#include <QSize>
#include <QString>

#include "platform/window_design.h"

class QWidget;

namespace pellavan::platform {

// The outer size in pixels for the window's screen, cut to its available area.
[[nodiscard]] QSize outer_size_pixels(const QWidget* window, int width_twips, int height_twips);

// Gives the window that outer size (the client area is what the frame leaves).
void set_outer_size(QWidget* window, int width_twips, int height_twips);

// The font face of every designed control inside the window (its DesignedForms).
void set_font_face(QWidget* window, const QString& face);

// Outer size, then font face.
void apply_window_preset(QWidget* window, const WindowPreset& preset);

}  // namespace pellavan::platform
