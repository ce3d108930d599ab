#include "app/disclaimer_window.h"

#include <QPushButton>

#include "platform/picture_box.h"
#include "platform/program_end.h"
#include "platform/window_placement.h"

namespace pellavan::app {
namespace {

using platform::ControlDesign;
using platform::ControlKind;

constexpr platform::DesignFont kBold{.points = 9.75, .bold = true};
constexpr platform::TwipRect kLogoPlace{2700, 120, 3000, 800};

constexpr ControlDesign kControls[] = {
    {.name = "Logo", .kind = ControlKind::Picture, .rect = kLogoPlace, .views = platform::kNoView},
    {.name = "Picture1",
     .kind = ControlKind::Picture,
     .rect = kLogoPlace,
     .views = platform::kNoView},
    {.name = "Picture2", .kind = ControlKind::Picture, .rect = kLogoPlace},
    {.name = "Image2", .kind = ControlKind::Frame, .rect = {120, 1000, 8160, 5100}},
    {.name = "Label6",
     .kind = ControlKind::Label,
     .caption = "Use of this program is conditional upon your acceptance of the disclaimer of "
                "warranties and the limitation of remedies that follow.",
     .rect = {240, 200, 7680, 600},
     .container = "Image2",
     .font = kBold},
    {.name = "Label1",
     .kind = ControlKind::Label,
     .caption = "This program is provided \"as is\", without warranty of any kind, either "
                "expressed or implied. The entire risk as to the quality and performance of "
                "the program is with you.",
     .rect = {240, 850, 7680, 800},
     .container = "Image2"},
    {.name = "Label3",
     .kind = ControlKind::Label,
     .caption = "In no event shall the maker of this program or its distributors be liable to "
                "you for any damages, including lost profits, lost savings or other incidental "
                "or consequential damages, arising out of the use of or the inability to use "
                "the program.",
     .rect = {240, 1700, 7680, 900},
     .container = "Image2"},
    {.name = "Label4",
     .kind = ControlKind::Label,
     .caption = "Some states, provinces and countries do not allow the exclusion or limitation "
                "of implied warranties or of liability for incidental or consequential "
                "damages, so the above limitations may not apply to you. You may have further "
                "rights, which vary from place to place.",
     .rect = {240, 2650, 7680, 1000},
     .container = "Image2"},
    {.name = "Label5",
     .kind = ControlKind::Label,
     .caption = "The maker does not warrant that the functions of the program will meet your "
                "requirements or that its operation will be uninterrupted or free of errors. "
                "The program is an aid to, and no substitute for, engineering: its results "
                "must be confirmed by your own engineering evaluation.",
     .rect = {240, 3700, 7680, 1200},
     .container = "Image2"},
    {.name = "Line1", .kind = ControlKind::Line, .rect = {120, 6250, 8160, 30}},
    {.name = "Command1",
     .kind = ControlKind::Button,
     .caption = "I Agree",
     .rect = {2400, 6450, 1700, 500},
     .tab_index = 0,
     .font = kBold},
    {.name = "Command2",
     .kind = ControlKind::Button,
     .caption = "Exit",
     .rect = {4300, 6450, 1700, 500},
     .tab_index = 1,
     .font = kBold},
};

constexpr platform::WindowDesign kDesign{.name = "Form15",
                                         .caption = "Legal Disclaimer",
                                         .client_width = 8400,
                                         .client_height = 7080,
                                         .controls = kControls};

constexpr platform::PictureHandle Logo{kControls, "Logo"};
constexpr platform::PictureHandle Picture1{kControls, "Picture1"};
constexpr platform::PictureHandle Picture2{kControls, "Picture2"};
constexpr platform::ButtonHandle Command1{kControls, "Command1"};
constexpr platform::ButtonHandle Command2{kControls, "Command2"};

using On = platform::On<DisclaimerWindow>;
const On kHandlers[] = {
    {Command1, platform::Event::Click, &DisclaimerWindow::Command1_Click},
    {Command2, platform::Event::Click, &DisclaimerWindow::Command2_Click},
};

}  // namespace

const platform::WindowDesign& disclaimer_window_design() { return kDesign; }

DisclaimerWindow::DisclaimerWindow(program_state::AppState& state, QWidget* parent)
    : DesignedDialog(kDesign, parent), state_(state) {
  timer3_.setInterval(100);
  connect(&timer3_, &QTimer::timeout, this, &DisclaimerWindow::Timer3_Timer);
  wire<DisclaimerWindow>(kHandlers);

  platform::Set_TopMost(this, true);
  platform::center_on_screen(this);
  form()[Logo]->load_picture(state.data_path(state.model.edition().disclaimer_logo));
  if (state.StartupForm) state.StartupForm->close();
}

void DisclaimerWindow::Form_Activate() {
  form()[Logo]->show();
  timer3_.start();
}

void DisclaimerWindow::Timer3_Timer() {
  Make_LogoPicture();
  timer3_.stop();
  form()[Logo]->hide();
  form()[Picture1]->hide();
}

void DisclaimerWindow::Make_LogoPicture() {
  const QImage& logo = form()[Logo]->picture();
  if (logo.isNull()) return;  // without the edition's logo the old picture is kept
  const QRgb background = form()[Picture1]->palette().color(QPalette::Window).rgb();
  const QImage made = platform::with_colour_replaced(logo, qRgb(255, 255, 255), background);
  form()[Picture2]->set_picture(made);
  made.save(state_.data_path(program_state::kLogoPictureFile), "BMP");
}

void DisclaimerWindow::Command1_Click() { accept(); }

void DisclaimerWindow::Command2_Click() { platform::end_run(); }

}  // namespace pellavan::app
