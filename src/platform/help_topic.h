#pragma once
// Help topic numbers of windows and controls. Each window's design gives its controls and itself
// a topic; F1 opens the help at the topic of the focused control, else of the nearest enclosing
// frame that has one, else of its window. The topic map may also name windows and controls; a
// name counts before the topic at the same step.

#include <vector>

#include "platform/help_topic_map.h"

class QWidget;

namespace pellavan::platform {

// Stores the topic on the widget; a topic of 0 or less removes it.
void set_help_topic(QWidget* widget, int topic);

// The widget's own topic, 0 when it has none.
[[nodiscard]] int own_help_topic(const QWidget* widget);

// The topic F1 opens for a widget: its own, an enclosing widget's, or its window's; 0 when none of
// them has one. Never looks past the widget's window into a parent window.
[[nodiscard]] int help_topic_for(const QWidget* widget);

// The keys F1 looks up for a widget, nearest first: at each step out to its window the step's
// name ("Form9.txtDpth", the window's own as "Form9") and then its topic.
[[nodiscard]] std::vector<HelpKey> help_keys_for(const QWidget* widget);

}  // namespace pellavan::platform
