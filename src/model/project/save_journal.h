#pragma once
// The journal that a save of a file with several names (hard links) keeps while it writes the
// file in place: the old and the new version, so that an open after a save cut off at any moment
// can tell what the file holds and write the new version whole. Where journals are kept and which
// are trusted: journal_folder.h.
//   - It appears under its name only whole (written aside, flushed, renamed), and it carries its
//     lengths and a checksum besides, so that a cut or damaged journal is never taken for one.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace pellavan::model {

struct SaveJournal {
  std::uint64_t file_id = 0;  // the inode number of the file written in place
  std::vector<std::uint8_t> old_bytes;
  std::vector<std::uint8_t> new_bytes;
};

[[nodiscard]] std::vector<std::uint8_t> encode_journal(const SaveJournal& journal);

// The journal, or nothing when the bytes are not one whole journal.
[[nodiscard]] std::optional<SaveJournal> decode_journal(std::span<const std::uint8_t> bytes);

// True when current is what a write of the new version over the old one, in place, can leave
// when it is cut off: a length from the shorter one's to the longer one's (a file grown step by
// step where the room cannot be taken at once), and every byte the old one, the new one or zero
// (room taken but not yet written). The old and the new version themselves count too.
[[nodiscard]] bool left_by_cut_write(std::span<const std::uint8_t> current,
                                     const SaveJournal& journal);

}  // namespace pellavan::model
