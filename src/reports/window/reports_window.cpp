#include "reports/window/reports_window.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <string_view>

#include "platform/help_system.h"
#include "platform/help_topic.h"
#include "platform/help_viewer.h"  // complete type for HelpSystem::viewer()
#include "platform/message_box.h"
#include "platform/twips.h"
#include "platform/window_placement.h"
#include "reports/printer_prompt.h"
#include "reports/report_zoom.h"
#include "reports/reports_window_layout.h"
#include "reports/window/reports_window_design.h"

namespace pellavan::reports {

using namespace reports_window;
using platform::Event;

namespace {

constexpr bool boxes_match_options() {
  for (std::size_t i = 0; i < kPrintBoxCount; ++i)
    if (std::string_view(kBoxes[i].ref.design->name) != kPrintBoxes[i].control) return false;
  return true;
}
static_assert(boxes_match_options(), "the panel's boxes stand in the order of the print options");

using On = platform::On<ReportsWindow>;
const On kHandlers[] = {
    {HScrollViewer, Event::Change, &ReportsWindow::HScrollViewer_Change},
    {HscrZoom, Event::Change, &ReportsWindow::HscrZoom_Change},
    {CommandZoomAll, Event::Click, &ReportsWindow::CommandZoomAll_Click},
    {Command1, Event::Click, &ReportsWindow::Command1_Click},
    {Command11, Event::Click, &ReportsWindow::Command11_Click},
    {Command13, Event::Click, &ReportsWindow::Command13_Click},
    {Command12, Event::Click, &ReportsWindow::Command12_Click},
    {Command2, Event::Click, &ReportsWindow::Command2_Click},
    {cmdHelp, Event::Click, &ReportsWindow::cmdHelp_Click},
    {optColor, Event::Click, &ReportsWindow::optColor_Click},
    {optBlackWhite, Event::Click, &ReportsWindow::optBlackWhite_Click},
    {kBoxes[0], Event::Click, &ReportsWindow::box_Click},
    {kBoxes[1], Event::Click, &ReportsWindow::box_Click},
    {kBoxes[2], Event::Click, &ReportsWindow::box_Click},
    {kBoxes[3], Event::Click, &ReportsWindow::box_Click},
    {kBoxes[4], Event::Click, &ReportsWindow::box_Click},
    {kBoxes[5], Event::Click, &ReportsWindow::box_Click},
    {kBoxes[6], Event::Click, &ReportsWindow::box_Click},
    {kBoxes[7], Event::Click, &ReportsWindow::box_Click},
    {kBoxes[8], Event::Click, &ReportsWindow::box_Click},
    {kBoxes[9], Event::Click, &ReportsWindow::box_Click},
    {kBoxes[10], Event::Click, &ReportsWindow::box_Click},
};

TwipBox box_of(const platform::TwipRect& r) { return {r.left, r.top, r.width, r.height}; }
platform::TwipRect rect_of(const TwipBox& b) { return {b.left, b.top, b.width, b.height}; }

Qt::CheckState check_state(model::Int16 value) {
  return value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked;
}

}  // namespace

const platform::WindowDesign& reports_window_design() { return kDesign; }

ReportsWindow::ReportsWindow(sheet::view::SpreadsheetControl& control, model::ModelState& model,
                             platform::HelpSystem* help, QWidget* parent,
                             const std::vector<workbook::FigureSpan>* unsettled,
                             const std::vector<model::StoredFigure>* refused)
    : DesignedDialog(kDesign, parent),
      control_(control),
      held_(&control),
      help_(help),
      browser_(control, model, unsettled, refused),
      menu_bar_(new QMenuBar(this)),
      menus_(std::make_unique<platform::DesignedMenus>(menu_bar_, kMenu)),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      prompt_(print_dialog_prompt(this)) {
  static_cast<QBoxLayout*>(layout())->setMenuBar(menu_bar_);
  use_system_paper(*printer_);
  // F1 in the open menu: the topic of the entry under the pointer, else the menu's.
  QMenu* menu = menus_->menu("mnuReports");
  platform::set_help_topic(menu, kMenuHelp);
  connect(menu, &QMenu::hovered, this, [menu](QAction* entry) {
    const int topic = entry->data().toInt();
    platform::set_help_topic(menu, topic > 0 ? topic : kMenuHelp);
  });
  for (const Report& r : kReports) {
    QAction* entry = menus_->action(r.menu);
    entry->setCheckable(true);
    entry->setData(r.help);
    connect(entry, &QAction::triggered, this, [this, index = r.index] { menu_Click(index); });
  }
  QScrollBar* zoom = form()[HscrZoom];
  zoom->setSingleStep(kReportZoomStep);
  zoom->setPageStep(kReportZoomStep);
  zoom->setTracking(false);  // the view follows when the drag ends
  connect(zoom, &QScrollBar::sliderMoved, this, &ReportsWindow::HscrZoom_Scroll);
  form()[lblDisplayReport]->setAutoFillBackground(true);
  form().place_custom(F1Book1, &control_);
  wire<ReportsWindow>(kHandlers);
  connect(&form(), &platform::DesignedForm::resized, this, &ReportsWindow::Form_Resize);
  focus_watch_ = connect(qApp, &QApplication::focusChanged, this, &ReportsWindow::focus_changed);
  Form_Load();
}

// The control belongs to the analysis, which outlives this window. The focus moves while the
// base classes take the window down; by then this class is gone and must not hear of it.
ReportsWindow::~ReportsWindow() {
  disconnect(focus_watch_);
  if (held_) held_->setParent(nullptr);
}

void ReportsWindow::Form_Load() {
  setWindowState(Qt::WindowMaximized);
  platform::Center_Form(this);
  browser_.Form_Load();
  control_.Visible(false);
}

void ReportsWindow::Form_Activate() {
  browser_.Form_Activate();
  show_options();
  show_state();
  control_.Visible(true);
}

void ReportsWindow::Form_Resize() {
  const QSize client = platform::pixels_to_twips(form().size(), screen());
  const QSize outer = platform::pixels_to_twips(frameGeometry().size(), screen());
  const ReportsLayout now{box_of(form().rect_of(F1Book1)), box_of(form().rect_of(Frame1)),
                          box_of(form().rect_of(Frame2))};
  const ReportsLayout next =
      resized_layout(now, client.width(), client.height(), outer.width(), outer.height());
  form().move_control(F1Book1, rect_of(next.sheet));
  form().move_control(Frame1, rect_of(next.bar));
  form().move_control(Frame2, rect_of(next.panel));
}

void ReportsWindow::focus_changed(QWidget* old, QWidget* now) {
  QWidget* sheet = form()[F1Book1];
  const bool left_sheet = old != nullptr && (old == sheet || sheet->isAncestorOf(old));
  const bool here =
      now != nullptr && now != sheet && !sheet->isAncestorOf(now) && form().isAncestorOf(now);
  if (left_sheet && here && control_.Visible()) form()[Command2]->setFocus();
}

void ReportsWindow::show_state() {
  {
    const QSignalBlocker scroller(form()[HScrollViewer]);
    const QSignalBlocker zoom(form()[HscrZoom]);
    form()[HScrollViewer]->setValue(browser_.scroller());
    form()[HscrZoom]->setValue(browser_.zoom_bar());
  }
  form()[lblZoom]->setText(QString::fromStdString(browser_.zoom_text()));
  form()[lblReport]->setText(QString::fromUtf8(browser_.current().caption));
  for (const Report& r : kReports) {
    QAction* entry = menus_->action(r.menu);
    entry->setChecked(r.index == browser_.current().index);
    entry->setEnabled(browser_.enabled(r));
  }
}

void ReportsWindow::show_options() {
  const PrintOptions& options = browser_.print_options();
  for (std::size_t i = 0; i < kPrintBoxCount; ++i) {
    QCheckBox* box = form()[kBoxes[i]];
    const QSignalBlocker quiet(box);
    const CheckBox& state = options.box(kPrintBoxes[i].box);
    box->setEnabled(state.enabled);
    box->setCheckState(check_state(state.value));
  }
  const QSignalBlocker colour(form()[optColor]);
  const QSignalBlocker black_white(form()[optBlackWhite]);
  (options.BlackWhite ? form()[optBlackWhite] : form()[optColor])->setChecked(true);
}

void ReportsWindow::menu_Click(int index) {
  browser_.Show_Report(index);
  show_state();
}

void ReportsWindow::HScrollViewer_Change() {
  browser_.HScrollViewer_Change(form()[HScrollViewer]->value());
  show_state();
}

void ReportsWindow::HscrZoom_Change() {
  const int value = form()[HscrZoom]->value();
  // A drag may stop between the steps.
  browser_.HscrZoom_Change((value + kReportZoomStep / 2) / kReportZoomStep * kReportZoomStep);
  show_state();
}

void ReportsWindow::HscrZoom_Scroll(int value) {
  form()[lblZoom]->setText(QString::fromStdString(zoom_label(value)));
}

void ReportsWindow::CommandZoomAll_Click() {
  browser_.CommandZoomAll_Click();
  show_state();
}

void ReportsWindow::report_failure(const PrintOutcome& outcome) {
  if (outcome.end != PrintEnd::kFailed) return;  // a cancel is the user's own choice
  platform::message_box(
      this, platform::MessageRequest{
                QStringLiteral("Printing failed: ") + QString::fromStdString(outcome.failure),
                platform::kAppTitle, platform::MessageIcon::Exclamation});
}

void ReportsWindow::Command1_Click() { report_failure(browser_.Print_Screen(*printer_, prompt_)); }

void ReportsWindow::Command11_Click() {
  form()[Frame2]->show();
  form()[Frame2]->raise();
}

void ReportsWindow::Command13_Click() {
  form()[Frame2]->hide();
  form()[Frame1]->show();
  control_.Visible(true);
  menu_bar_->show();
  browser_.Loads_FileR();
}

void ReportsWindow::Command12_Click() {
  QLabel* status = form()[lblDisplayReport];
  status->show();
  const PrintOutcome outcome =
      browser_.Print_Reports(*printer_, prompt_, [status](const std::string& text) {
        status->setText(QString::fromStdString(text));
        status->repaint();
      });
  status->hide();
  form()[Frame2]->hide();
  form()[Frame1]->show();
  menu_bar_->show();
  control_.Visible(true);
  show_state();
  report_failure(outcome);
}

void ReportsWindow::Command2_Click() { hide(); }

void ReportsWindow::cmdHelp_Click() {
  if (help_ != nullptr) help_->Show_Help();
}

void ReportsWindow::box_Click(platform::ControlEvent& event) {
  for (std::size_t i = 0; i < kPrintBoxCount; ++i)
    if (event.control == kBoxes[i].ref)
      browser_.print_options().set_value(kPrintBoxes[i].box,
                                         form()[kBoxes[i]]->isChecked() ? 1 : 0);
}

void ReportsWindow::optColor_Click() { browser_.print_options().BlackWhite = false; }
void ReportsWindow::optBlackWhite_Click() { browser_.print_options().BlackWhite = true; }

}  // namespace pellavan::reports
