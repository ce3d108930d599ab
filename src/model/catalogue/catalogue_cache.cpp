#include "model/catalogue/catalogue_cache.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

#include "model/catalogue/data_file_access.h"
#include "model/catalogue/data_folder.h"
#include "model/saving/regular_file.h"

namespace pellavan::model {

namespace {

std::int64_t nanoseconds(const timespec& t) {
  return static_cast<std::int64_t>(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

// File times move in coarse steps: a file changed this shortly before it was read may be changed
// again without a new time, so its copy is read again until the file is older than that.
constexpr std::int64_t kSettleNs = 100'000'000;

std::int64_t now_ns() {
  timespec t{};
  ::clock_gettime(CLOCK_REALTIME, &t);
  return nanoseconds(t);
}

std::optional<CatalogueCache::Stamp> stamp_of(const struct stat& st) {
  if (!S_ISREG(st.st_mode)) return std::nullopt;
  return CatalogueCache::Stamp{
      static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
      static_cast<std::uint64_t>(st.st_size), nanoseconds(st.st_mtim), nanoseconds(st.st_ctim)};
}

std::optional<CatalogueCache::Stamp> stamp_of(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return std::nullopt;
  return stamp_of(st);
}

[[noreturn]] void refuse(const std::string& path, std::string_view message) {
  throw DataFileFailure(path + std::string(message));
}

struct WholeFile {
  CatalogueCache::Stamp stamp;  // of what was read
  bool settled = false;         // changed long enough before the read to be kept
  std::vector<std::uint8_t> bytes;
};

WholeFile read_whole(const std::string& path, std::size_t record_length) {
  const std::int64_t started = now_ns();
  std::error_code ec;
  const OpenFile fd = open_regular_file(path, O_RDONLY, ec);
  struct stat st {};
  if (ec || ::fstat(fd.get(), &st) != 0) refuse(path, kFileNotFoundMessage);
  const std::optional<CatalogueCache::Stamp> stamp = stamp_of(st);
  if (!stamp) refuse(path, kFileNotFoundMessage);
  if (stamp->size > kMostCatalogueRecords * record_length) refuse(path, kFileErrorMessage);
  std::vector<std::uint8_t> bytes(stamp->size);
  std::size_t got = 0;
  while (got < bytes.size()) {
    const ssize_t n = ::read(fd.get(), bytes.data() + got, bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) refuse(path, kFileErrorMessage);
    if (n == 0) break;  // cut short since it was measured: the next look-up reads it again
    got += static_cast<std::size_t>(n);
  }
  bytes.resize(got);
  return {*stamp, stamp->changed_ns < started - kSettleNs, std::move(bytes)};
}

}  // namespace

const std::string& CatalogueCache::locate(const std::filesystem::path& program_folder,
                                          std::string_view file_name, std::optional<Stamp>& stamp) {
  auto key = std::make_pair(program_folder.string(), std::string(file_name));
  auto found = paths_.find(key);
  if (found == paths_.end())
    found = paths_.emplace(std::move(key), data_file_path(program_folder, file_name)).first;
  stamp = stamp_of(found->second);
  if (!stamp) {  // renamed or removed since it was found: look again
    found->second = data_file_path(program_folder, file_name);
    stamp = stamp_of(found->second);
  }
  return found->second;
}

CatalogueBytes CatalogueCache::read(const std::filesystem::path& program_folder,
                                    std::string_view file_name, std::size_t record_length,
                                    std::string& path) {
  std::optional<Stamp> stamp;
  path = locate(program_folder, file_name, stamp);
  if (!stamp) refuse(path, kFileNotFoundMessage);
  if (stamp->size > kMostCatalogueRecords * record_length) refuse(path, kFileErrorMessage);
  Kept& kept = kept_[path];
  if (!kept.bytes || !kept.settled || kept.stamp != *stamp) {
    WholeFile file = read_whole(path, record_length);
    kept = {file.stamp, file.settled,
            std::make_shared<const std::vector<std::uint8_t>>(std::move(file.bytes))};
  }
  return kept.bytes;
}

bool CatalogueCache::exists(const std::filesystem::path& program_folder,
                            std::string_view file_name) {
  std::optional<Stamp> stamp;
  locate(program_folder, file_name, stamp);
  return stamp.has_value();
}

}  // namespace pellavan::model
