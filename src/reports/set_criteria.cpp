#include "reports/set_criteria.h"

namespace pellavan::reports {

namespace {

constexpr int kSelectionSetting =
    64;  // of the read-only list; the attached windows set it thrice more

void read_only(sheet::view::SpreadsheetControl& control) {
  sheet::view::set_read_only_list(control);
  control.Book_Op211(1, 1);
}

}  // namespace

void Set_Criteria(sheet::view::SpreadsheetControl& reports) {
  read_only(reports);
  reports.ViewZoom(kCriteriaZoom);
  reports.SetPrintScale(100, true, 1, 1);
}

void Set_Criteria(sheet::view::SpreadsheetControl& reports, sheet::view::SpreadsheetControl& own) {
  read_only(reports);
  reports.Book_Op229();
  own.Book_Prop(kSelectionSetting, false);
  reports.Book_Prop(kSelectionSetting, false);
  read_only(own);
  own.Book_Op229();
  own.Book_Prop(kSelectionSetting, false);
}

}  // namespace pellavan::reports
