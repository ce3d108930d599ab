// The city lines and the project-notes lines of the Loads sheet.
#include <gtest/gtest.h>

#include <string>

#include "workbook/filler/loads_texts.h"

namespace pellavan::workbook {
namespace {

TEST(CityLine, JoinsCityStateAndZip) {
  struct Row {
    const char *name, *city, *state, *zip, *line;
  };
  const Row rows[] = {
      {"full", "St. Louis", "MO", "63101", "St. Louis, MO  63101"},
      {"padded fields", "St. Louis                ", "MO   ", "63101          ",
       "St. Louis, MO  63101"},
      {"no city starts with the state", "", "MO", "63101", "MO  63101"},
      {"blank city", "     ", "MO", "63101", "MO  63101"},
      {"no zip", "Chicago", "IL", "", "Chicago, IL"},
      {"nothing", "", "", "", ""},
  };
  for (const Row& r : rows) EXPECT_EQ(city_line(r.city, r.state, r.zip), r.line) << r.name;
}

std::string padded(std::string text) {
  text.resize(165, ' ');
  return text;
}

TEST(NotesLines, ShortNotesFillLineOneAndLeaveTheOthersBlank) {
  const auto lines = notes_lines(padded("Loop in the back yard."));
  EXPECT_EQ(lines[0], padded("Loop in the back yard.").substr(0, 55));
  EXPECT_EQ(lines[1], std::string(56, ' '));
  EXPECT_EQ(lines[2], std::string(53, ' '));
}

TEST(NotesLines, FullNotesBreakAtBlanksAndMarkTheCut) {
  std::string words;
  while (words.size() < 165) words += "abcd ";  // a blank at every fifth position
  const auto lines = notes_lines(words);
  // Position 56 is no blank; moving left, 55 is: line 1 is the 54 characters before it.
  EXPECT_EQ(lines[0], words.substr(0, 54));
  // Line 2 runs from 56 to the blank at 110, which it ends with.
  EXPECT_EQ(lines[1], words.substr(55, 55));
  EXPECT_EQ(lines[1].back(), ' ');
  // Line 3: 55 characters from 111; the 55th (position 165) is a blank, so no mark.
  EXPECT_EQ(lines[2], words.substr(110));
  EXPECT_EQ(lines[2].find("..."), std::string::npos);

  std::string dense(165, 'x');
  for (std::size_t i = 50; i < 165; i += 50) dense[i] = ' ';  // blanks at positions 51, 101, 151
  const auto cut = notes_lines(dense);
  EXPECT_EQ(cut[0], dense.substr(0, 50));
  EXPECT_EQ(cut[1], dense.substr(51, 50));  // positions 52..101
  ASSERT_EQ(cut[2].size(), 55u);            // positions 102..156; 156 is no blank
  EXPECT_EQ(cut[2], dense.substr(101, 52) + "...");
}

TEST(NotesLines, NotesWithoutABlankLoseTheirFiftyFifthCharacter) {
  std::string solid;
  for (int i = 0; i < 165; ++i) solid += static_cast<char>('A' + i % 26);
  const auto lines = notes_lines(solid);
  EXPECT_EQ(lines[0], solid.substr(0, 54));
  EXPECT_EQ(lines[1], solid.substr(55, 55));  // positions 56..110
  EXPECT_EQ(lines[2], solid.substr(110, 52) + "...");
}

TEST(NotesLines, ControlCharactersAndNulsCountAsBlanks) {
  std::string notes(165, '\0');
  notes.replace(0, 4, "Note");
  const auto lines = notes_lines(notes);
  EXPECT_EQ(lines[0], notes.substr(0, 55));
  EXPECT_EQ(lines[2].find("..."), std::string::npos);
}

}  // namespace
}  // namespace pellavan::workbook
