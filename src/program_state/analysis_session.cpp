#include "program_state/analysis_session.h"

#include "loads/building_load/building_load_book.h"
#include "platform/message_box.h"
#include "workbook/filler/fill_report_workbook.h"
#include "workbook/filler/refused_figures.h"
#include "workbook/results_words.h"
#include "workbook/report_workbook_template.h"

namespace pellavan::program_state {

namespace {

std::unique_ptr<sheet::view::SpreadsheetControl> analysis_workbook_control() {
  auto control = std::make_unique<sheet::view::SpreadsheetControl>();
  control->hold_book(workbook::load_report_template());
  return control;
}

}  // namespace

AnalysisSession::AnalysisSession(model::ModelState& model, const ChartsMaker& make_charts)
    : model_(model),
      report_(analysis_workbook_control()),
      building_load_(loads::make_building_load_book()),
      building_load_control_(building_load_),
      charts_(make_charts ? make_charts(*report_, model) : nullptr),
      run_(model, loads_, building_load_control_, report_->cells()) {}

loads::ProjectLoads AnalysisSession::Calc_Project_Loads() {
  // The loads a figure no window would accept does not reach, as in every fill.
  return loads::Calc_Project_Loads(model_, building_load_control_, loads_,
                                   workbook::refused_figures(run_.stored_check(), model_));
}

bool AnalysisSession::refuse_failed_loads(QWidget* parent) {
  const std::string message = loads::load_message(loads_);
  if (message.empty()) return false;
  platform::message_box(parent, platform::MessageRequest{
                                    QString::fromStdString(message),
                                    QString::fromStdString(std::string(loads::kLoadsInvalidTitle)),
                                    platform::MessageIcon::Exclamation});
  return true;
}

workbook::FillOutcome AnalysisSession::Fill_ReportWorkbook(QWidget* parent,
                                                           const QString& project_file_title) {
  workbook::FillOutcome outcome = run_.fill(project_file_title.toStdString(), charts_.get());
  unsettled_ = outcome.unsettled();
  refused_ = outcome.refused_figures;
  if (const auto warning =
          workbook::results_warning(outcome, workbook::ResultsDisplay::of(model_))) {
    platform::message_box(
        parent, platform::MessageRequest{QString::fromStdString(*warning), platform::kAppTitle,
                                         platform::MessageIcon::Exclamation});
  }
  return outcome;
}

}  // namespace pellavan::program_state
