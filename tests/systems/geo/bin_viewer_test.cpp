// The bin viewer: each code's sheet, block (14 columns further in metric), rows and caption at
// the project's zoom; "Bin" and "Operating" switch the Geo T views in place; a zoom change is
// kept for both Geo T views.
#include "systems/results/bin_viewer.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>

#include "platform/window_test_support.h"
#include "sheet_view/spreadsheet_control.h"
#include "systems/results/bin_views.h"
#include "systems/geo/geo_window_fixture.h"

namespace pellavan::geo {
namespace {

using model::BinView;
using model::BinViewId;
using systems::BinViewer;
using systems::prepare_bin_viewer;

using testing::GeoWindowTest;

TEST_F(GeoWindowTest, EveryBinViewShowsItsBlockAtItsZoom) {
  for (const bool metric : {false, true}) {
    state->model.MetricFlag(model::kMetricDisplay) = metric ? -1 : 0;
    for (const BinView& v : model::kBinViews) {
      SCOPED_TRACE(v.caption);
      rec().*v.zoom = 120;
      auto* viewer = static_cast<BinViewer*>(prepare_bin_viewer(*state, v.id, nullptr));
      ASSERT_NE(viewer, nullptr);
      viewer->Form_Activate();
      const sheet::view::SpreadsheetControl& view = viewer->view();
      EXPECT_EQ(view.ActiveSheet(), v.sheet);
      EXPECT_EQ(view.ViewFirstCol(), v.first_col + (metric ? 14 : 0));
      EXPECT_EQ(view.ViewLastCol(), v.first_col + 12 + (metric ? 14 : 0));
      EXPECT_EQ(view.ViewLastRow(), 45);
      EXPECT_EQ(view.ViewZoom(), 120);
      EXPECT_EQ(viewer->form().label("lblWhat")->text().toStdString(), v.caption);
    }
  }
}

TEST_F(GeoWindowTest, TheGeoTViewsSwitchInPlaceAndShareTheirZoom) {
  auto* viewer = static_cast<BinViewer*>(prepare_bin_viewer(*state, BinViewId::GeoTBin, nullptr));
  viewer->Form_Activate();
  viewer->form().get<QScrollBar>("HscrZoom")->setValue(150);
  viewer->cmdGeoOp_Click();
  EXPECT_EQ(state->BinViewCode, BinViewId::GeoTOp);
  EXPECT_EQ(viewer->view().ViewFirstCol(), 120);
  EXPECT_EQ(viewer->view().ViewZoom(), 150);
  EXPECT_EQ(rec().BinZoom_GeoTBin, 150);
  viewer->cmdBin_Click();
  EXPECT_EQ(viewer->view().ViewFirstCol(), 92);
}

// A click on the zoom bar's arrow moves it by 5, as on the reports window.
TEST_F(GeoWindowTest, TheZoomBarStepsByFive) {
  rec().BinZoom_GeoA = 120;
  auto* viewer = static_cast<BinViewer*>(prepare_bin_viewer(*state, BinViewId::GeoA, nullptr));
  viewer->Form_Activate();
  ASSERT_TRUE(platform::testing::show_and_activate(viewer));
  QScrollBar* zoom = viewer->form().get<QScrollBar>("HscrZoom");
  const QPointF arrow(zoom->width() - 3, zoom->height() / 2);
  QMouseEvent press(QEvent::MouseButtonPress, arrow, zoom->mapToGlobal(arrow), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, arrow, zoom->mapToGlobal(arrow), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(zoom, &press);
  QApplication::sendEvent(zoom, &release);
  EXPECT_EQ(rec().BinZoom_GeoA, 125);
  EXPECT_EQ(viewer->form().label("lblZoom")->text(), "125%");
  viewer->hide();
}

}  // namespace
}  // namespace pellavan::geo
