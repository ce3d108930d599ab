#pragma once
// The value a cell holds or a formula computes: empty, number, text, boolean or error.
// Eight bytes, trivially copyable; a text is an id into the book's StringPool. Errors are plain
// values here: evaluation never throws, it hands them on.
//
// A number is its own double. Every other kind lies in the NaN space that no finite number uses:
// the top 16 bits all set, the kind in the next 16 and the payload (a text id, an error code, a
// boolean, an area slot) in the low 32.

#include <bit>
#include <cstdint>
#include <string_view>
#include <type_traits>

namespace pellavan::sheet {

enum class ValueKind : std::uint8_t {
  kEmpty,
  kNumber,
  kText,
  kBoolean,
  kError,
  kArea,  // only on the evaluation stack: an area argument of a function (payload: area slot)
};

enum class ErrorCode : std::uint8_t {
  kDiv0,   // "#DIV/0!"
  kValue,  // "#VALUE!"
  kRef,    // "#REF!"
  kName,   // "#NAME?"
  kNum,    // "#NUM!"
  kNA,     // "#N/A"
};

inline constexpr ErrorCode kAllErrorCodes[] = {ErrorCode::kDiv0, ErrorCode::kValue, ErrorCode::kRef,
                                               ErrorCode::kName, ErrorCode::kNum,   ErrorCode::kNA};

std::string_view error_text(ErrorCode code);
// The code whose text this is ("#DIV/0!" ...), or false when there is none.
bool error_from_text(std::string_view text, ErrorCode& code);

using TextId = std::uint32_t;

class Value {
 public:
  constexpr Value() = default;

  // A finite number; callers turn inf and NaN into errors before building a Value.
  static constexpr Value number(double v) { return Value(std::bit_cast<std::uint64_t>(v)); }
  static constexpr Value text(TextId id) { return boxed(ValueKind::kText, id); }
  static constexpr Value boolean(bool b) { return boxed(ValueKind::kBoolean, b ? 1u : 0u); }
  static constexpr Value error(ErrorCode e) {
    return boxed(ValueKind::kError, static_cast<std::uint32_t>(e));
  }
  static constexpr Value area(std::uint32_t slot) { return boxed(ValueKind::kArea, slot); }

  constexpr ValueKind kind() const {
    return is_number() ? ValueKind::kNumber
                       : static_cast<ValueKind>(static_cast<std::uint8_t>(bits_ >> 32));
  }
  constexpr bool is_empty() const { return bits_ == kBox; }
  constexpr bool is_number() const { return (bits_ >> 48) != 0xFFFFu; }
  constexpr bool is_text() const { return has_kind(ValueKind::kText); }
  constexpr bool is_boolean() const { return has_kind(ValueKind::kBoolean); }
  constexpr bool is_error() const { return has_kind(ValueKind::kError); }
  constexpr bool is_area() const { return has_kind(ValueKind::kArea); }

  constexpr double as_number() const { return std::bit_cast<double>(bits_); }
  constexpr TextId as_text() const { return payload(); }
  constexpr bool as_boolean() const { return payload() != 0; }
  constexpr ErrorCode as_error() const { return static_cast<ErrorCode>(payload()); }
  constexpr std::uint32_t as_area() const { return payload(); }

  // Same kind and same payload (numbers compared as numbers, so 0 and -0 are the same).
  friend constexpr bool identical(Value a, Value b) {
    if (a.is_number() && b.is_number()) return a.as_number() == b.as_number();
    return a.bits_ == b.bits_;
  }

 private:
  static constexpr std::uint64_t kBox = 0xFFFF'0000'0000'0000u;  // the empty value

  constexpr explicit Value(std::uint64_t bits) : bits_(bits) {}
  static constexpr Value boxed(ValueKind k, std::uint32_t payload) {
    return Value(kBox | static_cast<std::uint64_t>(k) << 32 | payload);
  }
  constexpr bool has_kind(ValueKind k) const {
    return (bits_ >> 32) == (kBox >> 32 | static_cast<std::uint64_t>(k));
  }
  constexpr std::uint32_t payload() const { return static_cast<std::uint32_t>(bits_); }

  std::uint64_t bits_ = kBox;
};

static_assert(std::is_trivially_copyable_v<Value>);
static_assert(sizeof(Value) == 8);

}  // namespace pellavan::sheet
