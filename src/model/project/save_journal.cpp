#include "model/project/save_journal.h"

#include <algorithm>
#include <array>

#include "model/record/little_endian.h"

namespace pellavan::model {
namespace {

// The journal's image, all numbers little-endian:
//   offset  0, 8 bytes: kMagic
//   offset  8, 8 bytes: the file's inode number
//   offset 16, 4 bytes: length of the old version
//   offset 20, 4 bytes: length of the new version
//   offset 24:          the old version, then the new one
//   last 8 bytes:       FNV-1a 64 of every byte before them
constexpr std::array<std::uint8_t, 8> kMagic = {'P', 'V', 'N', 'J', 'R', 'N', 'L', '1'};
constexpr std::size_t kIdAt = 8;
constexpr std::size_t kOldLengthAt = 16;
constexpr std::size_t kNewLengthAt = 20;
constexpr std::size_t kHeaderSize = 24;
constexpr std::size_t kChecksumSize = 8;

std::uint64_t checksum(std::span<const std::uint8_t> bytes) {
  std::uint64_t h = 14695981039346656037ULL;
  for (const std::uint8_t b : bytes) h = (h ^ b) * 1099511628211ULL;
  return h;
}

}  // namespace

std::vector<std::uint8_t> encode_journal(const SaveJournal& journal) {
  const std::size_t old_length = journal.old_bytes.size();
  const std::size_t new_length = journal.new_bytes.size();
  std::vector<std::uint8_t> out(kHeaderSize + old_length + new_length + kChecksumSize);
  std::uint8_t* p = out.data();
  std::copy(kMagic.begin(), kMagic.end(), p);
  store_le(p + kIdAt, journal.file_id);
  store_le(p + kOldLengthAt, static_cast<std::uint32_t>(old_length));
  store_le(p + kNewLengthAt, static_cast<std::uint32_t>(new_length));
  std::copy(journal.old_bytes.begin(), journal.old_bytes.end(), p + kHeaderSize);
  std::copy(journal.new_bytes.begin(), journal.new_bytes.end(), p + kHeaderSize + old_length);
  const std::size_t body = out.size() - kChecksumSize;
  store_le(p + body, checksum(std::span(out).first(body)));
  return out;
}

std::optional<SaveJournal> decode_journal(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kHeaderSize + kChecksumSize ||
      !std::equal(kMagic.begin(), kMagic.end(), bytes.begin()))
    return std::nullopt;
  const std::size_t old_length = load_le<std::uint32_t>(bytes.data() + kOldLengthAt);
  const std::size_t new_length = load_le<std::uint32_t>(bytes.data() + kNewLengthAt);
  if (bytes.size() != kHeaderSize + old_length + new_length + kChecksumSize) return std::nullopt;
  const auto body = bytes.first(bytes.size() - kChecksumSize);
  if (checksum(body) != load_le<std::uint64_t>(bytes.data() + body.size())) return std::nullopt;
  SaveJournal journal;
  journal.file_id = load_le<std::uint64_t>(bytes.data() + kIdAt);
  const auto old_bytes = body.subspan(kHeaderSize, old_length);
  const auto new_bytes = body.subspan(kHeaderSize + old_length, new_length);
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
