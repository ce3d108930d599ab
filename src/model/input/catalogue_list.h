#pragma once
// The entries of a list filled from a catalogue: every record of the file that the list shows,
// with its id (the list's item data), its name as stored (trailing blanks included) and its
// picture file name for the hidden twin list. A record is left out when its Hidden flag is 1,
// and a discontinued unit (Inactive not 0) unless inactive units are shown; a window may leave
// out more. Entries keep the file's order unless the window sorts them without regard to case.

#include <algorithm>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "model/catalogue/catalogue_scan.h"
#include "model/text/cp1252.h"

namespace pellavan::model {

struct ListEntry {
  Int16 id = 0;
  std::string text;     // UTF-8
  std::string picture;  // UTF-8; empty for a record without a picture
};

enum class ListOrder : std::uint8_t { FileOrder, CaseBlind };

template <class R>
[[nodiscard]] bool listed(const R& r, bool show_inactive) {
  if constexpr (requires { r.Hidden; })
    if (r.Hidden == 1) return false;
  if constexpr (requires { r.Inactive; })
    if (r.Inactive != 0 && !show_inactive) return false;
  return true;
}

// Sorts by text, or by picture name (a sorted twin list), ignoring ASCII letter case; entries
// that compare equal keep their order.
void sort_case_blind(std::vector<ListEntry>& entries, bool by_picture = false);

// Reads the Data folder's catalogue from `first_record` (record 1 unless told) to its end. A
// missing, unopenable or oversized file ends the program after its message, as every catalogue
// read does.
template <CatalogueRecord R>
[[nodiscard]] std::vector<ListEntry> catalogue_list(DataFileAccess& state,
                                                    const std::filesystem::path& program_folder,
                                                    std::string_view file_name, bool show_inactive,
                                                    ListOrder order = ListOrder::FileOrder,
                                                    bool (*also)(const R&) = nullptr,
                                                    std::int64_t first_record = 1) {
  CatalogueRecords file = open_catalogue(state, program_folder, file_name, R::kFileSize);
  std::vector<ListEntry> entries;
  R r{};
  for (std::int64_t n = first_record; file.read(n, r); ++n) {
    if (!listed(r, show_inactive) || (also != nullptr && !also(r))) continue;
    ListEntry entry{r.Id, utf8_from_cp1252(r.Name.str()), {}};
    if constexpr (requires { r.Picture; }) entry.picture = utf8_from_cp1252(r.Picture.str());
    entries.push_back(std::move(entry));
  }
  if (order == ListOrder::CaseBlind) sort_case_blind(entries);
  return entries;
}

}  // namespace pellavan::model
