#include "model/saving/save_journal.h"

#include <algorithm>
#include <array>

#include "model/record/little_endian.h"

namespace pellavan::model {
namespace {

// The journal's image, all numbers little-endian:
//   offset  0, 8 bytes: kMagic
//   offset  8, 8 bytes: the file's inode number
//   offset 16, 4 bytes: what is known of it: kHasGeneration, kHasBirth
//   offset 20, 4 bytes: the inode's generation
//   offset 24, 8 bytes: its birth time, nanoseconds since 1970
//   offset 32, 8 bytes: the file system's id
//   offset 40, 4 bytes: length of the old version
//   offset 44, 4 bytes: length of the new version
//   offset 48:          the old version, then the new one
//   last 8 bytes:       FNV-1a 64 of every byte before them
// The earlier version's (kEarlierMagic) holds the inode number at 8, the lengths at 16 and 20,
// and the versions from 24.
struct Layout {
  std::array<std::uint8_t, 8> magic;
  std::size_t old_length_at, new_length_at, header_size;
};
constexpr Layout kLayout{{'P', 'V', 'N', 'J', 'R', 'N', 'L', '2'}, 40, 44, 48};
constexpr Layout kEarlierLayout{{'P', 'V', 'N', 'J', 'R', 'N', 'L', '1'}, 16, 20, 24};
constexpr std::size_t kInodeAt = 8;
constexpr std::size_t kKnownAt = 16;
constexpr std::size_t kGenerationAt = 20;
constexpr std::size_t kBirthAt = 24;
constexpr std::size_t kFileSystemAt = 32;
constexpr std::uint32_t kHasGeneration = 1;
constexpr std::uint32_t kHasBirth = 2;
constexpr std::size_t kChecksumSize = 8;
static_assert(kLayout.header_size + kChecksumSize == kJournalFrameBytes);

std::uint64_t checksum(std::span<const std::uint8_t> bytes) {
  std::uint64_t h = 14695981039346656037ULL;
  for (const std::uint8_t b : bytes) h = (h ^ b) * 1099511628211ULL;
  return h;
}

}  // namespace

bool is_same_file(const FileIdentity& journal, const FileIdentity& file) {
  return journal.inode == file.inode &&
         (!journal.generation || journal.generation == file.generation) &&
         (!journal.birth_ns || journal.birth_ns == file.birth_ns);
}

std::vector<std::uint8_t> encode_journal(const SaveJournal& journal) {
  const std::size_t old_length = journal.old_bytes.size();
  const std::size_t new_length = journal.new_bytes.size();
  std::vector<std::uint8_t> out(kLayout.header_size + old_length + new_length + kChecksumSize);
  std::uint8_t* p = out.data();
  const FileIdentity& file = journal.file;
  std::copy(kLayout.magic.begin(), kLayout.magic.end(), p);
  store_le(p + kInodeAt, file.inode);
  store_le(p + kKnownAt, (file.generation ? kHasGeneration : 0) | (file.birth_ns ? kHasBirth : 0));
  store_le(p + kGenerationAt, file.generation.value_or(0));
  store_le(p + kBirthAt, file.birth_ns.value_or(0));
  store_le(p + kFileSystemAt, file.file_system);
  store_le(p + kLayout.old_length_at, static_cast<std::uint32_t>(old_length));
  store_le(p + kLayout.new_length_at, static_cast<std::uint32_t>(new_length));
  std::copy(journal.old_bytes.begin(), journal.old_bytes.end(), p + kLayout.header_size);
  std::copy(journal.new_bytes.begin(), journal.new_bytes.end(),
            p + kLayout.header_size + old_length);
  const std::size_t body = out.size() - kChecksumSize;
  store_le(p + body, checksum(std::span(out).first(body)));
  return out;
}

std::optional<SaveJournal> decode_journal(std::span<const std::uint8_t> bytes) {
  const Layout* layout = nullptr;
  for (const Layout* l : {&kLayout, &kEarlierLayout})
    if (bytes.size() >= l->header_size + kChecksumSize &&
        std::equal(l->magic.begin(), l->magic.end(), bytes.begin()))
      layout = l;
  if (layout == nullptr) return std::nullopt;
  const std::uint8_t* p = bytes.data();
  const std::size_t old_length = load_le<std::uint32_t>(p + layout->old_length_at);
  const std::size_t new_length = load_le<std::uint32_t>(p + layout->new_length_at);
  if (bytes.size() != layout->header_size + old_length + new_length + kChecksumSize)
    return std::nullopt;
  const auto body = bytes.first(bytes.size() - kChecksumSize);
  if (checksum(body) != load_le<std::uint64_t>(p + body.size())) return std::nullopt;
  SaveJournal journal;
  journal.file.inode = load_le<std::uint64_t>(p + kInodeAt);
  if (layout == &kLayout) {
    const auto known = load_le<std::uint32_t>(p + kKnownAt);
    if ((known & kHasGeneration) != 0)
      journal.file.generation = load_le<std::uint32_t>(p + kGenerationAt);
    if ((known & kHasBirth) != 0) journal.file.birth_ns = load_le<std::int64_t>(p + kBirthAt);
    journal.file.file_system = load_le<std::uint64_t>(p + kFileSystemAt);
  }
  const auto old_bytes = body.subspan(layout->header_size, old_length);
  const auto new_bytes = body.subspan(layout->header_size + old_length, new_length);
  journal.old_bytes.assign(old_bytes.begin(), old_bytes.end());
  journal.new_bytes.assign(new_bytes.begin(), new_bytes.end());
  return journal;
}

bool left_by_cut_write(std::span<const std::uint8_t> current, const SaveJournal& journal) {
  const auto& old_bytes = journal.old_bytes;
  const auto& new_bytes = journal.new_bytes;
  if (current.size() < std::min(old_bytes.size(), new_bytes.size()) ||
      current.size() > std::max(old_bytes.size(), new_bytes.size()))
    return false;
  for (std::size_t i = 0; i < current.size(); ++i) {
    const std::uint8_t b = current[i];
    if (b != 0 && !(i < old_bytes.size() && b == old_bytes[i]) &&
        !(i < new_bytes.size() && b == new_bytes[i]))
      return false;
  }
  return true;
}

}  // namespace pellavan::model
