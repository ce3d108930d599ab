#include "platform/message_box.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <utility>

#include "platform/replaceable.h"

namespace pellavan::platform {
namespace {

Replaceable<MessageResult(const MessageRequest&)>& hook() {
  static Replaceable<MessageResult(const MessageRequest&)> h;
  return h;
}

QMessageBox::Icon to_qt(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons to_qt(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::Ok: break;
  }
  return QMessageBox::Ok;
}

QMessageBox::StandardButton to_qt(MessageResult result) {
  switch (result) {
    case MessageResult::Cancel: return QMessageBox::Cancel;
    case MessageResult::Retry: return QMessageBox::Retry;
    case MessageResult::Yes: return QMessageBox::Yes;
    case MessageResult::No: return QMessageBox::No;
    case MessageResult::Ok: break;
  }
  return QMessageBox::Ok;
}

MessageResult from_qt(int button) {
  switch (button) {
    case QMessageBox::Cancel: return MessageResult::Cancel;
    case QMessageBox::Retry: return MessageResult::Retry;
    case QMessageBox::Yes: return MessageResult::Yes;
    case QMessageBox::No: return MessageResult::No;
    default: return MessageResult::Ok;
  }
}

// A Yes/No box has no escape answer: Escape and the close box do nothing (Qt would answer No).
class NoEscapeAnswer : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Cancel))
      return true;
    if (event->type() == QEvent::Close) {
      event->ignore();
      return true;
    }
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

MessageHook set_message_hook(MessageHook h) { return hook().replace(std::move(h)); }

MessageResult message_box(QWidget* parent, const MessageRequest& request) {
  if (hook()) return hook()(request);
  QMessageBox box(to_qt(request.icon), request.title, request.text, to_qt(request.buttons), parent);
  box.setTextFormat(Qt::PlainText);  // names of files and projects are never markup
  if (request.default_button) box.setDefaultButton(to_qt(*request.default_button));
  if (request.buttons == MessageButtons::YesNo) {
    box.installEventFilter(new NoEscapeAnswer(&box));
    box.setWindowFlags((box.windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint) &
                       ~Qt::WindowCloseButtonHint);
  }
  return from_qt(box.exec());
}

}  // namespace pellavan::platform
