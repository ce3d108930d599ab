#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/help_location.h"
#include "platform/help_topic_map.h"

namespace pellavan::platform {
namespace {

TEST(HelpFilePathTest, JoinsWithOneSeparator) {
  struct Row {
    const char* name;
    const char* folder;
    const char* path;
  };
  const Row rows[] = {
      {"plain folder", "/opt/pellavan", "/opt/pellavan/help"},
      {"folder ending in separator", "/opt/pellavan/", "/opt/pellavan/help"},
      {"root", "/", "/help"},
      {"blank at the end is part of the name", "/opt/my dir ", "/opt/my dir /help"},
      {"empty folder", "", "help"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(help_file_path(r.folder, kHelpFolderName), r.path);
  }
}

TEST(HelpTopicMapTest, ReadsTopicsAndReportsUnusableLines) {
  const auto map = HelpTopicMap::parse(
      "# comment\n"
      "\n"
      "460 project.html\n"
      "  610\tproject.html#city  \r\n"
      "20 main/window.html\n"
      "abc page.html\n"
      "0 zero.html\n"
      "-5 negative.html\n"
      "570\n"
      "580 ../outside.html\n"
      "590 /etc/passwd\n"
      "600 two words.html\n"
      "460 again.html\n"
      "12x page.html\n"
      "620 C:page.html");
  EXPECT_EQ(map.page(460), "project.html");
  EXPECT_EQ(map.page(610), "project.html#city");
  EXPECT_EQ(map.page(20), "main/window.html");
  EXPECT_EQ(map.page(999), std::nullopt);
  EXPECT_EQ(map.pages().size(), 3u);
  const std::vector<std::string> errors = {
      "line 6: no topic number",
      "line 7: no topic number",
      "line 8: no topic number",
      "line 9: no page",
      "line 10: page must be one name inside the help folder",
      "line 11: page must be one name inside the help folder",
      "line 12: page must be one name inside the help folder",
      "line 13: topic listed twice",
      "line 14: no topic number",
      "line 15: page must be one name inside the help folder",
  };
  EXPECT_EQ(map.errors(), errors);
}

// The help folder shipped with the program: its map is clean and names only pages that exist.
TEST(ShippedHelpTest, MapNamesExistingPages) {
  const std::filesystem::path folder = PELLAVAN_HELP_SOURCE_DIR;
  ASSERT_TRUE(std::filesystem::is_regular_file(folder / kHelpIndexPage));
  std::ifstream file(folder / kHelpTopicMapFile);
  ASSERT_TRUE(file) << "missing " << (folder / kHelpTopicMapFile);
  std::stringstream text;
  text << file.rdbuf();
  const auto map = HelpTopicMap::parse(text.str());
  EXPECT_TRUE(map.errors().empty());
  for (const auto& [topic, page] : map.pages()) {
    SCOPED_TRACE(topic);
    EXPECT_TRUE(std::filesystem::is_regular_file(folder / page.substr(0, page.find('#')))) << page;
  }
}

}  // namespace
}  // namespace pellavan::platform
