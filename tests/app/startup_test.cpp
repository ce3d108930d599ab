#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QApplication>
#include <QTemporaryDir>

#include "app/app_fixture.h"
#include "app/disclaimer_window.h"
#include "app/program.h"
#include "app/version_info.h"
#include "platform/picture_box.h"

namespace pellavan::app {
namespace {

class StartupTest : public testing::AppFixture {
 protected:
  QString lock_path() const { return lock_dir_.filePath("pellavan.lock"); }
  QTemporaryDir lock_dir_;
};

TEST(VersionTextTest, RevisionHasTwoDigits) {
  struct Row {
    int major, minor, revision;
    const char* text;
  };
  for (const Row& r : {Row{5, 0, 1, "5.0.01"}, Row{5, 0, 10, "5.0.10"}, Row{5, 0, 12, "5.0.12"},
                       Row{1, 2, 123, "1.2.123"}})
    EXPECT_EQ(version_text(r.major, r.minor, r.revision), r.text);
}

TEST_F(StartupTest, SecondCopyIsRefused) {
  platform::SingleInstance first(lock_path());
  ASSERT_TRUE(first.acquire());
  Program second(program_folder(), lock_path());
  EXPECT_FALSE(second.start());
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_TRUE(messages[0].text.endsWith(" already running "));
  EXPECT_EQ(messages[0].icon, platform::MessageIcon::Exclamation);
  EXPECT_EQ(second.main_window(), nullptr);
}

TEST_F(StartupTest, StartUpWindowShowsTheVersionWithoutItsLogo) {
  Program program(program_folder(), lock_path());  // no Logost.bmp in the Data folder
  ASSERT_TRUE(program.start());
  StartupWindow* startup = program.startup_window();
  ASSERT_NE(startup, nullptr);
  EXPECT_TRUE(startup->isVisible());
  EXPECT_EQ(startup->form().label("lblVersion")->text(), "Version " + program_version_text());
  EXPECT_TRUE(startup->form().picture("imgLogo")->picture().isNull());
  EXPECT_TRUE(startup->Timer1().isActive());
  EXPECT_EQ(startup->Timer1().interval(), 2000);
  EXPECT_EQ(program.state().LogoFile, "GeoLogo.bmp");
  EXPECT_EQ(program.state().model.Edition, 0);
}

TEST_F(StartupTest, TimerBuildsTheWindowsAndTheDisclaimerClosesTheStartUpWindow) {
  Program program(program_folder(), lock_path());
  ASSERT_TRUE(program.start());
  QPointer<StartupWindow> startup = program.startup_window();
  program.Timer1_Timer();
  ASSERT_NE(program.main_window(), nullptr);
  EXPECT_TRUE(program.main_window()->isVisible());
  EXPECT_EQ(modal_windows, std::vector<QString>{"Form15"});
  QApplication::processEvents();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(startup.isNull());
}

TEST_F(StartupTest, DisclaimerMakesTheLogoPictureWithWhiteTakingTheBackground) {
  QImage logo(3, 1, QImage::Format_RGB32);
  logo.setPixel(0, 0, qRgb(255, 255, 255));
  logo.setPixel(1, 0, qRgb(200, 0, 0));
  logo.setPixel(2, 0, qRgb(255, 255, 255));
  ASSERT_TRUE(logo.save(state->data_path("Logook.bmp"), "BMP"));
  DisclaimerWindow disclaimer(*state);
  disclaimer.Make_LogoPicture();
  const QImage made(state->data_path(program_state::kLogoPictureFile));
  ASSERT_EQ(made.size(), logo.size());
  const QRgb background =
      disclaimer.form().picture("Picture1")->palette().color(QPalette::Window).rgb();
  EXPECT_EQ(made.pixel(0, 0), background);
  EXPECT_EQ(made.pixel(1, 0), qRgb(200, 0, 0));
  EXPECT_EQ(made.pixel(2, 0), background);
}

TEST_F(StartupTest, WithoutTheEditionLogoTheOldPictureIsKept) {
  QImage old(2, 2, QImage::Format_RGB32);
  old.fill(qRgb(1, 2, 3));
  ASSERT_TRUE(old.save(state->data_path(program_state::kLogoPictureFile), "BMP"));
  DisclaimerWindow disclaimer(*state);
  disclaimer.Make_LogoPicture();
  EXPECT_EQ(QImage(state->data_path(program_state::kLogoPictureFile)).pixel(0, 0), qRgb(1, 2, 3));
}

TEST_F(StartupTest, DisclaimerExitEndsAtOnce) {
  DisclaimerWindow disclaimer(*state);
  disclaimer.Command2_Click();
  EXPECT_EQ(ends, 1);
}

}  // namespace
}  // namespace pellavan::app
