#include "platform/designed_dialog.h"

namespace pellavan::platform {

template class DesignedWindow<QDialog>;
template class DesignedWindow<QMainWindow>;

DesignedDialog::DesignedDialog(const WindowDesign& design, QWidget* parent)
    : DesignedWindow<QDialog>(design, parent) {}

void DesignedDialog::unload(int result) {
  if (unloading_ || !live() || !Form_QueryUnload()) return;
  unloading_ = true;
  // Before the restore: hiding the window would otherwise run the focused box's leave handling
  // after it, on text that is thrown away.
  form().drop_focus();
  Form_Unload();
  done(result);
  unloading_ = false;
  if (testAttribute(Qt::WA_DeleteOnClose)) deleteLater();
}

void DesignedDialog::reject() { unload(QDialog::Rejected); }

void DesignedDialog::closeEvent(QCloseEvent* event) {
  if (unloading_ || !isVisible()) {
    event->accept();
    return;
  }
  unload(QDialog::Rejected);
  if (isVisible())
    event->ignore();  // kept by its query
  else
    event->accept();
}

}  // namespace pellavan::platform
