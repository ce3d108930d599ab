#pragma once
// How each field type is laid into a file image: width in bytes, read and write.

#include <algorithm>
#include <cstdint>

#include "model/record/field_types.h"
#include "model/record/little_endian.h"

namespace pellavan::model {

enum class FieldKind : std::uint8_t {
  kInt16,
  kInt32,
  kSingle,
  kDouble,
  kCurrency,
  kDate,
  kText,
  kSpare
};

template <class T>
struct FieldCodec;

template <LittleEndianScalar T, FieldKind K>
struct ScalarCodec {
  static constexpr std::size_t kWidth = sizeof(T);
  static constexpr FieldKind kKind = K;
  static void read(const std::uint8_t* p, T& v) { v = load_le<T>(p); }
  static void write(std::uint8_t* p, const T& v) { store_le<T>(p, v); }
};

template <>
struct FieldCodec<Int16> : ScalarCodec<Int16, FieldKind::kInt16> {};
template <>
struct FieldCodec<Int32> : ScalarCodec<Int32, FieldKind::kInt32> {};
template <>
struct FieldCodec<Single> : ScalarCodec<Single, FieldKind::kSingle> {};
template <>
struct FieldCodec<Double> : ScalarCodec<Double, FieldKind::kDouble> {};

template <>
struct FieldCodec<Currency> {
  static constexpr std::size_t kWidth = 8;
  static constexpr FieldKind kKind = FieldKind::kCurrency;
  static void read(const std::uint8_t* p, Currency& v) {
    v = Currency::from_raw(load_le<std::int64_t>(p));
  }
  static void write(std::uint8_t* p, const Currency& v) { store_le<std::int64_t>(p, v.raw()); }
};

template <>
struct FieldCodec<OleDate> {
  static constexpr std::size_t kWidth = 8;
  static constexpr FieldKind kKind = FieldKind::kDate;
  static void read(const std::uint8_t* p, OleDate& v) { v.serial = load_le<double>(p); }
  static void write(std::uint8_t* p, const OleDate& v) { store_le<double>(p, v.serial); }
};

template <std::size_t N>
struct FieldCodec<Text<N>> {
  static constexpr std::size_t kWidth = N;
  static constexpr FieldKind kKind = FieldKind::kText;
  static void read(const std::uint8_t* p, Text<N>& v) {
    auto out = v.bytes();
    for (std::size_t i = 0; i < N; ++i) out[i] = static_cast<char>(p[i]);
  }
  static void write(std::uint8_t* p, const Text<N>& v) {
    const auto in = v.bytes();
    for (std::size_t i = 0; i < N; ++i) p[i] = static_cast<std::uint8_t>(in[i]);
  }
};

template <std::size_t N>
struct FieldCodec<Spare<N>> {
  static constexpr std::size_t kWidth = N;
  static constexpr FieldKind kKind = FieldKind::kSpare;
  static void read(const std::uint8_t* p, Spare<N>& v) { std::copy_n(p, N, v.bytes.begin()); }
  static void write(std::uint8_t* p, const Spare<N>& v) { std::copy_n(v.bytes.begin(), N, p); }
};

// Arrays are packed element after element, element Lo first.
template <class T, int Lo, int Hi>
struct FieldCodec<VbArray<T, Lo, Hi>> {
  using Element = FieldCodec<T>;
  static constexpr std::size_t kWidth = Element::kWidth * VbArray<T, Lo, Hi>::kCount;
  static constexpr FieldKind kKind = Element::kKind;
  static void read(const std::uint8_t* p, VbArray<T, Lo, Hi>& v) {
    for (auto& e : v.elements()) {
      Element::read(p, e);
      p += Element::kWidth;
    }
  }
  static void write(std::uint8_t* p, const VbArray<T, Lo, Hi>& v) {
    for (const auto& e : v.elements()) {
      Element::write(p, e);
      p += Element::kWidth;
    }
  }
};

}  // namespace pellavan::model
