// pellavan-wbdump on a project whose analysis cannot settle on a figure: the figure is named on a
// line of the report beginning "uncertain:", and the results stay usable (exit code 0).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

#include "model/project/project_file.h"
#include "tools/sample_data_fixture.h"
#include "wbdump/formula_override.h"
#include "wbdump/sweep_houses.h"

namespace pellavan::wbdump {
namespace {

namespace fs = std::filesystem;

using UncertainLinesTest = pellavan::testing::SampleDataTest;

TEST_F(UncertainLinesTest, EachFigureNotSettledOnHasALineOfItsOwn) {
  workbook::ProjectAnalysis analysis(model.program_folder);
  analysis.book = old_backup_template();
  const auto house = wbdump::widest_cycle_house(
      analysis, workbook::read_project_for_analysis(path_of("Sample Project.pvn")));
  ASSERT_TRUE(house) << "the large house settles in every city of the climate table";
  const fs::path project =
      fs::temp_directory_path() / ("pellavan_uncertain_" + std::to_string(::getpid()) + ".pvn");
  ASSERT_FALSE(model::write_project_file(project, *house));
  const std::string command =
      std::string(PELLAVAN_WBDUMP) + " --override '" + std::string(kOldBackupRange) + "' '" +
      std::string(kOldBackupRunTime) + "' '" + project.string() + "' 2>&1 >/dev/null";
  FILE* pipe = ::popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string report;
  char buffer[4096];
  while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) report += buffer;
  const int status = ::pclose(pipe);
  fs::remove(project);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << report;
  EXPECT_THAT(report, ::testing::HasSubstr("results usable\n"));
  EXPECT_THAT(report, ::testing::ContainsRegex(
                          "\nuncertain: Geo A heating cost [0-9.]+, between [0-9.]+ and [0-9.]+ "
                          "\\([0-9.]+ %\\)\n"));
}

}  // namespace
}  // namespace pellavan::wbdump
