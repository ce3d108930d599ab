#include "sheet/address.h"

#include <algorithm>

namespace pellavan::sheet {

namespace {

bool is_letter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<A1Parts> read_a1_parts(std::string_view text) {
  A1Parts parts;
  std::size_t i = 0;
  parts.col_abs = i < text.size() && text[i] == '$';
  if (parts.col_abs) ++i;
  const std::size_t letters = i;
  while (i < text.size() && is_letter(text[i])) {
    if (i - letters < 3)
      parts.col = parts.col * 26 + (text[i] & 0x1F);  // more letters are refused below
    ++i;
  }
  if (i == letters || i - letters > 3) return std::nullopt;
  parts.row_abs = i < text.size() && text[i] == '$';
  if (parts.row_abs) ++i;
  const std::size_t digits = i;
  while (i < text.size() && is_digit(text[i]))
    parts.row = std::min(parts.row * 10 + (text[i++] - '0'), 100000000L);
  if (i == digits || i != text.size()) return std::nullopt;
  parts.row -= 1;
  parts.col -= 1;
  return parts;
}

std::optional<CellPos> CellRef::to_abs(CellPos origin) const {
  const long r = row_abs ? row : static_cast<long>(origin.row) + row;
  const long c = col_abs ? col : static_cast<long>(origin.col) + col;
  if (r < 0 || r >= kMaxRows || c < 0 || c >= kMaxCols) return std::nullopt;
  return CellPos{sheet == kOwnSheet ? origin.sheet : sheet, static_cast<int>(r),
                 static_cast<int>(c)};
}

CellRef CellRef::from_abs(CellPos target, CellPos at, bool row_abs, bool col_abs, int sheet) {
  CellRef ref;
  ref.sheet = sheet;
  ref.row_abs = row_abs;
  ref.col_abs = col_abs;
  ref.row = row_abs ? target.row : target.row - at.row;
  ref.col = col_abs ? target.col : target.col - at.col;
  return ref;
}

std::optional<RangePos> RangeRef::to_abs(CellPos origin) const {
  const auto a = first.to_abs(origin);
  auto last_ref = last;
  last_ref.sheet = first.sheet;
  const auto b = last_ref.to_abs(origin);
  if (!a || !b) return std::nullopt;
  return RangePos{a->sheet, std::min(a->row, b->row), std::min(a->col, b->col),
                  std::max(a->row, b->row), std::max(a->col, b->col)};
}

std::string column_name(int col) {
  std::string name;
  for (int c = col + 1; c > 0; c = (c - 1) / 26)
    name.insert(name.begin(), static_cast<char>('A' + (c - 1) % 26));
  return name;
}

std::optional<int> column_from_name(std::string_view letters) {
  if (letters.empty() || letters.size() > 3) return std::nullopt;
  int col = 0;
  for (char ch : letters) {
    if (!is_letter(ch)) return std::nullopt;
    col = col * 26 + (ch & 0x1F);
  }
  if (col > kMaxCols) return std::nullopt;
  return col - 1;
}

std::string format_a1(int row, int col, bool row_abs, bool col_abs) {
  std::string text;
  if (col_abs) text += '$';
  text += column_name(col);
  if (row_abs) text += '$';
  text += std::to_string(row + 1);
  return text;
}

std::optional<CellPos> parse_a1(std::string_view text) {
  const auto a = read_a1_parts(text);
  if (!a || !inside_sheet(static_cast<int>(a->row), static_cast<int>(a->col))) return std::nullopt;
  return CellPos{0, static_cast<int>(a->row), static_cast<int>(a->col)};
}

std::optional<RangePos> parse_a1_range(std::string_view text) {
  const auto colon = text.find(':');
  const auto a = parse_a1(text.substr(0, colon));
  const auto b = colon == std::string_view::npos ? a : parse_a1(text.substr(colon + 1));
  if (!a || !b) return std::nullopt;
  return RangePos{0, std::min(a->row, b->row), std::min(a->col, b->col), std::max(a->row, b->row),
                  std::max(a->col, b->col)};
}

std::string format_a1_range(const RangePos& range) {
  std::string text = format_a1(range.first_row, range.first_col);
  if (range.rows() > 1 || range.cols() > 1) text += ':' + format_a1(range.last_row, range.last_col);
  return text;
}

std::string quote_sheet_name(std::string_view name) {
  bool plain = !name.empty() && !is_digit(name.front()) && !read_a1_parts(name);
  for (char ch : name) {
    if (!is_letter(ch) && !is_digit(ch) && ch != '_' && ch != '.') plain = false;
  }
  if (plain) return std::string(name);
  std::string quoted = "'";
  for (char ch : name) {
    quoted += ch;
    if (ch == '\'') quoted += '\'';
  }
  return quoted + "'";
}

}  // namespace pellavan::sheet
