#pragma once
// While a text input has the focus, the keys of text editing (cut, copy, paste, select all,
// undo, redo) edit the text and never trigger a window's shortcut of the same keys (the main
// window's Ctrl+X exits, Ctrl+C checks for updates, Ctrl+A saves as). Installed once on the
// application.

#include <QObject>

namespace pellavan::platform {

class TextEditingKeys : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

// Installs the filter on the application, owned by it; once is enough.
void keep_text_editing_keys();

}  // namespace pellavan::platform
