// The main window's comparison rows: the widgets show model::ComparisonColumns and forward
// the user's choices to it.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <array>

#include "app/main_window.h"

namespace pellavan::app {
namespace {

using model::SystemType;

struct OptionName {
  SystemType kind;
  const char* stem;
};
constexpr std::array<OptionName, 6> kOptions = {{{SystemType::GeoT, "opGeoT"},
                                                 {SystemType::GeoA, "opGeoA"},
                                                 {SystemType::GeoB, "opGeoB"},
                                                 {SystemType::Elec, "opElec"},
                                                 {SystemType::Fossil, "opFossil"},
                                                 {SystemType::NoSystem, "opNone"}}};

std::string numbered(const char* stem, int row) { return stem + std::to_string(row); }

// txtSelect2 -> 2; 0 for any other name.
int row_of(const QString& name, const char* stem) {
  const QString prefix = QString::fromLatin1(stem);
  if (!name.startsWith(prefix) || name.size() != prefix.size() + 1) return 0;
  const int row = name.back().digitValue();
  return row >= 1 && row <= model::ComparisonColumns::kRows ? row : 0;
}

void set_box_colour(QLineEdit* box, Qt::GlobalColor colour) {
  QPalette palette = box->palette();
  palette.setColor(QPalette::Base, colour);
  box->setPalette(palette);
}

}  // namespace

void MainWindow::connect_rows() {
  for (int row = 1; row <= model::ComparisonColumns::kRows; ++row) {
    for (const OptionName& option : kOptions)
      connect(form_->option(numbered(option.stem, row)), &QRadioButton::toggled, this,
              [this, row, kind = option.kind](bool checked) {
                if (!checked || syncing_rows_) return;
                rows_.select(row, kind, state_.model.ProjectRec);
                sync_rows();
              });
    connect(form_->check_box(numbered("chkSave", row)), &QCheckBox::toggled, this,
            [this, row](bool frozen) {
              if (syncing_rows_) return;
              rows_.set_frozen(row, frozen, state_.model.ProjectRec);
              sync_rows();
            });
    connect(form_->text_box(numbered("txtSelect", row)), &QLineEdit::textEdited, this,
            [this, row](const QString& text) { rows_.set_description(row, text.toStdString()); });
  }
}

void MainWindow::sync_rows() {
  syncing_rows_ = true;
  for (int row = 1; row <= model::ComparisonColumns::kRows; ++row) {
    const auto& r = rows_.row(row);
    for (const OptionName& option : kOptions)
      if (option.kind == r.selected) form_->option(numbered(option.stem, row))->setChecked(true);
    form_->check_box(numbered("chkSave", row))->setChecked(r.frozen);
    QString text = QString::fromStdString(r.description);
    text.remove(QChar(u'\0'));
    QLineEdit* box = form_->text_box(numbered("txtSelect", row));
    if (box->text() != text) box->setText(text);
  }
  form_->label("lblSystem")->setText(QString::fromStdString(rows_.preview()));
  syncing_rows_ = false;
  Check_Button();
}

void MainWindow::Show_Unit(int row) {
  rows_.Show_Unit(row, state_.model.ProjectRec);
  sync_rows();
}

void MainWindow::Store_Selections() {
  state_.model.data_files.RecNo = 1;
  rows_.Store_Selections(state_.model.ProjectRec);
}

void MainWindow::load_rows(bool trim_descriptions) {
  rows_.load(state_.model.ProjectRec, trim_descriptions);
  if (trim_descriptions) rows_.clear_preview();
  sync_rows();
}

void MainWindow::Check_Button() { update_commands(); }

void MainWindow::on_hovered(const QString& name) {
  if (name == QLatin1String("Form1") || name == QLatin1String("FrmSystems")) {
    for (int row = 1; row <= model::ComparisonColumns::kRows; ++row)
      rows_.Show_Unit(row, state_.model.ProjectRec);
    rows_.clear_preview();
    sync_rows();
  } else if (const int row = row_of(name, "txtSelect")) {
    Show_Unit(row);
  } else if (name.startsWith(QLatin1String("btn")) || name == QLatin1String("cmdEcon") ||
             name == QLatin1String("frmNotes") || name == QLatin1String("frmOptions")) {
    // The buttons with a help line of their own, and the two frames, empty the preview line;
    // Help, Exit and "Pellavan T" leave it.
    if (name != QLatin1String("btnHelp") && name != QLatin1String("btnExit") &&
        name != QLatin1String("btnGeoT")) {
      rows_.clear_preview();
      form_->label("lblSystem")->clear();
    }
  }
}

void MainWindow::on_focused(const QString& name) {
  if (const int row = row_of(name, "txtSelect")) {
    set_box_colour(form_->text_box(name.toStdString()), Qt::cyan);
    Show_Unit(row);
  } else if (name == QLatin1String("btnProject")) {
    rows_.clear_preview();
    form_->label("lblSystem")->clear();
  }
}

void MainWindow::on_focus_left(const QString& name) {
  if (row_of(name, "txtSelect") == 0) return;
  set_box_colour(form_->text_box(name.toStdString()), Qt::white);
  rows_.clear_preview();
  form_->label("lblSystem")->clear();
}

}  // namespace pellavan::app
