#pragma once
// What the version check shows the user, behind interfaces so that it runs without a display:
// message boxes, the update window and the browser that opens the update page.

#include <string>

namespace pellavan::update {

class UpdateNotice;

inline constexpr const char* kProgramTitle = "Pellavan";

enum class UpdateIcon { kNone, kCritical, kExclamation, kInformation };

struct UpdateMessage {
  std::string text;
  std::string title = kProgramTitle;
  UpdateIcon icon = UpdateIcon::kNone;
  bool operator==(const UpdateMessage&) const = default;
};

class UpdateUi {
 public:
  virtual ~UpdateUi() = default;
  // A box with the text, the icon and an OK button, until the user closes it.
  virtual void show_message(const UpdateMessage& message) = 0;
  // The update window "Pellavan Update Available!", modal, until the user closes it.
  virtual void show_update_notice(const UpdateNotice& notice) = 0;
  // The server is being asked (true) or has answered (false): the wait shows meanwhile.
  virtual void show_waiting(bool waiting) = 0;
};

class WebBrowser {
 public:
  virtual ~WebBrowser() = default;
  // Opens the address in the desktop's browser, in a normal window; does not wait for it.
  virtual void open(const std::string& url) = 0;
};

}  // namespace pellavan::update
