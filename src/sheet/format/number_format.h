#pragma once
// Display formats of cells (views, printing) and of the TEXT worksheet function, in the US style:
// "." decimal point and "," group separator whatever the machine's settings.
//
// Codes: up to four sections "positive;negative;zero;text" (a negative shown by the first section
// gets a "-", unless nothing but zeros shows); digit placeholders 0 # ?, one ".", "," between
// placeholders for grouping and after them for /1000, "%", "General", "@", dates from d dd ddd
// dddd m mm mmm mmmm mmmmm yy yyyy, literals "quoted", \x, _x (one blank), *x (dropped), bare
// $ - + ( ) : / and blanks, colours [Red] [Blue] ... (only red is reported). Numbers round half
// away from zero after rounding to 15 significant digits, as spreadsheets display them.

#include <memory>
#include <string>
#include <string_view>

namespace pellavan::sheet {

struct FormatCode;  // parsed sections, format_code_parser.h

// The short date (month/day/two-digit year) of cells that hold a date.
inline constexpr std::string_view kShortDateCode = "m/d/yy";

class NumberFormat {
 public:
  NumberFormat();  // General
  // Never throws: an empty or malformed code, or one using features outside the supported set
  // (conditions, locale tags, exponents, fractions, times), falls back to General.
  static NumberFormat parse(std::string_view code);
  static NumberFormat general();

  std::string_view code() const;  // as given to parse(), "General" for the default

  struct Rendered {
    std::string text;
    bool red = false;  // the chosen section carries [Red]
  };
  Rendered format_number(double value) const;
  std::string format_text(std::string_view text) const;  // how a text cell shows under this format
  bool is_date() const;                                  // the number section shows a date
  bool is_general() const;  // the code is (or fell back to) plain General

 private:
  explicit NumberFormat(std::shared_ptr<const FormatCode> parsed);
  std::shared_ptr<const FormatCode> parsed_;  // immutable, shared by copies
};

// The TEXT worksheet function: TEXT(12934,"#,###") = "12,934".
std::string text_function(double value, std::string_view format_code);

}  // namespace pellavan::sheet
