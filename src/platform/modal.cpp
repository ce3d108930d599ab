#include "platform/modal.h"

#include <QDialog>
#include <QPointer>
#include <utility>

#include "platform/replaceable.h"

namespace pellavan::platform {
namespace {

Replaceable<int(QDialog&)>& hook() {
  static Replaceable<int(QDialog&)> h;
  return h;
}

}  // namespace

ModalHook set_modal_hook(ModalHook h) { return hook().replace(std::move(h)); }

int run_modal(QDialog& window) {
  if (hook()) return hook()(window);
  // exec() deletes a window with Qt::WA_DeleteOnClose when its showing ends, also one that only
  // hid itself to be shown again (a Geo window's Done). Here it goes only when it was closed:
  // it finished with a result (unloaded, Escape, the close box).
  const bool delete_on_close = window.testAttribute(Qt::WA_DeleteOnClose);
  window.setAttribute(Qt::WA_DeleteOnClose, false);
  bool finished = false;
  const QMetaObject::Connection watch =
      QObject::connect(&window, &QDialog::finished, [&finished] { finished = true; });
  const QPointer<QDialog> alive(&window);
  const int result = window.exec();
  if (alive.isNull()) return result;
  QObject::disconnect(watch);
  window.setAttribute(Qt::WA_DeleteOnClose, delete_on_close);
  if (delete_on_close && finished) delete &window;
  return result;
}

void set_opener(QDialog& window, QWidget& opener) {
  QWidget* parent = opener.window();
  if (window.parentWidget() != parent) window.setParent(parent, window.windowFlags());
}

}  // namespace pellavan::platform
