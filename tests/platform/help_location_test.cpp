#include <gtest/gtest.h>

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
      "Form9.txtDpth geo.html#depth\n"
      "0 zero.html\n"
      "-5 negative.html\n"
      "570\n"
      "580 ../outside.html\n"
      "590 /etc/passwd\n"
      "600 two words.html\n"
      "460 again.html\n"
      "12x page.html\n"
      "620 C:page.html\n"
      "Form9 geo.html\n"
      "Form9.a.b x.html\n"
      "Form9. x.html\n"
      "Form9 again.html");
  EXPECT_EQ(map.page(460), "project.html");
  EXPECT_EQ(map.page(610), "project.html#city");
  EXPECT_EQ(map.page(20), "main/window.html");
  EXPECT_EQ(map.page(999), std::nullopt);
  EXPECT_EQ(map.pages().size(), 3u);
  EXPECT_EQ(map.page("Form9.txtDpth"), "geo.html#depth");
  EXPECT_EQ(map.page("Form9"), "geo.html");
  EXPECT_EQ(map.page("Form8"), std::nullopt);
  const std::vector<HelpKey> chain = {"Form8.txtDpth", 999, 610, "Form9"};
  EXPECT_EQ(map.first_page(chain), "project.html#city");
  EXPECT_EQ(map.first_page(std::vector<HelpKey>{"Form8", 1}), std::nullopt);
  const std::vector<std::string> errors = {
      "line 7: no topic number or name",
      "line 8: no topic number or name",
      "line 9: no page",
      "line 10: page must be one name inside the help folder",
      "line 11: page must be one name inside the help folder",
      "line 12: page must be one name inside the help folder",
      "line 13: topic listed twice",
      "line 14: no topic number or name",
      "line 15: page must be one name inside the help folder",
      "line 17: no topic number or name",
      "line 18: no topic number or name",
      "line 19: topic listed twice",
  };
  EXPECT_EQ(map.errors(), errors);
}

}  // namespace
}  // namespace pellavan::platform
