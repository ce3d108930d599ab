#include "wbdump/formula_override.h"

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "workbook/report_template_text.h"
#include "workbook/report_workbook_template.h"

namespace pellavan::wbdump {

std::optional<sheet::RangePos> find_range(const sheet::Book& book, std::string_view range) {
  const auto bang = range.rfind('!');
  if (bang == std::string_view::npos) return std::nullopt;
  const auto s = book.find_sheet(range.substr(0, bang));
  if (!s) return std::nullopt;
  const std::string_view cells = range.substr(bang + 1);
  std::optional<sheet::RangePos> area = sheet::parse_a1_range(cells);
  if (!area) {
    const auto one = sheet::parse_a1(cells);
    if (!one) return std::nullopt;
    area = sheet::RangePos{0, one->row, one->col, one->row, one->col};
  }
  area->sheet = *s;
  return area;
}

namespace {

// The file of the sheet named `name` in a book file's line `sheet N "name" file`, and where the
// file's name stands in `book`; npos when no line names such a sheet with a file.
std::size_t sheet_file_at(std::string_view book, std::string_view name, std::size_t& length) {
  std::string named(1, '"');
  named.append(name).append("\" ");
  for (std::size_t line = 0; line < book.size();) {
    const std::size_t end = std::min(book.find('\n', line), book.size());
    const std::string_view text = book.substr(line, end - line);
    const std::size_t at = text.find(named);
    if (text.starts_with("sheet ") && at != std::string_view::npos) {
      const std::size_t file = at + named.size();
      length = text.size() - file;
      if (length > 0) return line + file;
    }
    line = end + 1;
  }
  return std::string_view::npos;
}

}  // namespace

sheet::Book template_with(std::span<const FormulaOverride> overrides) {
  const std::span<const EmbeddedFile> template_files = workbook::report_template_files();
  std::vector<std::pair<std::string, std::string>> files;  // name, content
  for (const EmbeddedFile& f : template_files) files.emplace_back(f.name, f.content);
  const auto file_named = [&files](std::string_view name) {
    return std::find_if(files.begin(), files.end(), [&](const auto& f) { return f.first == name; });
  };
  for (const FormulaOverride& o : overrides) {
    const std::size_t bang = o.range.rfind('!');
    const std::string cells = bang == std::string::npos ? "" : o.range.substr(bang + 1);
    if (!sheet::parse_a1_range(cells) && !sheet::parse_a1(cells))
      throw std::invalid_argument("no range " + o.range);
    std::string& book = file_named("book.txt")->second;
    std::size_t length = 0;
    const std::size_t at = sheet_file_at(book, o.range.substr(0, bang), length);
    if (at == std::string::npos) throw std::invalid_argument("no range " + o.range);
    // The sheet reads a file of its own, so that a sheet that includes its file keeps the
    // template's formulas.
    const std::string file = book.substr(at, length);
    const std::string own = file + "+" + std::to_string(&o - overrides.data());
    std::string content = file_named(file)->second;
    const std::string_view formula =
        std::string_view(o.formula).substr(o.formula.starts_with('=') ? 1 : 0);
    content += "\noverride " + cells + " =" + std::string(formula) + "\n";
    book.replace(at, length, own);
    files.emplace_back(own, std::move(content));
  }
  std::vector<EmbeddedFile> views;
  for (const auto& [name, content] : files) views.push_back({name, content});
  return workbook::load_report_template(views);
}

}  // namespace pellavan::wbdump
