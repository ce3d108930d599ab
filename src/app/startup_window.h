#pragma once
// The start-up window: the first window of the program. Its load fixes the values every later
// window reads (edition, logo file, version text, legal notice), refuses to run a second copy,
// and shows the version over the start-up logo; two seconds later its timer starts building
// the other windows.

#include <QTimer>
#include <QWidget>

#include "program_state/app_state.h"
#include "platform/designed_form.h"

namespace pellavan::platform {
class SingleInstance;
}

namespace pellavan::app {

[[nodiscard]] const platform::WindowDesign& startup_window_design();

class StartupWindow : public QWidget {
  Q_OBJECT

 public:
  explicit StartupWindow(program_state::AppState& state);

  // False (after its message) when another copy of the program runs.
  bool Form_Load(platform::SingleInstance& lock);

  [[nodiscard]] platform::DesignedForm& form() const { return *form_; }
  [[nodiscard]] QTimer& Timer1() { return timer1_; }

 private:
  program_state::AppState& state_;
  platform::DesignedForm* form_;
  QTimer timer1_;
};

}  // namespace pellavan::app
