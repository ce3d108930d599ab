#pragma once
// What a message carries besides its text: the program's title and the icons, so that the rules
// below the windows can say how a refusal is to be shown. The windows show it.

namespace pellavan::model {

inline constexpr const char* kAppTitle = "Pellavan";

enum class MessageIcon { None, Critical, Question, Exclamation, Information };

}  // namespace pellavan::model
