#include "model/units/unit_memos.h"

namespace pellavan::model {

void UnitMemos::remember_shown(int slot, std::string text, double stored) {
  shown_[memo_index("UnitMemos", slot)] = Shown{true, std::move(text), stored};
}

std::optional<double> UnitMemos::unchanged(int slot, std::string_view text) const {
  const Shown& shown = shown_[memo_index("UnitMemos", slot)];
  if (!shown.used || shown.text != text) return std::nullopt;
  return shown.stored;
}

}  // namespace pellavan::model
