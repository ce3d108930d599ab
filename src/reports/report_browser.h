#pragma once
// The reports window's state and handlers without its widgets. It shows the reports on the
// window's spreadsheet control and keeps what the window's controls show: the current report
// (the checked menu entry and lblReport), the report scroller, the zoom bar with lblZoom, the
// enabled entries and the print-options panel. The window forwards each event to the member of
// the handler's name and then shows the state (with its own change signals blocked: the nested
// change handlers run here).

#include <QPrinter>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/model_state.h"
#include "reports/chosen_systems.h"
#include "reports/page_notes.h"
#include "reports/print_options.h"
#include "reports/report_printing.h"
#include "reports/report_table.h"
#include "sheet_view/spreadsheet_control.h"

namespace pellavan::reports {

class ReportBrowser {
 public:
  // None is owned; all outlive the browser. `unsettled`: the figures the last fill of the
  // workbook could not settle on, `refused`: the stored figures it kept out of the analysis; the
  // printed pages name both (none when null).
  ReportBrowser(sheet::view::SpreadsheetControl& control, model::ModelState& model,
                const std::vector<workbook::FigureSpan>* unsettled = nullptr,
                const std::vector<model::StoredFigure>* refused = nullptr)
      : control_(control), model_(model), unsettled_(unsettled), refused_(refused) {}

  // Form_Load, for the control: its job and product names, and every sheet in the fixed state
  // of Set_Criteria.
  void Form_Load();
  // Form_Activate: starts on the Project Report with the entries and system boxes of the
  // project's chosen systems enabled, restores the print options and sets up every report.
  void Form_Activate();
  // A menu entry's handler, for report `index` (1..18).
  void Show_Report(int index);
  // The scroller set to v, by the user or by code.
  void HScrollViewer_Change(int v);
  // The zoom bar set to v: the view's zoom and the stored zoom of the active sheet's reports.
  void HscrZoom_Change(int v);
  // "Lock Zoom": every report takes the bar's level.
  void CommandZoomAll_Click();

  // The panel's choices into the project ("&Done" of the panel).
  void Loads_FileR() { options_.store(model_.ProjectRec); }
  // "&Print Reports": the ticked pages as one job; afterwards the Project Report is current.
  PrintOutcome Print_Reports(QPrinter& printer, const PrinterPrompt& ask,
                             const std::function<void(const std::string&)>& status = {});
  // "&Print Screen".
  PrintOutcome Print_Screen(QPrinter& printer, const PrinterPrompt& ask);

  // ---- what the window shows ----
  [[nodiscard]] const Report& current() const {
    return report(current_);
  }  // checked, named by lblReport
  [[nodiscard]] int scroller() const { return scroller_; }
  [[nodiscard]] int zoom_bar() const { return zoom_bar_; }
  [[nodiscard]] std::string zoom_text() const;  // lblZoom
  [[nodiscard]] bool enabled(const Report& r) const { return report_enabled(r, chosen_); }
  [[nodiscard]] PrintOptions& print_options() { return options_; }

 private:
  [[nodiscard]] bool metric() const { return model_.MetricFlag(model::kMetricDisplay) != 0; }
  void set_zoom_bar(int v);
  void set_scroller(int v);
  [[nodiscard]] UnsettledFigures unsettled() const;

  sheet::view::SpreadsheetControl& control_;
  model::ModelState& model_;
  const std::vector<workbook::FigureSpan>* unsettled_;
  const std::vector<model::StoredFigure>* refused_;
  ChosenSystems chosen_;
  PrintOptions options_;
  int current_ = kProjectReport;
  int scroller_ = kProjectReport;
  int zoom_bar_ = 100;
};

}  // namespace pellavan::reports
