#include "app/project_window.h"

#include <QCheckBox>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>
#include <optional>
#include <stdexcept>

#include "app/project_window_design.h"
#include "app/scale_bar.h"
#include "loads/calc/load_calculation.h"
#include "loads/input/load_readouts.h"
#include "loads/input/project_date.h"
#include "loads/input/sensible_entry.h"
#include "model/catalogue/catalogue_files.h"
#include "model/catalogue/catalogue_scan.h"
#include "model/text/ascii.h"
#include "model/text/cp1252.h"
#include "model/units/number_text.h"
#include "model/units/rounding.h"
#include "model/units/temperature.h"
#include "platform/text_area.h"
#include "platform/message_box.h"
#include "platform/window_placement.h"
#include "program_state/analysis_session.h"
#include "sheet/format/date_serial.h"

namespace pellavan::app {

using namespace project_window;
using platform::Event;
using platform::MessageIcon;

namespace {

using On = platform::On<ProjectWindow>;
const On kHandlers[] = {
    {Command1, Event::Click, &ProjectWindow::Done_Click},
    {Command4, Event::Click, &ProjectWindow::Done_Click},
    {Command2, Event::Click, &ProjectWindow::Command2_Click},
    {Command3, Event::Click, &ProjectWindow::Command3_Click},
    {btnHelp, Event::Click, &ProjectWindow::Help_Click},
    {Command5, Event::Click, &ProjectWindow::Help_Click},
    {comboState, Event::Click, &ProjectWindow::comboState_Click},
    {comboCity, Event::Click, &ProjectWindow::comboCity_Click},
    {chkSensible, Event::Click, &ProjectWindow::chkSensible_Click},
    {txtPnote1, Event::Change, &ProjectWindow::txtPnote1_Change},
    {hscrBase, Event::Change, &ProjectWindow::correction_Change},
    {HscrSolar, Event::Change, &ProjectWindow::correction_Change},
    {HscrOcc, Event::Change, &ProjectWindow::correction_Change},
    {HscrStruc, Event::Change, &ProjectWindow::correction_Change},
    {txtHload, Event::LostFocus, &ProjectWindow::txtHload_LostFocus},
    {txtHdt, Event::LostFocus, &ProjectWindow::txtHdt_LostFocus},
    {txtCload, Event::LostFocus, &ProjectWindow::txtCload_LostFocus},
    {txtCdt, Event::LostFocus, &ProjectWindow::temperature_LostFocus},
    {txtDhw, Event::LostFocus, &ProjectWindow::temperature_LostFocus},
    {txtHset, Event::LostFocus, &ProjectWindow::temperature_LostFocus},
    {txtCset, Event::LostFocus, &ProjectWindow::temperature_LostFocus},
    {txtSclg, Event::LostFocus, &ProjectWindow::temperature_LostFocus},
    {txtDate, Event::LostFocus, &ProjectWindow::txtDate_LostFocus},
    {txtSensiblePercent, Event::LostFocus, &ProjectWindow::txtSensiblePercent_LostFocus},
};

constexpr int kNotesRoom = 160;

// Counts a running check for as long as it lasts.
class Checking {
 public:
  explicit Checking(int& count) : count_(count) { ++count_; }
  ~Checking() { --count_; }
  Checking(const Checking&) = delete;
  Checking& operator=(const Checking&) = delete;

