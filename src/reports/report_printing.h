#pragma once
// What the reports window's prints share: the printer prompt they ask before printing and how
// a print ended. A print shows no message of its own; its window decides what to say.

#include <QPrinter>
#include <functional>
#include <string>

namespace pellavan::reports {

// Lets the user choose the printer (or a PDF file) on `printer`; false when cancelled.
using PrinterPrompt = std::function<bool(QPrinter& printer)>;

enum class PrintEnd { kDone, kCancelled, kFailed };

struct PrintOutcome {
  PrintEnd end = PrintEnd::kDone;
  int pages = 0;        // report pages sent to the printer
  std::string failure;  // why it failed
};

}  // namespace pellavan::reports
