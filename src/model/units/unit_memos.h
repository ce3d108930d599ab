#pragma once
// The conversion memos of the window fields, one set for the whole run, owned by the program's
// state: KWMemo, the temperature memo, and what each field showed last. A field owns one slot
// (1..100) in all three. Storing a text a field showed and the user left alone gives back the
// very value it was shown from, in every unit mode and whatever the display rounding; a changed
// entry is converted as typed (the kW and temperature memos add their own one-decimal rules).

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "model/units/kw_memo.h"
#include "model/units/memo_slot.h"
#include "model/units/temperature_memo.h"

namespace pellavan::model {

class UnitMemos {
 public:
  KwMemo kw;
  TemperatureMemo temperature;

  // The field of `slot` shows `text` for the stored value `stored`.
  void remember_shown(int slot, std::string text, double stored);
  // The stored value the field showed as `text`, when that is the text it shows.
  [[nodiscard]] std::optional<double> unchanged(int slot, std::string_view text) const;

 private:
  struct Shown {
    bool used = false;
    std::string text;
    double stored = 0.0;
  };
  std::array<Shown, kLastMemoSlot> shown_{};
};

}  // namespace pellavan::model
