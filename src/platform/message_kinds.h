#pragma once
// What a message box carries besides its text, Qt-free: the program's title and the icons, so
// that the layers below the windows can say how a refusal is to be shown.

namespace pellavan::platform {

inline constexpr const char* kAppTitle = "Pellavan";

enum class MessageIcon { None, Critical, Question, Exclamation, Information };

}  // namespace pellavan::platform
