// The main window's buttons and menu entries: which window each opens and at what size, the
// report run, the two window sizes, the clock and help.

#include <QAction>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QTime>

#include "app/about_window.h"
#include "app/dealer_window.h"
#include "app/main_window.h"
#include "platform/layout_fonts.h"
#include "platform/window_placement.h"

namespace pellavan::app {
namespace {

using platform::kLargeLayoutFace;
using platform::kNormalLayoutFace;
using platform::WindowPreset;
using model::SystemType;

// Outer sizes in twips of the windows the commands open, large and normal layout.
constexpr WindowPreset kLargeInput{22100, 13650, kLargeLayoutFace};
constexpr WindowPreset kNormalInput{15250, 10500, kNormalLayoutFace};
constexpr WindowPreset kNormalGeo{15250, 10525, kNormalLayoutFace};
constexpr WindowPreset kNormalGeoT{15250, 10535, kNormalLayoutFace};
constexpr WindowPreset kLargeOpen{15250, 10650, kLargeLayoutFace};
constexpr WindowPreset kNormalOpen{12000, 7900, kNormalLayoutFace};
constexpr WindowPreset kSetup{15250, 10500, kNormalLayoutFace};  // whatever the layout

// The system buttons, their menu entries and windows, in the order their state is set.
struct SystemCommand {
  SystemType kind;
  const char* button;
  const char* action;
  WindowId window;
};
constexpr SystemCommand kSystemCommands[] = {
    {SystemType::GeoA, "btnGeo", "mnuGeoA", WindowId::GeoA},
    {SystemType::GeoB, "btnGeoB", "mnuGeoB", WindowId::GeoB},
    {SystemType::GeoT, "btnGeoT", "mnuGeoT", WindowId::GeoT},
    {SystemType::Elec, "btnAir", "mnuElectric", WindowId::HeatPump},
    {SystemType::Fossil, "btnFossil", "mnuFossil", WindowId::Furnace},
};

}  // namespace

void MainWindow::connect_controls() {
  const auto on_click = [this](const char* name, void (MainWindow::*handler)()) {
    connect(form_->button(name), &QPushButton::clicked, this, handler);
  };
  on_click("SSCOMMAND1", &MainWindow::SSCOMMAND1_Click);
  on_click("SSCOMMAND2", &MainWindow::SSCOMMAND2_Click);
  on_click("SSCommand3", &MainWindow::SSCommand3_Click);
  on_click("btnProject", &MainWindow::btnProject_Click);
  on_click("btnUtility", &MainWindow::btnUtility_Click);
  on_click("btnGeo", &MainWindow::btnGeo_Click);
  on_click("btnGeoB", &MainWindow::btnGeoB_Click);
  on_click("btnGeoT", &MainWindow::btnGeoT_Click);
  on_click("btnAir", &MainWindow::btnAir_Click);
  on_click("btnFossil", &MainWindow::btnFossil_Click);
  on_click("btnReport", &MainWindow::btnReport_Click);
  on_click("btnHelp", &MainWindow::btnHelp_Click);
  on_click("btnExit", &MainWindow::btnExit_Click);
  on_click("cmdEcon", &MainWindow::cmdEcon_Click);
  on_click("CommandSetup", &MainWindow::CommandSetup_Click);
  on_click("Command2", &MainWindow::Command2_Click);
  on_click("Command3", &MainWindow::Command3_Click);
}

void MainWindow::connect_menus() {
  const auto on_trigger = [this](const char* name, auto handler) {
    connect(menus_->action(name), &QAction::triggered, this, handler);
  };
  on_trigger("mnuNew", [this] { commands_.New_Analysis(); });
  on_trigger("mnuOpen", [this] { commands_.Open_Analysis(); });
  on_trigger("mnuSave", &MainWindow::mnuSave_Click);
  on_trigger("mnuSaveAs", [this] { commands_.Save_As(); });
  on_trigger("mnuSaveDefault", [this] { commands_.Save_As_Default(); });
  on_trigger("mnuExit", &MainWindow::btnExit_Click);
  on_trigger("mnuProject", &MainWindow::mnuProject_Click);
  on_trigger("mnuUtility", &MainWindow::mnuUtility_Click);
  on_trigger("mnuGeoT", &MainWindow::btnGeoT_Click);
  on_trigger("mnuGeoA", &MainWindow::btnGeo_Click);
  on_trigger("mnuGeoB", &MainWindow::btnGeoB_Click);
  on_trigger("mnuElectric", &MainWindow::btnAir_Click);
  on_trigger("mnuFossil", &MainWindow::btnFossil_Click);
  on_trigger("mnuReports", &MainWindow::btnReport_Click);
  on_trigger("mnuContents", &MainWindow::mnuContents_Click);
  on_trigger("mnuAbout", &MainWindow::mnuAbout_Click);
  on_trigger("mnuDealer", &MainWindow::mnuDealer_Click);
  on_trigger("mnuCheckUpdates", &MainWindow::SSCommand3_Click);
  on_trigger("mnuRestore", [this] { commands_.Load_Odefaults(); });
}

// A command whose window or service does not exist yet stays disabled; the system commands
// also need their kind chosen in a row. Saving needs an open project.
void MainWindow::update_commands() {
  const WindowRegistry& windows = state_.windows;
  const auto enable = [this](const char* button, const char* action, bool on) {
    if (button != nullptr) form_->button(button)->setEnabled(on);
    if (action != nullptr) menus_->action(action)->setEnabled(on);
  };
  for (const SystemCommand& c : kSystemCommands)
    enable(c.button, c.action, rows_.chosen(c.kind) && windows.has(c.window));
  enable("btnProject", "mnuProject", windows.has(WindowId::ProjectInfo));
  enable("btnUtility", "mnuUtility", windows.has(WindowId::UtilityRates));
  enable("btnReport", "mnuReports",
         windows.has(WindowId::Reports) && static_cast<bool>(state_.services.Fill_ReportWorkbook));
  enable("cmdEcon", nullptr, windows.has(WindowId::Charts));
  enable("SSCommand3", "mnuCheckUpdates", static_cast<bool>(state_.services.Check_ForUpdate));
  const bool open = project_open();
  enable(nullptr, "mnuOptions", open);
  enable(nullptr, "mnuSave", open);
  enable(nullptr, "mnuSaveAs", open);
  enable(nullptr, "mnuSaveDefault", open);
}

void MainWindow::open_sized(WindowId id, const WindowPreset& large, const WindowPreset& normal,
                            bool system_window) {
  QDialog* w = state_.windows.window(id, state_, this);
  if (w == nullptr) return;
  platform::apply_window_preset(w, state_.LargeLayout != 0 ? large : normal);
  if (system_window) state_.LoadingForm = 1;
  open_modal(*w);
}

void MainWindow::open_unsized(WindowId id) {
  if (QDialog* w = state_.windows.window(id, state_, this)) open_modal(*w);
}

void MainWindow::SSCOMMAND1_Click() {
  if (QDialog* w = state_.windows.window(WindowId::ProjectInfo, state_, this))
    platform::apply_window_preset(w, state_.LargeLayout != 0 ? kLargeInput : kNormalInput);
  commands_.New_Analysis();
}

void MainWindow::SSCOMMAND2_Click() {
  if (QDialog* w = state_.windows.window(WindowId::ProjectInfo, state_, this))
    platform::apply_window_preset(w, state_.LargeLayout != 0 ? kLargeOpen : kNormalOpen);
  commands_.Open_Analysis();
}

void MainWindow::SSCommand3_Click() {
  if (state_.services.Check_ForUpdate) state_.services.Check_ForUpdate();
}

void MainWindow::btnProject_Click() {
  open_sized(WindowId::ProjectInfo, kLargeInput, kNormalInput, false);
}
void MainWindow::btnUtility_Click() {
  open_sized(WindowId::UtilityRates, kLargeInput, kNormalInput, false);
}
void MainWindow::btnGeo_Click() { open_sized(WindowId::GeoA, kLargeInput, kNormalGeo, true); }
void MainWindow::btnGeoB_Click() { open_sized(WindowId::GeoB, kLargeInput, kNormalGeo, true); }
void MainWindow::btnGeoT_Click() { open_sized(WindowId::GeoT, kLargeInput, kNormalGeoT, true); }
void MainWindow::btnAir_Click() { open_sized(WindowId::HeatPump, kLargeInput, kNormalInput, true); }
void MainWindow::btnFossil_Click() {
  open_sized(WindowId::Furnace, kLargeInput, kNormalInput, true);
}
void MainWindow::mnuProject_Click() { open_unsized(WindowId::ProjectInfo); }
void MainWindow::mnuUtility_Click() { open_unsized(WindowId::UtilityRates); }
void MainWindow::cmdEcon_Click() { open_unsized(WindowId::Charts); }

void MainWindow::btnReport_Click() {
  if (!state_.services.Fill_ReportWorkbook || !state_.windows.has(WindowId::Reports)) return;
  for (int row = 1; row <= model::ComparisonColumns::kRows; ++row) Show_Unit(row);
  rows_.clear_preview();
  form_->label("lblSystem")->clear();
  Store_Selections();
  form_->label("Label2")->show();
  form_->set_help_line(QStringLiteral("Processing Request...Please Wait"));
  report_timer_.start();  // the window repaints with the wait texts before the fill
}

void MainWindow::Timer1_Timer() {
  state_.services.Fill_ReportWorkbook();
  form_->label("Label2")->hide();
  form_->set_help_line(QString());
  report_timer_.stop();
  open_unsized(WindowId::Reports);
}

void MainWindow::Timer2_Timer() {
  QString format = QLocale::system().timeFormat(QLocale::LongFormat);
  format.remove(QLatin1Char('t')).remove(QLatin1Char('z'));  // no time zone or milliseconds
  form_->label("lblTime")->setText(QTime::currentTime().toString(format.trimmed()));
}

void MainWindow::btnHelp_Click() { state_.help.Show_Help(20); }
void MainWindow::mnuContents_Click() { state_.help.Show_Help(0); }
void MainWindow::btnExit_Click() { close(); }

void MainWindow::mnuSave_Click() {
  commands_.Save_It();
  Show_Summary();
}

void MainWindow::mnuAbout_Click() {
  AboutWindow about(state_, this);
  open_modal(about);
}

void MainWindow::CommandSetup_Click() {
  DealerWindow dealer(state_, this);
  platform::apply_window_preset(&dealer, kSetup);
  open_modal(dealer);
}

void MainWindow::mnuDealer_Click() {
  DealerWindow dealer(state_, this);
  open_modal(dealer);
}

void MainWindow::Command2_Click() {
  state_.LargeLayout = -1;
  setWindowState(Qt::WindowNoState);
  apply_own_layout(22100, 13650);
  hide();
  show();
  Show_Summary();
  platform::Center_Form(this);
}

void MainWindow::Command3_Click() {
  state_.LargeLayout = 0;
  setWindowState(Qt::WindowNoState);
  apply_own_layout(15250, 10500);  // the main window keeps its face in both sizes
  Show_Summary();
  hide();
  show();
  platform::Center_Form(this);
}

}  // namespace pellavan::app
