#pragma once
// Message boxes with the texts, titles, icons and buttons the program prescribes. Tests replace
// the box with a hook that records the request and answers it.

#include <QString>
#include <functional>
#include <optional>

#include "platform/message_kinds.h"

class QWidget;

namespace pellavan::platform {

enum class MessageButtons { Ok, OkCancel, RetryCancel, YesNo, YesNoCancel };
enum class MessageResult { Ok, Cancel, Retry, Yes, No };

struct MessageRequest {
  QString text;
  QString title = kAppTitle;
  MessageIcon icon = MessageIcon::None;
  MessageButtons buttons = MessageButtons::Ok;
  std::optional<MessageResult> default_button = std::nullopt;  // not given: the platform's choice
};

using MessageHook = std::function<MessageResult(const MessageRequest&)>;

// Installs a hook that answers every box instead of showing it; returns the previous hook.
MessageHook set_message_hook(MessageHook hook);

MessageResult message_box(QWidget* parent, const MessageRequest& request);

inline MessageResult message_box(QWidget* parent, const QString& text) {
  return message_box(parent, MessageRequest{text});
}

}  // namespace pellavan::platform
