#include "app/dealer_window.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <array>

#include "model/catalogue/data_file_access.h"
#include "model/project/dealer_file.h"
#include "model/text/cp1252.h"
#include "platform/message_box.h"
#include "platform/picture_box.h"
#include "platform/window_placement.h"

namespace pellavan::app {
namespace {

// The five unit options: their record field, their pair and the flag a click sets (-1: none).
struct UnitOption {
  model::Text<1> model::DealerRec::*field;
  const char* yes;
  const char* no;
  int flag;
};
constexpr std::array<UnitOption, 5> kUnitOptions = {{
    {&model::DealerRec::MetricMode, "OptionMyes", "OptionMno", 0},
    {&model::DealerRec::UseDegF, "OptionFY", "OptionFN", 1},
    {&model::DealerRec::UseBtuh, "OptionBtuY", "OptionBtuN", 2},
    {&model::DealerRec::UseFeet, "OptionFtY", "OptionFtN", 3},
    {&model::DealerRec::GasGJ, "OptionCCFtoGJ", "OptionCCFtoM3", 4},
}};

// The ten text boxes in the order of the record's fields.
constexpr std::array<const char*, 10> kBoxes = {"txtDname",   "txtDadd",   "txtDcity", "txtDstate",
                                                "txtDzip",    "txtDphone", "txtDfax",  "txtDcphone",
                                                "txtDemail",  "txtDcontact"};

QString shown(const std::string& bytes) {
  QString text = QString::fromStdString(model::utf8_from_cp1252(bytes));
  return text.remove(QChar(u'\0'));
}

// Applies f(field, box) to each text field of a dealer record with its box name.
template <class Rec, class F>
void for_each_text(Rec& r, F&& f) {
  f(r.Name, kBoxes[0]);
  f(r.Address, kBoxes[1]);
  f(r.City, kBoxes[2]);
  f(r.State, kBoxes[3]);
  f(r.Zip, kBoxes[4]);
  f(r.Phone, kBoxes[5]);
  f(r.Fax, kBoxes[6]);
  f(r.CellPhone, kBoxes[7]);
  f(r.Email, kBoxes[8]);
  f(r.Contact, kBoxes[9]);
}

bool kept_as_typed(const char* box) {
  return box != kBoxes[7] && box != kBoxes[8] && box != kBoxes[9];  // cell, e-mail, contact trimmed
}

// A box's text into a record field: name to fax as typed, cell phone, e-mail and contact
// trimmed; cut or padded to the field.
template <std::size_t N>
void take_box(model::Text<N>& field, const platform::DesignedForm& form, const char* box) {
  const QString typed = form.text_box(box)->text();
  model::assign_utf8(field, (kept_as_typed(box) ? typed : typed.trimmed()).toStdString());
}

void report_file_error(QWidget* parent, AppState& state) {
  platform::message_box(parent, QString::fromStdString(
                                    model::dealer_file_path(state.program_folder()).string() +
                                    std::string(model::kFileErrorMessage)));
}

}  // namespace

DealerWindow::DealerWindow(AppState& state, QWidget* parent)
    : DesignedDialog(dealer_window_design(), parent), state_(state) {
  for (const char* button : {"btnSave", "btnCancel", "btnClear", "cndUpLoad"})
    form().button(button)->setAutoDefault(false);
  connect(form().button("btnSave"), &QPushButton::clicked, this, &DealerWindow::btnSave_Click);
  connect(form().button("btnCancel"), &QPushButton::clicked, this, &DealerWindow::btnCancel_Click);
  connect(form().button("btnClear"), &QPushButton::clicked, this, &DealerWindow::btnClear_Click);
  connect(form().button("cndUpLoad"), &QPushButton::clicked, this, &DealerWindow::cndUpLoad_Click);
  connect_options();
  Form_Load();
}

void DealerWindow::connect_options() {
  connect(form().option("OptionMyes"), &QRadioButton::toggled, this, [this](bool on) {
    if (on) OptionMyes_Click();
  });
  connect(form().option("OptionMno"), &QRadioButton::toggled, this, [this](bool on) {
    if (on) OptionMno_Click();
  });
  for (const UnitOption& o : kUnitOptions) {
    if (o.flag < 1 || o.flag > 3) continue;  // metric has its own handlers; gas waits for Save
    connect(form().option(o.yes), &QRadioButton::toggled, this, [this, o](bool on) {
      if (on) state_.model.MetricFlag(o.flag) = -1;
    });
    connect(form().option(o.no), &QRadioButton::toggled, this, [this, o](bool on) {
      if (on) state_.model.MetricFlag(o.flag) = 0;
    });
  }
}

void DealerWindow::Form_Load() {
  platform::Set_TopMost(this, -1);
  platform::Center_Form(this);
  const auto status = model::read_dealer_file(state_.program_folder(), state_.DealerRec,
                                              model::HideInactiveOnReset::kClear);
  if (status == model::DealerReadStatus::kReset)
    platform::message_box(this,
                          QStringLiteral("Dealer File Corrupt or Wrong Version...Resetting File"));
  else if (status == model::DealerReadStatus::kUnreadable)
    report_file_error(this, state_);
}

void DealerWindow::showEvent(QShowEvent* event) {
  DesignedDialog::showEvent(event);
  if (!event->spontaneous()) Form_Activate();
}

void DealerWindow::select(const char* option) { form().option(option)->setChecked(true); }

void DealerWindow::Form_Activate() {
  state_.model.data_files.RecNo = 1;
  platform::Center_Form(this);
  form().picture("Logo")->load_picture(state_.data_path(kLogoPictureFile));
  model::DealerRec& d = state_.DealerRec;
  for_each_text(d, [this](auto& field, const char* box) {
    field = field.trimmed();
    form().text_box(box)->setText(shown(field.trimmed()));
  });
  for (const UnitOption& o : kUnitOptions) {
    model::Text<1>& field = d.*o.field;
    if (field.bytes()[0] == '\0') field = "0";
    select(field.str() == "1" ? o.yes : o.no);
  }
  if (d.HideInactive == 0) select("OptionYes");
  else if (d.HideInactive == 1) select("OptionNo");
}

void DealerWindow::enable_unit_options(bool on) {
  for (const UnitOption& o : kUnitOptions) {
    if (o.flag == 0) continue;
    form().option(o.yes)->setEnabled(on);
    form().option(o.no)->setEnabled(on);
  }
}

void DealerWindow::OptionMno_Click() {
  state_.model.MetricFlag(0) = 0;
  state_.model.MetricFlag(1) = -1;
  state_.model.MetricFlag(2) = -1;
  select("OptionFY");
  select("OptionBtuY");
  select("OptionFtY");
  enable_unit_options(false);
}

void DealerWindow::OptionMyes_Click() {
  state_.model.MetricFlag(0) = -1;
  state_.model.MetricFlag(1) = 0;
  state_.model.MetricFlag(2) = 0;
  select("OptionFN");
  select("OptionBtuN");
  select("OptionFtN");
  enable_unit_options(true);
}

void DealerWindow::btnSave_Click() {
  state_.model.data_files.RecNo = 1;
  model::DealerRec& d = state_.DealerRec;
  for_each_text(d, [this](auto& field, const char* box) { take_box(field, form(), box); });
  d.HideInactive = form().option("OptionNo")->isChecked() ? 1 : 0;
  for (const UnitOption& o : kUnitOptions) {
    const bool yes = form().option(o.yes)->isChecked();
    d.*o.field = yes ? "1" : "0";
    state_.model.MetricFlag(o.flag) = yes ? -1 : 0;
  }
  if (model::write_dealer_file(state_.program_folder(), d)) {
    report_file_error(this, state_);  // nothing written; the window stays open
    return;
  }
  // Windows whose lists or workbook depend on the settings are built afresh at their next use.
  for (WindowId id : {WindowId::GeoA, WindowId::GeoB, WindowId::GeoT, WindowId::Reports,
                      WindowId::BinViewer})
    state_.windows.unload(id);
  accept();
}

void DealerWindow::cndUpLoad_Click() {
  model::ProjectRec& p = state_.model.ProjectRec;
  const auto put = [this](auto& field, const char* box) { take_box(field, form(), box); };
  put(p.Dealer_Name, kBoxes[0]);
  put(p.Dealer_Address, kBoxes[1]);
  put(p.Dealer_City, kBoxes[2]);
  put(p.Dealer_State, kBoxes[3]);
  put(p.Dealer_Zip, kBoxes[4]);
  put(p.Dealer_Phone, kBoxes[5]);
  put(p.Dealer_Fax, kBoxes[6]);
  put(p.Dealer_CellPhone, kBoxes[7]);
  put(p.Dealer_Email, kBoxes[8]);
  put(p.Dealer_Contact, kBoxes[9]);
  accept();
}

void DealerWindow::btnClear_Click() {
  for (const char* box : kBoxes) form().text_box(box)->clear();
}

void DealerWindow::btnCancel_Click() { reject(); }

}  // namespace pellavan::app
