#include "update/window/update_window.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "platform/modal.h"
#include "platform/window_placement.h"
#include "update/window/update_window_design.h"

namespace pellavan::update {

using namespace update_window;

namespace {
const platform::On<UpdateWindow> kHandlers[] = {
    {Command1, platform::Event::Click, &UpdateWindow::Command1_Click},
};
}  // namespace

const platform::WindowDesign& update_window_design() { return kDesign; }

UpdateWindow::UpdateWindow(const UpdateNotice& notice, QWidget* parent)
    : DesignedDialog(kDesign, parent), notice_(notice) {
  wire<UpdateWindow>(kHandlers);
  form()[lblTextUpdate]->setWordWrap(true);
  form()[lblTextUpdate]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  QLabel* link = form()[Label1];
  link->setStyleSheet(QStringLiteral("color: #0000ff; text-decoration: underline;"));
  link->setCursor(Qt::PointingHandCursor);
  link->installEventFilter(this);
  platform::Center_Form(this);
}

void UpdateWindow::Form_Activate() {
  form()[lblTextUpdate]->setText(QString::fromStdString(notice_.notice_text()));
}

void UpdateWindow::Label1_Click() { notice_.OpenWebPage(); }

void UpdateWindow::Command1_Click() { unload(QDialog::Accepted); }

bool UpdateWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == form()[Label1] && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    Label1_Click();
    return true;
  }
  return DesignedDialog::eventFilter(watched, event);
}

void show_update_window(const UpdateNotice& notice, QWidget* parent) {
  UpdateWindow window(notice, parent);
  window.apply_size(false);
  platform::Center_Form(&window);
  platform::run_modal(window);
}

}  // namespace pellavan::update
