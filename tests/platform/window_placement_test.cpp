#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "platform/window_placement.h"

namespace pellavan::platform {
namespace {

QRect work_area() { return QGuiApplication::primaryScreen()->availableGeometry(); }

TEST(CenterFormTest, CentresTheOuterFrameInTheWorkArea) {
  struct Row {
    const char* name;
    int grow_width;  // window size relative to the work area
    int grow_height;
  };
  const Row rows[] = {
      {"smaller window", -400, -300},
      {"odd difference", -401, -301},
      {"larger window gets a negative position", 200, 100},
  };
  const QRect area = work_area();
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    QWidget window;
    window.resize(area.width() + r.grow_width, area.height() + r.grow_height);
    const QSize size = window.size();
    Center_Form(&window);
    const QRect frame = window.frameGeometry();
    EXPECT_EQ(frame.size(), size);
    EXPECT_NEAR(frame.x(), area.x() - r.grow_width / 2.0, 0.5);
    EXPECT_NEAR(frame.y(), area.y() - r.grow_height / 2.0, 0.5);
  }
}

TEST(CenterFormTest, CentresAShownWindow) {
  QWidget window;
  window.resize(300, 200);
  window.move(0, 0);
  window.show();
  Center_Form(&window);
  const QRect area = work_area();
  EXPECT_NEAR(window.frameGeometry().center().x(), area.center().x(), 1);
  EXPECT_NEAR(window.frameGeometry().center().y(), area.center().y(), 1);
  Center_Form(nullptr);  // no window: nothing happens
}

TEST(SetTopMostTest, SetsAndClearsStayingOnTop) {
  for (const bool on_top : {true, false}) {
    SCOPED_TRACE(on_top);
    QWidget window;
    window.setWindowFlag(Qt::WindowStaysOnTopHint, !on_top);
    window.show();
    EXPECT_EQ(Set_TopMost(&window, on_top), on_top);
    EXPECT_EQ(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint), on_top);
    EXPECT_TRUE(window.isVisible());
  }
  EXPECT_FALSE(Set_TopMost(nullptr, true));
}

TEST(SetTopMostTest, HiddenWindowStaysHidden) {
  QWidget window;
  EXPECT_TRUE(Set_TopMost(&window, true));
  EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace pellavan::platform
