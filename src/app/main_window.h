#pragma once
// The main window: the start view with its large buttons, then the project view with the
// system buttons, the three comparison rows, the dealer and job panels, the help line and the
// clock. Every other window is opened from here. Handlers keep the names of the design; the
// work is done by ProjectCommands, the comparison rows (model) and the windows they open.
//
// "Activation" (restoring the rows, redrawing the panels, restarting the clock) runs when the
// window itself is shown and when a window of ours that it opened closes; "deactivation"
// (storing the rows, stopping the clock) before it opens one and when it is hidden. Message
// boxes and file dialogs do neither, so no activation can start another.

#include <QMainWindow>
#include <QTimer>
#include <memory>

#include "app/app_state.h"
#include "app/project_commands.h"
#include "model/project/comparison_columns.h"
#include "platform/designed_form.h"
#include "platform/menu_design.h"
#include "platform/window_preset.h"

class QAction;
class QDialog;

namespace pellavan::app {

class MainWindow : public QMainWindow, public ProjectView {
  Q_OBJECT

 public:
  explicit MainWindow(AppState& state, QWidget* parent = nullptr);
  ~MainWindow() override;

  [[nodiscard]] platform::DesignedForm& form() const { return *form_; }
  [[nodiscard]] const platform::DesignedMenus& menus() const { return *menus_; }
  [[nodiscard]] ProjectCommands& commands() { return commands_; }
  [[nodiscard]] const model::ComparisonColumns& rows() const { return rows_; }

  // Load: start view, normal layout, then the legal disclaimer; refusing it ends the program.
  void Form_Load();
  void Form_Activate();
  void Form_Deactivate();

  void Show_Summary() override;
  void Check_Button();
  void Show_Unit(int row);
  void Store_Selections() override;

  // ProjectView
  QWidget* dialog_parent() override { return this; }
  [[nodiscard]] bool project_open() const override;
  void show_project_view() override;
  void load_rows(bool trim_descriptions) override;
  void show_project_window() override;
  void show_dealer_window() override;

  // Shows one of our windows modally over this one: deactivation before, activation after.
  int open_modal(QDialog& window);

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
  void cmdEcon_Click();
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

 signals:
  void activated();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void connect_controls();
  void connect_menus();
  void connect_rows();
  void on_hovered(const QString& name);
  void on_focused(const QString& name);
  void on_focus_left(const QString& name);
  void sync_rows();
  void update_commands();
  // The window's own size (twips, cut to the screen) and its face, "new times roman".
  void apply_own_layout(int width, int height);
  void load_logo();
  // The sized open of a later window; nothing when it does not exist yet.
  void open_sized(WindowId id, const platform::WindowPreset& large,
                  const platform::WindowPreset& normal, bool system_window);
  void open_unsized(WindowId id);
  [[nodiscard]] QString project_city();

  AppState& state_;
  platform::DesignedForm* form_;
  std::unique_ptr<platform::DesignedMenus> menus_;
  model::ComparisonColumns rows_;
  ProjectCommands commands_;
  QTimer report_timer_;  // Timer1
  QTimer clock_timer_;   // Timer2
  bool syncing_rows_ = false;
};

}  // namespace pellavan::app
