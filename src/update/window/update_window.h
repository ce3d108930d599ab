#pragma once
// The update window UpdateVersion2: the notice of a newer version, the link that opens the
// update page in the browser (the window stays open) and Close.

#include "platform/designed_dialog.h"
#include "update/update_notice.h"

namespace pellavan::update {

[[nodiscard]] const platform::WindowDesign& update_window_design();

class UpdateWindow : public platform::DesignedDialog {
  Q_OBJECT

 public:
  // The notice outlives the window.
  explicit UpdateWindow(const UpdateNotice& notice, QWidget* parent = nullptr);

  void Form_Activate() override;
  void Label1_Click();
  void Command1_Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  const UpdateNotice& notice_;
};

// Shows the window for the notice modally over `parent` and returns when it is closed.
void show_update_window(const UpdateNotice& notice, QWidget* parent);

}  // namespace pellavan::update
