#pragma once
// The version tag in the first three bytes of a project or default file. "KQ2".."KQ7" are read
// (and converted); this version writes "KQ7". Tags compare without regard to letter case.

#include <string_view>

#include "model/record/field_types.h"

namespace pellavan::model {

inline constexpr std::string_view kProjectFileTag = "KQ7";

enum class TagVerdict {
  kAccepted,  // one of KQ2..KQ7
  kNewer,     // starts with KQ but is none of them: a later version wrote it
  kForeign,   // anything else: damaged or not a project file
};

[[nodiscard]] TagVerdict classify_project_tag(std::string_view tag);

// The numeric value of the tag's last character ('2' -> 2); 0 when it is not a digit.
[[nodiscard]] int tag_version(std::string_view tag);

}  // namespace pellavan::model
