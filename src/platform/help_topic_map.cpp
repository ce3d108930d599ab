#include "platform/help_topic_map.h"

#include <cctype>
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

// A window's name, or a window's and a control's joined by one ".".
bool is_name_key(std::string_view key) {
  if (key.empty() || key.front() == '.' || key.back() == '.') return false;
  if (key.front() >= '0' && key.front() <= '9') return false;
  int dots = 0;
  for (const char c : key) {
    if (c == '.') {
      ++dots;
    } else if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') {
      return false;
    }
  }
  return dots <= 1;
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
    const std::string_view key = line.substr(0, line.find_first_of(" \t"));
    const std::string_view page = trim(line.substr(key.size()));
    int topic = 0;
    const bool named = is_name_key(key);
    if (!named) {
      const auto [after, ec] = std::from_chars(key.data(), key.data() + key.size(), topic);
      if (ec != std::errc() || topic <= 0 || after != key.data() + key.size()) {
        fail("no topic number or name");
        continue;
      }
    }
    if (page.empty()) {
      fail("no page");
    } else if (page.find_first_of(" \t") != std::string_view::npos || !is_safe_page(page)) {
      fail("page must be one name inside the help folder");
    } else if (named ? !map.named_.emplace(std::string(key), std::string(page)).second
                     : !map.pages_.emplace(topic, std::string(page)).second) {
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

std::optional<std::string> HelpTopicMap::page(std::string_view name) const {
  const auto it = named_.find(name);
  if (it == named_.end()) return std::nullopt;
  return it->second;
}

std::optional<std::string> HelpTopicMap::first_page(std::span<const HelpKey> chain) const {
  for (const HelpKey& key : chain) {
    auto found = std::visit([this](const auto& k) { return page(k); }, key);
    if (found) return found;
  }
  return std::nullopt;
}

}  // namespace pellavan::platform
