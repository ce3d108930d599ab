#pragma once
// The system kind of a comparison column, stored as a 16-bit code. 5 is never produced.

#include <array>

#include "model/record/field_types.h"

namespace pellavan::model {

enum class SystemType : Int16 {
  NoSystem = 0,
  GeoA = 1,
  GeoB = 2,
  Elec = 3,    // air-source heat pump
  Fossil = 4,  // furnace or boiler
  GeoT = 6,
};

// The kinds a column can choose, in the order their buttons are enabled.
inline constexpr std::array<SystemType, 5> kChosenKinds = {
    SystemType::GeoA, SystemType::GeoB, SystemType::GeoT, SystemType::Elec, SystemType::Fossil};

// The stored code as a kind; false for a code that names none (5, or anything else).
[[nodiscard]] constexpr bool system_type_from_code(Int16 code, SystemType& out) {
  switch (code) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
    case 6: out = static_cast<SystemType>(code); return true;
    default: return false;
  }
}

[[nodiscard]] constexpr Int16 code_of(SystemType type) { return static_cast<Int16>(type); }

}  // namespace pellavan::model
