// A data file the model cannot read, met in a handler the event loop runs, ends the program with
// the model's message, as the program's application catches it.

#include "app/ending_application.h"

#include <gtest/gtest.h>

#include <QTimer>

#include "model/catalogue/data_file_access.h"

namespace pellavan::app {
namespace {

constexpr const char* kMessage = "Citydata.CEA File Not Found -- Contact Oskerby Support";

// The program's loop, whose first handler meets the failure; never returns.
void run_into_failure() {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int argc = 1;
  char name[] = "pellavan";
  char* argv[] = {name, nullptr};
  EndingApplication application(argc, argv);
  QTimer::singleShot(0, [] { throw model::DataFileFailure(kMessage); });
  QApplication::exec();
}

TEST(EndingApplicationTest, ADataFileFailureInAHandlerEndsTheProgramWithItsMessage) {
  EXPECT_EXIT(run_into_failure(), ::testing::ExitedWithCode(1), kMessage);
}

}  // namespace
}  // namespace pellavan::app
