#include "sheet/text/sheet_text_reader.h"

#include <algorithm>

#include "sheet/errors.h"
#include "sheet/formula/parser.h"
#include "sheet/formula/printer.h"

namespace pellavan::sheet {

namespace {

// What a sheet holds, for the "expect" lines.
std::string measure(const Book& book, int sheet, std::string_view what) {
  const auto used = book.used_range(sheet);
  if (what == "used") return used ? format_a1_range(*used) : "nothing";
  std::size_t count = 0;
  if (used) {
    for (int r = used->first_row; r <= used->last_row; ++r) {
      for (int c = used->first_col; c <= used->last_col; ++c) {
        const CellPos pos{sheet, r, c};
        const CellKind kind = book.cell_kind(pos);
        const Value v = book.cell_value(pos);
        if ((what == "formulas" && kind == CellKind::kFormula) ||
            (what == "texts" && kind == CellKind::kConstant && v.is_text()) ||
            (what == "numbers" && kind == CellKind::kConstant && v.is_number())) {
          ++count;
        }
      }
    }
  }
  return std::to_string(count);
}

}  // namespace

bool SheetTextReader::read(const TextLine& line) {
  const std::string& keyword = line[0].text;
  if (line[0].kind != LineToken::Kind::kWord) line.fail("a line starts with a cell or a keyword");
  if (keyword == "override") {
    cells(line, 1, true);
  } else if (keyword == "format") {
    format(line);
  } else if (keyword == "font") {
    font(line);
  } else if (keyword == "align") {
    align(line);
  } else if (keyword == "border") {
    border(line);
  } else if (keyword == "fill") {
    fill(line);
  } else if (keyword == "width" || keyword == "height") {
    size(line, keyword == "width");
  } else if (keyword == "hide") {
    hide(line);
  } else if (keyword == "printarea") {
    if (line.size() != 2) line.fail("printarea takes one range");
    if (const auto area = clipped(line.range_at(1, sheet_)))
      book_.sheet(sheet_).set_print_area(*area);
  } else if (keyword == "page") {
    page(line);
  } else if (keyword == "seed") {
    seed(line);
  } else if (keyword == "expect") {
    if (including_.empty()) expect(line);  // an included file's counts are its own sheet's
  } else if (keyword == "include") {
    include(line);
  } else if (keyword == "erase") {
    erase(line);
  } else if (parse_a1_range(keyword)) {
    cells(line, 0, false);
  } else {
    return false;
  }
  return true;
}

void SheetTextReader::claim(const TextLine& line, CellPos pos, bool is_override) {
  const auto [it, first_time] = written_.emplace(pos, WrittenBy{line.file, line.number});
  const std::string name = format_a1(pos.row, pos.col);
  if (first_time && is_override) line.fail("override of " + name + ", which no earlier line wrote");
  if (!first_time && !is_override) {
    const std::string where =
        it->second.file == line.file ? "" : std::string(it->second.file) + ":";
    line.fail(name + " written twice (first on line " + where + std::to_string(it->second.line) +
              "); mark the later one 'override'");
  }
  it->second = WrittenBy{line.file, line.number};
}

std::optional<RangePos> SheetTextReader::clipped(RangePos range) const {
  range.first_row = std::max(range.first_row, window_first_);
  range.last_row = std::min(range.last_row, window_last_);
  if (range.first_row > range.last_row) return std::nullopt;
  return range;
}

// include FILE [rows FIRST:LAST] [sheet "OLD" as "NEW"]...: the lines of another sheet file of
// the book, read as if they stood here but writing, styling and seeding only the cells of those
// rows, and with the formulas that read sheet OLD reading sheet NEW instead.
void SheetTextReader::include(const TextLine& line) {
  const std::string& name = line.word(1, "the sheet file to include");
  int first = 0, last = kMaxRows - 1;
  SheetRenames renames;
  for (std::size_t i = 2; i < line.size();) {
    if (line.word_is(i, "rows") && i + 1 < line.size()) {
      const auto rows = span_at(line, i + 1, false);
      first = rows.first;
      last = rows.second;
      i += 2;
    } else if (line.word_is(i, "sheet") && i + 3 < line.size() && line.word_is(i + 2, "as")) {
      renames.push_back({sheet_name_at(line, i + 1), sheet_name_at(line, i + 3)});
      i += 4;
    } else {
      line.fail(
          "include takes a sheet file, then 'rows 1:52' and 'sheet \"Geo A\" as \"Geo B\"' as "
          "needed");
    }
  }
  if (!includes_) line.fail("this book text allows no include");
  if (std::find(including_.begin(), including_.end(), name) != including_.end()) {
    line.fail("'" + name + "' includes itself");
  }
  const EmbeddedFile file = includes_(line, name);
  const int outer_first = window_first_, outer_last = window_last_;
  window_first_ = std::max(window_first_, first);
  window_last_ = std::min(window_last_, last);
  including_.push_back(file.name);
  renames_.push_back(std::move(renames));
  for_each_line(file.name, file.content, [&](const TextLine& inner) {
    if (!read(inner)) inner.fail("unknown line '" + inner[0].text + "'");
  });
  renames_.pop_back();
  including_.pop_back();
  window_first_ = outer_first;
  window_last_ = outer_last;
}

// A "sheet name" of an include line; the book must hold it.
std::string SheetTextReader::sheet_name_at(const TextLine& line, std::size_t i) const {
  if (line[i].kind != LineToken::Kind::kQuoted) line.fail("expected a \"sheet name\"");
  if (!book_.find_sheet(line[i].text)) line.fail("no sheet named '" + line[i].text + "'");
  return line[i].text;
}

// The formula as the cell `origin` holds it once the renames of the includes being read are
// applied, the innermost first. Text that does not parse is left for parse_shape to refuse.
std::string SheetTextReader::renamed(const std::string& formula, CellPos origin) const {
  const bool any = std::any_of(renames_.begin(), renames_.end(),
                               [](const SheetRenames& r) { return !r.empty(); });
  if (!any) return formula;
  ParseContext context{origin, [&](std::string_view name) -> std::optional<int> {
                         std::string target(name);
                         for (auto level = renames_.rbegin(); level != renames_.rend(); ++level) {
                           for (const auto& [from, to] : *level) {
                             if (book_.find_sheet(target) == book_.find_sheet(from)) {
                               target = to;
                               break;
                             }
                           }
                         }
                         return book_.find_sheet(target);
                       }};
  ParseResult parsed = parse_formula(formula, context);
  const Ast* ast = std::get_if<Ast>(&parsed);
  if (!ast) return formula;
  return print_formula(*ast, origin,
                       [&](int sheet) -> std::string_view { return book_.sheet(sheet).name(); });
}

// erase RANGE: empties cells that an earlier line wrote (a sheet built as another plus its
// differences drops cells this way); a later line may write them again.
void SheetTextReader::erase(const TextLine& line) {
  if (line.size() != 2) line.fail("erase takes one range");
  const RangePos range = line.range_at(1, sheet_);
  for (int r = range.first_row; r <= range.last_row; ++r) {
    for (int c = range.first_col; c <= range.last_col; ++c) {
      const CellPos pos{sheet_, r, c};
      if (!in_window(r)) continue;
      if (written_.erase(pos) == 0)
        line.fail("erase of " + format_a1(r, c) + ", which no earlier line wrote");
      book_.clear_cell(pos);
    }
  }
}

// seed RANGE number: the safe seed of every cell of the range.
void SheetTextReader::seed(const TextLine& line) {
  if (line.size() != 3) line.fail("seed takes a cell or range and a number");
  const RangePos range = line.range_at(1, sheet_);
  const double value = line.number_at(2, "the seed");
  for (int r = range.first_row; r <= range.last_row; ++r) {
    for (int c = range.first_col; c <= range.last_col; ++c) {
      if (in_window(r)) book_.set_safe_seed(CellPos{sheet_, r, c}, value);
    }
  }
}

// RANGE =formula, or RANGE value..., one value for every cell or one for all.
void SheetTextReader::cells(const TextLine& line, std::size_t first, bool is_override) {
  const RangePos range = line.range_at(first, sheet_);
  if (line.size() <= first + 1) line.fail("no value for " + line[first].text);
  const std::size_t values = line.size() - first - 1;
  std::vector<CellPos> targets;
  targets.reserve(range.cell_count());
  for (int r = range.first_row; r <= range.last_row; ++r) {
    for (int c = range.first_col; c <= range.last_col; ++c)
      targets.push_back(CellPos{sheet_, r, c});
  }
  // Constants and the formula are checked for every cell of the range, written only inside the
  // row window; a formula keeps the shape of the range's first cell.
  const auto kept = [&](const CellPos& pos) { return in_window(pos.row); };
  for (const CellPos& pos : targets) {
    if (kept(pos)) claim(line, pos, is_override);
  }

  if (line[first + 1].kind == LineToken::Kind::kFormula) {
    FormulaShapeId shape = 0;
    try {
      shape = book_.parse_shape(targets.front(), renamed(line[first + 1].text, targets.front()));
    } catch (const FormulaRejected& e) {
      line.fail(e.what());
    }
    for (const CellPos& pos : targets) {
      if (kept(pos)) book_.set_cell_shape(pos, shape);
    }
    return;
  }
  if (values != 1 && values != targets.size()) {
    line.fail(line[first].text + " has " + std::to_string(targets.size()) +
              " cells but the line gives " + std::to_string(values) + " values");
  }
  for (std::size_t k = 0; k < targets.size(); ++k) {
    const Value value = line.constant_at(first + 1 + (values == 1 ? 0 : k), book_);
    if (kept(targets[k])) book_.set_cell_value(targets[k], value);
  }
}

// expect formulas N | texts N | numbers N | used A1:K34
void SheetTextReader::expect(const TextLine& line) {
  if (line.size() != 3) line.fail("expect takes what and how many");
  const std::string& what = line.word(1, "what to expect");
  if (what != "formulas" && what != "texts" && what != "numbers" && what != "used") {
    line.fail("expect formulas, texts, numbers or used, not '" + what + "'");
  }
  expectations_.push_back(
      Expectation{what, line.word(2, "the expected count"), std::string(line.file), line.number});
}

void SheetTextReader::finish() const {
  for (const Expectation& e : expectations_) {
    const std::string found = measure(book_, sheet_, e.what);
    if (found != e.wanted) {
      throw BookFileError(e.file + ":" + std::to_string(e.line) + ": expected " + e.what + " " +
                          e.wanted + ", the sheet has " + found);
    }
  }
}

}  // namespace pellavan::sheet