 private:
  int& count_;
};

QString qs(const std::string& s) { return QString::fromStdString(s); }
std::string text_of(const QLineEdit* box) { return box->text().toStdString(); }

const model::UnitBinding& binding_of(platform::ControlRef box) {
  for (const model::UnitBinding& b : kUnits)
    if (b.control == box) return b;
  throw std::logic_error("no unit binding for the box");
}

// The short date form of the user's locale, as its pattern.
std::string date_form() { return QLocale().dateFormat(QLocale::ShortFormat).toStdString(); }

QString date_shown(double serial) { return qs(loads::date_shown(serial, date_form())); }

}  // namespace

const platform::WindowDesign& project_window_design() { return kDesign; }

ProjectWindow::ProjectWindow(program_state::AppState& state, QWidget* parent)
    : DesignedDialog(kDesign, parent), state_(state), scale_(new ScaleBar) {
  form().place_custom(imgscale, scale_);
  wire<ProjectWindow>(kHandlers);
  Form_Load();
}

void ProjectWindow::Form_Load() { platform::Center_Form(this); }

model::UnitOptions ProjectWindow::units() const {
  return model::UnitOptions::of(state_.model.MetricFlag);
}

QString ProjectWindow::city_text() const {
  const QListWidgetItem* item = form()[comboCity]->currentItem();
  return item != nullptr && item->isSelected() ? item->text() : QString();
}

bool ProjectWindow::city_selected() const {
  const QListWidget* list = form()[comboCity];
  return list->currentItem() != nullptr && list->currentItem()->isSelected();
}

void ProjectWindow::build_state_list() {
  cities_ = model::read_city_file(state_.model);
  const model::StateList states = model::state_list(cities_, state_.model.ProjectRec.Loads_CityId);
  QListWidget* list = form()[comboState];
  list->clear();
  for (const std::string& s : states.states) list->addItem(qs(s));
  if (states.selected) list->setCurrentRow(static_cast<int>(*states.selected));
  if (auto at = model::restore_city(city_items_, state_.model.ProjectRec.Loads_CityId))
    form()[comboCity]->setCurrentRow(static_cast<int>(*at));
}

void ProjectWindow::comboState_Click() {
  const QListWidgetItem* item = form()[comboState]->currentItem();
  if (item == nullptr) return;
  QListWidget* list = form()[comboCity];
  const QSignalBlocker quiet(list);
  list->clear();
  city_items_ = model::city_list(cities_, item->text().toStdString());
  for (const model::CityItem& c : city_items_) {
    auto* entry = new QListWidgetItem(qs(c.name), list);
    entry->setData(Qt::UserRole, c.id);
  }
  if (list->count() == 0) return;
  list->setCurrentRow(0);
  comboCity_Click();
}

void ProjectWindow::comboCity_Click() {
  if (Filling == 0) GetCd();
}

void ProjectWindow::Form_Activate() {
  if (Filling != 0) return;  // a message shown while filling does not start another fill
  setFixedSize(size());      // a fixed border; the main window sizes it while it is hidden
  platform::Center_Form(this);
  const model::ProjectRec& p = state_.model.ProjectRec;
  // Taken at the showing, not again when a message or help returns the focus to the window.
  if (!before_) before_ = Before{p, state_.model.CityRec, state_.analysis().loads()};
  {
    const QSignalBlocker quiet(form()[txtPnote1]);
    platform::set_text(form()[txtPnote1],
                       qs(model::shown_text(model::utf8_from_cp1252(p.Project_Notes.str()))));
  }
  txtPnote1_Change();
  activating_ = true;
  Filling = 1;
  build_state_list();
  fill_fields();
  Filling = 0;
  GetCd();
  activating_ = false;
  form()[SSTab1]->setCurrentWidget(form()[pgJob]);
  form()[txtCname]->setFocus();
  setWindowTitle(QString::fromUtf8(kDesign.caption));
  set_unit_captions();
}

void ProjectWindow::Form_Unload() {
  if (!before_) return;
  state_.model.ProjectRec = before_->project;
  state_.model.CityRec = before_->city;
  state_.analysis().loads() = before_->loads;
  before_.reset();
}

// Hidden by Done, or after Form_Unload put the project back: the next showing starts afresh.
void ProjectWindow::hideEvent(QHideEvent* event) {
  DesignedDialog::hideEvent(event);
  if (!event->spontaneous()) before_.reset();
}

void ProjectWindow::Form_Deactivate() {
  setMinimumSize(0, 0);
  setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

void ProjectWindow::fill_fields() {
  model::ProjectRec& p = state_.model.ProjectRec;
  for (const JobText& t : kJobTexts)
    platform::set_text(form()[t.box], qs(model::shown_text(t.field.get(p))));
  // A project never given a date shows none (day 0 would read 12/30/1899).
  platform::set_text(form()[txtDate],
                     p.Project_Date.serial == 0 ? QString() : date_shown(p.Project_Date.serial));
  const model::UnitOptions u = units();
  for (const model::UnitBinding& b : kUnits)
    platform::set_text(form()[TextBoxHandle(b.control)],
                       qs(model::show_value(b, p, u, state_.memos)));
  form()[chkSensible]->setChecked(p.Loads_SensibleMode == 1);
  show_sensible_mode();
  (p.Loads_ContFan == 1 ? form()[optFy] : form()[optFn])->setChecked(true);
  for (const Correction& c : kCorrections) {
    const int v = p.*c.field;
    form()[c.bar]->setValue(v == 0 ? 3 : v);  // a correction never set shows the middle
  }
}

void ProjectWindow::show_sensible_mode() {
  const bool ratio = form()[chkSensible]->isChecked();
  form()[txtSensiblePercent]->setVisible(ratio);
  form()[txtSensible]->setVisible(!ratio);
  const bool kw = units().display_of(model::Quantity::Capacity) == model::Display::Metric;
  form()[lblSensible]->setText(ratio ? QStringLiteral("Sensible Ratio")
                               : kw  ? QStringLiteral("Sensible kW")
                                     : QStringLiteral("Sensible Btu/hr"));
}

void ProjectWindow::chkSensible_Click() {
  const bool kw = units().display_of(model::Quantity::Capacity) == model::Display::Metric;
  if (form()[chkSensible]->isChecked()) {
    const double ratio = loads::ratio_of(text_of(form()[txtSensiblePercent]));
    platform::set_text(form()[txtSensiblePercent], qs(model::format_fixed(ratio, 2, false)));
  } else if (kw) {
    // A text that shows no number stays as typed, to be refused.
    if (const auto v = model::typed_number(text_of(form()[txtSensible]), model::Places::Decimals))
      platform::set_text(form()[txtSensible], qs(model::format_fixed(*v, 1, false)));
  }
  show_sensible_mode();
}

bool ProjectWindow::Get_Input() {
  if (!city_selected()) {
    attention("Must Select a City");
    return false;
  }
  const QString date_text = form()[txtDate]->text();
  const bool undated = date_text.trimmed().isEmpty();  // left without a date, kept so
  const std::optional<int> date = loads::typed_date(date_text.toStdString(), date_form());
  if (!undated && !date) {
    attention("Invalid Date...Please Try Again");
    return false;
  }
  model::ProjectRec& p = state_.model.ProjectRec;
  p.Loads_CityId =
      static_cast<model::Int16>(form()[comboCity]->currentItem()->data(Qt::UserRole).toInt());
  model::assign_utf8(p.Project_Notes, form()[txtPnote1]->text().toStdString());
  for (const JobText& t : kJobTexts) {
    const QString text = form()[t.box]->text();
    t.field.set(p, (t.trimmed ? text.trimmed() : text).toStdString());
  }
  p.Project_Date = model::OleDate{undated ? 0.0 : static_cast<double>(*date)};
  const model::UnitOptions u = units();
  p.Loads_SensibleMode = form()[chkSensible]->isChecked() ? 1 : 0;
  unreadable_.clear();
  for (const model::UnitBinding& b : kUnits) {
    QLineEdit* box = form()[TextBoxHandle(b.control)];
    if (b.control == txtSensible.ref && p.Loads_SensibleMode == 1) {
      // The sensible load follows the cooling load and the ratio.
      p.Loads_SensibleLoad =
          model::round_to_int32(p.Loads_CoolLoad * p.Loads_SensibleRatio.to_double());
      platform::set_text(box, qs(model::show_value(b, p, u, state_.memos)));
      continue;
    }
    if (auto unread = model::store_value(b, text_of(box), p, u, state_.memos))
      unreadable_.push_back(std::move(*unread));
  }
  p.Loads_ContFan = form()[optFy]->isChecked() ? 1 : 0;
  for (const Correction& c : kCorrections)
    p.*c.field = static_cast<model::Int16>(form()[c.bar]->value());
  return true;
}

void ProjectWindow::say(const platform::MessageRequest& request) {
  if (!activating_) {
    platform::message_box(this, request);
    return;
  }
  // The show event that activates the window comes before the window is on the screen: its
  // messages wait until it is, so that they stand over the drawn window.
  if (pending_.empty()) QTimer::singleShot(0, this, &ProjectWindow::show_pending);
  pending_.push_back(request);
}

void ProjectWindow::show_pending() {
  const Checking checking(checking_);
  const std::vector<platform::MessageRequest> pending = std::move(pending_);
  pending_.clear();
  for (const platform::MessageRequest& m : pending)
    if (isVisible()) platform::message_box(this, m);
}

void ProjectWindow::attention(const char* text) {
  say({QString::fromUtf8(text), QStringLiteral("Attention"), MessageIcon::Exclamation});
}

void ProjectWindow::refuse(const model::Refusal& refusal) {
  say({qs(refusal.text), QString::fromUtf8(refusal.row->title), refusal.row->icon});
  // A message kept for the showing leaves the focus where the showing puts it.
  if (!activating_ && refusal.row->focus.design != nullptr)
    form().return_to_refused(form().widget(refusal.row->focus));
}

bool ProjectWindow::Test_Data() {
  const loads::LoadCheckValues stored(state_.model.ProjectRec);
  const model::UnreadableBoxes values(stored, unreadable_);
  if (auto refusal = model::first_refusal(kChecks, values, units())) {
    refuse(*refusal);
    return false;
  }
  return true;
}

bool ProjectWindow::Calc_Loads() {
  if (state_.analysis().Calc_Loads() != loads::LoadCalcStatus::kInvalid) return true;
  say({qs(loads::load_message(state_.analysis().loads())),
       qs(std::string(loads::kLoadsInvalidTitle)), MessageIcon::Exclamation});
  return false;
}

void ProjectWindow::Min_Backup() { (void)state_.analysis().Min_Backup(); }

void ProjectWindow::GetCd() {
  if (Filling == 1) return;
  const Checking checking(checking_);
  // Until the inputs pass, the read-outs show the selected city and no results: never those of
  // the city or project shown before.
  show_readouts(false);
  if (!city_selected()) {
    attention("You Must! Select a City");
    return;
  }
  if (!Get_Input() || !Test_Data()) return;
  (void)Calc_Loads();  // an invalid result does not stop the read-outs
  show_readouts(true);
}

void ProjectWindow::show_readouts(bool computed) {
  const model::CityRec* city = nullptr;
  if (city_selected()) {
    const auto id =
        static_cast<model::Int16>(form()[comboCity]->currentItem()->data(Qt::UserRole).toInt());
    if (model::find_catalogue_record(state_.model.data_files, state_.program_folder(),
                                     model::kCityFile, id, state_.model.CityRec))
      city = &state_.model.CityRec;
  }
  const loads::LoadReadouts shown = loads::load_readouts(
      computed ? &state_.analysis().loads() : nullptr, city, units(), state_.memos.kw);
  for (const auto& [label, text] : shown.labels) form().label(label)->setText(qs(text));
  scale_->set_fraction(shown.scale.value_or(0.0));
  if (computed && !shown.scale) attention("The Selected City Gives No Range of Correction Factors");
  show_sensible_mode();
}

void ProjectWindow::set_unit_captions() {
  const bool c = units().display_of(model::Quantity::Temperature) == model::Display::Metric;
  for (const char* name : {"fc1", "fc2", "fc3", "fc4", "fc5", "fc6", "fc7"})
    form().label(name)->setText(c ? QStringLiteral("C") : QStringLiteral("F"));
  struct Caption {
    const char* name;
    const char* f;
    const char* c;
  };
  static constexpr Caption kCaptions[] = {
      {"Label52", "Degree Days \r\n F", "Degree Days Deg C"},
      {"fcw1", "Deep Earth Temp F", "Deep Earth Deg C"},
      {"fcw2", "Surface  Swing   F", "Surface  Swing Deg C"},
      {"fcw3", "1% Clg  Design  F", "1% Clg  Design  C"},
      {"fcw4", "97.5% Htg Design \r\nF", "97.5% Htg Design \r\nDeg C"},
      {"ig1", "Base Electric Load per sq ft", "Base Electric Load per m2"},
      {"ig2", "Solar Gains per sq ft", "Solar Gains per m2"},
      {"ig3", "Occupancy Level per sq ft", "Occupancy Level per m2"},
  };
  for (const Caption& k : kCaptions)
    form().label(k.name)->setText(QString::fromUtf8(c ? k.c : k.f));
}

void ProjectWindow::Done_Click() {
  if (in_done_) return;
  in_done_ = true;
  const Checking checking(checking_);
  const auto done = [this](bool close) {
    in_done_ = false;
    if (!close) return;
    form()[SSTab1]->setCurrentWidget(form()[pgJob]);
    QDialog::done(QDialog::Accepted);  // hidden, kept loaded for the next showing
  };
  if (!city_selected()) {
    attention("You Must! Select a City");
    return done(false);
  }
  // A date beyond the years is refused here, not by Get_Input: a project opened with one still
  // shows its loads.
  if (!date_within_years()) {
    attention("Invalid Date...Please Try Again");
    return done(false);
  }
  if (!Get_Input() || !Test_Data()) return done(false);
  const bool valid = Calc_Loads();
  Min_Backup();
  done(valid);
}

void ProjectWindow::Command2_Click() { form()[SSTab1]->setCurrentWidget(form()[pgJob]); }
void ProjectWindow::Command3_Click() { form()[SSTab1]->setCurrentWidget(form()[pgLoad]); }
void ProjectWindow::Help_Click() { state_.help.Show_Help(); }

void ProjectWindow::txtPnote1_Change() {
  form()[lblRoom]->setText(QString::number(kNotesRoom - form()[txtPnote1]->text().size()));
}

void ProjectWindow::correction_Change() { GetCd(); }
void ProjectWindow::txtHload_LostFocus() {
  if (checking_ == 0) GetCd();
}

void ProjectWindow::temperature_LostFocus(platform::ControlEvent& event) {
  if (checking_ != 0) return;
  const model::UnitBinding& b = binding_of(event.control);
  QLineEdit* box = form()[TextBoxHandle(b.control)];
  const std::string left = model::left_text(b, text_of(box), units());
  if (left != text_of(box)) platform::set_text(box, qs(left));
}

void ProjectWindow::txtHdt_LostFocus() {
  if (checking_ != 0) return;
  platform::ControlEvent e{.control = txtHdt};
  temperature_LostFocus(e);
  GetCd();
}

void ProjectWindow::txtCload_LostFocus() {
  if (checking_ == 0) Convert_Sensible();
}

void ProjectWindow::Convert_Sensible() {
  const std::string cooling = text_of(form()[txtCload]);
  const model::Places load_places = model::places_of(binding_of(txtCload.ref), units());
  // A load whose text shows no number leaves the other box as it is, for Done to refuse.
  if (form()[chkSensible]->isChecked()) {
    if (const auto sensible =
            loads::sensible_from_ratio(cooling, text_of(form()[txtSensiblePercent]), load_places))
      platform::set_text(form()[txtSensible], qs(*sensible));
    return;
  }
  const auto r = loads::ratio_from_sensible(cooling, text_of(form()[txtSensible]), load_places);
  if (!r) return;
  if (r->cooling) platform::set_text(form()[txtCload], qs(*r->cooling));
  platform::set_text(form()[txtSensiblePercent], qs(r->ratio));
}

bool ProjectWindow::date_within_years() const {
  const QString text = form()[txtDate]->text();
  if (text.trimmed().isEmpty()) return true;
  const std::optional<int> d = loads::typed_date(text.toStdString(), date_form());
  return d && loads::in_date_window(*d);
}

void ProjectWindow::txtDate_LostFocus() {
  if (checking_ != 0) return;
  const Checking checking(checking_);
  QLineEdit* box = form()[txtDate];
  if (box->text().trimmed().isEmpty()) {
    platform::set_text(box, date_shown(sheet::today_serial()));
    return;
  }
  const std::optional<int> d = loads::typed_date(box->text().toStdString(), date_form());
  const bool refused = !date_within_years();
  if (refused) attention("Invalid Date...Please Try Again");
  if (d) platform::set_text(box, date_shown(*d));
  if (refused) form().return_to_refused(box);
}

void ProjectWindow::txtSensiblePercent_LostFocus() {
  if (checking_ != 0) return;
  const Checking checking(checking_);
  if (form()[chkSensible]->isChecked()) {
    const std::string text = text_of(form()[txtSensiblePercent]);
    model::ProjectRec probe{};
    probe.Loads_SensibleMode = 1;
    probe.Loads_SensibleRatio = model::Currency::from_double_saturated(loads::ratio_of(text));
    // A comma for the decimal point is named as such, not as a ratio out of range.
    std::vector<model::UnreadableBox> comma;
    if (const model::TypedNumber typed = model::read_typed(text, model::Places::Decimals);
        typed.comma != model::Comma::None)
      comma.push_back({txtSensiblePercent.ref, text, typed.comma});
    const loads::LoadCheckValues values(probe);
    if (auto refusal =
            model::first_refusal(kRatioBox, model::UnreadableBoxes(values, comma), units())) {
      refuse(*refusal);
      return;
    }
    Convert_Sensible();
  }
  form()[lblInfo2]->setText(QStringLiteral("Sensible to Total Cooling Ratio"));
}

}  // namespace pellavan::app
