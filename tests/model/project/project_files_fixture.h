#pragma once
// Project, default and settings files in the Data folder of a temporary program folder.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <grp.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <optional>
#include <iterator>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "model/catalogue/catalogue_fixture.h"
#include "model/saving/journal_folder.h"
#include "model/saving/save_journal.h"
#include "model/records/dealer_rec.h"
#include "model/records/project_rec.h"

namespace pellavan::model::testing {

// The user and another one, where a test may act as them (as root).
inline constexpr uid_t kUser = 64001;
inline constexpr uid_t kOther = 64002;

// A record whose every byte is pseudo-random, with the given tag and with zoom levels set, so
// that nothing in it is left at a default that could hide a field the codec drops.
inline std::vector<std::uint8_t> random_project_image(std::string_view tag, unsigned seed = 7) {
  std::mt19937 gen(seed);
  std::vector<std::uint8_t> image(ProjectRec::kFileSize);
  for (auto& b : image) b = static_cast<std::uint8_t>(gen());
  for (std::size_t i = 0; i < 3; ++i) image[i] = static_cast<std::uint8_t>(tag[i]);
  image[28] = 100;  // Zoom_HeatPumpBin, little-endian 100
  image[29] = 0;
  return image;
}

inline std::vector<std::uint8_t> read_all(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void write_all(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

// While it lives no file grows past `bytes`: a write beyond fails as on a full disk (EFBIG).
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) : signal_(std::signal(SIGXFSZ, SIG_IGN)) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit small = saved_;
    small.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &small);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, signal_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  void (*signal_)(int);
};

inline FileIdentity identity_of(const std::filesystem::path& path) {
  std::error_code ec;
  const OpenFile file = open_regular_file(path, O_RDONLY, ec);
  return ec ? FileIdentity{} : file_identity(file.get(), ec);
}

// Takes the user's turn at the file as the program does and holds it while the process lives;
// false when it is held elsewhere.
inline bool hold_turn(const std::filesystem::path& path, FileLock kind) {
  static std::optional<FileTurn> held;
  held = take_turn_at(path, kind);
  return held.has_value();
}

// Where a journal of the file at path lies: in the user's folder, or where an earlier version
// kept it: beside the file, or in the user's folder named by device and inode.
enum class JournalPlace { kUsersFolder, kBesideTheFile, kByDevice };

inline std::filesystem::path journal_path(const std::filesystem::path& path,
                                          JournalPlace place = JournalPlace::kUsersFolder) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return {};
  if (place == JournalPlace::kBesideTheFile)
    return path.parent_path() / legacy_journal_name(st.st_ino);
  if (place == JournalPlace::kByDevice) return JournalFolder::location() / device_journal_name(st);
  return JournalFolder::location() / journal_name(identity_of(path));
}

// A journal as an earlier version wrote it: "PVNJRNL" and the version, the fields given (a value
// and its width), the two lengths, the two versions and the FNV-1a 64 of all that, the numbers
// little-endian.
inline std::vector<std::uint8_t> journal_image(
    char version, std::initializer_list<std::pair<std::uint64_t, int>> fields,
    const std::vector<std::uint8_t>& old_bytes, const std::vector<std::uint8_t>& new_bytes) {
  std::vector<std::uint8_t> out = {'P', 'V', 'N', 'J',
                                   'R', 'N', 'L', static_cast<std::uint8_t>(version)};
  const auto put = [&out](std::uint64_t n, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(n >> (8 * i)));
  };
  for (const auto& [value, width] : fields) put(value, width);
  put(old_bytes.size(), 4);
  put(new_bytes.size(), 4);
  out.insert(out.end(), old_bytes.begin(), old_bytes.end());
  out.insert(out.end(), new_bytes.begin(), new_bytes.end());
  std::uint64_t h = 14695981039346656037ULL;
  for (const std::uint8_t b : out) h = (h ^ b) * 1099511628211ULL;
  put(h, 8);
  return out;
}

// The first version's: the inode number alone.
inline std::vector<std::uint8_t> earlier_journal(std::uint64_t inode,
                                                 const std::vector<std::uint8_t>& old_bytes,
                                                 const std::vector<std::uint8_t>& new_bytes) {
  return journal_image('1', {{inode, 8}}, old_bytes, new_bytes);
}

// The second version's: the file's identity without the device it lay on.
inline std::vector<std::uint8_t> journal_without_device(const SaveJournal& journal) {
  const FileIdentity& f = journal.file;
  return journal_image('2',
                       {{f.inode, 8},
                        {(f.generation ? 1u : 0u) | (f.birth_ns ? 2u : 0u), 4},
                        {f.generation.value_or(0), 4},
                        {static_cast<std::uint64_t>(f.birth_ns.value_or(0)), 8},
                        {f.file_system, 8}},
                       journal.old_bytes, journal.new_bytes);
}

