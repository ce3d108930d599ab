#include "systems/results/bin_viewer.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "platform/control_handle.h"
#include "platform/handler_table.h"
#include "platform/window_placement.h"
#include "reports/report_zoom.h"
#include "reports/set_criteria.h"
#include "sheet_view/spreadsheet_control.h"
#include "systems/results/bin_views.h"
#include "program_state/analysis_session.h"

namespace pellavan::systems {

namespace {

using platform::ControlDesign;
using platform::ControlKind;

constexpr ControlDesign kControls[] = {
    {.name = "F1Book1", .kind = ControlKind::Custom, .rect = {0, 0, 14700, 8900}},
    {.name = "Frame1", .kind = ControlKind::Frame, .rect = {0, 9000, 15000, 600}},
    {.name = "lblWhat",
     .kind = ControlKind::Label,
     .rect = {120, 220, 4200, 300},
     .container = "Frame1",
     .font = {.points = 9.75, .bold = true}},
    {.name = "Label2",
     .kind = ControlKind::Label,
     .caption = "Zoom",
     .rect = {4500, 220, 600, 300},
     .container = "Frame1"},
    {.name = "HscrZoom",
     .kind = ControlKind::ScrollBar,
     .rect = {5150, 220, 3000, 250},
     .container = "Frame1",
     .tab_index = 0,
     .scroll = {25, 200, 100}},
    {.name = "lblZoom",
     .kind = ControlKind::Label,
     .rect = {8250, 220, 800, 300},
     .container = "Frame1"},
    {.name = "cmdBin",
     .kind = ControlKind::Button,
     .caption = "Bin",
     .rect = {9300, 150, 1500, 380},
     .container = "Frame1",
     .tab_index = 1},
    {.name = "cmdGeoOp",
     .kind = ControlKind::Button,
     .caption = "Operating",
     .rect = {11000, 150, 1500, 380},
     .container = "Frame1",
     .tab_index = 2},
    {.name = "cmdDone",
     .kind = ControlKind::Button,
     .caption = "Done",
     .rect = {12900, 150, 1500, 380},
     .container = "Frame1",
     .tab_index = 3},
};

constexpr platform::CustomHandle F1Book1{kControls, "F1Book1"};
constexpr platform::LabelHandle lblWhat{kControls, "lblWhat"};
constexpr platform::LabelHandle lblZoom{kControls, "lblZoom"};
constexpr platform::ScrollBarHandle HscrZoom{kControls, "HscrZoom"};
constexpr platform::ButtonHandle cmdBin{kControls, "cmdBin"};
constexpr platform::ButtonHandle cmdGeoOp{kControls, "cmdGeoOp"};
constexpr platform::ButtonHandle cmdDone{kControls, "cmdDone"};

constexpr platform::WindowDesign kDesign{
    .name = "Form12",
    .caption = "Bin Analysis",
    .client_width = 15000,
    .client_height = 9600,
    .controls = kControls,
    .sizes = {{15250, 10500, nullptr}, {22100, 13650, nullptr}}};

using On = platform::On<BinViewer>;
const On kHandlers[] = {
    {HscrZoom, platform::Event::Change, &BinViewer::HscrZoom_Change},
    {cmdDone, platform::Event::Click, &BinViewer::cmdDone_Click},
    {cmdBin, platform::Event::Click, &BinViewer::cmdBin_Click},
    {cmdGeoOp, platform::Event::Click, &BinViewer::cmdGeoOp_Click},
};

}  // namespace

const platform::WindowDesign& bin_viewer_design() { return kDesign; }

BinViewer::BinViewer(program_state::AppState& state, QWidget* parent)
    : DesignedDialog(kDesign, parent), state_(state) {
  view_ = new sheet::view::SpreadsheetControl;
  form().place_custom(F1Book1.ref, view_);
  QScrollBar* zoom = form()[HscrZoom];
  zoom->setSingleStep(reports::kReportZoomStep);  // as the reports window's bar
  zoom->setPageStep(reports::kReportZoomStep);
  wire<BinViewer>(kHandlers);
  Form_Load();
}

void BinViewer::Form_Load() {
  setWindowState(Qt::WindowMaximized);
  platform::Center_Form(this);
}

void BinViewer::Form_Activate() {
  sheet::view::SpreadsheetControl& reports = state_.analysis().F1Book1();
  const bool metric = state_.model.MetricFlag(model::kMetricDisplay) != 0;
  // Hidden channel: BinViewCode is set by the system windows' Bin buttons and this viewer's Bin/Op.
  const BinView* shown = model::bin_view(state_.BinViewCode);
  form()[cmdBin]->setVisible(shown != nullptr && shown->sheet == model::kGeoTSheet);
  form()[cmdGeoOp]->setVisible(shown != nullptr && shown->sheet == model::kGeoTSheet);
  if (shown == nullptr) return;  // an unknown code keeps the empty view
  reports.ActiveSheet(shown->sheet);
  reports.ViewFirstRow(1);
  reports.ViewLastRow(BinView::kRows);
  reports.ViewFirstCol(shown->first_column(metric));
  reports.ViewLastCol(shown->last_column(metric));
  model::ProjectRec& rec = state_.model.ProjectRec;
  reports.ViewZoom(rec.*shown->zoom);
  reports::Set_Criteria(reports, *view_);
  view_->AttachBook(reports.BookHandle());
  rec.*shown->zoom = static_cast<model::Int16>(reports.ViewZoom());
  form()[lblWhat]->setText(QString::fromUtf8(shown->caption));
  QScrollBar* zoom = form()[HscrZoom];
  if (zoom->value() == rec.*shown->zoom)
    HscrZoom_Change();
  else
    zoom->setValue(rec.*shown->zoom);
  form()[cmdDone]->setFocus();
}

void BinViewer::HscrZoom_Change() {
  const int v = form()[HscrZoom]->value();
  view_->ViewZoom(v);
  form()[lblZoom]->setText(QString::number(v) + "%");
  store_bin_zoom(state_.model.ProjectRec, state_.analysis().F1Book1().ActiveSheet(), v);
}

void BinViewer::cmdDone_Click() { hide(); }

void BinViewer::cmdBin_Click() {
  state_.BinViewCode = BinViewId::GeoTBin;
  Form_Activate();
}

void BinViewer::cmdGeoOp_Click() {
  state_.BinViewCode = BinViewId::GeoTOp;
  Form_Activate();
}

QDialog* prepare_bin_viewer(program_state::AppState& state, BinViewId view, QWidget* parent) {
  state.BinViewCode = view;
  return qobject_cast<BinViewer*>(
      state.windows.window(program_state::WindowId::BinViewer, state, parent));
}

}  // namespace pellavan::systems
