#include "model/project/project_tags.h"

#include "model/text/ascii.h"

namespace pellavan::model {
TagVerdict classify_project_tag(std::string_view tag) {
  for (std::string_view accepted : {"KQ2", "KQ3", "KQ4", "KQ5", "KQ6", "KQ7"})
    if (equal_ignoring_case(tag, accepted)) return TagVerdict::kAccepted;
  if (tag.size() >= 2 && equal_ignoring_case(tag.substr(0, 2), "KQ")) return TagVerdict::kNewer;
  return TagVerdict::kForeign;
}

int tag_version(std::string_view tag) {
  if (tag.empty()) return 0;
  const char last = tag.back();
  return last >= '0' && last <= '9' ? last - '0' : 0;
}

}  // namespace pellavan::model
