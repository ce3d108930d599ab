#include "platform/designed_dialog.h"

#include <QVBoxLayout>

#include "platform/help_topic.h"

namespace pellavan::platform {

DesignedDialog::DesignedDialog(const WindowDesign& design, QWidget* parent)
    : QDialog(parent), form_(new DesignedForm(design, this)) {
  setObjectName(QString::fromUtf8(design.name));
  setWindowTitle(QString::fromUtf8(design.caption));
  set_help_topic(this, design.help_topic);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(form_);
  resize(form_->design_pixels());
}

}  // namespace pellavan::platform
