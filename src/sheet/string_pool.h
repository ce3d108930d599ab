#pragma once
// The texts of one book. Cell texts and formula constants are interned: one id per distinct text,
// kept for the book's life. Texts that evaluation builds on the way (LEFT, &, TRIM...) go to a
// scratch area that is emptied after each formula; only a text that ends up in a cell is interned.

#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>

#include "sheet/value.h"

namespace pellavan::sheet {

class StringPool {
 public:
  StringPool();
  StringPool(const StringPool& other);
  StringPool& operator=(const StringPool& other);
  StringPool(StringPool&&) noexcept = default;
  StringPool& operator=(StringPool&&) noexcept = default;

  TextId intern(std::string_view text);
  TextId add_scratch(std::string text);
  // Called after every formula: the rare clearing itself is out of line.
  void clear_scratch() {
    if (!scratch_.empty()) drop_scratch();
  }

  static constexpr bool is_scratch(TextId id) { return (id & kScratchBit) != 0; }
  // A scratch id becomes an interned one; an interned id is returned as it is.
  TextId keep(TextId id) { return is_scratch(id) ? intern(get(id)) : id; }

  std::string_view get(TextId id) const {
    return is_scratch(id) ? std::string_view(scratch_[id & ~kScratchBit])
                          : std::string_view(texts_[id]);
  }
  std::size_t size() const { return texts_.size(); }

  static constexpr TextId kEmptyText = 0;  // "" is always id 0

 private:
  static constexpr TextId kScratchBit = 0x80000000u;
  void rebuild_index();
  void drop_scratch();

  std::deque<std::string> texts_;  // a deque keeps the views in index_ valid as it grows
  std::unordered_map<std::string_view, TextId> index_;
  std::deque<std::string> scratch_;
};

}  // namespace pellavan::sheet
