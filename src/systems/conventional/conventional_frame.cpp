#include "systems/conventional/conventional_frame.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>

#include "model/input/unit_options.h"
#include "platform/catalogue_lists.h"
#include "platform/handler_table.h"
#include "platform/picture_box.h"
#include "platform/window_placement.h"
#include "systems/conventional/system_description.h"

namespace pellavan::systems {

namespace {
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

}  // namespace

ConventionalFrame::ConventionalFrame(const platform::WindowDesign& design,
                                     const FrameControls& controls, const ConventionalBlock& block,
                                     program_state::AppState& state, QWidget* parent)
    : DesignedDialog(design, parent),
      state_(state),
      c_(controls),
      block_(block),
      results_(state, form(),
               {c_.F1Book1, c_.HscrZoom, c_.lblWait, c_.cmdRun, c_.BtnBin, c_.cmdDone},
               block.kind->result_sheet) {
  setAttribute(Qt::WA_DeleteOnClose);  // Done unloads: the next opening loads afresh
  using On = platform::On<ConventionalFrame>;
  const On frame_handlers[] = {
      {c_.cmdRun, platform::Event::Click, &ConventionalFrame::run_clicked},
      {c_.cmdDone, platform::Event::Click, &ConventionalFrame::done_clicked},
      {c_.BtnBin, platform::Event::Click, &ConventionalFrame::BtnBin_Click},
      {c_.btnHelp, platform::Event::Click, &ConventionalFrame::btnHelp_Click},
      {c_.HscrZoom, platform::Event::Change, &ConventionalFrame::HscrZoom_Change},
  };
  wire<ConventionalFrame>(frame_handlers);
  connect(&results_.timer(), &QTimer::timeout, this, [this] { Timer1_Timer(); });
  platform::Center_Form(this);
  results_.attach();
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

void ConventionalFrame::show_picture(const QString& file, const std::optional<QString>& caption) {
  if (LoadingForm) return;
  if (draw_picture(file, caption)) return;
  if (caption) form()[c_.lblUnitDesc]->hide();
  Logo_Pic();
}

bool ConventionalFrame::draw_picture(const QString& file, const std::optional<QString>& caption) {
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
  draw_picture(logo, std::nullopt);  // a missing logo leaves the panel empty
}

void ConventionalFrame::show_twin_picture(QComboBox* list, QComboBox* twin) {
  show_picture(platform::twin_text(list, twin), list->currentText());
}

void ConventionalFrame::show_furnace_picture(const QComboBox* list) {
  // Hidden channel: FurnaceRec is the furnace the window's furnace list read last.
  show_picture(QString::fromStdString(model::shown_text(state_.model.FurnaceRec.Picture)),
               list->currentText());
}

void ConventionalFrame::show_coil_quality_picture() {
  // Hidden channel: FurnaceRec is the furnace the window's furnace list read last.
  const bool vspd = state_.model.FurnaceRec.IcmFanFlag.to_double() == 1.0;
  show_picture(vspd ? QStringLiteral("coilqualV.bmp") : QStringLiteral("coilqual.bmp"),
               std::nullopt);
}

void ConventionalFrame::show_coil_condition_picture() {
  show_picture(QStringLiteral("coilcond.bmp"), std::nullopt);
}

void ConventionalFrame::hide_view() { results_.hide(); }

void ConventionalFrame::reshow_view() {
  set_panel_colour(form()[c_.Picture1], kWhite);
  results_.show();
}

void ConventionalFrame::mark_changed() {
  form()[c_.BtnBin]->setEnabled(false);
  form()[c_.cmdRun]->setEnabled(true);
}

void ConventionalFrame::start_run() {
  hide_view();
  Logo_Pic();
  ResultsShown = 1;
  results_.start();
}

void ConventionalFrame::Timer1_Timer() {
  set_panel_colour(form()[c_.Picture1], kWhite);
  if (!results_.fill(this, block_.zoom_back_after_fill)) ResultsShown = 0;
}

void ConventionalFrame::BtnBin_Click() {
  state_.BinViewCode = block_.kind->bin_view;
  if (QDialog* viewer = state_.windows.window(program_state::WindowId::BinViewer, state_, this))
    show_modal(*viewer);
}

void ConventionalFrame::btnHelp_Click() { state_.help.Show_Help(); }

void ConventionalFrame::HscrZoom_Change() { results_.zoom_changed(); }

void ConventionalFrame::begin_activation() {
  results_.zoom_to_layout();
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
  auto& rec = state_.model.ProjectRec;
  describe_system(rec, block_.kind->type, model::shown_text(block_.described_name.get(rec)));
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

void ConventionalFrame::clear_pictures() {
  form()[c_.Picture2]->clear_picture();
  form()[c_.Picture1]->clear_picture();
  hide_view();
}

}  // namespace pellavan::systems
