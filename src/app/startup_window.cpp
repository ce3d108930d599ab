#include "app/startup_window.h"

#include <QLabel>

#include "app/version_info.h"
#include "platform/message_box.h"
#include "platform/picture_box.h"
#include "platform/single_instance.h"
#include "platform/window_placement.h"

namespace pellavan::app {
namespace {

using platform::ControlDesign;
using platform::ControlKind;

constexpr platform::DesignFont kBanner{.points = 12, .bold = true, .face = "MS Sans Serif"};
constexpr QRgb kYellow = platform::rgb(255, 255, 0);

constexpr ControlDesign kControls[] = {
    {.name = "imgLogo", .kind = ControlKind::Picture, .rect = {-15, 0, 7215, 5175}},
    {.name = "lblVersion",
     .kind = ControlKind::Label,
     .caption = "Version 1.05",
     .rect = {780, 4185, 2055, 375},
     .font = kBanner,
     .fore = kYellow},
    {.name = "Label4",
     .kind = ControlKind::Label,
     .caption = "For Microsoft Windows",
     .rect = {420, 4545, 2895, 390},
     .font = kBanner,
     .fore = kYellow},
};

constexpr platform::WindowDesign kDesign{.name = "Form4",
                                         .client_width = 7200,
                                         .client_height = 5112,
                                         .back = platform::rgb(192, 192, 192),
                                         .controls = kControls};

constexpr platform::PictureHandle imgLogo{kControls, "imgLogo"};
constexpr platform::LabelHandle lblVersion{kControls, "lblVersion"};

}  // namespace

const platform::WindowDesign& startup_window_design() { return kDesign; }

StartupWindow::StartupWindow(program_state::AppState& state)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint),
      state_(state),
      form_(new platform::DesignedForm(kDesign, this)) {
  setObjectName(QStringLiteral("Form4"));
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(form_->design_pixels());
  (*form_)[imgLogo]->set_fit(platform::PictureBox::Fit::kStretch);
  timer1_.setInterval(2000);
}

bool StartupWindow::Form_Load(platform::SingleInstance& lock) {
  state_.model.Edition = model::kRunningEdition;
  state_.LogoFile = QStringLiteral("GeoLogo.bmp");
  setCursor(Qt::WaitCursor);
  platform::center_on_screen(this);
  if (!lock.acquire()) {
    platform::message_box(nullptr, {platform::already_running_message(), platform::kAppTitle,
                                    platform::MessageIcon::Exclamation});
    return false;
  }
  state_.VersionText = program_version_text();
  state_.LegalNotice = legal_notice();
  (*form_)[lblVersion]->setText(QStringLiteral("Version ") + state_.VersionText);
  (*form_)[imgLogo]->load_picture(state_.data_path(state_.model.edition().startup_logo));
  timer1_.start();
  return true;
}

}  // namespace pellavan::app
