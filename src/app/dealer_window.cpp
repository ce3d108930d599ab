#include "app/dealer_window.h"

#include <QLineEdit>
#include <QRadioButton>

#include "app/dealer_window_design.h"
#include "model/catalogue/data_file_access.h"
#include "model/project/dealer_file.h"
#include "platform/interrupted_save_notice.h"
#include "platform/message_box.h"
#include "platform/picture_box.h"
#include "platform/window_placement.h"

namespace pellavan::app {

using namespace dealer_window;
using platform::Event;

namespace {

using On = platform::On<DealerWindow>;
const On kHandlers[] = {
    {btnSave, Event::Click, &DealerWindow::btnSave_Click},
    {btnCancel, Event::Click, &DealerWindow::btnCancel_Click},
    {btnClear, Event::Click, &DealerWindow::btnClear_Click},
    {cndUpLoad, Event::Click, &DealerWindow::cndUpLoad_Click},
    {OptionMyes, Event::Click, &DealerWindow::OptionMyes_Click},
    {OptionMno, Event::Click, &DealerWindow::OptionMno_Click},
    // The gas pair has no effect until Save.
    {OptionFY, Event::Click, &DealerWindow::unit_option_Click},
    {OptionFN, Event::Click, &DealerWindow::unit_option_Click},
    {OptionBtuY, Event::Click, &DealerWindow::unit_option_Click},
    {OptionBtuN, Event::Click, &DealerWindow::unit_option_Click},
    {OptionFtY, Event::Click, &DealerWindow::unit_option_Click},
    {OptionFtN, Event::Click, &DealerWindow::unit_option_Click},
};

// A box's text as its field takes it.
QString typed(const platform::DesignedForm& form, const DealerBox& b) {
  const QString text = form[b.box]->text();
  return b.trimmed ? text.trimmed() : text;
}

// The settings file's error, with the cause of a failed save under it.
void report_file_error(QWidget* parent, program_state::AppState& state,
                       const model::WriteFailure& failure = {}) {
  std::string text = model::dealer_file_path(state.program_folder()).string() +
                     std::string(model::kFileErrorMessage);
  if (failure) text += "\n\n" + model::failure_words(failure);
  platform::message_box(parent, QString::fromStdString(text));
}

}  // namespace

const platform::WindowDesign& dealer_window_design() { return kDesign; }

DealerWindow::DealerWindow(program_state::AppState& state, QWidget* parent)
    : DesignedDialog(kDesign, parent), state_(state) {
  wire<DealerWindow>(kHandlers);
  Form_Load();
}

void DealerWindow::Form_Load() {
  platform::Set_TopMost(this, true);
  platform::Center_Form(this);
  model::InterruptedSave interrupted;
  const auto status = model::read_dealer_file(state_.program_folder(), state_.DealerRec,
                                              model::HideInactiveOnReset::kClear, &interrupted);
  if (!platform::tell_interrupted_save(this, model::dealer_file_path(state_.program_folder()),
                                       interrupted))
    return;  // told why the file cannot be read
  if (status == model::DealerReadStatus::kReset)
    platform::message_box(this,
                          QStringLiteral("Dealer File Corrupt or Wrong Version...Resetting File"));
  else if (status == model::DealerReadStatus::kUnreadable)
    report_file_error(this, state_);
}

void DealerWindow::select(platform::OptionHandle option) { form()[option]->setChecked(true); }

void DealerWindow::Form_Activate() {
  platform::Center_Form(this);
  form()[Logo]->load_picture(state_.data_path(program_state::kLogoPictureFile));
  model::DealerRec& d = state_.DealerRec;
  for (const DealerBox& b : kBoxes) {
    const std::string field(model::trim_blanks(b.setting.get(d)));
    b.setting.set(d, field);
    platform::set_text(form()[b.box], QString::fromStdString(field).remove(QChar(u'\0')));
  }
  for (const UnitOption& o : kUnitOptions) {
    model::Text<1>& field = d.*o.field;
    if (field.bytes()[0] == '\0') field = "0";
    select(field.str() == "1" ? o.yes : o.no);
  }
  if (d.HideInactive == 0)
    select(OptionYes);
  else if (d.HideInactive == 1)
    select(OptionNo);
}

void DealerWindow::enable_unit_options(bool on) {
  for (const UnitOption& o : kUnitOptions) {
    if (o.flag == model::kMetricDisplay) continue;
    form()[o.yes]->setEnabled(on);
    form()[o.no]->setEnabled(on);
  }
}

void DealerWindow::unit_option_Click(platform::ControlEvent& event) {
  for (const UnitOption& o : kUnitOptions)
    if (event.control == o.yes.ref || event.control == o.no.ref)
      state_.model.MetricFlag(o.flag) = event.control == o.yes.ref ? -1 : 0;
}

void DealerWindow::OptionMno_Click() {
  state_.model.MetricFlag(model::kMetricDisplay) = 0;
  state_.model.MetricFlag(model::kKeepFahrenheit) = -1;
  state_.model.MetricFlag(model::kKeepBtuh) = -1;
  select(OptionFY);
  select(OptionBtuY);
  select(OptionFtY);
  enable_unit_options(false);
}

void DealerWindow::OptionMyes_Click() {
  state_.model.MetricFlag(model::kMetricDisplay) = -1;
  state_.model.MetricFlag(model::kKeepFahrenheit) = 0;
  state_.model.MetricFlag(model::kKeepBtuh) = 0;
  select(OptionFN);
  select(OptionBtuN);
  select(OptionFtN);
  enable_unit_options(true);
}

void DealerWindow::btnSave_Click() {
  model::DealerRec& d = state_.DealerRec;
  for (const DealerBox& b : kBoxes) b.setting.set(d, typed(form(), b).toStdString());
  d.HideInactive = form()[OptionNo]->isChecked() ? 1 : 0;
  for (const UnitOption& o : kUnitOptions) {
    const bool yes = form()[o.yes]->isChecked();
    d.*o.field = yes ? "1" : "0";
    state_.model.MetricFlag(o.flag) = yes ? -1 : 0;
  }
  if (const auto failure = model::write_dealer_file(state_.program_folder(), d)) {
    report_file_error(this, state_, failure);  // nothing written; the window stays open
    return;
  }
  // Windows whose lists or workbook depend on the settings are built afresh at their next use.
  for (program_state::WindowId id :
       {program_state::WindowId::GeoA, program_state::WindowId::GeoB, program_state::WindowId::GeoT,
        program_state::WindowId::Reports, program_state::WindowId::BinViewer})
    state_.windows.unload(id);
  unload(QDialog::Accepted);
}

void DealerWindow::cndUpLoad_Click() {
  model::ProjectRec& p = state_.model.ProjectRec;
  for (const DealerBox& b : kBoxes) b.project.set(p, typed(form(), b).toStdString());
  unload(QDialog::Accepted);
}

void DealerWindow::btnClear_Click() {
  for (const DealerBox& b : kBoxes) form()[b.box]->clear();
}

void DealerWindow::btnCancel_Click() { unload(QDialog::Rejected); }

}  // namespace pellavan::app
