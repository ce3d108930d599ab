#include <gtest/gtest.h>

#include <string>

#include "update/update_notice.h"
#include "update/update_site.h"
#include "update/update_ui.h"
#include "update/version_number.h"

namespace pellavan::update {
namespace {

TEST(UpdateRulesTest, RunningVersionNumber) {
  struct Row {
    int major, minor, revision;
    double number;
  };
  // 5.0.10 reads 5.01 like 5.0.1: the version files on the server follow this rule.
  const Row rows[] = {
      {5, 0, 1, 5.01}, {5, 0, 10, 5.01}, {5, 2, 3, 5.23}, {1, 0, 0, 1.0}, {12, 3, 45, 12.345}};
  for (const Row& r : rows)
    EXPECT_DOUBLE_EQ(this_version_number(r.major, r.minor, r.revision), r.number);
}

TEST(UpdateRulesTest, VersionFileNumberAndText) {
  struct Row {
    const char* file;
    double number;
    const char* text;
  };
  const Row rows[] = {
      {"5.01\r\n", 5.01, "5.0.10"},
      {"5.02,Pellavan 5.0.2\r\n", 5.02, "5.0.20"},
      {"   5.02\n", 5.02, "5.0.20"},
      {"\"5.001\",x", 5.001, "5.0.01"},
      {"", 0, "0.0.00"},
      {"latest\r\n", 0, "0.0.00"},
      {"\"\"", 0, "0.0.00"},
      {"\t6\r\n5.02", 6, "6.0.00"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.file);
    EXPECT_DOUBLE_EQ(web_version_number(r.file), r.number);
    EXPECT_EQ(web_version_text(r.number), r.text);
  }
}

TEST(UpdateRulesTest, OnlyAVersionNumberReadsAsAVersion) {
  struct Row {
    std::string file;
    bool version;
  };
  const Row rows[] = {
      {"5.01\r\n", true},
      {"5.02,Pellavan 5.0.2\r\n", true},
      {"   5.02 \n", true},
      {"\"5.001\",x", true},
      {"\t6\r\n5.02", true},
      {"", false},
      {"latest\r\n", false},
      {"\"\"", false},
      {"<!DOCTYPE html><html><body>Too Many Requests</body></html>", false},
      {std::string(64, '\0'), false},
      {"1e400", false},
      {"5.02abc", false},
      {"0.000", false},
      {"-5.02", false},
      {"5..1", false},
      {"1234.5", false},
  };
  for (const Row& r : rows) EXPECT_EQ(reads_as_version(r.file), r.version) << r.file;
}

TEST(UpdateRulesTest, PagesOfTheEditions) {
  const UpdateSite site{"http://maker", {{5, "http://tavistel"}, {6, "http://wendle"}}};
  struct Row {
    model::Int16 edition;
    const char* page;
  };
  const Row rows[] = {{0, "http://maker/index/pellavan_ok"}, {1, "http://maker/index/pellavan_bn"},
                      {2, "http://maker/index/pellavan_ok"}, {3, "http://maker/index/pellavan_mk"},
                      {4, "http://maker/index/pellavan_ok"}, {5, "http://tavistel/pellavan.html"},
                      {6, "http://wendle/pellavan.html"},    {9, "http://maker/index/pellavan_ok"}};
  for (const Row& r : rows) EXPECT_EQ(update_page_url(site, r.edition), r.page) << r.edition;
  EXPECT_EQ(version_file_url(site, "kqverok.txt"), "http://maker/kqverok.txt");
}

}  // namespace
}  // namespace pellavan::update
