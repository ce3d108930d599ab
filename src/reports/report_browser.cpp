#include "reports/report_browser.h"

#include "reports/batch_print.h"
#include "reports/report_scroller.h"
#include "reports/report_view.h"
#include "reports/report_zoom.h"
#include "reports/screen_print.h"
#include "reports/set_criteria.h"

namespace pellavan::reports {

// Setting a control's value from code runs its change handler only when the value changes.
void ReportBrowser::set_zoom_bar(int v) {
  if (clamp_report_zoom(v) != zoom_bar_) HscrZoom_Change(v);
}

void ReportBrowser::set_scroller(int v) {
  if (v != scroller_) HScrollViewer_Change(v);
}

void ReportBrowser::Form_Load() {
  control_.Book_Prop(81, "Pellavan");  // the name of print jobs
  control_.Book_Prop(94, "Pellavan®");
  for (int sheet = 1; sheet <= control_.SheetCount(); ++sheet) {
    control_.ActiveSheet(sheet);
    Set_Criteria(control_);
  }
}

void ReportBrowser::Form_Activate() {
  set_scroller(kProjectReport);
  current_ = kProjectReport;
  show_report_view(control_, report(kProjectReport), metric(), zoom_bar_);
  chosen_ = ChosenSystems::of(model_.ProjectRec);
  // A system the last fill did not analyse offers no report of its own.
  if (refused_ != nullptr)
    for (const model::StoredFigure& f : *refused_) chosen_.drop(f.system);
  options_.restore(model_.ProjectRec, chosen_);
  for (const int index : kSetUpOrder) Show_Report(index);
}

void ReportBrowser::Show_Report(int index) {
  const Report& r = report(index);
  current_ = index;
  const int zoom = stored_zoom(model_.ProjectRec, r);
  show_report_view(control_, r, metric(), zoom);
  set_zoom_bar(zoom);
  set_scroller(index);
}

void ReportBrowser::HScrollViewer_Change(int v) {
  const ScrollerMove move = move_scroller(v, chosen_);
  scroller_ = move.value;
  if (move.shown) Show_Report(*move.shown);
}

void ReportBrowser::HscrZoom_Change(int v) {
  zoom_bar_ = clamp_report_zoom(v);
  control_.ViewZoom(zoom_bar_);
  store_sheet_zoom(model_.ProjectRec, control_.ActiveSheet(), zoom_bar_);
}

void ReportBrowser::CommandZoomAll_Click() {
  control_.ViewZoom(zoom_bar_);
  lock_zoom(model_.ProjectRec, zoom_bar_);
}

std::string ReportBrowser::zoom_text() const { return zoom_label(zoom_bar_); }

PrintOutcome ReportBrowser::Print_Reports(QPrinter& printer, const PrinterPrompt& ask,
                                          const std::function<void(const std::string&)>& status) {
  Loads_FileR();
  const BatchPrint batch{plan_batch(options_, metric(), unsettled()), zoom_bar_,
                         options_.BlackWhite, metric(), status};
  const PrintOutcome outcome = print_batch(control_, printer, batch, ask);
  // The run ends on the Project Report; the scroller stands on it too, with the zoom bar kept.
  current_ = kProjectReport;
  scroller_ = kProjectReport;
  return outcome;
}

PrintOutcome ReportBrowser::Print_Screen(QPrinter& printer, const PrinterPrompt& ask) {
  return print_screen(control_, printer, options_.BlackWhite, ask,
                      page_notes(current(), unsettled()));
}

UnsettledFigures ReportBrowser::unsettled() const {
  UnsettledFigures figures{{}, workbook::ResultsDisplay::of(model_), {}};
  if (unsettled_ != nullptr) figures.spans = *unsettled_;
  if (refused_ != nullptr) figures.refused = *refused_;
  return figures;
}

}  // namespace pellavan::reports
