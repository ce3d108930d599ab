#pragma once
// The main window: the start view with its large buttons, then the project view with the
// system buttons, the three comparison rows, the dealer and job panels, the help line and the
// clock. Every other window is opened from here. Handlers keep the names of the design; the
// work is done by ProjectCommands, the comparison rows (model) and the windows they open.
//
// Its activation (restoring the rows, redrawing the panels, restarting the clock) and
// deactivation (storing the rows, stopping the clock) are DesignedWindow's: when the window is
// shown or hidden and around each of our windows it shows modally.

#include <QMainWindow>
#include <QTimer>
#include <memory>

#include "program_state/app_state.h"
#include "app/project_commands.h"
#include "model/project/comparison_columns.h"
#include "platform/designed_window.h"
#include "platform/menu_design.h"

class QDialog;

namespace pellavan::app {

class MainWindow : public platform::DesignedWindow<QMainWindow>, public ProjectView {
  Q_OBJECT

 public:
  explicit MainWindow(program_state::AppState& state, QWidget* parent = nullptr);
  ~MainWindow() override;

  [[nodiscard]] const platform::DesignedMenus& menus() const { return *menus_; }
  [[nodiscard]] ProjectCommands& commands() { return commands_; }
  [[nodiscard]] const model::ComparisonColumns& rows() const { return rows_; }

  // Load: start view, normal layout, then the legal disclaimer; refusing it ends the program.
  void Form_Load();
  void Form_Activate() override;
  void Form_Deactivate() override;
  // Closing: the help viewer closes and an open project may be saved; a save that was
  // cancelled or failed keeps the window (and the project) open. Then the program ends.
  bool Form_QueryUnload() override;
  void Form_Unload() override;
  void Form_MouseMove();

  void Show_Summary() override;
  void Check_Button();
  void Show_Unit(int row);
  // Every row's description built from the project's equipment (frozen rows keep theirs).
  void rebuild_descriptions() override;
  void Store_Selections() override;

  // ProjectView
  QWidget* dialog_parent() override { return this; }
  [[nodiscard]] bool project_open() const override;
  void show_project_view() override;
  void load_rows(bool trim_descriptions) override;
  void show_project_window() override;
  void show_dealer_window() override;

  // Buttons and menu entries.
  void SSCOMMAND1_Click();
  void SSCOMMAND2_Click();
  void SSCommand3_Click();
  void btnProject_Click();
  void btnUtility_Click();
  void btnGeo_Click();
  void btnGeoB_Click();
  void btnGeoT_Click();
  void btnAir_Click();
  void btnFossil_Click();
  void btnReport_Click();
  void btnHelp_Click();
  void btnExit_Click();
  void CommandSetup_Click();
  void Command2_Click();  // Large
  void Command3_Click();  // Small
  void mnuSave_Click();
  void mnuProject_Click();
  void mnuUtility_Click();
  void mnuContents_Click();
  void mnuAbout_Click();
  void mnuDealer_Click();
  void Timer1_Timer();  // the report run's deferred fill
  void Timer2_Timer();  // the clock

  // The comparison rows (row 1..3).
  void opGeoT_Click(int row);
  void opGeoA_Click(int row);
  void opGeoB_Click(int row);
  void opElec_Click(int row);
  void opFossil_Click(int row);
  void opNone_Click(int row);
  void chkSave_Click(int row);
  void txtSelect_Change(int row);
  void txtSelect_GotFocus(int row);
  void txtSelect_LostFocus();
  // The buttons with a help line of their own and the two frames empty the preview line.
  void clear_preview_line();

 signals:
  void activated();

 private:
  void wire_controls();
  void connect_menus();
  void choose(int row, model::SystemType kind);
  void sync_rows();
  void update_commands();
  // The window's own layout: its size (twips, cut to the screen) and its face.
  void apply_own_layout(bool large);
  void load_logo();
  // The sized open of a window (the sizes of its design).
  void open_sized(program_state::WindowId id);
  void open_unsized(program_state::WindowId id);
  [[nodiscard]] QString project_city();

  program_state::AppState& state_;
  std::unique_ptr<platform::DesignedMenus> menus_;
  model::ComparisonColumns rows_;
  ProjectCommands commands_;
  QTimer report_timer_;  // Timer1
  QTimer clock_timer_;   // Timer2
  bool syncing_rows_ = false;
};

}  // namespace pellavan::app
