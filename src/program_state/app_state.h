#pragma once
// The program's state, owned by the program and handed to every window: the model (project
// record, unit options, data files, catalogue buffers), the dealer settings, the layout and the
// texts fixed at start-up. Members keep the names the windows know them by.

#include <QPointer>
#include <QString>
#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>

#include "model/model_state.h"
#include "model/project/file_conversion.h"
#include "model/project/system_kinds.h"
#include "model/records/dealer_rec.h"
#include "model/records/rates_rec.h"
#include "model/units/unit_memos.h"
#include "platform/help_system.h"
#include "program_state/window_registry.h"
#include "workbook/filler/fill_context.h"

namespace pellavan::workbook {
class ChartFiller;
}
namespace pellavan::sheet::view {
class SpreadsheetControl;
}

namespace pellavan::program_state {

// Made on first use: its header brings the workbooks and the spreadsheet control,
// which most windows never touch.
class AnalysisSession;

// The logo picture of the main, dealer and about windows, made at each start.
inline constexpr std::string_view kLogoPictureFile = "gli01.bmp";

// The graphs every fill of the analysis workbook draws, made over the reports window's control.
using ChartsMaker = std::function<std::unique_ptr<workbook::ChartFiller>(
    sheet::view::SpreadsheetControl& F1Book1, const model::ModelState& model)>;

// The work behind two commands and the graphs of every fill, set with the windows at the start,
// before the first analysis() (a test may set its own). Without make_charts a fill draws no graphs.
struct Services {
  std::function<void()> Check_ForUpdate;      // the on-line version check
  std::function<void()> Fill_ReportWorkbook;  // fills and recalculates the analysis workbook
  ChartsMaker make_charts;                    // the charts layer's graphs
  // The systems layer's check of the figures a project holds, which every fill makes.
  workbook::StoredFigureCheck stored_figures = nullptr;
};

struct AppState {
  explicit AppState(std::filesystem::path program_folder);
  ~AppState();
  AppState(const AppState&) = delete;
  AppState& operator=(const AppState&) = delete;

  model::ModelState model;
  model::DealerRec DealerRec;
  model::RatesRec RatesRec;  // the rate file read or written last; its reserved bytes go back out
  model::DefaultZoom DefaultZoom;  // report zoom levels of the first default file of the run

  model::Int16 LargeLayout = 0;  // 0 normal, -1 large: the layout windows are sized to
  model::BinViewId BinViewCode = model::BinViewId::None;  // the view the bin viewer shows
  model::UnitMemos
      memos;  // KWMemo, the temperature memo and the fields' shown values: one set per run

  QString ProjectFileName;   // full path of the current project file; empty before a save
  QString ProjectFileTitle;  // its name without folder
  QString VersionText;       // "1.0.05": major, minor, two-digit revision
  QString LegalNotice;
  QString LogoFile;  // logo of the system windows, in the Data folder

  QPointer<QWidget> StartupForm;  // the start-up window while it exists

  WindowRegistry windows;
  Services services;
  platform::HelpSystem help;

  // The analysis workbooks, the load results and the run over them, made on first use (at
  // start-up, before the main window).
  AnalysisSession& analysis();

  [[nodiscard]] const std::filesystem::path& program_folder() const { return model.program_folder; }
  // A file of the Data folder, found without regard to the case of its name.
  [[nodiscard]] QString data_path(std::string_view file_name) const;

 private:
  std::unique_ptr<AnalysisSession> analysis_;
};

}  // namespace pellavan::program_state
