#include "wbdump/start_states.h"

#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "sheet/address.h"
#include "wbdump/formula_override.h"

namespace pellavan::wbdump {

namespace {

struct StartValue {
  sheet::CellPos pos;
  double value = 0;
};

void put(sheet::Book& book, const std::vector<StartValue>& values) {
  for (const StartValue& v : values) {
    if (book.cell_kind(v.pos) == sheet::CellKind::kFormula)
      book.set_cached_value(v.pos, sheet::Value::number(v.value));
  }
}

struct LockedOut {
  const char* sheet;
  const char* column;
  double value;
};

constexpr LockedOut kLockedOut[] = {
    {"Geo A", "AP", 1}, {"Geo A", "BH", 0},     {"Geo B", "AP", 1},
    {"Geo B", "BH", 0}, {"Air-to-Air", "K", 1}, {"Air-to-Air", "N", 0},
};

}  // namespace

workbook::StartState start_from_book(sheet::Book from) {
  auto book = std::make_shared<const sheet::Book>(std::move(from));
  return [book](sheet::Book& to) {
    for (int s = 0; s < book->sheet_count() && s < to.sheet_count(); ++s) {
      const auto used = book->used_range(s);
      if (!used) continue;
      for (int r = used->first_row; r <= used->last_row; ++r) {
        for (int c = used->first_col; c <= used->last_col; ++c) {
          const sheet::CellPos pos{s, r, c};
          if (book->cell_kind(pos) == sheet::CellKind::kFormula &&
              to.cell_kind(pos) == sheet::CellKind::kFormula)
            to.set_cached_value(pos, book->cell_value(pos));
        }
      }
    }
  };
}

workbook::StartState start_locked_out() {
  return [](sheet::Book& book) {
    std::vector<StartValue> values;
    for (const LockedOut& l : kLockedOut) {
      const int s = book.find_sheet(l.sheet).value();
      const int col = sheet::parse_a1(std::string(l.column) + "1")->col;
      for (int row = 10; row < 40; ++row) values.push_back({{s, row, col}, l.value});
    }
    put(book, values);
  };
}

workbook::StartState start_from_values(const std::filesystem::path& file) {
  std::ifstream in(file);
  if (!in) throw std::runtime_error(file.string() + ": cannot be read");
  struct Line {
    std::string sheet;
    std::string cell;
    double value;
  };
  auto lines = std::make_shared<std::vector<Line>>();
  for (std::string text; std::getline(in, text);) {
    std::istringstream fields(text);
    Line line;
    std::string number;
    if (!std::getline(fields, line.sheet, '\t') || !std::getline(fields, line.cell, '\t') ||
        !std::getline(fields, number, '\t'))
      continue;
    try {
      line.value = std::stod(number);
    } catch (const std::exception&) {
      continue;
    }
    lines->push_back(std::move(line));
  }
  return [lines](sheet::Book& book) {
    std::vector<StartValue> values;
    for (const Line& line : *lines) {
      const auto cell = find_range(book, line.sheet + "!" + line.cell);
      if (!cell) continue;
      values.push_back({{cell->sheet, cell->first_row, cell->first_col}, line.value});
    }
    put(book, values);
  };
}

}  // namespace pellavan::wbdump
