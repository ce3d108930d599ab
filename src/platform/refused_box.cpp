#include "platform/refused_box.h"

#include <QLineEdit>
#include <QStackedWidget>
#include <QTabWidget>

namespace pellavan::platform {
namespace {

unsigned refusals = 0;  // one user-interface thread

// A box on a page of a tab control that shows another page: its page is shown.
void show_page_of(QWidget* box) {
  for (QWidget* page = box; page != nullptr && !page->isWindow(); page = page->parentWidget()) {
    auto* pages = qobject_cast<QStackedWidget*>(page->parentWidget());
    if (pages == nullptr) continue;
    if (auto* tabs = qobject_cast<QTabWidget*>(pages->parentWidget()))
      tabs->setCurrentWidget(page);
    else
      pages->setCurrentWidget(page);
  }
}

}  // namespace

void return_to_refused(QWidget* box) {
  ++refusals;
  if (box == nullptr || box->isHidden() || !box->window()->isVisible()) return;
  show_page_of(box);
  if (!box->isVisible()) return;
  // While the window waits to be active again, this makes the box its focus child: the window
  // gives the box the focus once the window system hands the focus back.
  box->setFocus(Qt::OtherFocusReason);
  if (auto* line = qobject_cast<QLineEdit*>(box)) line->selectAll();
}

unsigned refusals_so_far() { return refusals; }

}  // namespace pellavan::platform
