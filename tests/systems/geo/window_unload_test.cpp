// A system window closed other than by Done (Escape, the close box) is unloaded: the next
// opening, for another project, loads it afresh and shows that project's block, and Done
// stores the block unchanged. The bin viewer closed by Escape shows the next project's zoom.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "model/record/record_layout.h"
#include "projects/project_set.h"
#include "sheet_view/spreadsheet_control.h"
#include "systems/conventional/conventional_frame.h"
#include "systems/results/bin_viewer.h"
#include "systems/geo/geo_window_fixture.h"
#include "program_state/analysis_session.h"

namespace pellavan::geo {
namespace {

using model::BinView;
using model::BinViewId;
using systems::BinViewer;
using systems::prepare_bin_viewer;

using program_state::WindowId;
using testing::GeoWindowTest;

struct Leak {
  WindowId id;
  const char* unit_list;
  model::Int16 model::ProjectRec::*unit_id;
};
constexpr Leak kWindows[] = {
    {WindowId::GeoA, "comboUnit", &model::ProjectRec::GeoA_UnitId},
    {WindowId::GeoB, "comboUnit", &model::ProjectRec::GeoB_UnitId},
    {WindowId::GeoT, "comboUnit", &model::ProjectRec::GeoT_UnitId},
    {WindowId::Furnace, "ComboFurnace", &model::ProjectRec::Furnace_UnitId},
    {WindowId::HeatPump, "ComboAir", &model::ProjectRec::HeatPump_UnitId},
};

// The fields whose bytes differ between two records.
std::vector<std::string> changed_fields(const model::ProjectRec& a, const model::ProjectRec& b) {
  const std::vector<std::uint8_t> x = model::encode_record(a);
  const std::vector<std::uint8_t> y = model::encode_record(b);
  std::vector<std::string> names;
  for (const model::FieldInfo& f : model::ProjectRec::kFields)
    if (!std::equal(x.begin() + f.offset, x.begin() + f.offset + f.width, y.begin() + f.offset))
      names.emplace_back(f.name);
  return names;
}

class WindowUnloadTest : public GeoWindowTest {
 protected:
  void load_project(const std::filesystem::path& file) {
    rec() = workbook::read_project_for_analysis(file);
    state->analysis().Calc_Loads();
  }
  // The window as the main window opens it, shown.
  QDialog* open_shown(WindowId id) {
    QDialog* w = state->windows.window(id, *state);
    w->show();
    QApplication::processEvents();
    return w;
  }
  // Run pressed, and its timer's fill done.
  static void run(QDialog* w) {
    // The fill's one-shot timer fires at once instead of a second later.
    if (auto* geo = qobject_cast<GeoWindow*>(w)) geo->Timer1().setInterval(0);
    if (auto* frame = qobject_cast<systems::ConventionalFrame*>(w)) frame->Timer1().setInterval(0);
    QTest::mouseClick(w->findChild<QPushButton*>("cmdRun"), Qt::LeftButton);
    QPushButton* done = w->findChild<QPushButton*>("cmdDone");
    EXPECT_TRUE(QTest::qWaitFor([done] { return done->isEnabled(); }, 10000)) << "results shown";
  }
  static void done(QDialog* w) {
    QTest::mouseClick(w->findChild<QPushButton*>("cmdDone"), Qt::LeftButton);
    EXPECT_TRUE(w->isHidden());
    gone();
  }
  static void gone() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

TEST_F(WindowUnloadTest, AWindowClosedWithoutDoneShowsTheNextProjectsBlock) {
  const std::filesystem::path other = pellavan::testing::project_set()[3].file;  // Winnipeg
  for (const Leak& l : kWindows) {
    // What Done stores for the other project from a window loaded for it alone.
    load_project(other);
    done(open_shown(l.id));
    const model::ProjectRec fresh = rec();
    state->windows.unload(l.id);
    for (const bool close_box : {false, true}) {
      SCOPED_TRACE(std::to_string(static_cast<int>(l.id)) + (close_box ? " close box" : " Esc"));
      load_project(path_of("Sample Project.pvn"));
      rec().*l.unit_id = 3;  // another unit than the other project's
      QDialog* w = open_shown(l.id);
      run(w);
      if (close_box)
        w->close();
      else
        QTest::keyClick(w, Qt::Key_Escape);
      EXPECT_TRUE(w->isHidden());
      gone();
      load_project(other);
      messages.clear();
      w = open_shown(l.id);
      EXPECT_EQ(w->findChild<QComboBox*>(l.unit_list)->currentData().toInt(), fresh.*l.unit_id);
      done(w);
      EXPECT_EQ(changed_fields(fresh, rec()), std::vector<std::string>{});
      EXPECT_EQ(messages, std::vector<std::string>{});
    }
  }
}

TEST_F(WindowUnloadTest, TheBinViewerClosedByEscapeShowsTheNextProjectsZoom) {
  rec().BinZoom_GeoA = 120;
  QDialog* viewer = prepare_bin_viewer(*state, BinViewId::GeoA, nullptr);
  viewer->show();
  QTest::keyClick(viewer, Qt::Key_Escape);
  EXPECT_TRUE(viewer->isHidden());
  gone();
  load_project(pellavan::testing::project_set()[3].file);
  rec().BinZoom_GeoA = 150;
  auto* again = static_cast<BinViewer*>(prepare_bin_viewer(*state, BinViewId::GeoA, nullptr));
  again->show();
  EXPECT_EQ(again->view().ViewZoom(), 150);
  EXPECT_EQ(again->form().get<QScrollBar>("HscrZoom")->value(), 150);
  EXPECT_EQ(rec().BinZoom_GeoA, 150);
  again->hide();
}

}  // namespace
}  // namespace pellavan::geo
