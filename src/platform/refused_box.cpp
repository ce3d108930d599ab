// The focus after a refused entry (DesignedForm::return_to_refused).
#include "platform/designed_form.h"

#include <QLineEdit>
#include <QStackedWidget>
#include <QTabWidget>

namespace pellavan::platform {
namespace {

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

void DesignedForm::return_to_refused(QWidget* box) {
  ++refusals_;
  if (box == nullptr || box->isHidden() || !box->window()->isVisible()) return;
  show_page_of(box);
  if (!box->isVisible()) return;
  // While the window waits to be active again, this makes the box its focus child: the window
  // gives the box the focus once the window system hands the focus back.
  box->setFocus(Qt::OtherFocusReason);
  if (auto* line = qobject_cast<QLineEdit*>(box)) line->selectAll();
}

}  // namespace pellavan::platform
