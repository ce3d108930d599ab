#pragma once
// A readable data source: one "Field = value" assignment per line, "#" starting a comment line,
// blank lines ignored. A field may name one array element ("UValue(3) = 2.1"); an array field
// may take a comma-separated list that fills consecutive elements from the one named (or from
// the array's first element when none is named). Values are UTF-8 text with blanks around them
// removed.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace pellavan::mkdata {

// A fault in a source, reported as "file:line: message" (or "file: message" without a line).
class SourceError : public std::runtime_error {
 public:
  SourceError(std::string file, int line, const std::string& message);
  [[nodiscard]] const std::string& file() const { return file_; }
  [[nodiscard]] int line() const { return line_; }

 private:
  std::string file_;
  int line_;
};

struct Assignment {
  int line = 0;
  std::string field;
  std::optional<int> index;
  std::string value;
};

struct SourceFile {
  std::string name;  // as given, for messages
  std::vector<Assignment> assignments;
};

// Throws SourceError for a line that is not a comment, blank or "Field = value".
[[nodiscard]] SourceFile parse_source(std::string_view text, std::string name);

// Reads and parses a file; a file that cannot be read is a SourceError without a line.
[[nodiscard]] SourceFile read_source(const std::string& path);

}  // namespace pellavan::mkdata
