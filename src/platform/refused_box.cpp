#include "platform/refused_box.h"

#include <QLineEdit>

namespace pellavan::platform {
namespace {

unsigned refusals = 0;  // one user-interface thread

}  // namespace

void return_to_refused(QWidget* box) {
  ++refusals;
  if (box == nullptr || !box->isVisible()) return;
  // While the window waits to be active again, this makes the box its focus child: the window
  // gives the box the focus once the window system hands the focus back.
  box->setFocus(Qt::OtherFocusReason);
  if (auto* line = qobject_cast<QLineEdit*>(box)) line->selectAll();
}

unsigned refusals_so_far() { return refusals; }

}  // namespace pellavan::platform
