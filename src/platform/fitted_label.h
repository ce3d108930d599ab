#pragma once
// A window's label that shows its whole text: wrapped where it is tall enough, else in a smaller
// face, else ending in "…" (platform::fit_text); never cut without a sign.

#include <QLabel>

namespace pellavan::platform {

class FittedLabel : public QLabel {
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace pellavan::platform
