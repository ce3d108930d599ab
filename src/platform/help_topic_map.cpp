#include "platform/help_topic_map.h"

#include <charconv>

namespace pellavan::platform {
namespace {

std::string_view trim(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

// A page stays inside the help folder: no absolute path, no drive, no step up.
bool is_safe_page(std::string_view page) {
  const std::string_view file = page.substr(0, page.find('#'));
  if (file.empty() || file.front() == '/' || file.find('\\') != std::string_view::npos ||
      file.find(':') != std::string_view::npos)
    return false;
  std::size_t start = 0;
  while (start <= file.size()) {
    const auto end = std::min(file.find('/', start), file.size());
    if (file.substr(start, end - start) == "..") return false;
    start = end + 1;
  }
  return true;
}

}  // namespace

HelpTopicMap HelpTopicMap::parse(std::string_view text) {
  HelpTopicMap map;
  int line_number = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    const auto end = std::min(text.find('\n', start), text.size());
    const std::string_view line = trim(text.substr(start, end - start));
    start = end + 1;
    ++line_number;
    if (line.empty() || line.front() == '#') continue;
    auto fail = [&](const char* why) {
      map.errors_.push_back("line " + std::to_string(line_number) + ": " + why);
    };
    int topic = 0;
    const auto [after, ec] = std::from_chars(line.data(), line.data() + line.size(), topic);
    if (ec != std::errc() || topic <= 0 ||
        (after != line.data() + line.size() && *after != ' ' && *after != '\t')) {
      fail("no topic number");
      continue;
    }
    const std::string_view page = trim(line.substr(static_cast<std::size_t>(after - line.data())));
    if (page.empty()) {
      fail("no page");
    } else if (page.find_first_of(" \t") != std::string_view::npos || !is_safe_page(page)) {
      fail("page must be one name inside the help folder");
    } else if (!map.pages_.emplace(topic, std::string(page)).second) {
      fail("topic listed twice");
    }
  }
  return map;
}

std::optional<std::string> HelpTopicMap::page(int topic) const {
  const auto it = pages_.find(topic);
  if (it == pages_.end()) return std::nullopt;
  return it->second;
}

}  // namespace pellavan::platform
