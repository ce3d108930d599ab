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
#include "app/main_window_design.h"
#include "platform/designed_dialog.h"
#include "platform/window_placement.h"
#include "program_state/analysis_session.h"

namespace pellavan::app {

using model::SystemType;
using platform::Event;
using namespace main_window;

namespace {

// The system buttons, their menu entries and windows, in the order their state is set.
struct SystemCommand {
  SystemType kind;
  platform::ButtonHandle button;
  const char* action;
};
constexpr SystemCommand kSystemCommands[] = {
    {SystemType::GeoA, btnGeo, "mnuGeoA"},        {SystemType::GeoB, btnGeoB, "mnuGeoB"},
    {SystemType::GeoT, btnGeoT, "mnuGeoT"},       {SystemType::Elec, btnAir, "mnuElectric"},
    {SystemType::Fossil, btnFossil, "mnuFossil"},
};

using On = platform::On<MainWindow>;
const On kHandlers[] = {
    {SSCOMMAND1, Event::Click, &MainWindow::SSCOMMAND1_Click},
    {SSCOMMAND2, Event::Click, &MainWindow::SSCOMMAND2_Click},
    {SSCommand3, Event::Click, &MainWindow::SSCommand3_Click},
    {btnProject, Event::Click, &MainWindow::btnProject_Click},
    {btnUtility, Event::Click, &MainWindow::btnUtility_Click},
    {btnGeo, Event::Click, &MainWindow::btnGeo_Click},
    {btnGeoB, Event::Click, &MainWindow::btnGeoB_Click},
    {btnGeoT, Event::Click, &MainWindow::btnGeoT_Click},
    {btnAir, Event::Click, &MainWindow::btnAir_Click},
    {btnFossil, Event::Click, &MainWindow::btnFossil_Click},
    {btnReport, Event::Click, &MainWindow::btnReport_Click},
    {btnHelp, Event::Click, &MainWindow::btnHelp_Click},
    {btnExit, Event::Click, &MainWindow::btnExit_Click},
    {CommandSetup, Event::Click, &MainWindow::CommandSetup_Click},
    {Command2, Event::Click, &MainWindow::Command2_Click},
    {Command3, Event::Click, &MainWindow::Command3_Click},
    {opGeoT, Event::Click, &MainWindow::opGeoT_Click},
    {opGeoA, Event::Click, &MainWindow::opGeoA_Click},
    {opGeoB, Event::Click, &MainWindow::opGeoB_Click},
    {opElec, Event::Click, &MainWindow::opElec_Click},
    {opFossil, Event::Click, &MainWindow::opFossil_Click},
    {opNone, Event::Click, &MainWindow::opNone_Click},
    {chkSave, Event::Click, &MainWindow::chkSave_Click},
    {txtSelect, Event::Change, &MainWindow::txtSelect_Change},
    {txtSelect, Event::GotFocus, &MainWindow::txtSelect_GotFocus},
    {txtSelect, Event::LostFocus, &MainWindow::txtSelect_LostFocus},
    {txtSelect, Event::MouseMove, &MainWindow::Show_Unit},
    {platform::kThisWindow, Event::MouseMove, &MainWindow::Form_MouseMove},
    {FrmSystems, Event::MouseMove, &MainWindow::Form_MouseMove},
    // Help, Exit and "Pellavan T" leave the preview line.
    {btnProject, Event::MouseMove, &MainWindow::clear_preview_line},
    {btnUtility, Event::MouseMove, &MainWindow::clear_preview_line},
    {btnGeo, Event::MouseMove, &MainWindow::clear_preview_line},
    {btnGeoB, Event::MouseMove, &MainWindow::clear_preview_line},
    {btnAir, Event::MouseMove, &MainWindow::clear_preview_line},
    {btnFossil, Event::MouseMove, &MainWindow::clear_preview_line},
    {btnReport, Event::MouseMove, &MainWindow::clear_preview_line},
    {cmdEcon, Event::MouseMove, &MainWindow::clear_preview_line},
    {frmNotes, Event::MouseMove, &MainWindow::clear_preview_line},
    {frmOptions, Event::MouseMove, &MainWindow::clear_preview_line},
    {btnProject, Event::GotFocus, &MainWindow::clear_preview_line},
};

}  // namespace

void MainWindow::wire_controls() { wire<MainWindow>(kHandlers); }

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

// The system commands need their kind chosen in a row; saving needs an open project.
void MainWindow::update_commands() {
  const auto enable_action = [this](const char* action, bool on) {
    menus_->action(action)->setEnabled(on);
  };
  const auto enable = [&](platform::ButtonHandle button, const char* action, bool on) {
    form()[button]->setEnabled(on);
    if (action != nullptr) enable_action(action, on);
  };
  for (const SystemCommand& c : kSystemCommands) enable(c.button, c.action, rows_.chosen(c.kind));
  const bool open = project_open();
  for (const char* action : {"mnuOptions", "mnuSave", "mnuSaveAs", "mnuSaveDefault"})
    enable_action(action, open);
}

namespace {

// A window in the size its design gives for the layout.
void size_window(QDialog* window, const program_state::AppState& state) {
  if (auto* designed = qobject_cast<platform::DesignedDialog*>(window))
    designed->apply_size(state.LargeLayout != 0);
}

}  // namespace

void MainWindow::open_sized(program_state::WindowId id) {
  QDialog* w = state_.windows.window(id, state_, this);
  if (w == nullptr) return;
  size_window(w, state_);
  show_modal(*w);
}

void MainWindow::open_unsized(program_state::WindowId id) {
  if (QDialog* w = state_.windows.window(id, state_, this)) show_modal(*w);
}

void MainWindow::SSCOMMAND1_Click() {
  size_window(state_.windows.window(program_state::WindowId::ProjectInfo, state_, this), state_);
  commands_.New_Analysis();
}

void MainWindow::SSCOMMAND2_Click() {
  if (QDialog* w = state_.windows.window(program_state::WindowId::ProjectInfo, state_, this))
    platform::apply_window_preset(
        w, program_state::kOpenProjectSizes.for_layout(state_.LargeLayout != 0));
  commands_.Open_Analysis();
}

void MainWindow::SSCommand3_Click() {
  // The check holds the program until the server answers; the wait text shows meanwhile on the
  // line of the reports' wait text, painted before the check starts.
  QLabel* wait = form()[Label2];
  const QString caption = wait->text();
  wait->setText(QStringLiteral("Processing Request...Please Wait"));
  wait->raise();
  wait->show();
  wait->repaint();
  state_.services.Check_ForUpdate();
  wait->hide();
  wait->setText(caption);
}

void MainWindow::btnProject_Click() { open_sized(program_state::WindowId::ProjectInfo); }
void MainWindow::btnUtility_Click() { open_sized(program_state::WindowId::UtilityRates); }
void MainWindow::btnGeo_Click() { open_sized(program_state::WindowId::GeoA); }
void MainWindow::btnGeoB_Click() { open_sized(program_state::WindowId::GeoB); }
void MainWindow::btnGeoT_Click() { open_sized(program_state::WindowId::GeoT); }
void MainWindow::btnAir_Click() { open_sized(program_state::WindowId::HeatPump); }
void MainWindow::btnFossil_Click() { open_sized(program_state::WindowId::Furnace); }
void MainWindow::mnuProject_Click() { open_unsized(program_state::WindowId::ProjectInfo); }
void MainWindow::mnuUtility_Click() { open_unsized(program_state::WindowId::UtilityRates); }

void MainWindow::btnReport_Click() {
  if (state_.analysis().refuse_failed_loads(this)) return;  // no reports on loads not the project's
  rebuild_descriptions();
  Store_Selections();
  form()[Label2]->raise();
  form()[Label2]->show();
  form().set_help_line(QStringLiteral("Processing Request...Please Wait"));
  report_timer_.start();  // the window repaints with the wait texts before the fill
}

void MainWindow::Timer1_Timer() {
  state_.services.Fill_ReportWorkbook();
  form()[Label2]->hide();
  form().set_help_line(QString());
  report_timer_.stop();
  open_unsized(program_state::WindowId::Reports);
}

void MainWindow::Timer2_Timer() {
  QString format = QLocale::system().timeFormat(QLocale::LongFormat);
  format.remove(QLatin1Char('t')).remove(QLatin1Char('z'));  // no time zone or milliseconds
  form()[lblTime]->setText(QTime::currentTime().toString(format.trimmed()));
}

void MainWindow::btnHelp_Click() { state_.help.Show_Help(); }
void MainWindow::mnuContents_Click() { state_.help.Show_Help(); }
void MainWindow::btnExit_Click() { close(); }

void MainWindow::mnuSave_Click() {
  commands_.Save_It();
  Show_Summary();
}

void MainWindow::mnuAbout_Click() {
  AboutWindow about(state_, this);
  show_modal(about);
}

void MainWindow::CommandSetup_Click() {
  auto* dealer = platform::load_window<DealerWindow>(state_, this);
  dealer->apply_size(state_.LargeLayout != 0);  // the dealer window's one size
  show_modal(*dealer);
}

void MainWindow::mnuDealer_Click() { show_dealer_window(); }

void MainWindow::Command2_Click() {
  state_.LargeLayout = -1;
  setWindowState(Qt::WindowNoState);
  apply_size(true);
  hide();
  show();
  Show_Summary();
  platform::Center_Form(this);
}

void MainWindow::Command3_Click() {
  state_.LargeLayout = 0;
  setWindowState(Qt::WindowNoState);
  apply_size(false);
  Show_Summary();
  hide();
  show();
  platform::Center_Form(this);
}

}  // namespace pellavan::app
