#pragma once
// The widget of each kind of designed control, and the colours of the designs.

#include <QColor>
#include <QRgb>

#include "platform/window_design.h"

class QWidget;

namespace pellavan::platform {

inline constexpr QRgb kHighlightColour = 0xff00ffffu;  // cyan: the field being edited
inline constexpr QRgb kFieldColour = 0xffffffffu;      // white

// A new widget of the control's kind with its caption, limits and range, inside parent.
[[nodiscard]] QWidget* make_control_widget(const ControlDesign& design, QWidget* parent);

// The design's text and background colours; kDefaultColour keeps the platform's.
void apply_colours(QWidget* widget, QRgb fore, QRgb back);

// The background of a field (text box or list).
void set_field_colour(QWidget* widget, QRgb colour);

// Whether the control has a place in the tab order: it takes the focus by Tab and is no
// container of other controls.
[[nodiscard]] bool takes_tab_order(const ControlDesign& design, const QWidget* widget);

}  // namespace pellavan::platform
