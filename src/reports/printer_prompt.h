#pragma once
// The printer prompt of the reports window: the platform's print dialog, offering the printers
// and printing to a PDF file, without a choice of selection or page range.

#include <QPrinter>

#include "reports/report_printing.h"

class QWidget;

namespace pellavan::reports {

// A prompt that shows the dialog over `parent`.
PrinterPrompt print_dialog_prompt(QWidget* parent);

// Sets the printer's paper to the one the system names (its locale, /etc/papersize); Letter when
// it names none.
void use_system_paper(QPrinter& printer);

}  // namespace pellavan::reports
