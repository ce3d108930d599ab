#pragma once
// The value a cell holds or a formula computes: empty, number, text, boolean or error.
// Sixteen bytes, trivially copyable; a text is an id into the book's StringPool. Errors are plain
// values here: evaluation never throws, it hands them on.

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
  constexpr Value() : number_(0.0) {}

  // A finite number; callers turn inf and NaN into errors before building a Value.
  static constexpr Value number(double v) { return Value(ValueKind::kNumber, v); }
  static constexpr Value text(TextId id) { return Value(ValueKind::kText, id); }
  static constexpr Value boolean(bool b) { return Value(ValueKind::kBoolean, b ? 1u : 0u); }
  static constexpr Value error(ErrorCode e) {
    return Value(ValueKind::kError, static_cast<std::uint32_t>(e));
  }
  static constexpr Value area(std::uint32_t slot) { return Value(ValueKind::kArea, slot); }

  constexpr ValueKind kind() const { return kind_; }
  constexpr bool is_empty() const { return kind_ == ValueKind::kEmpty; }
  constexpr bool is_number() const { return kind_ == ValueKind::kNumber; }
  constexpr bool is_text() const { return kind_ == ValueKind::kText; }
  constexpr bool is_boolean() const { return kind_ == ValueKind::kBoolean; }
  constexpr bool is_error() const { return kind_ == ValueKind::kError; }
  constexpr bool is_area() const { return kind_ == ValueKind::kArea; }

  constexpr double as_number() const { return number_; }
  constexpr TextId as_text() const { return id_; }
  constexpr bool as_boolean() const { return id_ != 0; }
  constexpr ErrorCode as_error() const { return static_cast<ErrorCode>(id_); }
  constexpr std::uint32_t as_area() const { return id_; }

  // Same kind and same payload (numbers compared as numbers, so 0 and -0 are the same).
  friend constexpr bool identical(Value a, Value b) {
    if (a.kind_ != b.kind_) return false;
    if (a.kind_ == ValueKind::kNumber) return a.number_ == b.number_;
    return a.kind_ == ValueKind::kEmpty || a.id_ == b.id_;
  }

 private:
  constexpr Value(ValueKind k, double v) : kind_(k), number_(v) {}
  constexpr Value(ValueKind k, std::uint32_t id) : kind_(k), id_(id) {}

  ValueKind kind_ = ValueKind::kEmpty;
  union {
    double number_;
    std::uint32_t id_;
  };
};

static_assert(std::is_trivially_copyable_v<Value>);
static_assert(sizeof(Value) == 16);

}  // namespace pellavan::sheet
