#include "systems/results/result_view.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "platform/designed_form.h"
#include "reports/set_criteria.h"
#include "sheet_view/spreadsheet_control.h"
#include "model/project/system_kinds.h"
#include "program_state/analysis_session.h"

namespace pellavan::systems {

namespace {
constexpr int kBlockLastRow = 29;
}  // namespace

ResultView::ResultView(program_state::AppState& state, platform::DesignedForm& form,
                       const ResultControls& controls, int result_sheet)
    : state_(state),
      form_(form),
      c_(controls),
      result_sheet_(result_sheet),
      view_(new sheet::view::SpreadsheetControl) {
  form_.place_custom(c_.F1Book1, view_);
  view_->FitBlock(true);
  timer_.setInterval(1000);
  timer_.setSingleShot(true);
}

void ResultView::put_on_block(sheet::view::SpreadsheetControl& control) const {
  const bool metric = state_.model.MetricFlag(model::kMetricDisplay) != 0;
  control.ActiveSheet(result_sheet_);
  control.ViewFirstRow(1);
  control.ViewLastRow(kBlockLastRow);
  control.ViewFirstCol(metric ? 10 : 1);
  control.ViewLastCol(metric ? 16 : 7);
}

void ResultView::attach() {
  auto& reports = state_.analysis().F1Book1();
  put_on_block(reports);
  reports.ViewZoom(100);
  view_->AttachBook(reports.BookHandle());
  put_on_block(*view_);
  reports::Set_Criteria(reports, *view_);
  view_->ViewZoom(100);
  hide();
}

void ResultView::zoom_to_layout() { form_[c_.HscrZoom]->setValue(layout_zoom()); }

void ResultView::zoom_changed() { view_->ViewZoom(form_[c_.HscrZoom]->value()); }

// The view and its place both: a hidden view leaves no empty holder over the picture panel.
void ResultView::hide() {
  view_->Visible(false);
  form_.widget(c_.F1Book1)->hide();
}

void ResultView::show() {
  put_on_block(*view_);
  view_->ViewZoom(form_[c_.HscrZoom]->value());
  view_->Visible(true);
  QWidget* holder = form_.widget(c_.F1Book1);
  holder->show();
  holder->raise();
}

void ResultView::start() {
  form_[c_.cmdDone]->setEnabled(false);
  form_[c_.cmdRun]->setEnabled(false);
  form_[c_.BtnBin]->setEnabled(false);
  form_[c_.HscrZoom]->hide();
  form_[c_.lblWait]->show();
  auto& reports = state_.analysis().F1Book1();
  put_on_block(reports);
  reports.ViewZoom(100);
  reports::Set_Criteria(reports, *view_);
  reports.ViewZoom(layout_zoom());
  reports::Set_Criteria(reports, *view_);
  timer_.start();
}

bool ResultView::rests_on_refused_figure(const workbook::FillOutcome& outcome) const {
  for (const model::StoredFigure& f : outcome.refused_figures) {
    if (f.system == model::SystemType::NoSystem) return true;
    if (model::system_kind(f.system).result_sheet == result_sheet_) return true;
  }
  return false;
}

bool ResultView::fill(QWidget* window, bool zoom_back) {
  timer_.stop();
  if (state_.analysis().refuse_failed_loads(window)) {
    // The message instead of results: the window stays as it was before Run.
    form_[c_.cmdDone]->setEnabled(true);
    form_[c_.cmdRun]->setEnabled(true);
    form_[c_.lblWait]->hide();
    form_[c_.cmdRun]->setFocus();
    return false;
  }
  const workbook::FillOutcome outcome =
      state_.analysis().Fill_ReportWorkbook(window, state_.ProjectFileTitle);
  if (rests_on_refused_figure(outcome)) {
    // Its warning named the figure: no results of the system are shown.
    form_[c_.cmdDone]->setEnabled(true);
    form_[c_.cmdRun]->setEnabled(true);
    form_[c_.lblWait]->hide();
    form_[c_.cmdRun]->setFocus();
    return false;
  }
  if (zoom_back) state_.analysis().F1Book1().ViewZoom(100);
  show();
  form_[c_.cmdDone]->setEnabled(true);
  form_[c_.BtnBin]->setEnabled(true);
  form_[c_.lblWait]->hide();
  form_[c_.BtnBin]->setFocus();
  return true;
}

}  // namespace pellavan::systems
