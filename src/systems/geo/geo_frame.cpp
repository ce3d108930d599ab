// The geothermal frame: picture loaders, the result view and its lock, zoom, centring, help.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QScrollBar>

#include "platform/catalogue_lists.h"
#include "platform/designed_form.h"
#include "platform/window_placement.h"
#include "reports/set_criteria.h"
#include "sheet/view/spreadsheet_control.h"
#include "systems/geo/geo_picture_panel.h"
#include "systems/geo/geo_window.h"

namespace pellavan::geo {

namespace {
constexpr QRgb kGrey = 0xff808080;
constexpr QRgb kWhite = 0xffffffff;
}  // namespace

QString GeoWindow::data_file(const QString& name) const {
  return state_.data_path(name.trimmed().toStdString());
}

bool GeoWindow::load_picture(const QString& file, QRgb background, bool framed, bool keep_frame,
                             const ComboHandle* described) {
  panel_->set_background(background);
  panel_->show_picture(true);
  // Repaint only: no events are processed mid-load, so no other loader can interleave.
  panel_->repaint();
  if (file.trimmed().isEmpty() || !panel_->load(data_file(file))) {
    if (described == &c_.ComboFurnace) form()[c_.lblUnitDesc]->hide();
    Logo_Pic();
    return false;
  }
  if (!keep_frame) panel_->set_framed(framed);
  if (described != nullptr) {
    form()[c_.lblUnitDesc]->setText(form()[*described]->currentText().trimmed());
    form()[c_.lblUnitDesc]->show();
  }
  return true;
}

void GeoWindow::Logo_Pic() {
  panel_->set_background(kWhite);
  panel_->clear_picture();
  panel_->show_picture(true);
  if (panel_->load(data_file(state_.LogoFile))) panel_->set_framed(false);
}

void GeoWindow::Unit_Pic() {
  if (loading_) return;
  const QString file = platform::twin_text(form()[c_.comboUnit], form()[c_.comboUnit2]);
  load_picture(file, kGrey, true, false, &c_.comboUnit);
}

void GeoWindow::Unit_Pic3() {
  if (loading_ || !hydronic()) return;
  const QString file = platform::twin_text(form()[ComboUnit3], form()[comboUnit4]);
  load_picture(file, kGrey, true, false, &ComboUnit3);
}

void GeoWindow::WH_Pic() {
  if (loading_) return;
  const QString file = platform::twin_text(form()[c_.ComboWH], form()[c_.ComboWH2]);
  load_picture(file, kGrey, true, false, &c_.ComboWH);
}

void GeoWindow::Furnace_Pic() {
  if (loading_) return;
  const QString file =
      QString::fromStdString(model::utf8_from_cp1252(state_.model.FurnaceRec.Picture.str()));
  load_picture(file, kGrey, true, false, &c_.ComboFurnace);
}

void GeoWindow::Hybrid_PIC() {
  if (loading_) return;
  load_picture(QStringLiteral("tandem.bmp"), kGrey, false, false, nullptr);
}

void GeoWindow::AuxHeat_Pic() {
  if (loading_) return;
  load_picture(QStringLiteral("AuxHeat.bmp"), kWhite, false, false, nullptr);
}

void GeoWindow::Soil_Pic() {
  if (loading_) return;
  const bool metric = state_.model.MetricFlag(0) != 0;
  const auto file = soil_picture(trimmed_text(c_.comboLoop), metric);
  load_picture(QString::fromStdString(file), kWhite, false, metric, nullptr);
}

void GeoWindow::Loop_Pic() {
  if (loading_) return;
  const QString file = platform::twin_text(form()[c_.comboLoop], form()[c_.comboLoop2]);
  load_picture(file, kWhite, false, false, nullptr);
}

void GeoWindow::Set_Criteria() { reports::Set_Criteria(state_.analysis().F1Book1(), *view_); }

void GeoWindow::hide_view() { view_->Visible(false); }

void GeoWindow::HscrZoom_Change() { view_->ViewZoom(form()[c_.HscrZoom]->value()); }

void GeoWindow::btnHelp_Click() { state_.help.Show_Help(); }

}  // namespace pellavan::geo
