#include "systems/conventional/conventional_frame.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "model/input/unit_options.h"
#include "model/input/catalogue_list.h"
#include "platform/catalogue_lists.h"
#include "platform/handler_table.h"
#include "platform/picture_box.h"
#include "platform/window_placement.h"
#include "reports/set_criteria.h"
#include "systems/conventional/coil_combinations.h"
#include "systems/conventional/minimum_input.h"
#include "systems/conventional/system_description.h"

namespace pellavan::systems {

namespace {
constexpr int kBlockLastRow = 29;

void set_panel_colour(QWidget* panel, QRgb colour) {
  QPalette p = panel->palette();
  p.setColor(QPalette::Window, QColor::fromRgb(colour));
  panel->setPalette(p);
  panel->setAutoFillBackground(true);
}

// The bitmap at its size in the middle of the panel (clipped alike on both sides when it is
// larger), framed under an equipment picture.
QImage centred(const QImage& bitmap, QSize panel, QRgb back, bool framed) {
  QImage canvas(panel.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  canvas.fill(QColor::fromRgb(back));
  QPainter painter(&canvas);
  const QPoint at((panel.width() - bitmap.width()) / 2, (panel.height() - bitmap.height()) / 2);
  painter.drawImage(at, bitmap);
  if (framed) {
    painter.setPen(QColor(64, 64, 64));
    painter.drawRect(QRect(at - QPoint(1, 1), bitmap.size() + QSize(1, 1)));
  }
  return canvas;
}

void put_on_block(sheet::view::SpreadsheetControl& control, int sheet, bool metric) {
  control.ActiveSheet(sheet);
  control.ViewFirstRow(1);
  control.ViewLastRow(kBlockLastRow);
  control.ViewFirstCol(metric ? 10 : 1);
  control.ViewLastCol(metric ? 16 : 7);
}
}  // namespace

ConventionalFrame::ConventionalFrame(const platform::WindowDesign& design,
                                     const FrameControls& controls, const FrameSpec& spec,
                                     app::AppState& state, QWidget* parent)
    : DesignedDialog(design, parent),
      state_(state),
      c_(controls),
      spec_(spec),
      view_(new sheet::view::SpreadsheetControl) {
  setAttribute(Qt::WA_DeleteOnClose);  // Done unloads: the next opening loads afresh
  form().place_custom(c_.F1Book1, view_);
  view_->FitBlock(true);
  using On = platform::On<ConventionalFrame>;
  const On frame_handlers[] = {
      {c_.cmdRun, platform::Event::Click, &ConventionalFrame::run_clicked},
      {c_.cmdDone, platform::Event::Click, &ConventionalFrame::done_clicked},
      {c_.BtnBin, platform::Event::Click, &ConventionalFrame::BtnBin_Click},
      {c_.btnHelp, platform::Event::Click, &ConventionalFrame::btnHelp_Click},
      {c_.HscrZoom, platform::Event::Change, &ConventionalFrame::HscrZoom_Change},
  };
  wire<ConventionalFrame>(frame_handlers);
  timer_.setInterval(1000);
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, [this] { Timer1_Timer(); });
  platform::Center_Form(this);
  auto& reports = state_.analysis().F1Book1();
  const bool metric = state_.model.MetricFlag(model::kMetricDisplay) != 0;
  put_on_block(reports, spec_.result_sheet, metric);
  reports.ViewZoom(100);
  view_->AttachBook(reports.BookHandle());
  put_on_block(*view_, spec_.result_sheet, metric);
  reports::Set_Criteria(reports, *view_);
  hide_view();
  form()[c_.BtnBin]->setEnabled(false);
  form()[c_.HscrZoom]->hide();
}

bool ConventionalFrame::kw_display() const {
  return model::UnitOptions::of(state_.model.MetricFlag).display_of(model::Quantity::Capacity) ==
         model::Display::Metric;
}

bool ConventionalFrame::celsius_display() const {
  return model::UnitOptions::of(state_.model.MetricFlag).display_of(model::Quantity::Temperature) ==
         model::Display::Metric;
}

bool ConventionalFrame::show_picture(const QString& file, const std::optional<QString>& caption) {
  if (LoadingForm && caption) return false;
  auto* panel = form()[c_.Picture1];
  auto* image = form()[c_.Picture2];
  set_panel_colour(panel, caption ? kPanelGrey : kWhite);
  set_panel_colour(image, caption ? kPanelGrey : kWhite);
  image->clear_picture();
  image->show();
  const QString path = state_.data_path(file.trimmed().toStdString());
  QImage bitmap;
  if (file.trimmed().isEmpty() || !bitmap.load(path)) {
    image->hide();
    if (caption) {
      form()[c_.lblUnitDesc]->hide();
      Logo_Pic();
    }
    return false;
  }
  // The bitmap grows with the window as every control does.
  const double scale = std::min(form().scale_x(), form().scale_y());
  if (scale > 0 && scale != 1.0)
    bitmap = bitmap.scaled((QSizeF(bitmap.size()) * scale).toSize(), Qt::KeepAspectRatio,
                           Qt::SmoothTransformation);
  image->set_picture(
      centred(bitmap, image->size(), caption ? kPanelGrey : kWhite, caption.has_value()));
  if (caption) {
    form()[c_.lblUnitDesc]->setText(caption->trimmed());
    form()[c_.lblUnitDesc]->show();
  }
  return true;
}

void ConventionalFrame::Logo_Pic() {
  const QString logo = state_.LogoFile.isEmpty() ? QStringLiteral("GeoLogo.bmp") : state_.LogoFile;
  show_picture(logo, std::nullopt);
}

void ConventionalFrame::select_result_block(int reports_zoom) {
  auto& reports = state_.analysis().F1Book1();
  const bool metric = state_.model.MetricFlag(model::kMetricDisplay) != 0;
  put_on_block(reports, spec_.result_sheet, metric);
  reports.ViewZoom(reports_zoom);
  put_on_block(*view_, spec_.result_sheet, metric);
  reports::Set_Criteria(reports, *view_);
  view_->ViewZoom(form()[c_.HscrZoom]->value());
}

void ConventionalFrame::show_twin_picture(QComboBox* list, QComboBox* twin) {
  if (LoadingForm) return;
  show_picture(platform::twin_text(list, twin), list->currentText());
}

void ConventionalFrame::show_furnace_picture(const QComboBox* list) {
  if (LoadingForm) return;
  show_picture(QString::fromStdString(model::shown_text(state_.model.FurnaceRec.Picture)),
               list->currentText());
}

void ConventionalFrame::show_coil_quality_picture() {
  if (LoadingForm) return;
  const bool vspd = state_.model.FurnaceRec.IcmFanFlag.to_double() == 1.0;
  show_picture(vspd ? QStringLiteral("coilqualV.bmp") : QStringLiteral("coilqual.bmp"),
               std::nullopt);
}

void ConventionalFrame::show_coil_condition_picture() {
  if (LoadingForm) return;
  show_picture(QStringLiteral("coilcond.bmp"), std::nullopt);
}

void ConventionalFrame::hide_view() { form().widget(c_.F1Book1)->hide(); }

void ConventionalFrame::reshow_view() {
  set_panel_colour(form()[c_.Picture1], kWhite);
  put_on_block(*view_, spec_.result_sheet, state_.model.MetricFlag(model::kMetricDisplay) != 0);
  QWidget* holder = form().widget(c_.F1Book1);
  holder->show();
  holder->raise();
}

void ConventionalFrame::mark_changed() {
  form()[c_.BtnBin]->setEnabled(false);
  form()[c_.cmdRun]->setEnabled(true);
}

void ConventionalFrame::start_run() {
  hide_view();
  Logo_Pic();
  form()[c_.cmdDone]->setEnabled(false);
  form()[c_.cmdRun]->setEnabled(false);
  form()[c_.BtnBin]->setEnabled(false);
  form()[c_.HscrZoom]->hide();
  form()[c_.lblWait]->show();
  ResultsShown = 1;
  select_result_block(zoom_for_layout());
  timer_.start();  // the wait label is painted before the fill
}

void ConventionalFrame::Timer1_Timer() {
  timer_.stop();
  set_panel_colour(form()[c_.Picture1], kWhite);
  state_.analysis().Fill_ReportWorkbook(this, state_.ProjectFileTitle);
  if (spec_.zoom_back_after_fill) state_.analysis().F1Book1().ViewZoom(100);
  reshow_view();
  form()[c_.cmdDone]->setEnabled(true);
  form()[c_.BtnBin]->setEnabled(true);
  form()[c_.lblWait]->hide();
  form()[c_.BtnBin]->setFocus();
}

void ConventionalFrame::BtnBin_Click() {
  state_.BinViewCode = spec_.bin_view_code;
  if (QDialog* viewer = state_.windows.window(app::WindowId::BinViewer, state_, this))
    show_modal(*viewer);
}

void ConventionalFrame::btnHelp_Click() { state_.help.Show_Help(); }

void ConventionalFrame::HscrZoom_Change() { view_->ViewZoom(form()[c_.HscrZoom]->value()); }

void ConventionalFrame::begin_activation() {
  form()[c_.HscrZoom]->setValue(zoom_for_layout());
  platform::Center_Form(this);
  if (ResultsShown != 0 && form().widget(c_.F1Book1)->isVisible())
    reshow_view();  // back from the bin viewer
}

void ConventionalFrame::end_restore() {
  form()[c_.Picture2]->hide();
  form()[c_.lblUnitDesc]->hide();
  Logo_Pic();
  form()[c_.Picture1]->show();
  form()[c_.BtnBin]->setEnabled(false);
  LoadingForm = false;
}

void ConventionalFrame::list_lost_focus() {
  form()[c_.lblUnitDesc]->hide();
  if (ResultsShown != 0) reshow_view();
}

void ConventionalFrame::run_clicked() {
  form()[c_.cmdRun]->setFocus();
  QCoreApplication::processEvents();
  store_fields();
  describe_system(state_.model.ProjectRec, spec_.system_type, described_unit());
  validate();
  if (TestFailed != 0) {
    TestFailed = 0;
    return;
  }
  start_run();
}

void ConventionalFrame::done_clicked() {
  store_fields();
  validate();
  if (TestFailed != 0) {
    TestFailed = 0;
    return;
  }
  clear_pictures();
  ResultsShown = 0;
  unload(QDialog::Accepted);
}

void ConventionalFrame::refill_coil_list(QComboBox* list, const CoilChoice& choice) {
  {
    const QSignalBlocker quiet(list);
    list->clear();
    for (const CoilEntry& e : choice.entries) list->addItem(QString::fromStdString(e.text), e.id);
    list->setCurrentIndex(-1);
  }
  if (choice.selected != 0) platform::select_id(list, static_cast<model::Int16>(choice.selected));
}

void ConventionalFrame::clear_pictures() {
  form()[c_.Picture2]->clear_picture();
  form()[c_.Picture1]->clear_picture();
  hide_view();
}

void ConventionalFrame::fill_coil_conditions(QComboBox* list) {
  fill_fixed(list, {{"New", 0}, {"Clean", 5}, {"Average", 10}, {"Dirty", 15}});
}

void ConventionalFrame::fill_coil_qualities(QComboBox* list, bool variable_speed) {
  const std::vector<CoilEntry> coils = coil_set(variable_speed);
  fill_fixed(list,
             {{coils[0].text.c_str(), 1}, {coils[1].text.c_str(), 2}, {coils[2].text.c_str(), 3}});
}

void ConventionalFrame::fill_furnaces(QComboBox* list) const {
  const model::ModelState& m = state_.model;
  platform::fill_list(
      list, model::catalogue_list<model::FurnaceRec>(
                state_.model.data_files, state_.program_folder(), m.edition().furnace_file,
                state_.DealerRec.HideInactive == 0, model::ListOrder::CaseBlind));
}

void ConventionalFrame::fill_water_heaters(QComboBox* list, QComboBox* twin) const {
  const model::ModelState& m = state_.model;
  platform::fill_list(
      list,
      model::catalogue_list<model::WaterHeaterRec>(
          state_.model.data_files, state_.program_folder(), m.edition().water_heater_file,
          state_.DealerRec.HideInactive == 0, model::ListOrder::CaseBlind),
      twin);
}

QString ConventionalFrame::capacity_shown(double btuh, int kw_slot) const {
  if (kw_display()) return one_decimal_text(state_.memos.kw.Btuh_To_KW(btuh, kw_slot));
  return whole_text(btuh);
}

bool ConventionalFrame::shows_electric(const QComboBox* list) {
  return is_electric(list->currentText().toStdString());
}

}  // namespace pellavan::systems
