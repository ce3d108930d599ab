#pragma once
// The most characters the user may type or paste into a text box. Unlike
// QLineEdit::setMaxLength it never cuts a text the program sets, then or later: a window may
// change a box's limit while it holds a longer value. Every limit of a line box goes through here.

class QLineEdit;

namespace pellavan::platform {

// 0: no limit.
void set_typing_limit(QLineEdit* box, int limit);
[[nodiscard]] int typing_limit(const QLineEdit* box);

}  // namespace pellavan::platform
