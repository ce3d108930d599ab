#include "sheet/string_pool.h"

namespace pellavan::sheet {

StringPool::StringPool() { intern(""); }

StringPool::StringPool(const StringPool& other) : texts_(other.texts_) { rebuild_index(); }

StringPool& StringPool::operator=(const StringPool& other) {
  if (this != &other) {
    texts_ = other.texts_;
    scratch_.clear();
    rebuild_index();
  }
  return *this;
}

void StringPool::rebuild_index() {
  index_.clear();
  for (std::size_t i = 0; i < texts_.size(); ++i) index_.emplace(texts_[i], static_cast<TextId>(i));
}

TextId StringPool::intern(std::string_view text) {
  if (auto it = index_.find(text); it != index_.end()) return it->second;
  const auto id = static_cast<TextId>(texts_.size());
  texts_.emplace_back(text);
  index_.emplace(texts_.back(), id);
  return id;
}

void StringPool::drop_scratch() { scratch_.clear(); }

TextId StringPool::add_scratch(std::string text) {
  scratch_.push_back(std::move(text));
  return static_cast<TextId>(scratch_.size() - 1) | kScratchBit;
}

}  // namespace pellavan::sheet
