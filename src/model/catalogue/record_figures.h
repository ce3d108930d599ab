#pragma once
// Whether a catalogue record holds figures some unit could have. A record a damaged or foreign
// data file gives can hold any bit pattern; the scan treats one whose figures no building's
// equipment could have as the damaged record it is. The bound is far beyond every figure of the
// shipped catalogues (capacities and inputs in Btu/h reach 138,500, the windows accept 4,000,000)
// and below what the workbook turns into nonsense: every number of a record, but its spares, is
// finite and at most ten million in size. Whole numbers of 16 bits (ids, flags, types) cannot
// reach it.

#include <cmath>
#include <string_view>
#include <type_traits>

#include "model/record/field_types.h"
#include "model/record/record_layout.h"

namespace pellavan::model {

inline constexpr double kLargestCatalogueFigure = 1e7;

namespace detail {

template <class T>
struct IsVbArray : std::false_type {};
template <class T, int Lo, int Hi>
struct IsVbArray<VbArray<T, Lo, Hi>> : std::true_type {};

inline bool plausible_number(double v) {
  return std::isfinite(v) && std::fabs(v) <= kLargestCatalogueFigure;
}

template <class T>
bool plausible_field(const T& member) {
  if constexpr (IsVbArray<T>::value) {
    for (const auto& element : member.elements())
      if (!plausible_field(element)) return false;
    return true;
  } else if constexpr (std::is_same_v<T, Currency>) {
    return plausible_number(member.to_double());
  } else if constexpr (std::is_same_v<T, Int32> || std::is_floating_point_v<T>) {
    return plausible_number(static_cast<double>(member));
  } else {
    return true;
  }
}

}  // namespace detail

template <Record R>
[[nodiscard]] bool plausible_record(const R& rec) {
  bool plausible = true;
  R::visit_fields(rec, [&](const FieldInfo& info, const auto& member) {
    if (plausible && !info.name.starts_with("Spare")) plausible = detail::plausible_field(member);
  });
  return plausible;
}

}  // namespace pellavan::model
