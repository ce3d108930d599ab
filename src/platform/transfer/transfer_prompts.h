#pragma once
// What the transfer classes ask of the user: a file to write to or to send, and a plain message.
// The program answers with the file dialog class and a message box; tests answer themselves.

#include <cstdint>
#include <string>

namespace pellavan::platform {

struct FilePromptRequest {
  std::string title;
  std::uintptr_t owner = 0;  // native id of the owner window; 0: the active window
  bool open_mode = false;    // true: the open dialog (an existing file); false: the save dialog
  std::string start_folder;
};

class TransferPrompts {
 public:
  virtual ~TransferPrompts() = default;
  // The chosen path, "" when the user cancelled (PromptForFile).
  virtual std::string choose_file(const FilePromptRequest& request) = 0;
  // A box with the text, an OK button and the program's title.
  virtual void show_message(const std::string& text) = 0;
};

}  // namespace pellavan::platform
