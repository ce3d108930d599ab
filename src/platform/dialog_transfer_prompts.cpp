#include "platform/dialog_transfer_prompts.h"

#include <QApplication>

#include "platform/common_dialog.h"
#include "platform/message_box.h"

namespace pellavan::platform {

std::string DialogTransferPrompts::choose_file(const FilePromptRequest& request) {
  WId owner = static_cast<WId>(request.owner);
  if (owner == 0) {
    if (QWidget* active = QApplication::activeWindow()) owner = active->winId();
  }
  cDialog dialog;
  dialog.Title(QString::fromStdString(request.title));
  dialog.hwnd(owner);
  dialog.ModeOpen(request.open_mode);
  dialog.StartDir(QString::fromStdString(request.start_folder));
  return dialog.Action().toStdString();
}

void DialogTransferPrompts::show_message(const std::string& text) {
  message_box(QApplication::activeWindow(), QString::fromStdString(text));
}

}  // namespace pellavan::platform