// How many bytes of new_bytes a cut save wrote over old_bytes that leaves neither whole: up to
// the first byte that tells them apart (they differ in more than one).
inline std::size_t written_halfway(const std::vector<std::uint8_t>& old_bytes,
                                   const std::vector<std::uint8_t>& new_bytes) {
  std::size_t at = 0;
  while (at < old_bytes.size() && at < new_bytes.size() && old_bytes[at] == new_bytes[at]) ++at;
  return at + 1;
}

// Leaves path as a save of new_bytes over old_bytes, in place, cut off after its first `written`
// bytes leaves it: the room taken, those bytes written, and the journal whole in its place.
inline void leave_cut_save(const std::filesystem::path& path,
                           const std::vector<std::uint8_t>& old_bytes,
                           const std::vector<std::uint8_t>& new_bytes, std::size_t written,
                           JournalPlace place = JournalPlace::kUsersFolder) {
  std::vector<std::uint8_t> torn = old_bytes;
  torn.resize(std::max(old_bytes.size(), new_bytes.size()));
  std::copy_n(new_bytes.begin(), written, torn.begin());
  write_all(path, torn);  // truncated and written: the same file, every name kept
  std::error_code ec;
  ASSERT_TRUE(JournalFolder::open(JournalFolder::Missing::kMake, ec)) << ec.message();
  const FileIdentity file = identity_of(path);
  write_all(journal_path(path, place), place == JournalPlace::kUsersFolder
                                           ? encode_journal({file, old_bytes, new_bytes})
                                           : earlier_journal(file.inode, old_bytes, new_bytes));
}

// A process that does its work and then stays stopped, as a program stopped half-way, until it
// is ended (or this goes).
class StoppedProcess {
 public:
  explicit StoppedProcess(const std::function<void()>& work) : pid_(::fork()) {
    if (pid_ == 0) {
      work();
      ::raise(SIGSTOP);
      std::_Exit(0);
    }
    int status = 0;
    ::waitpid(pid_, &status, WUNTRACED);
  }
  ~StoppedProcess() { end(); }
  StoppedProcess(const StoppedProcess&) = delete;
  StoppedProcess& operator=(const StoppedProcess&) = delete;

  void end() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    pid_ = 0;
  }

 private:
  pid_t pid_;
};

// Makes this process one of the user uid (where the test may give its rights away, as root) with
// its own state folder.
inline void become(uid_t uid, const std::filesystem::path& state) {
  if (::geteuid() == 0 &&
      (::setgroups(0, nullptr) != 0 || ::setgid(uid) != 0 || ::setuid(uid) != 0))
    std::_Exit(100);
  ::setenv("XDG_STATE_HOME", state.c_str(), 1);
  ::umask(022);
}

// Runs work in a process of uid and gives its exit code; -1 when it was still at work after
// 20 seconds.
inline int run_as(uid_t uid, const std::filesystem::path& state, const std::function<int()>& work) {
  const pid_t child = ::fork();
  if (child == 0) {
    become(uid, state);
    ::alarm(20);
    std::_Exit(work());
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A plain record as written by this version, with zoom levels.
inline ProjectRec sample_project(std::string_view title = "Smith Residence") {
  ProjectRec rec{};
  rec.FileTag = "KQ7";
  rec.Project_Title = title;
  rec.Zoom_HeatPumpBin = 120;
  rec.GeoT_UnitId = 3;
  rec.Loads_DhwTemp = 140;
  return rec;
}

// A settings file's record with every detail filled, imperial options, discontinued units shown.
inline DealerRec sample_dealer() {
  DealerRec d;
  d.FileTag = "KX2";
  d.Name = "Acme Heating";
  d.Address = "1 Main St";
  d.City = "Springfield";
  d.State = "IL";
  d.Zip = "62701";
  d.Phone = "555-0100";
  d.Fax = "555-0101";
  d.CellPhone = "555-0102";
  d.Email = "info@acme.example";
  d.Contact = "Pat";
  for (auto* option : {&d.MetricMode, &d.UseDegF, &d.UseBtuh, &d.UseFeet, &d.GasGJ}) *option = "0";
  d.HideInactive = 0;
  return d;
}

}  // namespace pellavan::model::testing

namespace pellavan::model {

// What the tests of saves and opens name most.
using testing::kOther;
using testing::kUser;
using testing::leave_cut_save;
using testing::random_project_image;
using testing::read_all;
using testing::run_as;
using testing::write_all;

}  // namespace pellavan::model
