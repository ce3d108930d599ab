#pragma once
// The legal disclaimer, shown at every start before the main window: "I Agree" goes on, "Exit"
// (or closing the window) ends the program. While shown it also makes the logo picture
// "gli01.bmp" of the Data folder that the main, dealer and about windows show: the edition's
// logo with its white pixels taking the window's background colour.

#include <QTimer>

#include "program_state/app_state.h"
#include "platform/designed_dialog.h"

namespace pellavan::app {

[[nodiscard]] const platform::WindowDesign& disclaimer_window_design();

class DisclaimerWindow : public platform::DesignedDialog {
  Q_OBJECT

 public:
  explicit DisclaimerWindow(program_state::AppState& state, QWidget* parent = nullptr);

  void Form_Activate() override;
  void Timer3_Timer();
  void Make_LogoPicture();
  void Command1_Click();  // I Agree
  void Command2_Click();  // Exit

 private:
  program_state::AppState& state_;
  QTimer timer3_;
};

}  // namespace pellavan::app
