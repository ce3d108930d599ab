#pragma once
// The help folder's topic map: one line per topic, the topic number and the page that shows it,
// optionally with an anchor ("460 project.html#client"). Blank lines and lines starting with "#"
// are ignored. A page must be a name inside the help folder.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pellavan::platform {

class HelpTopicMap {
 public:
  // Reads the map; lines it cannot use are left out and described in errors().
  static HelpTopicMap parse(std::string_view text);

  // The page of a topic ("project.html#client"), if the map has it.
  [[nodiscard]] std::optional<std::string> page(int topic) const;
  [[nodiscard]] const std::map<int, std::string>& pages() const { return pages_; }
  [[nodiscard]] const std::vector<std::string>& errors() const { return errors_; }

 private:
  std::map<int, std::string> pages_;
  std::vector<std::string> errors_;
};

}  // namespace pellavan::platform
