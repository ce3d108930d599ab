#pragma once
// The transfer classes' prompts answered by the program: the file dialog class for files, a
// message box for messages.

#include "platform/transfer/transfer_prompts.h"

namespace pellavan::platform {

class DialogTransferPrompts final : public TransferPrompts {
 public:
  std::string choose_file(const FilePromptRequest& request) override;
  void show_message(const std::string& text) override;
};

}  // namespace pellavan::platform
