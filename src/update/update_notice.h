#pragma once
// The update window UpdateVersion2 as the version check hands it over: its texts, the notice it
// shows and the action of its link. The window shows `kCaption` with a frame `kFrame` holding
// the notice (lblTextUpdate, filled from notice_text() in Form_Activate) and the link `kLink`
// (Label1, underlined in blue, whose click calls OpenWebPage(); the window stays open), and a
// button `kClose` (Command1) that closes it.

#include <string>

namespace pellavan::update {

class WebBrowser;

class UpdateNotice {
 public:
  static constexpr const char* kCaption = "Pellavan Update Available!";
  static constexpr const char* kFrame = "Update Notification";
  static constexpr const char* kLink = "Download Update";
  static constexpr const char* kClose = "Close";

  UpdateNotice(const std::string& VersionText, const std::string& WebVersionText,
               std::string update_page, WebBrowser& browser);

  [[nodiscard]] const std::string& notice_text() const { return notice_text_; }
  [[nodiscard]] const std::string& update_page() const { return update_page_; }
  // Opens the edition's update page in the browser.
  void OpenWebPage() const;

 private:
  std::string notice_text_;
  std::string update_page_;
  WebBrowser& browser_;
};

}  // namespace pellavan::update
