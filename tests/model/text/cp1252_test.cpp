#include "model/text/cp1252.h"

#include <gtest/gtest.h>

#include <string>

namespace pellavan::model {
namespace {

TEST(Cp1252Test, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_EQ(cp1252_from_utf8(utf8_from_cp1252(all)), all);
}

TEST(Cp1252Test, ConvertsTheCharactersOfTheCodePage) {
  struct Row {
    const char* name;
    std::string bytes;
    std::string utf8;
  };
  const Row rows[] = {
      {"ASCII", "Average Rock", "Average Rock"},
      {"degree sign",
       "\xB0"
       "F",
       "\u00B0F"},
      {"accented letters",
       "Qu\xE9"
       "bec, Montr\xE9"
       "al",
       "Qu\u00E9bec, Montr\u00E9al"},
      {"euro and quotes", "\x80 \x93x\x94", "\u20AC \u201Cx\u201D"},
      {"inch mark", "0.75\"", "0.75\""},
      {"undefined byte", "\x81", "\u0081"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(utf8_from_cp1252(r.bytes), r.utf8);
    EXPECT_EQ(cp1252_from_utf8(r.utf8), r.bytes);
  }
}

TEST(Cp1252Test, WhatTheCodePageCannotHoldBecomesAQuestionMark) {
  struct Row {
    const char* name;
    std::string utf8;
    std::string bytes;
  };
  const Row rows[] = {
      {"Greek", "\u03A9 ohm", "? ohm"},
      {"emoji", "a\U0001F600b", "a?b"},
      {"lone continuation byte", "a\x80z", "a?z"},
      {"cut sequence", "a\xC3", "a?"},
      {"overlong slash", "\xC0\xAF", "?"},
      {"surrogate", "\xED\xA0\x80", "?"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(cp1252_from_utf8(r.utf8), r.bytes);
  }
}

TEST(Cp1252Test, FieldsAreShownTrimmedAndStoredPadded) {
  Text<8> field;
  assign_utf8(field, "5 \u00B0C");
  EXPECT_EQ(field.str(),
            "5 \xB0"
            "C    ");
  EXPECT_EQ(shown_text(field), "5 \u00B0C");
  assign_utf8(field, "Montr\u00E9al-Nord");
  EXPECT_EQ(shown_text(field), "Montr\u00E9al");
}

}  // namespace
}  // namespace pellavan::model
