#include "calcbench/flat_ods.h"

#include <charconv>
#include <string>

#include "calcbench/open_formula.h"

namespace pellavan::calcbench {

namespace {

std::string xml_escaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

// Without an exponent, which not every reader takes in an attribute.
std::string number_text(double value) {
  char buffer[400];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  return std::string(buffer, result.ptr);
}

// The attributes and content of a value: an error has none (a formula's is computed again; a
// constant one is written as a formula).
void write_value(const sheet::Book& book, sheet::Value value, std::string& attributes,
                 std::string& content) {
  if (value.is_number()) {
    attributes +=
        " office:value-type=\"float\" office:value=\"" + number_text(value.as_number()) + "\"";
  } else if (value.is_boolean()) {
    attributes += std::string(" office:value-type=\"boolean\" office:boolean-value=\"") +
                  (value.as_boolean() ? "true" : "false") + "\"";
  } else if (value.is_text()) {
    attributes += " office:value-type=\"string\"";
    content = "<text:p>" + xml_escaped(book.text_of(value)) + "</text:p>";
  }
}

void write_cell(const sheet::Book& book, sheet::CellPos pos, std::ostream& out) {
  const sheet::Value value = book.cell_value(pos);
  std::string attributes;
  std::string content;
  if (const auto formula = book.cell_formula(pos)) {
    attributes = " table:formula=\"" + xml_escaped(to_open_formula(*formula)) + "\"";
  } else if (value.is_error()) {
    attributes = " table:formula=\"of:=" + std::string(sheet::error_text(value.as_error())) + "\"";
  }
  write_value(book, value, attributes, content);
  out << "<table:table-cell" << attributes;
  if (content.empty()) {
    out << "/>";
  } else {
    out << '>' << content << "</table:table-cell>";
  }
}

void write_empty_cells(int count, std::ostream& out) {
  if (count == 1) out << "<table:table-cell/>";
  if (count > 1) out << "<table:table-cell table:number-columns-repeated=\"" << count << "\"/>";
}

void write_sheet(const sheet::Book& book, int s, std::ostream& out) {
  out << "<table:table table:name=\"" << xml_escaped(book.sheet(s).name()) << "\">\n";
  const auto used = book.used_range(s);
  if (!used) {
    out << "<table:table-column/><table:table-row><table:table-cell/></table:table-row>\n"
           "</table:table>\n";
    return;
  }
  out << "<table:table-column table:number-columns-repeated=\"" << used->last_col + 1 << "\"/>\n";
  int empty_rows = used->first_row;
  for (int r = used->first_row; r <= used->last_row + 1; ++r) {
    bool any = false;
    for (int c = used->first_col; c <= used->last_col && !any && r <= used->last_row; ++c)
      any = book.cell_kind({s, r, c}) != sheet::CellKind::kEmpty;
    if (!any && r <= used->last_row) {
      ++empty_rows;
      continue;
    }
    if (empty_rows > 0)
      out << "<table:table-row table:number-rows-repeated=\"" << empty_rows
          << "\"><table:table-cell/></table:table-row>\n";
    empty_rows = 0;
    if (r > used->last_row) break;
    out << "<table:table-row>";
    int empty_cells = 0;
    for (int c = 0; c <= used->last_col; ++c) {
      if (book.cell_kind({s, r, c}) == sheet::CellKind::kEmpty) {
        ++empty_cells;
        continue;
      }
      write_empty_cells(empty_cells, out);
      empty_cells = 0;
      write_cell(book, {s, r, c}, out);
    }
    out << "</table:table-row>\n";
  }
  out << "</table:table>\n";
}

}  // namespace

void write_flat_ods(const sheet::Book& book, std::ostream& out) {
  const sheet::CalcSettings& settings = book.settings();
  out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<office:document xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
         "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
         "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
         "xmlns:of=\"urn:oasis:names:tc:opendocument:xmlns:of:1.2\" office:version=\"1.3\" "
         "office:mimetype=\"application/vnd.oasis.opendocument.spreadsheet\">\n"
         "<office:body><office:spreadsheet>\n"
         "<table:calculation-settings table:case-sensitive=\"false\" "
         "table:use-regular-expressions=\"false\" table:use-wildcards=\"false\" "
         "table:automatic-find-labels=\"false\">"
         "<table:iteration table:status=\"enable\" table:steps=\""
      << settings.max_passes << "\" table:maximum-difference=\""
      << number_text(settings.change_limit) << "\"/></table:calculation-settings>\n";
  for (int s = 0; s < book.sheet_count(); ++s) write_sheet(book, s, out);
  out << "</office:spreadsheet></office:body></office:document>\n";
}

}  // namespace pellavan::calcbench
