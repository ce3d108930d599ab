#include "reports/printer_prompt.h"

#include <QPointer>
#include <QPrintDialog>

namespace pellavan::reports {

PrinterPrompt print_dialog_prompt(QWidget* parent) {
  return [owner = QPointer<QWidget>(parent)](QPrinter& printer) {
    QPrintDialog dialog(&printer, owner.data());
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    return dialog.exec() == QDialog::Accepted;
  };
}

}  // namespace pellavan::reports
