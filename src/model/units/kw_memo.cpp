#include "model/units/kw_memo.h"

#include "model/units/number_text.h"
#include "model/units/unit_constants.h"

namespace pellavan::model {

double KwMemo::KW_To_Btuh(double kw, int slot) {
  double& kept = slots_[memo_index("KWMemo", slot)];
  if (format_fixed(kw, 1, false) != format_fixed(kept, 1, false)) kept = kw;
  return kept * kBtuhPerKw;
}

double KwMemo::Btuh_To_KW(double btuh, int slot) {
  double& kept = slots_[memo_index("KWMemo", slot)];
  kept = btuh / kBtuhPerKw;
  return kept;
}

double KwMemo::Btuh_To_KW_Long(Int32 btuh, int slot) {
  return Btuh_To_KW(static_cast<double>(btuh), slot);
}

}  // namespace pellavan::model
