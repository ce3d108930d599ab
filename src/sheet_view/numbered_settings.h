#pragma once
// The spreadsheet control's numbered settings (Book_Prop...), as the windows set them.
//
// Sixteen Boolean ones each switch one part of a view's furniture or use on or off; the read-only
// state of the program's windows sets all sixteen False. Which part each one switches is our own
// choice: the windows rely only on the sixteen together. The others are settings of a shown
// report (6, 25), of printing (37: centred on the page, 80: grid lines) and texts (81: the name of
// print jobs, 94: the product's name).

#include <optional>

#include "sheet_view/view_state.h"

namespace pellavan::sheet::view {

enum class NumberedSetting : std::uint8_t {
  kFeature,         // one of the sixteen
  kReportLayout,    // 6, 25: kept, no effect on the view
  kPrintCentred,    // 37
  kPrintGridLines,  // 80
  kJobName,         // 81
  kProductName,     // 94
};

// What setting `number` is, or nullopt for a number no window uses.
std::optional<NumberedSetting> numbered_setting(int number);
// The part one of the sixteen switches.
Feature feature_of(int number);

// The sixteen in the order the windows' read-only routine sets them (59 comes twice).
inline constexpr int kReadOnlyList[] = {24, 67,  1,  75, 73, 53, 100, 35, 64,
                                        59, 110, 14, 16, 59, 15, 109, 72};

}  // namespace pellavan::sheet::view
