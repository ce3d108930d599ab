#include "app/about_window.h"

#include <QLabel>

#include "platform/picture_box.h"
#include "platform/window_placement.h"

namespace pellavan::app {
namespace {

using platform::ControlDesign;
using platform::ControlKind;

constexpr ControlDesign kControls[] = {
    {.name = "Logo", .kind = ControlKind::Picture, .rect = {832, 240, 4335, 1140}},
    {.name = "Label4",
     .kind = ControlKind::Label,
     .caption = "Pellavan ",
     .rect = {240, 1500, 5520, 375},
     .font = {.points = 12, .bold = true},
     .centred = true},
    {.name = "lblVersion",
     .kind = ControlKind::Label,
     .rect = {240, 1900, 5520, 300},
     .centred = true},
    {.name = "lblNotice",
     .kind = ControlKind::Label,
     .rect = {240, 2300, 5520, 900},
     .font = {.points = 7.8}},
    {.name = "Line1", .kind = ControlKind::Line, .rect = {240, 3270, 5520, 30}},
    {.name = "Command1",
     .kind = ControlKind::Button,
     .caption = "&OK",
     .rect = {4560, 3420, 1200, 400},
     .tab_index = 0},
};

constexpr platform::WindowDesign kDesign{.name = "Form14",
                                         .caption = "About Pellavan",
                                         .client_width = 6000,
                                         .client_height = 3960,
                                         .controls = kControls};

constexpr platform::PictureHandle Logo{kControls, "Logo"};
constexpr platform::LabelHandle lblVersion{kControls, "lblVersion"};
constexpr platform::LabelHandle lblNotice{kControls, "lblNotice"};
constexpr platform::ButtonHandle Command1{kControls, "Command1"};

const platform::On<AboutWindow> kHandlers[] = {
    {Command1, platform::Event::Click, &AboutWindow::Command1_Click},
};

}  // namespace

const platform::WindowDesign& about_window_design() { return kDesign; }

AboutWindow::AboutWindow(program_state::AppState& state, QWidget* parent)
    : DesignedDialog(kDesign, parent) {
  wire<AboutWindow>(kHandlers);
  platform::center_on_screen(this);
  form()[Logo]->load_picture(state.data_path(program_state::kLogoPictureFile));
  form()[lblVersion]->setText(QStringLiteral("Version ") + state.VersionText);
  form()[lblNotice]->setText(state.LegalNotice);
  setWindowTitle(QStringLiteral("About Pellavan"));
}

void AboutWindow::Command1_Click() { unload(QDialog::Accepted); }

}  // namespace pellavan::app
