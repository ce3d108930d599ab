// The main window's comparison rows: the widgets show model::ComparisonColumns and forward
// the user's choices to it.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "app/main_window.h"
#include "app/main_window_design.h"

namespace pellavan::app {

using model::SystemType;
using namespace main_window;

namespace {

struct OptionColumn {
  SystemType kind;
  const platform::OptionArray<3>& options;
};
constexpr OptionColumn kOptions[] = {
    {SystemType::GeoT, opGeoT}, {SystemType::GeoA, opGeoA},     {SystemType::GeoB, opGeoB},
    {SystemType::Elec, opElec}, {SystemType::Fossil, opFossil}, {SystemType::NoSystem, opNone}};

}  // namespace

void MainWindow::choose(int row, SystemType kind) {
  if (syncing_rows_) return;
  rows_.select(row, kind, state_.model.ProjectRec);
  sync_rows();
}

void MainWindow::opGeoT_Click(int row) { choose(row, SystemType::GeoT); }
void MainWindow::opGeoA_Click(int row) { choose(row, SystemType::GeoA); }
void MainWindow::opGeoB_Click(int row) { choose(row, SystemType::GeoB); }
void MainWindow::opElec_Click(int row) { choose(row, SystemType::Elec); }
void MainWindow::opFossil_Click(int row) { choose(row, SystemType::Fossil); }
void MainWindow::opNone_Click(int row) { choose(row, SystemType::NoSystem); }

void MainWindow::chkSave_Click(int row) {
  if (syncing_rows_) return;
  rows_.set_frozen(row, form()[chkSave[row]]->isChecked(), state_.model.ProjectRec);
  sync_rows();
}

void MainWindow::txtSelect_Change(int row) {
  if (!syncing_rows_) rows_.set_description(row, form()[txtSelect[row]]->text().toStdString());
}

void MainWindow::txtSelect_GotFocus(int row) { Show_Unit(row); }

void MainWindow::txtSelect_LostFocus() { clear_preview_line(); }

void MainWindow::sync_rows() {
  syncing_rows_ = true;
  for (int row = 1; row <= model::ComparisonColumns::kRows; ++row) {
    const auto& r = rows_.row(row);
    for (const OptionColumn& column : kOptions)
      if (column.kind == r.selected) form()[column.options[row]]->setChecked(true);
    form()[chkSave[row]]->setChecked(r.frozen);
    QString text = QString::fromStdString(r.description);
    text.remove(QChar(u'\0'));
    QLineEdit* box = form()[txtSelect[row]];
    if (box->text() != text) platform::set_text(box, text);
  }
  form()[lblSystem]->setText(QString::fromStdString(rows_.preview()));
  syncing_rows_ = false;
  Check_Button();
}

void MainWindow::Show_Unit(int row) {
  rows_.Show_Unit(row, state_.model.ProjectRec);
  sync_rows();
}

void MainWindow::Store_Selections() { rows_.Store_Selections(state_.model.ProjectRec); }

void MainWindow::load_rows(bool trim_descriptions) {
  rows_.load(state_.model.ProjectRec, trim_descriptions);
  if (trim_descriptions) rows_.clear_preview();
  sync_rows();
}

void MainWindow::Check_Button() { update_commands(); }

void MainWindow::rebuild_descriptions() {
  rows_.rebuild_descriptions(state_.model.ProjectRec);
  sync_rows();
}

// The window background and the "System Types" frame rebuild all three descriptions first.
void MainWindow::Form_MouseMove() { rebuild_descriptions(); }

void MainWindow::clear_preview_line() {
  rows_.clear_preview();
  form()[lblSystem]->clear();
}

}  // namespace pellavan::app
