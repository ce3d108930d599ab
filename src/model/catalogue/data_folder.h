#pragma once
// Where the data files live: the program's folder, then "Data", then the file name. Names are
// matched without regard to letter case ("tUnitData.CEA" and "TUnitData.CEA" name one file),
// so the names the program spells differently in different places all find the shipped file.

#include <filesystem>
#include <string>
#include <string_view>

namespace pellavan::model {

// The entry of `folder` named `name` ignoring ASCII case: the exact name when it exists, else
// the first match in name order, else folder / name (which does not exist).
[[nodiscard]] std::filesystem::path find_ignoring_case(const std::filesystem::path& folder,
                                                       std::string_view name);

// Full path of a file of the Data folder beside the program.
[[nodiscard]] std::string data_file_path(const std::filesystem::path& program_folder,
                                         std::string_view file_name);

}  // namespace pellavan::model
