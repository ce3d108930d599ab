// The paper the system names, from its variable, its locale and its papersize file.
#include <gtest/gtest.h>

#include "platform/system_paper.h"

namespace pellavan::platform {
namespace {

TEST(SystemPaperTest, TheFirstSourceThatNamesAPaperDecides) {
  struct Row {
    const char* name;
    PaperSources sources;
    Paper paper;
  };
  const Row rows[] = {
      {"a US locale, not installed", {"", "en_US.UTF-8", {}, {}, ""}, Paper::kLetter},
      {"a Canadian French locale", {"", "fr_CA.UTF-8", {}, {}, "a4\n"}, Paper::kLetter},
      {"a German locale", {"", "de_DE.UTF-8@euro", {}, {}, "letter"}, Paper::kA4},
      {"an installed locale's sizes", {"", "xx_YY", 216, 279, ""}, Paper::kLetter},
      {"legal sizes", {"", "xx_YY", 216, 356, ""}, Paper::kLegal},
      {"the C locale leaves it to the file",
       {"", "C.UTF-8", 210, 297, "# site\n Letter \n"},
       Paper::kLetter},
      {"the file in libpaper's words", {"", "POSIX", {}, {}, "a4"}, Paper::kA4},
      {"the variable first", {"letter", "de_DE", {}, {}, "a4"}, Paper::kLetter},
      {"a paper we do not know", {"", "", {}, {}, "b5"}, Paper::kLetter},
      {"no locale, no file", {}, Paper::kLetter},
      {"the C locale without a file", {"", "C.UTF-8", 210, 297, ""}, Paper::kLetter},
      {"a locale naming no country", {"", "en", {}, {}, ""}, Paper::kLetter},
      {"a British locale", {"", "en_GB.UTF-8", {}, {}, ""}, Paper::kA4},
  };
  for (const Row& r : rows) EXPECT_EQ(system_paper(r.sources), r.paper) << r.name;
}

}  // namespace
}  // namespace pellavan::platform
