#pragma once
// The focus after a refused entry: back in the refused box with its whole text selected, so that
// what the user types next corrects it and lands in no other box. The message box that refused
// it takes the focus while it is open, and where leaving a box for the next one is what refused
// it, the window would hand the focus on to that next box once the message closes. A move on
// that Enter asked for before the refusal (designed_form_events.cpp) is dropped.

class QWidget;

namespace pellavan::platform {

// Called once the refusal's message is closed. A box on a tab page not shown brings its page
// to the front; a box hidden itself is left alone.
void return_to_refused(QWidget* box);

// How many refusals have given a box the focus back so far.
[[nodiscard]] unsigned refusals_so_far();

}  // namespace pellavan::platform
