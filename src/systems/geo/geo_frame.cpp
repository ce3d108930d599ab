#include "systems/geo/geo_frame.h"

#include <QComboBox>
#include <QLabel>

#include "model/text/cp1252.h"
#include "platform/catalogue_lists.h"
#include "platform/designed_form.h"
#include "platform/window_placement.h"
#include "reports/set_criteria.h"
#include "sheet_view/spreadsheet_control.h"
#include "systems/geo/geo_block.h"
#include "systems/geo/geo_picture_panel.h"
#include "program_state/analysis_session.h"

namespace pellavan::geo {

namespace {
constexpr QRgb kGrey = 0xff808080;
constexpr QRgb kWhite = 0xffffffff;
}  // namespace

GeoFrame::GeoFrame(program_state::AppState& state, const platform::WindowDesign& design,
                   const GeoFrameControls& frame, int result_sheet, QWidget* parent)
    : DesignedDialog(design, parent),
      state_(state),
      frame_(frame),
      results_(
          state, form(),
          {frame.F1Book1, frame.HscrZoom, frame.lblWait, frame.cmdRun, frame.BtnBin, frame.cmdDone},
          result_sheet) {
  panel_ = new GeoPicturePanel;
  form().place_custom(frame_.Picture1.ref, panel_);
  form().widget(frame_.F1Book1.ref)->raise();
}

GeoFrame::~GeoFrame() = default;

QString GeoFrame::data_file(const QString& name) const {
  return state_.data_path(name.trimmed().toStdString());
}

bool GeoFrame::load_picture(const QString& file, QRgb background, bool framed, bool keep_frame,
                            const platform::ComboHandle* described) {
  panel_->set_background(background);
  panel_->show_picture(true);
  // Repaint only: no events are processed mid-load, so no other loader can interleave.
  panel_->repaint();
  if (file.trimmed().isEmpty() || !panel_->load(data_file(file))) {
    if (described == &frame_.ComboFurnace) form()[frame_.lblUnitDesc]->hide();
    Logo_Pic();
    return false;
  }
  if (!keep_frame) panel_->set_framed(framed);
  if (described != nullptr) {
    form()[frame_.lblUnitDesc]->setText(form()[*described]->currentText().trimmed());
    form()[frame_.lblUnitDesc]->show();
  }
  return true;
}

void GeoFrame::Logo_Pic() {
  panel_->set_background(kWhite);
  panel_->clear_picture();
  panel_->show_picture(true);
  if (panel_->load(data_file(state_.LogoFile))) panel_->set_framed(false);
}

void GeoFrame::Unit_Pic() {
  if (loading_) return;
  const QString file = platform::twin_text(form()[frame_.comboUnit], form()[frame_.comboUnit2]);
  load_picture(file, kGrey, true, false, &frame_.comboUnit);
}

void GeoFrame::WH_Pic() {
  if (loading_) return;
  const QString file = platform::twin_text(form()[frame_.ComboWH], form()[frame_.ComboWH2]);
  load_picture(file, kGrey, true, false, &frame_.ComboWH);
}

void GeoFrame::Furnace_Pic() {
  if (loading_) return;
  // Hidden channel: FurnaceRec is the furnace ComboFurnace_Click read last.
  const QString file =
      QString::fromStdString(model::utf8_from_cp1252(state_.model.FurnaceRec.Picture.str()));
  load_picture(file, kGrey, true, false, &frame_.ComboFurnace);
}

void GeoFrame::Hybrid_PIC() {
  if (loading_) return;
  load_picture(QStringLiteral("tandem.bmp"), kGrey, false, false, nullptr);
}

void GeoFrame::AuxHeat_Pic() {
  if (loading_) return;
  const auto heater = form()[frame_.ComboFurnace]->currentText().trimmed().toStdString();
  load_picture(QString::fromStdString(aux_mode_picture(heater)), kWhite, false, false, nullptr);
}

void GeoFrame::Soil_Pic() {
  if (loading_) return;
  const bool metric = state_.model.MetricFlag(model::kMetricDisplay) != 0;
  const auto loop = form()[frame_.comboLoop]->currentText().trimmed().toStdString();
  load_picture(QString::fromStdString(soil_picture(loop, metric)), kWhite, false, metric, nullptr);
}

void GeoFrame::Loop_Pic() {
  if (loading_) return;
  const QString file = platform::twin_text(form()[frame_.comboLoop], form()[frame_.comboLoop2]);
  load_picture(file, kWhite, false, false, nullptr);
}

void GeoFrame::Set_Criteria() {
  reports::Set_Criteria(state_.analysis().F1Book1(), results_.view());
}

void GeoFrame::hide_view() { results_.hide(); }

void GeoFrame::HscrZoom_Change() { results_.zoom_changed(); }

void GeoFrame::btnHelp_Click() { state_.help.Show_Help(); }

}  // namespace pellavan::geo
