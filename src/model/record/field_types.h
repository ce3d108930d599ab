#pragma once
// Value types of record fields as they sit in a file image: fixed-point Currency, OLE dates,
// blank-padded single-byte text, raw spare bytes and arrays indexed from a stated lower bound.

#include <array>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "model/text/ascii.h"

namespace pellavan::model {

using Int16 = std::int16_t;
using Int32 = std::int32_t;
using Single = float;
using Double = double;

// Signed 64-bit integer holding the value times 10,000 (four decimals). Conversions from
// double round half to even at the fourth decimal, as the OLE currency type does.
class Currency {
 public:
  static constexpr std::int64_t kScale = 10000;

  constexpr Currency() = default;
  static constexpr Currency from_raw(std::int64_t raw) {
    Currency c;
    c.raw_ = raw;
    return c;
  }
  // Throws std::overflow_error when the value does not fit (or is not finite).
  static Currency from_double(double value);
  // Like from_double, but clamps to the representable range; NaN gives 0.
  static Currency from_double_saturated(double value);

  [[nodiscard]] constexpr std::int64_t raw() const { return raw_; }
  [[nodiscard]] constexpr double to_double() const {
    return static_cast<double>(raw_) / static_cast<double>(kScale);
  }
  friend constexpr bool operator==(Currency, Currency) = default;
  friend constexpr auto operator<=>(Currency, Currency) = default;

 private:
  std::int64_t raw_ = 0;
};

// OLE Automation date: days since 30 December 1899, the fraction being the time of day.
struct OleDate {
  double serial = 0.0;
  friend constexpr bool operator==(OleDate, OleDate) = default;
};
using Date = OleDate;

// Text of exactly N single-byte characters (Windows-1252). A field never assigned holds NULs;
// assign() cuts to N or pads with blanks.
template <std::size_t N>
class Text {
 public:
  static constexpr std::size_t kWidth = N;

  constexpr Text() = default;
  explicit Text(std::string_view s) { assign(s); }

  void assign(std::string_view s) {
    for (std::size_t i = 0; i < N; ++i) bytes_[i] = i < s.size() ? s[i] : ' ';
  }
  Text& operator=(std::string_view s) {
    assign(s);
    return *this;
  }
  // All N characters, NULs and blanks included.
  [[nodiscard]] std::string str() const { return std::string(bytes_.data(), N); }
  // With leading and trailing blanks removed; NULs are kept, as the readers of the files do.
  [[nodiscard]] std::string trimmed() const {
    return std::string(trim_blanks(std::string_view(bytes_.data(), N)));
  }
  [[nodiscard]] std::span<char, N> bytes() { return bytes_; }
  [[nodiscard]] std::span<const char, N> bytes() const { return bytes_; }
  friend bool operator==(const Text&, const Text&) = default;

 private:
  std::array<char, N> bytes_{};
};

// Reserved bytes, carried unchanged through a read and a write.
template <std::size_t N>
struct Spare {
  static constexpr std::size_t kWidth = N;
  std::array<std::uint8_t, N> bytes{};
  friend bool operator==(const Spare&, const Spare&) = default;
};

// Fixed array T[Lo..Hi], element Lo first. Indexing outside the bounds throws std::out_of_range;
// get_or() gives a fallback instead, for indices that come from data.
template <class T, int Lo, int Hi>
class VbArray {
  static_assert(Hi >= Lo);

 public:
  using value_type = T;
  static constexpr int kLower = Lo;
  static constexpr int kUpper = Hi;
  static constexpr std::size_t kCount = static_cast<std::size_t>(Hi - Lo + 1);

  [[nodiscard]] static constexpr bool contains(int i) { return i >= Lo && i <= Hi; }
  T& operator()(int i) { return elements_.at(index(i)); }
  const T& operator()(int i) const { return elements_.at(index(i)); }
  [[nodiscard]] T get_or(int i, T fallback) const {
    return contains(i) ? elements_[static_cast<std::size_t>(i - Lo)] : fallback;
  }
  [[nodiscard]] std::span<T, kCount> elements() { return elements_; }
  [[nodiscard]] std::span<const T, kCount> elements() const { return elements_; }
  friend bool operator==(const VbArray&, const VbArray&) = default;

 private:
  static std::size_t index(int i) {
    if (!contains(i))
      throw std::out_of_range("array index " + std::to_string(i) + " outside " +
                              std::to_string(Lo) + ".." + std::to_string(Hi));
    return static_cast<std::size_t>(i - Lo);
  }
  std::array<T, kCount> elements_{};
};

}  // namespace pellavan::model
