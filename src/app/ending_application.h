#pragma once
// The program's QApplication. A data file the model cannot read ends the program after its
// message, wherever in a window's handler the model met it: the model reports the failure, the
// program shows it and ends.

#include <QApplication>

namespace pellavan::app {

class EndingApplication : public QApplication {
 public:
  using QApplication::QApplication;

  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace pellavan::app
