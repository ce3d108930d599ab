#include <QApplication>

#include "app/registrations.h"
#include "reports/chart_view.h"
#include "reports/window/reports_window.h"
#include "program_state/analysis_session.h"

namespace pellavan::app {

void register_reports(program_state::AppState& state) {
  state.windows.add(program_state::WindowId::Reports,
                    [](program_state::AppState& s, QWidget* parent) -> std::unique_ptr<QDialog> {
                      return std::make_unique<reports::ReportsWindow>(
                          s.analysis().F1Book1(), s.model, &s.help, parent,
                          &s.analysis().unsettled(), &s.analysis().refused());
                    });
  state.services.make_charts = &reports::make_report_charts;
  // The warning about unusable results appears over the window that asked for the reports.
  state.services.Fill_ReportWorkbook = [&state] {
    state.analysis().Fill_ReportWorkbook(QApplication::activeWindow(), state.ProjectFileTitle);
  };
}

}  // namespace pellavan::app
