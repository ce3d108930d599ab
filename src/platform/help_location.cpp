#include "platform/help_location.h"

namespace pellavan::platform {

std::string help_file_path(std::string_view program_folder, std::string_view name) {
  std::string path(program_folder);
  if (!path.empty() && path.back() != '/') path.push_back('/');
  path.append(name);
  return path;
}

}  // namespace pellavan::platform
