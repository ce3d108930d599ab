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

TEST(SetTopMostTest, OnlyTrueKeepsTheWindowOnTop) {
  struct Row {
    const char* name;
    std::int16_t on_top;
    bool topmost;
    bool result_nonzero;
  };
  const Row rows[] = {
      {"true", -1, true, true},
      {"one is not true", 1, false, false},
      {"false", 0, false, false},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    QWidget window;
    window.setWindowFlag(Qt::WindowStaysOnTopHint, !r.topmost);
    window.show();
    EXPECT_EQ(Set_TopMost(&window, r.on_top) != 0, r.result_nonzero);
    EXPECT_EQ(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint), r.topmost);
    EXPECT_TRUE(window.isVisible());
  }
  EXPECT_EQ(Set_TopMost(nullptr, -1), 0);
}

TEST(SetTopMostTest, HiddenWindowStaysHidden) {
  QWidget window;
  EXPECT_NE(Set_TopMost(&window, -1), 0);
  EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace pellavan::platform
