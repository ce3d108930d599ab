#pragma once
// Showing a window modally: the caller waits until it is closed or hidden. Tests install a hook
// that acts on the window instead of running its event loop.

#include <functional>

class QDialog;
class QWidget;

namespace pellavan::platform {

using ModalHook = std::function<int(QDialog& window)>;

// Installs a hook that runs every modal window instead; returns the previous hook.
ModalHook set_modal_hook(ModalHook hook);

// dialog.exec(), or the hook; the dialog's result. A window with Qt::WA_DeleteOnClose is
// deleted when it was closed (it finished with a result), never when it only hid itself.
int run_modal(QDialog& window);

// Makes the window that opens `window` its parent, so that it stands in front of its opener
// under any window manager (a window loaded without a parent, or by another window, would be
// transient for another window or none). Its window flags stay.
void set_opener(QDialog& window, QWidget& opener);

}  // namespace pellavan::platform
