// Linked into every test binary: at the end of a run with skipped tests and no failure, prints
// the line CTest reads to report the binary as skipped. A run with a failure never prints it,
// so a skip cannot hide a failure.
#include <gtest/gtest.h>

#include <cstdio>

namespace {

class SkipReport : public ::testing::EmptyTestEventListener {
  void OnTestProgramEnd(const ::testing::UnitTest& unit) override {
    if (unit.Passed() && unit.failed_test_count() == 0 && unit.skipped_test_count() > 0)
      std::printf("Skipped without failure: %d of %d tests\n", unit.skipped_test_count(),
                  unit.total_test_count());
  }
};

const bool kRegistered = [] {
  ::testing::UnitTest::GetInstance()->listeners().Append(new SkipReport);
  return true;
}();

}  // namespace
