#pragma once
// The journal that a save of a file with several names (hard links) keeps while it writes the
// file in place: which file it is, and the old and the new version, so that an open after a save
// cut off at any moment can tell what the file holds and write the new version whole. Where
// journals are kept and which are trusted: journal_folder.h.
//   - It appears under its name only whole (written aside, flushed, renamed), and it carries its
//     lengths and a checksum besides, so that a cut or damaged journal is never taken for one.
//   - The file is told by what stays with it however its disk is mounted and that a later file
//     of the same inode number does not share: the inode's generation and its birth time, where
//     the file system keeps them. The earlier versions' journals name the inode number alone, or
//     that without the device the file lay on.
//   - It is applied only to what its own save can have left (left_by_cut_write): a file written
//     since by other means, whatever it holds, is not taken for one.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace pellavan::model {

// The longest version a save in place writes, so that its journal can always be read back.
inline constexpr std::uint64_t kMostInPlaceBytes = std::uint64_t{1} << 27;
// What a journal holds besides its two versions.
inline constexpr std::uint64_t kJournalFrameBytes = 64;
// The longest journal.
inline constexpr std::uint64_t kMostJournalBytes = 2 * kMostInPlaceBytes + kJournalFrameBytes;

// What tells a file from every other, on any device number its disk is given, and where it lay
// when it was looked at.
struct FileIdentity {
  std::uint64_t inode = 0;
  std::optional<std::uint32_t> generation;
  std::optional<std::int64_t> birth_ns;  // birth time, in nanoseconds since 1970
  std::uint64_t file_system = 0;         // the file system's own id, 0 where it has none
  std::optional<std::uint64_t> device;   // the device number of its disk (none in earlier journals)

  friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// True when `file` is the file `journal` names, whatever disk either lies on: the same inode, and
// the same generation and birth time wherever the journal knows them.
[[nodiscard]] bool is_same_file(const FileIdentity& journal, const FileIdentity& file);

struct SaveJournal {
  FileIdentity file;  // the file written in place
  std::vector<std::uint8_t> old_bytes;
  std::vector<std::uint8_t> new_bytes;
};

[[nodiscard]] std::vector<std::uint8_t> encode_journal(const SaveJournal& journal);

// The journal, or nothing when the bytes are not one whole journal (of this version or of an
// earlier one).
[[nodiscard]] std::optional<SaveJournal> decode_journal(std::span<const std::uint8_t> bytes);

// True when current is what the save of the journal, writing its new version over the old one in
// place from the start, can have left when it was cut off:
//   - A length from the old one's to the new one's where the new one is longer (the room taken at
//     once, or step by step as the file was written), else the old one's or the new one's.
//   - Every sector (512 bytes, from the start) the new version's or what was there before it:
//     the old version's, zero in room taken beyond it. A power cut leaves any mix of them; a
//     program killed leaves the new version up to where its write had got to.
//   - But for one sector, where the write stopped: the new version's bytes up to a point and what
//     was there after it (a file system may send a long write in pieces of any length).
// So a file written since by other means passes for one only where every byte it changed is what
// the save wrote there, and writing the new version whole then loses none of them. The old and the
// new version themselves count too.
[[nodiscard]] bool left_by_cut_write(std::span<const std::uint8_t> current,
                                     const SaveJournal& journal);

}  // namespace pellavan::model
