#include "mkdata/source_file.h"

#include <fstream>
#include <sstream>

#include "model/record/field_text.h"
#include "model/text/ascii.h"

namespace pellavan::mkdata {
namespace {

std::string_view trim(std::string_view s) { return model::trim_blanks(s, " \t\r"); }

std::string located(const std::string& file, int line, const std::string& message) {
  return line > 0 ? file + ":" + std::to_string(line) + ": " + message : file + ": " + message;
}

}  // namespace

SourceError::SourceError(std::string file, int line, const std::string& message)
    : std::runtime_error(located(file, line, message)), file_(std::move(file)), line_(line) {}

SourceFile parse_source(std::string_view text, std::string name) {
  SourceFile source{std::move(name), {}};
  int line_number = 0;
  while (!text.empty()) {
    const auto end = text.find('\n');
    const std::string_view raw = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    ++line_number;

    const std::string_view line = trim(raw);
    if (line.empty() || line.front() == '#') continue;
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
      throw SourceError(source.name, line_number, "expected \"Field = value\"");
    const std::string_view field = trim(line.substr(0, equals));
    if (field.empty()) throw SourceError(source.name, line_number, "no field name before \"=\"");
    try {
      auto ref = model::parse_field_ref(field);
      source.assignments.push_back({line_number, std::move(ref.name), ref.index,
                                    std::string(trim(line.substr(equals + 1)))});
    } catch (const model::FieldTextError& e) {
      throw SourceError(source.name, line_number, e.what());
    }
  }
  return source;
}

SourceFile read_source(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw SourceError(path, 0, "cannot be read");
  std::ostringstream text;
  text << in.rdbuf();
  return parse_source(text.str(), path);
}

}  // namespace pellavan::mkdata
