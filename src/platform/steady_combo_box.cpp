#include "platform/steady_combo_box.h"

#include <QPalette>
#include <QStyleOptionComboBox>
#include <algorithm>
#include <vector>

namespace pellavan::platform {

namespace {

// The looks painted lately, the latest last; a look not painted for long makes room.
constexpr std::size_t kLooksKept = 16;

// The kept palette with the colours of `palette`, which it becomes first when none has them.
const QPalette& kept_look(const QPalette& palette) {
  static std::vector<QPalette> looks;
  auto same = std::find(looks.begin(), looks.end(), palette);
  if (same == looks.end()) {
    if (looks.size() == kLooksKept) looks.erase(looks.begin());
    looks.push_back(palette);
  } else {
    std::rotate(same, same + 1, looks.end());
  }
  return looks.back();
}

}  // namespace

void SteadyComboBox::initStyleOption(QStyleOptionComboBox* option) const {
  QComboBox::initStyleOption(option);
  option->palette = kept_look(option->palette);  // shares its data, and so its cache key
}

}  // namespace pellavan::platform
