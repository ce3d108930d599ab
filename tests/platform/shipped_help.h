#pragma once
// The help folder shipped in the sources, read as the tests need it: its topic map, its pages
// with their anchors and links, and the range statements the pages make. A range statement is
// an element such as
//   <span class="range" data-check="Test_Data/heating load" data-imperial="1000 999999"
//         data-metric="0 292">1,000 to 999,999 Btu/h; 0 to 292 kW</span>
// naming a validation table and its row, with the row's bounds in each display: a number, "calc"
// for a bound the window calculates, "none" for no bound, ">" before a lower bound that is
// itself refused.

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/help_topic_map.h"

namespace pellavan::platform::testing {

inline std::filesystem::path help_folder() { return PELLAVAN_HELP_SOURCE_DIR; }

inline std::string read_text(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

inline HelpTopicMap help_map() {
  return HelpTopicMap::parse(read_text(help_folder() / "topics.txt"));
}

// The .html pages of the folder, by file name.
inline std::map<std::string, std::string> help_pages() {
  std::map<std::string, std::string> pages;
  for (const auto& entry : std::filesystem::directory_iterator(help_folder()))
    if (entry.path().extension() == ".html")
      pages[entry.path().filename().string()] = read_text(entry.path());
  return pages;
}

// Every match of the first group of `pattern` in `text`.
inline std::vector<std::string> captures(const std::string& text, const std::regex& pattern) {
  std::vector<std::string> found;
  for (std::sregex_iterator it(text.begin(), text.end(), pattern), end; it != end; ++it)
    found.push_back((*it)[1].str());
  return found;
}

inline std::set<std::string> anchors_of(const std::string& page) {
  static const std::regex anchor(R"re(\s(?:id|name)="([^"]+)")re");
  const auto found = captures(page, anchor);
  return {found.begin(), found.end()};
}

inline std::vector<std::string> links_of(const std::string& page) {
  static const std::regex link(R"re(<a\s[^>]*href="([^"]+)")re");
  return captures(page, link);
}

struct RangeStatement {
  std::string page;
  std::string check;  // "table/row"
  std::string imperial;
  std::string metric;  // empty: the element gives none
  std::string text;    // what the reader sees
};

inline std::vector<RangeStatement> range_statements() {
  static const std::regex span(
      R"re(<span class="range" data-check="([^"]*)" data-imperial="([^"]*)"(?: data-metric="([^"]*)")?>([^<]*)</span>)re");
  std::vector<RangeStatement> found;
  for (const auto& [name, page] : help_pages())
    for (std::sregex_iterator it(page.begin(), page.end(), span), end; it != end; ++it)
      found.push_back({name, (*it)[1].str(), (*it)[2].str(), (*it)[3].str(), (*it)[4].str()});
  return found;
}

// How many elements with class "range" a page has, matched by range_statements() or not.
inline int range_elements(const std::string& page) {
  static const std::regex element(R"re(class="range")re");
  return static_cast<int>(std::distance(std::sregex_iterator(page.begin(), page.end(), element),
                                        std::sregex_iterator()));
}

}  // namespace pellavan::platform::testing
