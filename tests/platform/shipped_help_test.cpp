#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "platform/help_location.h"
#include "platform/shipped_help.h"

namespace pellavan::platform {
namespace {

using testing::anchors_of;
using testing::help_pages;
using testing::links_of;

// A target "page.html#anchor" names a page of the folder and, when it has one, an anchor of it.
void expect_target(const std::map<std::string, std::string>& pages, const std::string& target) {
  const std::string file = target.substr(0, target.find('#'));
  const auto page = pages.find(file);
  ASSERT_NE(page, pages.end()) << target;
  if (const auto hash = target.find('#'); hash != std::string::npos) {
    EXPECT_EQ(anchors_of(page->second).count(target.substr(hash + 1)), 1u) << target;
  }
}

TEST(ShippedHelpTest, MapTargetsExistWithTheirAnchors) {
  const auto map = testing::help_map();
  EXPECT_TRUE(map.errors().empty()) << map.errors().front();
  const auto pages = help_pages();
  ASSERT_TRUE(pages.count(kHelpIndexPage));
  for (const auto& [topic, target] : map.pages()) {
    SCOPED_TRACE(topic);
    expect_target(pages, target);
  }
  for (const auto& [name, target] : map.named_pages()) {
    SCOPED_TRACE(name);
    expect_target(pages, target);
  }
}

TEST(ShippedHelpTest, ContentsListEveryPageAndEveryLinkLands) {
  const auto pages = help_pages();
  const auto from_index = links_of(pages.at(kHelpIndexPage));
  for (const auto& [name, text] : pages) {
    SCOPED_TRACE(name);
    if (name != kHelpIndexPage) {
      EXPECT_TRUE(std::any_of(from_index.begin(), from_index.end(), [&](const std::string& link) {
        return link.substr(0, link.find('#')) == name;
      })) << "not listed in the contents";
    }
    for (const std::string& link : links_of(text)) {
      if (link.front() == '#') {
        expect_target(pages, name + link);
      } else {
        expect_target(pages, link);
      }
    }
  }
}

TEST(ShippedHelpTest, EveryPageIsWrittenAndItsRangesAreReadable) {
  for (const auto& [name, text] : help_pages()) {
    SCOPED_TRACE(name);
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    EXPECT_EQ(lower.find("not written"), std::string::npos);
    EXPECT_EQ(lower.find("add help here"), std::string::npos);
    const auto statements = testing::range_statements();
    const auto on_page = std::count_if(statements.begin(), statements.end(),
                                       [&](const auto& s) { return s.page == name; });
    EXPECT_EQ(on_page, testing::range_elements(text)) << "a range element of another form";
  }
}

}  // namespace
}  // namespace pellavan::platform
