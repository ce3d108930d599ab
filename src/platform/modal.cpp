#include "platform/modal.h"

#include <QDialog>
#include <utility>

namespace pellavan::platform {
namespace {

ModalHook& hook() {
  static ModalHook h;
  return h;
}

}  // namespace

ModalHook set_modal_hook(ModalHook h) { return std::exchange(hook(), std::move(h)); }

int run_modal(QDialog& window) {
  if (hook()) return hook()(window);
  return window.exec();
}

}  // namespace pellavan::platform
