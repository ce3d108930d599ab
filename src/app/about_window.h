#pragma once
// The about window: the program's logo, name, version and legal notice.

#include "program_state/app_state.h"
#include "platform/designed_dialog.h"

namespace pellavan::app {

[[nodiscard]] const platform::WindowDesign& about_window_design();

class AboutWindow : public platform::DesignedDialog {
  Q_OBJECT

 public:
  explicit AboutWindow(program_state::AppState& state, QWidget* parent = nullptr);
  void Command1_Click();
};

}  // namespace pellavan::app
