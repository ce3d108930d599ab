#pragma once
// The projects the analysis run is tried and measured on: the shipped sample, the worked example
// and ours.

#include <filesystem>
#include <span>
#include <string_view>

namespace pellavan::testing {

struct SetProject {
  std::string_view name;
  std::filesystem::path file;
  bool metric = false;  // shown in metric units, as a settings file can ask
};

std::span<const SetProject> project_set();

// The file of the set's project of that name; empty for none.
std::filesystem::path set_project_file(std::string_view name);

// The worked example: the shipped sample with hot water at 140 F, whose figures the workbook's
// worked example gives.
std::filesystem::path worked_example();

// A project of the damaged ones, by its source's name ("missing_furnace").
std::filesystem::path damaged_project(std::string_view name);

}  // namespace pellavan::testing
