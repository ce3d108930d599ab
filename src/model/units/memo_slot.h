#pragma once
// Slot numbers of the conversion memos: each input field that converts a value both ways owns a
// fixed slot in 1..100. A slot outside that range is a programming error.

#include <stdexcept>
#include <string>

namespace pellavan::model {

inline constexpr int kFirstMemoSlot = 1;
inline constexpr int kLastMemoSlot = 100;

// Index 0..99 of a slot; throws std::out_of_range naming the memo and the slot.
inline std::size_t memo_index(const char* memo, int slot) {
  if (slot < kFirstMemoSlot || slot > kLastMemoSlot)
    throw std::out_of_range(std::string(memo) + " slot " + std::to_string(slot) + " outside " +
                            std::to_string(kFirstMemoSlot) + ".." + std::to_string(kLastMemoSlot));
  return static_cast<std::size_t>(slot - kFirstMemoSlot);
}

}  // namespace pellavan::model
