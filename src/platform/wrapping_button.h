#pragma once
// A push button whose caption wraps onto more lines when it is wider than the button, as the
// designs' buttons do ("Check for Program Updates" on two lines of a narrow button).

#include <QPushButton>

namespace pellavan::platform {

class WrappingButton : public QPushButton {
  Q_OBJECT

 public:
  using QPushButton::QPushButton;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace pellavan::platform
