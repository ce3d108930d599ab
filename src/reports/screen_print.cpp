#include "reports/screen_print.h"

#include <exception>
#include <utility>

#include "reports/report_view.h"

namespace pellavan::reports {

PrintOutcome print_screen(sheet::view::SpreadsheetControl& control, QPrinter& printer,
                          bool black_white, const PrinterPrompt& ask,
                          std::vector<std::string> notes) {
  PrintOutcome outcome;
  set_print_look(control, black_white);
  control.Book_Prop(80, false);  // no grid lines
  if (!ask(printer)) {
    outcome.end = PrintEnd::kCancelled;
    return outcome;
  }
  control.use_printer(&printer);
  const PrintedNotes printed(control, std::move(notes));
  try {
    control.PrintSheet(false);
    outcome.pages = 1;
  } catch (const std::exception& e) {
    outcome.end = PrintEnd::kFailed;
    outcome.failure = e.what();
  }
  control.use_printer(nullptr);
  return outcome;
}

}  // namespace pellavan::reports
