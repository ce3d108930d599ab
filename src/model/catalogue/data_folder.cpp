#include "model/catalogue/data_folder.h"

#include <optional>
#include <system_error>

#include "model/text/ascii.h"

namespace pellavan::model {
std::filesystem::path find_ignoring_case(const std::filesystem::path& folder,
                                         std::string_view name) {
  namespace fs = std::filesystem;
  const fs::path exact = folder / fs::path(name);
  std::error_code ec;
  if (fs::exists(exact, ec)) return exact;

  std::optional<fs::path> best;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const fs::path candidate = it->path();
    if (!equal_ignoring_case(candidate.filename().string(), name)) continue;
    if (!best || candidate.filename() < best->filename()) best = candidate;
  }
  return best ? *best : exact;
}

std::string data_file_path(const std::filesystem::path& program_folder,
                           std::string_view file_name) {
  return find_ignoring_case(find_ignoring_case(program_folder, "Data"), file_name).string();
}

}  // namespace pellavan::model
