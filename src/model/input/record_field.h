#pragma once
// A field of a record named once in a table, whatever its type: number fields are read as a
// double and written with their own rounding (whole numbers halves to even, clamped to the
// field; Currency to four decimals), text fields are read and written as UTF-8, cut or padded.
//
//   constexpr auto load = number_field<&ProjectRec::Loads_HeatLoad>();
//   constexpr auto name = text_field<&DealerRec::Name>();

#include <algorithm>
#include <limits>
#include <string>
#include <string_view>
#include <type_traits>

#include "model/record/field_types.h"
#include "model/text/ascii.h"
#include "model/text/cp1252.h"
#include "model/units/rounding.h"

namespace pellavan::model {

template <class Rec>
struct NumberField {
  double (*get)(const Rec&) = nullptr;
  void (*set)(Rec&, double) = nullptr;
  bool whole = false;  // an Int16 or Int32 field
};

template <class Rec>
struct TextField {
  std::string (*get)(const Rec&) = nullptr;  // every character, blanks and NULs included
  void (*set)(Rec&, std::string_view) = nullptr;
};

namespace detail {

template <class M>
struct MemberOf;
template <class C, class T>
struct MemberOf<T C::*> {
  using Class = C;
  using Type = T;
};

template <class T>
T to_field(double v) {
  if constexpr (std::is_same_v<T, Currency>) {
    return Currency::from_double_saturated(v);
  } else if constexpr (std::is_same_v<T, Int32>) {
    return round_to_int32(v);
  } else if constexpr (std::is_same_v<T, Int16>) {
    const Int32 whole = round_to_int32(v);
    return static_cast<Int16>(std::clamp<Int32>(whole, std::numeric_limits<Int16>::min(),
                                                std::numeric_limits<Int16>::max()));
  } else {
    static_assert(std::is_floating_point_v<T>, "a number field is Int16, Int32, Currency or real");
    return static_cast<T>(v);
  }
}

template <class T>
double from_field(T v) {
  if constexpr (std::is_same_v<T, Currency>)
    return v.to_double();
  else
    return static_cast<double>(v);
}

}  // namespace detail

template <auto Member>
constexpr auto number_field() {
  using M = detail::MemberOf<decltype(Member)>;
  using Rec = typename M::Class;
  using T = typename M::Type;
  return NumberField<Rec>{[](const Rec& r) { return detail::from_field<T>(r.*Member); },
                          [](Rec& r, double v) { r.*Member = detail::to_field<T>(v); },
                          std::is_integral_v<T>};
}

template <auto Member>
constexpr auto text_field() {
  using Rec = typename detail::MemberOf<decltype(Member)>::Class;
  return TextField<Rec>{[](const Rec& r) { return utf8_from_cp1252((r.*Member).str()); },
                        [](Rec& r, std::string_view utf8) { assign_utf8(r.*Member, utf8); }};
}

// A text field as a box shows it: up to its first NUL (a field never assigned holds NULs),
// without leading and trailing blanks.
[[nodiscard]] inline std::string shown_text(std::string_view text) {
  return std::string(trim_blanks(text.substr(0, text.find('\0'))));
}

}  // namespace pellavan::model
