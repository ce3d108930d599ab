#include "app/rates_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "app/rates_window_design.h"
#include "model/project/rate_file.h"
#include "model/text/ascii.h"
#include "model/text/cp1252.h"
#include "model/units/number_text.h"
#include "platform/disk_error.h"
#include "platform/file_dialogs.h"
#include "platform/interrupted_save_notice.h"
#include "platform/message_box.h"
#include "platform/text_area.h"
#include "platform/window_placement.h"
#include "platform/window_inputs.h"

namespace pellavan::app {

using namespace rates_window;
using platform::Event;
using platform::MessageIcon;

namespace {

using On = platform::On<RatesWindow>;
const On kHandlers[] = {
    {Command1, Event::Click, &RatesWindow::Command1_Click},
    {Command2, Event::Click, &RatesWindow::Command2_Click},
    {Command3, Event::Click, &RatesWindow::Command3_Click},
    {Command4, Event::Click, &RatesWindow::Command4_Click},
    {btnHelp, Event::Click, &RatesWindow::btnHelp_Click},
    {OptionCCFtoGJ, Event::Click, &RatesWindow::OptionCCFtoGJ_Click},
    {OptionCCFtoM3, Event::Click, &RatesWindow::OptionCCFtoM3_Click},
};

const QString kRateFilter = QStringLiteral("Icons(*.rat)|*.rat");
const QString kNoRateFile = QStringLiteral("No Rate File Saved");

QString qs(const std::string& s) { return QString::fromStdString(s); }

// The box of kRateTexts[i]: a provider box, or last the description.
void put_text(const platform::DesignedForm& form, std::size_t i, const QString& text) {
  if (i < std::size(kTextBoxes))
    platform::set_text(form[kTextBoxes[i]], text);
  else
    platform::set_text(form[txtGeneralDesc], text);
}
QString text_in(const platform::DesignedForm& form, std::size_t i) {
  return i < std::size(kTextBoxes) ? form[kTextBoxes[i]]->text() : form[txtGeneralDesc]->text();
}

void warn(QWidget* parent, const char* text, const char* title, MessageIcon icon) {
  platform::message_box(parent, {QString::fromUtf8(text), QString::fromUtf8(title), icon});
}

// The up to three characters after the title's last "." read "RAT".
bool rat_extension(const QString& title) {
  const auto dot = title.lastIndexOf(u'.');
  return dot >= 0 && title.mid(dot + 1, 3).compare(QStringLiteral("RAT"), Qt::CaseInsensitive) == 0;
}

}  // namespace

const platform::WindowDesign& rates_window_design() { return kDesign; }

RatesWindow::RatesWindow(program_state::AppState& state, QWidget* parent)
    : DesignedDialog(kDesign, parent), state_(state) {
  setAttribute(Qt::WA_DeleteOnClose);
  wire<RatesWindow>(kHandlers);
  for (const TextBoxHandle box : kRateBoxes)
    form().listen(box, Event::Change, [this](platform::ControlEvent&) { text_Change(); });
  for (const TextBoxHandle box : kTextBoxes)
    form().listen(box, Event::Change, [this](platform::ControlEvent&) { text_Change(); });
  form().listen(txtGeneralDesc, Event::Change, [this](platform::ControlEvent&) { text_Change(); });
  form().listen(txtcCurrID, Event::Change, [this](platform::ControlEvent&) { text_Change(); });
  Form_Load();
}

void RatesWindow::Form_Load() { platform::Center_Form(this); }

model::UnitOptions RatesWindow::units() const {
  return model::UnitOptions::of(state_.model.MetricFlag);
}

void RatesWindow::text_Change() { rates_changed_ = 1; }

void RatesWindow::show_rates(const model::ProjectRec& rec) {
  const model::UnitOptions u = units();
  for (const model::UnitBinding& b : kUnits)
    platform::set_text(form()[TextBoxHandle(b.control)],
                       qs(model::show_value(b, rec, u, state_.memos)));
}

void RatesWindow::set_unit_labels() {
  const model::UnitOptions u = units();
  const QString gas = !u.metric      ? QStringLiteral("Per Ccf")
                      : u.gas_per_gj ? QStringLiteral("Per GJ")
                                     : QStringLiteral("Per m3");
  for (const LabelHandle l : kGasLabels) form()[l]->setText(gas);
  for (const LabelHandle l : kLiquidLabels)
    form()[l]->setText(u.metric ? QStringLiteral("Per Litre") : QStringLiteral("Per Gallon"));
}

void RatesWindow::Form_Activate() {
  apply_size(state_.LargeLayout != 0);
  platform::Center_Form(this);
  const model::ProjectRec& p = state_.model.ProjectRec;
  const bool metric = units().metric;
  if (!metric) state_.model.MetricFlag(model::kGasPerGj) = 0;
  {
    const QSignalBlocker gj(form()[OptionCCFtoGJ]);
    const QSignalBlocker m3(form()[OptionCCFtoM3]);
    (units().gas_per_gj ? form()[OptionCCFtoGJ] : form()[OptionCCFtoM3])->setChecked(true);
  }
  show_rates(p);
  for (const char* name :
       {"OptionCCFtoGJ", "OptionCCFtoM3", "FrameGasUOM", "LabelCurrIdent", "txtcCurrID"})
    form().control(name)->setVisible(metric);
  for (std::size_t i = 0; i < std::size(loads::kRateTexts); ++i)
    put_text(form(), i, qs(model::shown_text(loads::kRateTexts[i].project.get(p))));
  platform::set_text(form()[txtcCurrID],
                     qs(model::shown_text(model::utf8_from_cp1252(p.Rates_CurrencyId.str()))));
  state_.model.CurrencyLabel = p.Rates_CurrencyId.trimmed();
  form()[lblUtFile]->setText(
      qs(model::shown_text(model::utf8_from_cp1252(p.Rates_FileName.str()))));
  set_unit_labels();
  rates_changed_ = 0;
  setWindowTitle(QString::fromUtf8(kDesign.caption));
  form()[txtUtElec]->setFocus();
}

void RatesWindow::set_gas_unit(bool per_gj) {
  if (units().gas_per_gj == per_gj) return;
  state_.model.MetricFlag(model::kGasPerGj) = per_gj ? -1 : 0;
  // The gas boxes show the project's stored prices in the new unit; typed ones are dropped.
  const model::UnitOptions u = units();
  for (int i : {6, 7})
    platform::set_text(form()[kRateBoxes[i]],
                       qs(model::show_value(kUnits[static_cast<std::size_t>(i)],
                                            state_.model.ProjectRec, u, state_.memos)));
  set_unit_labels();
}

void RatesWindow::OptionCCFtoGJ_Click() { set_gas_unit(true); }
void RatesWindow::OptionCCFtoM3_Click() { set_gas_unit(false); }

void RatesWindow::Get_Rates(model::ProjectRec& rec) {
  const model::UnitOptions u = units();
  unreadable_.clear();
  for (const model::UnitBinding& b : kUnits)
    if (auto unread = model::store_value(b, form()[TextBoxHandle(b.control)]->text().toStdString(),
                                         rec, u, state_.memos))
      unreadable_.push_back(std::move(*unread));
  if (u.metric) rec.Rates_GasPerGJ = form()[OptionCCFtoGJ]->isChecked() ? "1" : "";
  for (std::size_t i = 0; i < std::size(loads::kRateTexts); ++i)
    loads::kRateTexts[i].project.set(rec, text_in(form(), i).trimmed().toStdString());
  model::assign_utf8(rec.Rates_FileName, form()[lblUtFile]->text().trimmed().toStdString());
  model::assign_utf8(rec.Rates_CurrencyId, form()[txtcCurrID]->text().trimmed().toStdString());
  if (u.metric)
    state_.model.MetricFlag(model::kGasPerGj) = form()[OptionCCFtoGJ]->isChecked() ? -1 : 0;
  state_.model.CurrencyLabel = rec.Rates_CurrencyId.trimmed();
}

bool RatesWindow::Test_Data(const model::ProjectRec& rates) {
  const loads::RateCheckValues stored(rates);
  return platform::passes(this, form(), kChecks, model::UnreadableBoxes(stored, unreadable_),
                          state_.model.MetricFlag);
}

bool RatesWindow::currency_missing() {
  if (!units().metric || !form()[txtcCurrID]->text().trimmed().isEmpty()) return false;
  warn(this, "A Currency Indentifier is Required in Metric Mode", "Empty Field Alert",
       MessageIcon::Exclamation);
  form()[txtcCurrID]->setFocus();
  return true;
}

bool RatesWindow::Save_It() {
  model::ProjectRec rates = state_.model.ProjectRec;
  Get_Rates(rates);
  // A box that shows no number is refused, never saved as something else.
  if (!unreadable_.empty()) {
    (void)Test_Data(rates);
    return false;
  }
  model::RatesRec& file = state_.RatesRec;
  loads::rates_to_file(rates, units(), file);
  platform::FileDialogRequest request;
  request.mode = platform::FileDialogRequest::Mode::kSave;
  request.filter = kRateFilter;
  request.file_name = QStringLiteral("Utility.rat");
  request.default_suffix = QStringLiteral("rat");
  std::optional<QString> chosen;
  for (;;) {
    chosen = platform::run_file_dialog(this, request);
    if (!chosen) return false;
    if (rat_extension(platform::file_title_of(*chosen))) break;
    warn(this, "File Extension Must be 'RAT' -- File Extension will Default to 'RAT' if Left Blank",
         "Notice", MessageIcon::Critical);
  }
  const QString title = platform::file_title_of(*chosen);
  form()[lblUtFile]->setText(title);
  for (;;) {
    const model::WriteFailure failure = model::write_rate_file(chosen->toStdString(), file);
    if (!failure) break;
    if (!platform::Disk_Error(this, failure)) return false;
  }
  rates_changed_ = 0;
  return true;
}

void RatesWindow::Command1_Click() {
  platform::FileDialogRequest request;
  request.filter = kRateFilter;
  const std::optional<QString> chosen = platform::run_file_dialog(this, request);
  if (!chosen) return;
  const model::RateRead read = model::read_rate_file(chosen->toStdString());
  if (!platform::tell_interrupted_save(this, chosen->toStdString(), read.interrupted)) return;
  switch (read.status) {
    case model::RateReadStatus::kOk: break;
    case model::RateReadStatus::kUnreadable: return;
    case model::RateReadStatus::kNewer:
      return warn(this,
                  "This File Was Created With a Newer Version of Pellavan--You Must Update to the "
                  "Current Revision to Open",
                  "Warning!", MessageIcon::Critical);
    case model::RateReadStatus::kDamaged:
      return warn(this, "This File is Either Damaged or the Wrong Type...It Cannot Be Opened",
                  "Warning!", MessageIcon::Critical);
  }
  state_.RatesRec = read.record;
  const bool metric_file = model::Val(read.record.MetricFile.str()) == 1;
  if (metric_file && !units().metric) {
    platform::message_box(
        this, QStringLiteral(
                  "The file being opened is a metric rate file - switch to metric mode to open "));
    return;
  }
  if (!metric_file && units().metric)
    platform::message_box(
        this,
        QStringLiteral(
            "The file being opened was not saved in metric mode - the rates may be incorrect "));
  form()[lblUtFile]->setText(platform::file_title_of(*chosen));
  model::ProjectRec rates = state_.model.ProjectRec;
  loads::rates_from_file(read.record, rates);
  show_rates(rates);
  for (std::size_t i = 0; i < kUnits.size(); ++i) {  // from a file the inflation rates read "0.##0"
    if (!loads::kRateFields[i].inflation) continue;
    const double stored = kUnits[i].field.get(rates);
    std::string text = model::format_fixed(stored, 3, true);
    platform::set_text(form()[rates_window::kRateBoxes[i]], qs(text));
    state_.memos.remember_shown(kUnits[i].slot, std::move(text), stored);
  }
  for (std::size_t i = 0; i < std::size(loads::kRateTexts); ++i)
    put_text(form(), i, qs(model::shown_text(loads::kRateTexts[i].project.get(rates))));
  platform::set_text(form()[txtcCurrID],
                     qs(model::shown_text(model::utf8_from_cp1252(rates.Rates_CurrencyId.str()))));
  state_.model.CurrencyLabel = rates.Rates_CurrencyId.trimmed();
  rates_changed_ = 0;
  // A rate the file holds out of range is told at once, its box given the cursor, as Done would.
  (void)Test_Data(rates);
}

void RatesWindow::Command2_Click() {
  if (!currency_missing()) (void)Save_It();
}

void RatesWindow::Command3_Click() {
  if (currency_missing()) return;
  // Checked before anything is stored, so a refused value never reaches the project.
  model::ProjectRec rates = state_.model.ProjectRec;
  Get_Rates(rates);
  if (!Test_Data(rates)) return;
  model::ProjectRec& p = state_.model.ProjectRec;
  p = rates;
  if (rates_changed_ == 1) {
    const auto answer = platform::message_box(
        this,
        {QStringLiteral(
             "Changes Have Been Made to the Project - Do You Wish to Save Your Rate File?"),
         QStringLiteral("Save Rate File"), MessageIcon::Question, platform::MessageButtons::YesNo});
    if (answer == platform::MessageResult::Yes) {
      if (Save_It()) model::assign_utf8(p.Rates_FileName, form()[lblUtFile]->text().toStdString());
    } else {
      form()[lblUtFile]->setText(kNoRateFile);
      form()[txtGeneralDesc]->clear();
      p.Rates_FileName = "";
      p.Rates_Description = "";
      Get_Rates(p);
    }
  }
  unload(QDialog::Accepted);
}

void RatesWindow::Command4_Click() { unload(QDialog::Rejected); }
void RatesWindow::btnHelp_Click() { state_.help.Show_Help(); }

}  // namespace pellavan::app
