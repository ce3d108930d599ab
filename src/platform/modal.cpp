#include "platform/modal.h"

#include <QDialog>
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
  return window.exec();
}

void set_opener(QDialog& window, QWidget& opener) {
  QWidget* parent = opener.window();
  if (window.parentWidget() != parent) window.setParent(parent, window.windowFlags());
}

}  // namespace pellavan::platform
