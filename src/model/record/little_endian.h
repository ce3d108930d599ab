#pragma once
// Little-endian loads and stores of the fixed-width values that make up a record's file image.

#include <bit>
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace pellavan::model {

template <class T>
concept LittleEndianScalar = std::is_arithmetic_v<T> &&
    (sizeof(T) == 1 || sizeof(T) == 2 || sizeof(T) == 4 || sizeof(T) == 8);

template <LittleEndianScalar T>
[[nodiscard]] inline T load_le(const std::uint8_t* p) {
  using U = std::conditional_t<
      sizeof(T) == 1, std::uint8_t,
      std::conditional_t<sizeof(T) == 2, std::uint16_t,
                         std::conditional_t<sizeof(T) == 4, std::uint32_t, std::uint64_t>>>;
  U u = 0;
  for (std::size_t i = 0; i < sizeof(T); ++i) u |= static_cast<U>(static_cast<U>(p[i]) << (8 * i));
  return std::bit_cast<T>(u);
}

template <LittleEndianScalar T>
inline void store_le(std::uint8_t* p, T value) {
  using U = std::conditional_t<
      sizeof(T) == 1, std::uint8_t,
      std::conditional_t<sizeof(T) == 2, std::uint16_t,
                         std::conditional_t<sizeof(T) == 4, std::uint32_t, std::uint64_t>>>;
  const U u = std::bit_cast<U>(value);
  for (std::size_t i = 0; i < sizeof(T); ++i) p[i] = static_cast<std::uint8_t>(u >> (8 * i));
}

}  // namespace pellavan::model
