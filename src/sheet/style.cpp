#include "sheet/style.h"

#include <algorithm>
#include <limits>

#include "sheet/errors.h"

namespace pellavan::sheet {

StyleId StyleTable::intern(const Style& style) {
  const auto it = std::find(styles_.begin(), styles_.end(), style);
  if (it != styles_.end()) return static_cast<StyleId>(it - styles_.begin());
  if (styles_.size() > std::numeric_limits<StyleId>::max())
    throw BadCall("too many different cell styles");
  styles_.push_back(style);
  return static_cast<StyleId>(styles_.size() - 1);
}

}  // namespace pellavan::sheet
