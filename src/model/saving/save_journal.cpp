#include "model/saving/save_journal.h"

#include <algorithm>
#include <array>

#include "model/record/little_endian.h"

namespace pellavan::model {
namespace {

// The journal's image, all numbers little-endian:
//   offset  0, 8 bytes: "PVNJRNL3"
//   offset  8, 8 bytes: the file's inode number
//   offset 16, 4 bytes: what is known of it: kHasGeneration, kHasBirth, kHasDevice
//   offset 20, 4 bytes: the inode's generation
//   offset 24, 8 bytes: its birth time, nanoseconds since 1970
//   offset 32, 8 bytes: the file system's id
//   offset 40, 8 bytes: the device number of the file's disk
//   offset 48, 4 bytes: length of the old version
//   offset 52, 4 bytes: length of the new version
//   offset 56:          the old version, then the new one
//   last 8 bytes:       FNV-1a 64 of every byte before them
// The earlier versions' hold the same up to the file system's id ("PVNJRNL2"), or the inode
// number alone ("PVNJRNL1"), then the lengths and the versions.
enum class Holds { kInode, kIdentity, kDevice };
struct Layout {
  std::array<std::uint8_t, 8> magic;
  Holds holds;
  std::size_t old_length_at, new_length_at, header_size;
};
// This version's first.
constexpr Layout kLayouts[] = {
    {{'P', 'V', 'N', 'J', 'R', 'N', 'L', '3'}, Holds::kDevice, 48, 52, 56},
    {{'P', 'V', 'N', 'J', 'R', 'N', 'L', '2'}, Holds::kIdentity, 40, 44, 48},
    {{'P', 'V', 'N', 'J', 'R', 'N', 'L', '1'}, Holds::kInode, 16, 20, 24}};
constexpr const Layout& kLayout = kLayouts[0];
constexpr std::size_t kInodeAt = 8;
constexpr std::size_t kKnownAt = 16;
constexpr std::size_t kGenerationAt = 20;
constexpr std::size_t kBirthAt = 24;
constexpr std::size_t kFileSystemAt = 32;
constexpr std::size_t kDeviceAt = 40;
constexpr std::uint32_t kHasGeneration = 1;
constexpr std::uint32_t kHasBirth = 2;
constexpr std::uint32_t kHasDevice = 4;
constexpr std::size_t kChecksumSize = 8;
constexpr std::size_t kSectorBytes = 512;
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
  store_le(p + kKnownAt, (file.generation ? kHasGeneration : 0) | (file.birth_ns ? kHasBirth : 0) |
                             (file.device ? kHasDevice : 0));
  store_le(p + kGenerationAt, file.generation.value_or(0));
  store_le(p + kBirthAt, file.birth_ns.value_or(0));
  store_le(p + kFileSystemAt, file.file_system);
  store_le(p + kDeviceAt, file.device.value_or(0));
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
  for (const Layout& l : kLayouts)
    if (layout == nullptr && bytes.size() >= l.header_size + kChecksumSize &&
        std::equal(l.magic.begin(), l.magic.end(), bytes.begin()))
      layout = &l;
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
  if (layout->holds != Holds::kInode) {
    const auto known = load_le<std::uint32_t>(p + kKnownAt);
    if ((known & kHasGeneration) != 0)
      journal.file.generation = load_le<std::uint32_t>(p + kGenerationAt);
    if ((known & kHasBirth) != 0) journal.file.birth_ns = load_le<std::int64_t>(p + kBirthAt);
    journal.file.file_system = load_le<std::uint64_t>(p + kFileSystemAt);
    if (layout->holds == Holds::kDevice && (known & kHasDevice) != 0)
      journal.file.device = load_le<std::uint64_t>(p + kDeviceAt);
  }
  const auto old_bytes = body.subspan(layout->header_size, old_length);
  const auto new_bytes = body.subspan(layout->header_size + old_length, new_length);
  journal.old_bytes.assign(old_bytes.begin(), old_bytes.end());
  journal.new_bytes.assign(new_bytes.begin(), new_bytes.end());
  return journal;
}

bool left_by_cut_write(std::span<const std::uint8_t> current, const SaveJournal& journal) {
  const std::vector<std::uint8_t>& old_bytes = journal.old_bytes;
  const std::vector<std::uint8_t>& new_bytes = journal.new_bytes;
  const std::size_t length = current.size();
  if (new_bytes.size() >= old_bytes.size()
          ? length < old_bytes.size() || length > new_bytes.size()
          : length != old_bytes.size() && length != new_bytes.size())
    return false;
  // At each place: what the save writes there (the old version's bytes past a shorter new one,
  // until the file is cut to it), and what was there before (zero in the room it took).
  const auto written = [&](std::size_t i) {
    return i < new_bytes.size() ? new_bytes[i] : old_bytes[i];
  };
  const auto before = [&](std::size_t i) {
    return i < old_bytes.size() ? old_bytes[i] : std::uint8_t{0};
  };
  // Where the run from `from` of places that hold what `at` gives ends.
  const auto run = [&](std::size_t from, std::size_t end, const auto& at) {
    while (from < end && current[from] == at(from)) ++from;
    return from;
  };
  bool stopped = false;  // the sector where the write stopped part-way was met
  for (std::size_t start = 0; start < length; start += kSectorBytes) {
    const std::size_t end = std::min(start + kSectorBytes, length);
    const std::size_t as_written = run(start, end, written);
    if (run(as_written, end, before) != end) return false;
    // Neither wholly as written nor wholly as before: the write stopped in it.
    if (as_written != end && run(start, as_written, before) != as_written) {
      if (stopped) return false;
      stopped = true;
    }
  }
  return true;
}

}  // namespace pellavan::model
