#pragma once
// Cell addresses. CellPos is an absolute position (0-based sheet index, row and column); CellRef is
// a reference as a formula holds it, each axis either absolute or relative to the formula's own
// cell, so that one reference serves every cell of a filled-down range. A1 text is read and written
// here and nowhere else.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace pellavan::sheet {

// The size of a sheet (that of the workbook format the templates come from: rows 1-16384, A-IV).
inline constexpr int kMaxRows = 16384;
inline constexpr int kMaxCols = 256;

struct CellPos {
  int sheet = 0;  // 0-based index in the book
  int row = 0;    // 0-based
  int col = 0;    // 0-based
  friend constexpr bool operator==(const CellPos&, const CellPos&) = default;
  friend constexpr auto operator<=>(const CellPos&,
                                    const CellPos&) = default;  // sheet, row, column
};

constexpr bool inside_sheet(int row, int col) {
  return row >= 0 && row < kMaxRows && col >= 0 && col < kMaxCols;
}

// A block of one sheet, corners inclusive.
struct RangePos {
  int sheet = 0;
  int first_row = 0, first_col = 0, last_row = 0, last_col = 0;
  int rows() const { return last_row - first_row + 1; }
  int cols() const { return last_col - first_col + 1; }
  std::size_t cell_count() const {
    return static_cast<std::size_t>(rows()) * static_cast<std::size_t>(cols());
  }
  bool contains(CellPos p) const {
    return p.sheet == sheet && p.row >= first_row && p.row <= last_row && p.col >= first_col &&
           p.col <= last_col;
  }
  friend bool operator==(const RangePos&, const RangePos&) = default;
};

inline constexpr int kOwnSheet = -1;

struct CellRef {
  int sheet = kOwnSheet;  // sheet index, or kOwnSheet for the formula's own sheet
  int row = 0;            // absolute row, or offset from the formula's row when !row_abs
  int col = 0;
  bool row_abs = false;
  bool col_abs = false;

  // Where the reference points from `origin`; nullopt when that is outside the sheet.
  std::optional<CellPos> to_abs(CellPos origin) const;
  // The reference as written at `at`, each axis kept relative or absolute as the flags say.
  static CellRef from_abs(CellPos target, CellPos at, bool row_abs, bool col_abs,
                          int sheet = kOwnSheet);

  friend bool operator==(const CellRef&, const CellRef&) = default;
};

struct RangeRef {
  CellRef first;  // the sheet of `first` holds for both corners
  CellRef last;
  // Both corners, ordered; nullopt when a corner falls outside the sheet.
  std::optional<RangePos> to_abs(CellPos origin) const;
  friend bool operator==(const RangeRef&, const RangeRef&) = default;
};

// "A", "Z", "AA", ... for a 0-based column.
std::string column_name(int col);
// 0-based column of letters ("A" -> 0), nullopt when not letters or beyond kMaxCols.
std::optional<int> column_from_name(std::string_view letters);

// The parts of A1 text such as "$B$11": 0-based row and column, which may lie beyond the sheet
// (huge row numbers are clamped so that they cannot overflow), and the "$" flags. nullopt when
// the text is not one to three letters and digits, each optionally after "$".
struct A1Parts {
  long row = 0;
  long col = 0;
  bool row_abs = false;
  bool col_abs = false;
};
std::optional<A1Parts> read_a1_parts(std::string_view text);

// A1 text without sheet name: "B11", "$A$17".
std::string format_a1(int row, int col, bool row_abs = false, bool col_abs = false);
// "B11" -> row 10, col 1; "$" signs allowed and ignored; nullopt for anything else or outside the
// sheet.
std::optional<CellPos> parse_a1(std::string_view text);
// "A1:B3" or a single cell "A1" (a block of one); corners are ordered.
std::optional<RangePos> parse_a1_range(std::string_view text);
std::string format_a1_range(const RangePos& range);

// A sheet name as formulas write it: quoted ('Geo A', 'Air-to-Air', 'It''s') unless it is a plain
// word that cannot be read as a cell reference.
std::string quote_sheet_name(std::string_view name);

}  // namespace pellavan::sheet

template <>
struct std::hash<pellavan::sheet::CellPos> {
  std::size_t operator()(const pellavan::sheet::CellPos& p) const noexcept {
    return (static_cast<std::size_t>(p.sheet) << 40) ^ (static_cast<std::size_t>(p.row) << 16) ^
           static_cast<std::size_t>(p.col);
  }
};

template <>
struct std::hash<pellavan::sheet::CellRef> {
  std::size_t operator()(const pellavan::sheet::CellRef& r) const noexcept {
    std::size_t h = static_cast<std::size_t>(r.sheet + 1);
    h = h * 1000003u ^ static_cast<std::size_t>(static_cast<unsigned>(r.row));
    h = h * 1000003u ^ static_cast<std::size_t>(static_cast<unsigned>(r.col));
    return h * 4u + (r.row_abs ? 2u : 0u) + (r.col_abs ? 1u : 0u);
  }
};
