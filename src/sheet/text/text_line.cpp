#include "sheet/text/text_line.h"

#include <charconv>
#include <cmath>

#include "sheet/book.h"
#include "sheet/calc/coerce.h"
#include "sheet/errors.h"
#include "sheet/format/entry_rule.h"

namespace pellavan::sheet {

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }

bool starts_comment(std::string_view line, std::size_t i) {
  return line[i] == '#' && (i == 0 || is_blank(line[i - 1])) &&
         (i + 1 == line.size() || is_blank(line[i + 1]));
}

// The formula from `begin` to a comment or the end, trailing blanks dropped.
std::string formula_text(std::string_view line, std::size_t begin) {
  bool quoted = false;
  std::size_t end = line.size();
  for (std::size_t i = begin; i < line.size(); ++i) {
    if (line[i] == '"') quoted = !quoted;
    if (!quoted && starts_comment(line, i)) {
      end = i;
      break;
    }
  }
  while (end > begin && is_blank(line[end - 1])) --end;
  return std::string(line.substr(begin, end - begin));
}

}  // namespace

TextLine split_line(std::string_view file, int number, std::string_view line) {
  TextLine out{file, number, {}};
  std::size_t i = 0;
  for (;;) {
    while (i < line.size() && is_blank(line[i])) ++i;
    if (i >= line.size() || starts_comment(line, i)) break;
    LineToken token;
    if (line[i] == '=') {
      token.kind = LineToken::Kind::kFormula;
      token.text = formula_text(line, i + 1);
      out.tokens.push_back(std::move(token));
      break;
    }
    if (line[i] == '"') {
      token.kind = LineToken::Kind::kQuoted;
      for (++i;; ++i) {
        if (i >= line.size()) out.fail("text without its closing quote");
        if (line[i] == '"') {
          if (i + 1 < line.size() && line[i + 1] == '"') {
            token.text += '"';
            ++i;
            continue;
          }
          ++i;
          break;
        }
        token.text += line[i];
      }
    } else {
      const std::size_t start = i;
      while (i < line.size() && !is_blank(line[i])) ++i;
      token.text = std::string(line.substr(start, i - start));
    }
    out.tokens.push_back(std::move(token));
  }
  return out;
}

bool TextLine::word_is(std::size_t i, std::string_view word) const {
  return i < tokens.size() && tokens[i].kind == LineToken::Kind::kWord && tokens[i].text == word;
}

void TextLine::fail(const std::string& message) const {
  throw BookFileError(std::string(file) + ":" + std::to_string(number) + ": " + message);
}

const std::string& TextLine::word(std::size_t i, std::string_view what) const {
  if (i >= tokens.size()) fail("missing " + std::string(what));
  if (tokens[i].kind != LineToken::Kind::kWord)
    fail("expected " + std::string(what) + ", found \"" + tokens[i].text + "\"");
  return tokens[i].text;
}

double TextLine::number_at(std::size_t i, std::string_view what) const {
  const std::string& w = word(i, what);
  double value = 0.0;
  const auto [end, ec] = std::from_chars(w.data(), w.data() + w.size(), value);
  if (ec != std::errc() || end != w.data() + w.size() || !std::isfinite(value)) {
    fail("expected " + std::string(what) + " as a number, found '" + w + "'");
  }
  return value;
}

int TextLine::integer_at(std::size_t i, std::string_view what) const {
  const double value = number_at(i, what);
  if (value != std::floor(value) || std::fabs(value) > 1e9)
    fail(std::string(what) + " must be a whole number");
  return static_cast<int>(value);
}

RangePos TextLine::range_at(std::size_t i, int sheet) const {
  const std::string& w = word(i, "a cell or range");
  auto range = parse_a1_range(w);
  if (!range) fail("'" + w + "' is no cell or range");
  range->sheet = sheet;
  return *range;
}

CellPos TextLine::cell_at(std::size_t i, int sheet) const {
  const std::string& w = word(i, "a cell");
  auto pos = parse_a1(w);
  if (!pos) fail("'" + w + "' is no cell");
  pos->sheet = sheet;
  return *pos;
}

Value TextLine::constant_at(std::size_t i, Book& book) const {
  if (i >= tokens.size()) fail("missing value");
  const LineToken& t = tokens[i];
  if (t.kind == LineToken::Kind::kQuoted) return Value::text(book.intern(t.text));
  if (t.kind == LineToken::Kind::kFormula) fail("a formula cannot stand here");
  if (compare_ignoring_case(t.text, "TRUE") == 0) return Value::boolean(true);
  if (compare_ignoring_case(t.text, "FALSE") == 0) return Value::boolean(false);
  ErrorCode error{};
  if (error_from_text(t.text, error)) return Value::error(error);
  const EntryValue entry = apply_entry_rule(t.text);
  if (entry.kind != EntryValue::Kind::kNumber)
    fail("'" + t.text + "' is no number: write texts in quotes");
  return Value::number(entry.number);
}

}  // namespace pellavan::sheet
