#pragma once
// A dialog window whose client area is one DesignedForm: caption, help topic and first size
// from the design, the lifecycle of DesignedWindow. The input windows of the program derive
// from it. unload() is how a window closes itself from its own handlers: Form_QueryUnload may
// keep it, the focused box loses the focus without its leave handling (what is typed there is
// thrown away), Form_Unload runs, a modal show ends with the result, and a window that is to be
// gone once unloaded is deleted after the handler that unloaded it has returned. Such a window has
// Qt::WA_DeleteOnClose: load_window() sets it, and a registered window that is unloaded at
// every close sets it itself. A window that only hides (hide()) keeps its state for the next
// showing.

#include "platform/designed_window.h"

namespace pellavan::platform {

class DesignedDialog : public DesignedWindow<QDialog> {
  Q_OBJECT

 public:
  explicit DesignedDialog(const WindowDesign& design, QWidget* parent = nullptr);

  void unload(int result = QDialog::Rejected);
  // Escape and the close box unload the window too.
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  bool unloading_ = false;
};

// A window made for its own showing: unloading it deletes it.
template <class W, class... Args>
[[nodiscard]] W* load_window(Args&&... args) {
  auto* window = new W(std::forward<Args>(args)...);
  window->setAttribute(Qt::WA_DeleteOnClose);
  return window;
}

}  // namespace pellavan::platform
