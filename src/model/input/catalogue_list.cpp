#include "model/input/catalogue_list.h"

#include "model/text/ascii.h"

namespace pellavan::model {

void sort_case_blind(std::vector<ListEntry>& entries, bool by_picture) {
  const auto key = [by_picture](const ListEntry& e) -> const std::string& {
    return by_picture ? e.picture : e.text;
  };
  std::stable_sort(entries.begin(), entries.end(), [&](const ListEntry& a, const ListEntry& b) {
    return less_ignoring_case(key(a), key(b));
  });
}

}  // namespace pellavan::model
