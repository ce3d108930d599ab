#pragma once
// A dialog window whose client area is one DesignedForm: caption, help topic and first size
// from the design. The input windows of the program derive from it.

#include <QDialog>

#include "platform/designed_form.h"

namespace pellavan::platform {

class DesignedDialog : public QDialog {
  Q_OBJECT

 public:
  explicit DesignedDialog(const WindowDesign& design, QWidget* parent = nullptr);

  [[nodiscard]] DesignedForm& form() const { return *form_; }

 private:
  DesignedForm* form_;
};

}  // namespace pellavan::platform
