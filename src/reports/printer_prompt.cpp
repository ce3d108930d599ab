#include "reports/printer_prompt.h"

#include <QPointer>
#include <QPrintDialog>

#include "platform/system_paper.h"

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

void use_system_paper(QPrinter& printer) {
  switch (platform::system_paper(platform::read_paper_sources())) {
    case platform::Paper::kLegal: printer.setPageSize(QPageSize(QPageSize::Legal)); break;
    case platform::Paper::kA4: printer.setPageSize(QPageSize(QPageSize::A4)); break;
    case platform::Paper::kLetter:
    case platform::Paper::kUnstated: printer.setPageSize(QPageSize(QPageSize::Letter)); break;
  }
}

}  // namespace pellavan::reports
