#include "app/main_window.h"

#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QHideEvent>
#include <QShowEvent>

#include "app/dealer_window.h"
#include "app/disclaimer_window.h"
#include "app/main_window_design.h"
#include "model/catalogue/catalogue_readers.h"
#include "model/project/summary_lines.h"
#include "platform/layout_fonts.h"
#include "platform/modal.h"
#include "platform/picture_box.h"
#include "platform/program_end.h"
#include "platform/window_placement.h"

namespace pellavan::app {

MainWindow::MainWindow(AppState& state, QWidget* parent)
    : QMainWindow(parent),
      state_(state),
      form_(new platform::DesignedForm(main_window_design(), this)),
      rows_([this](model::Int16 id) -> std::optional<std::string> {
        if (model::Load_LoopRecord(state_.model, id)) return state_.model.LoopRec.Name.str();
        return std::nullopt;
      }),
      commands_(state, *this) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Pellavan"));
  setCentralWidget(form_);
  menus_ = std::make_unique<platform::DesignedMenus>(menuBar(), main_window_menus());
  platform::set_outer_size(this, 11892, 7992);
  report_timer_.setInterval(1000);
  clock_timer_.setInterval(1000);
  connect(&report_timer_, &QTimer::timeout, this, &MainWindow::Timer1_Timer);
  connect(&clock_timer_, &QTimer::timeout, this, &MainWindow::Timer2_Timer);
  connect(form_, &platform::DesignedForm::hovered, this, &MainWindow::on_hovered);
  connect(form_, &platform::DesignedForm::focused, this, &MainWindow::on_focused);
  connect(form_, &platform::DesignedForm::focus_left, this, &MainWindow::on_focus_left);
  connect_controls();
  connect_menus();
  connect_rows();
}

MainWindow::~MainWindow() = default;

void MainWindow::load_logo() {
  form_->picture("Logo")->load_picture(state_.data_path(kLogoPictureFile));
}

void MainWindow::Form_Load() {
  state_.LargeLayout = 0;
  load_logo();
  state_.help.Set_HelpFile(this);
  QDir::setCurrent(QString::fromStdString(state_.program_folder().string()));
  state_.model.data_files.RecNo = 1;
  platform::Center_Form(this);
  form_->show_view(kStartView);
  update_commands();
  state_.model.data_files.ProjectRecLen = static_cast<model::Int16>(model::ProjectRec::kFileSize);

  model::ProjectRec& rec = state_.model.ProjectRec;
  for (auto* field : {&rec.Dealer_Name, &rec.Dealer_Address, &rec.Dealer_City, &rec.Client_Name})
    *field = "";
  rec.Dealer_State = "";
  rec.Dealer_Zip = "";
  rec.Dealer_Phone = "";
  rec.Dealer_Fax = "";
  rec.Project_Number = "";
  rec.Project_Title = "";
  rec.Dealer_CellPhone = "";
  rec.Dealer_Email = "";
  rec.Dealer_Contact = "";

  form_->label("lblVersion")->setText(QStringLiteral("Version ") + state_.VersionText);
  apply_own_layout(15250, 10500);
  platform::Center_Form(this);

  DisclaimerWindow disclaimer(state_);
  if (platform::run_modal(disclaimer) != QDialog::Accepted) platform::end_run();
}

void MainWindow::apply_own_layout(int width, int height) {
  platform::set_outer_size(this, width, height);
  form_->set_font_face(QString::fromLatin1(platform::kLargeLayoutFace));
}

void MainWindow::Form_Activate() {
  if (state_.StartupForm) state_.StartupForm->close();
  load_logo();
  clock_timer_.start();
  Timer2_Timer();  // the time at once, not a second later
  QDir::setCurrent(QString::fromStdString(state_.program_folder().string()));
  state_.model.data_files.RecNo = 1;
  Show_Summary();
  rows_.restore(state_.model.ProjectRec);
  sync_rows();
  setWindowTitle(QStringLiteral("Pellavan"));
  emit activated();
}

void MainWindow::Form_Deactivate() {
  clock_timer_.stop();
  Store_Selections();
}

int MainWindow::open_modal(QDialog& window) {
  Form_Deactivate();
  const int result = platform::run_modal(window);
  Form_Activate();
  return result;
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!event->spontaneous()) Form_Activate();
}

void MainWindow::hideEvent(QHideEvent* event) {
  if (!event->spontaneous()) Form_Deactivate();
  QMainWindow::hideEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  state_.help.Close_Help();
  if (project_open() && !project_is_safe(commands_.Save_It())) {
    event->ignore();  // the project stays open rather than being lost
    return;
  }
  event->accept();
  platform::end_run();
}

bool MainWindow::project_open() const { return form_->view() == kProjectView; }

void MainWindow::show_project_view() {
  form_->show_view(kProjectView);
  update_commands();
}

void MainWindow::show_project_window() {
  if (QDialog* w = state_.windows.window(WindowId::ProjectInfo, state_, this)) open_modal(*w);
  else Show_Summary();  // closing the project window would have redrawn the panels
}

void MainWindow::show_dealer_window() {
  DealerWindow dealer(state_, this);
  open_modal(dealer);
}

QString MainWindow::project_city() {
  if (!state_.windows.has(WindowId::ProjectInfo)) return {};
  // Reading the city loads the project window, hidden, when it is not loaded yet.
  QDialog* w = state_.windows.window(WindowId::ProjectInfo, state_, this);
  const auto* city = dynamic_cast<const ShowsProjectCity*>(w);
  return city != nullptr ? city->city_text().trimmed() : QString();
}

void MainWindow::Show_Summary() {
  const model::ProjectRec& rec = state_.model.ProjectRec;
  platform::PictureBox* dealer = form_->picture("picRegTo");
  dealer->clear_text();
  for (const std::string& line : model::dealer_panel_lines(rec))
    dealer->print_line(QString::fromStdString(line));
  form_->label("lblCusName")->setText(QString::fromStdString(model::customer_name(rec)));
  const QString file = state_.ProjectFileTitle.trimmed().toLower();
  platform::PictureBox* job = form_->picture("picJobInfo");
  job->clear_text();
  for (const std::string& line :
       model::job_panel_lines(rec, project_city().toStdString(), file.toStdString()))
    job->print_line(QString::fromStdString(line));
}

}  // namespace pellavan::app
