#pragma once
// The help folder's topic map: one line per key, the key and the page that shows it, optionally
// with an anchor ("460 project.html#client"). A key is a help topic number, a window's name
// ("Form9") or a window's name and one of its controls ("Form9.txtDpth"); names reach the
// windows and controls whose design gives no topic of their own, or shares one with another
// window. Blank lines and lines starting with "#" are ignored. A page must be a name inside the
// help folder.

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace pellavan::platform {

// One step of the way from a focused control out to its window: a name key or a topic number.
using HelpKey = std::variant<std::string, int>;

class HelpTopicMap {
 public:
  // Reads the map; lines it cannot use are left out and described in errors().
  static HelpTopicMap parse(std::string_view text);

  // The page of a topic ("project.html#client"), if the map has it.
  [[nodiscard]] std::optional<std::string> page(int topic) const;
  // The page of a window or control name ("Form9.txtDpth"), if the map has it.
  [[nodiscard]] std::optional<std::string> page(std::string_view name) const;
  // The page of the first key of the chain the map has; nothing when it has none.
  [[nodiscard]] std::optional<std::string> first_page(std::span<const HelpKey> chain) const;

  [[nodiscard]] const std::map<int, std::string>& pages() const { return pages_; }
  [[nodiscard]] const std::map<std::string, std::string, std::less<>>& named_pages() const {
    return named_;
  }
  [[nodiscard]] const std::vector<std::string>& errors() const { return errors_; }

 private:
  std::map<int, std::string> pages_;
  std::map<std::string, std::string, std::less<>> named_;
  std::vector<std::string> errors_;
};

}  // namespace pellavan::platform
