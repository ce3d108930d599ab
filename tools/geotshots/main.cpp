// pellavan-geotshots PROGRAM_FOLDER OUTPUT_FOLDER [PROJECT.pvn]
//
// Opens "Sample Project.pvn" of the Data folder, runs its loads, shows the Geo T window with a
// type-1 unit of quantity 4, presses Run, lets the fill run and saves the screen; opens the bin
// viewer on the Geo T bins and on the operating view and saves each; in imperial and in metric
// display, then in imperial display with the large layout. Message boxes are printed and answered
// OK. With PROJECT.pvn it opens that project instead, in the display the unit options of the
// settings file give, shows its Geo T window as stored, presses Run and saves the screen as
// geo-t-PROJECT-results.png. Run it on a display of its own:
//   xvfb-run -a -s "-screen 0 1600x1000x24" build/tools/pellavan-geotshots build/bin shots/geo-t

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <filesystem>

#include "screenshots/screen_shot.h"
#include "program_state/app_state.h"
#include "app/program.h"
#include "platform/catalogue_lists.h"
#include "platform/modal.h"
#include "systems/geo/geo_t_window.h"

namespace {

using namespace pellavan;

geo::GeoTWindow& show_geo_t(program_state::AppState& state, bool large) {
  for (program_state::WindowId id :
       {program_state::WindowId::GeoT, program_state::WindowId::BinViewer})
    state.windows.unload(id);
  auto* window =
      qobject_cast<geo::GeoTWindow*>(state.windows.window(program_state::WindowId::GeoT, state));
  window->apply_size(large);
  window->show();
  window->Form_Activate();
  tools::settle(300);
  return *window;
}

void run(geo::GeoTWindow& window) {
  window.cmdRun_Click();
  tools::settle(200);
  window.Timer1_Timer();
  tools::settle(200);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const std::optional<QDir> made = tools::output_folder(argc, argv, "PROJECT.pvn");
  if (!made) return 2;
  const QDir& out = *made;
  const std::filesystem::path project = argc == 4 ? std::filesystem::absolute(argv[3]) : "";
  tools::start_quietly(platform::MessageResult::Ok);
  QString viewer_name;
  platform::set_modal_hook([&](QDialog& window) {
    window.showMaximized();
    tools::shoot(out, viewer_name);
    window.hide();
    return 0;
  });
  program_state::AppState state(tools::program_folder(argv));
  state.LogoFile = QStringLiteral("GeoLogo.bmp");
  app::register_windows(state);
  if (!project.empty()) {
    if (!tools::load_project_as_set(state, project)) return 1;
    run(show_geo_t(state, false));
    tools::shoot(out, QString::fromStdString("geo-t-" + project.stem().string() + "-results"));
    return 0;
  }
  struct Pass {
    bool metric, large;
  };
  for (const Pass pass : {Pass{false, false}, Pass{true, false}, Pass{false, true}}) {
    const bool metric = pass.metric;
    const QString unit = QString(metric ? "metric" : "imperial") + (pass.large ? "-large" : "");
    state.LargeLayout = pass.large ? -1 : 0;
    state.model.MetricFlag(model::kMetricDisplay) = metric ? -1 : 0;
    for (int i = 1; i <= 4; ++i) state.model.MetricFlag(i) = 0;
    tools::load_sample(state);
    geo::GeoTWindow* window = &show_geo_t(state, pass.large);
    tools::shoot(out, "geo-t-" + unit + "-entry");
    // A type-1 unit shows the quantity box; its lists follow the quantity.
    platform::select_id(window->form()[window->controls().comboUnit], 5);
    window->form()[window->controls().txtUqty]->setText(QStringLiteral("4"));
    window->txtUqty_LostFocus();
    run(*window);
    tools::shoot(out, "geo-t-" + unit + "-results");
    viewer_name = "geo-t-bin-" + unit;
    window->BtnBin_Click();
    viewer_name = "geo-t-op-" + unit;
    window->BtnOp_Click();
    window->hide();
  }
  return 0;
}
