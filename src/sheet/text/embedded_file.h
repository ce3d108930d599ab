#pragma once
// A text file compiled into the program: the books built in as text.

#include <string_view>

namespace pellavan {

struct EmbeddedFile {
  std::string_view name;
  std::string_view content;
};

}  // namespace pellavan
