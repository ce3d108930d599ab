// Replacing writes through links, with names as long as the folder takes, the temporary files
// that killed saves leave behind, saves killed at random moments, and the modes of new files.
#include "model/saving/replacing_write.h"

#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <optional>
#include <iostream>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "model/project/dealer_file.h"
#include "model/project/default_files.h"
#include "model/project/project_file.h"
#include "model/project/rate_file.h"
#include "model/saving/file_lock.h"
#include "model/project/project_files_fixture.h"

namespace pellavan::model {
namespace {

namespace fs = std::filesystem;

const std::vector<std::uint8_t> kOld{1, 2, 3};
const std::vector<std::uint8_t> kNew{4, 5, 6, 7};

class ReplacingWriteTest : public testing::CatalogueFixture {
 protected:
  [[nodiscard]] fs::path at(const std::string& name) const { return program_folder() / name; }

  // A journal in the user's folder, or one beside a file as the earlier version kept it.
  [[nodiscard]] bool journal_left() const {
    for (const std::string& name : names())
      if (fs::path(name).filename().string().starts_with(kLegacyJournalPrefix)) return true;
    std::error_code ec;
    for (fs::directory_iterator it(JournalFolder::location(), ec), end; !ec && it != end;
         it.increment(ec))
      if (it->path().filename().string().starts_with("journal-")) return true;
    return false;
  }

  // Every name in the folder and its subfolders, relative to it.
  [[nodiscard]] std::vector<std::string> names() const {
    std::vector<std::string> out;
    for (const auto& e : fs::recursive_directory_iterator(program_folder()))
      out.push_back(e.path().lexically_relative(program_folder()).string());
    std::sort(out.begin(), out.end());
    return out;
  }
};

TEST_F(ReplacingWriteTest, WritesWhereTheNameLeads) {
  struct Row {
    const char* name;
    std::function<void(const fs::path& folder)> setup;
    const char* saved_as;  // the name written
    const char* written;   // the file that holds the new bytes afterwards; "" when refused
    std::vector<const char*> links;  // names that must still be links
  };
  const std::string longest(255, 'p');
  const Row rows[] = {
      {"plain file", [](const fs::path& f) { write_all(f / "a.pvn", kOld); }, "a.pvn", "a.pvn", {}},
      {"link beside its file",
       [](const fs::path& f) {
         write_all(f / "a.pvn", kOld);
         fs::create_symlink("a.pvn", f / "link.pvn");
       },
       "link.pvn",
       "a.pvn",
       {"link.pvn"}},
      {"chain of links into another folder",
       [](const fs::path& f) {
         fs::create_directory(f / "real");
         write_all(f / "real" / "a.pvn", kOld);
         fs::create_symlink("real/a.pvn", f / "first.pvn");
         fs::create_symlink(f / "first.pvn", f / "second.pvn");
       },
       "second.pvn",
       "real/a.pvn",
       {"first.pvn", "second.pvn"}},
      {"link to a file not there yet",
       [](const fs::path& f) { fs::create_symlink("new.pvn", f / "link.pvn"); },
       "link.pvn",
       "new.pvn",
       {"link.pvn"}},
      {"links in a loop",
       [](const fs::path& f) {
         fs::create_symlink("b.pvn", f / "a.pvn");
         fs::create_symlink("a.pvn", f / "b.pvn");
       },
       "a.pvn",
       "",
       {"a.pvn", "b.pvn"}},
      {"name of 255 characters", [](const fs::path&) {}, longest.c_str(), longest.c_str(), {}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    for (const auto& e : fs::directory_iterator(program_folder())) fs::remove_all(e.path());
    r.setup(program_folder());
    const WriteFailure failed = write_file_replacing(at(r.saved_as), kNew);
    EXPECT_EQ(!failed, *r.written != '\0') << failed.code.message();
    if (*r.written != '\0') {
      EXPECT_EQ(read_all(at(r.written)), kNew);
    }
    for (const char* link : r.links) EXPECT_TRUE(fs::is_symlink(at(link))) << link;
    for (const std::string& name : names())
      EXPECT_FALSE(fs::path(name).filename().string().starts_with(kTemporaryPrefix)) << name;
  }
}

// A killed save's temporary file goes at the next save into its folder; a save still running,
// one just begun and other hidden files stay.
TEST_F(ReplacingWriteTest, TheNextSaveRemovesWhatKilledSavesLeft) {
  const auto old_time = fs::file_time_type::clock::now() - std::chrono::hours(1);
  struct Row {
    const char* name;
    bool old;
    bool locked;  // a save still writing it
    bool removed;
  };
  const Row rows[] = {
      {".pellavan-a1B2c3", true, false, true},
      {".pellavan-d4E5f6", false, false, false},  // just made, not locked yet
      {".pellavan-g7H8i9", true, true, false},
      {".pellavan-toolong", true, false, false},
      {".keep.pvn.a1B2c3", true, false, false},
      {"pellavan-a1B2c3", true, false, false},
      {".pellavan-journal-1f", true, false, false},  // a cut save's journal of another file
  };
  std::vector<int> locks;
  for (const Row& r : rows) {
    write_all(at(r.name), kOld);
    if (r.old) fs::last_write_time(at(r.name), old_time);
    if (r.locked) {
      locks.push_back(::open(at(r.name).c_str(), O_RDONLY));
      ASSERT_EQ(::flock(locks.back(), LOCK_EX), 0);
    }
  }
  ASSERT_FALSE(write_file_replacing(at("a.pvn"), kNew));
  for (const Row& r : rows) EXPECT_EQ(fs::exists(at(r.name)), !r.removed) << r.name;
  for (const int fd : locks) ::close(fd);
}

// A file of several names is written where it is: every name holds the new bytes.
TEST_F(ReplacingWriteTest, KeepsEveryNameOfAHardLinkedFile) {
  write_all(at("a.pvn"), kOld);
  fs::create_hard_link(at("a.pvn"), at("b.pvn"));
  ASSERT_FALSE(write_file_replacing(at("a.pvn"), kNew));
  EXPECT_EQ(read_all(at("b.pvn")), kNew);
  EXPECT_TRUE(fs::equivalent(at("a.pvn"), at("b.pvn")));
}

// A child saves two versions in turn until it is killed at a random moment within a save; an
// open as the program's then finds one whole version, under every name of a linked file. The
// kills per file: PELLAVAN_SAVE_KILLS, 300 unless told.
TEST_F(ReplacingWriteTest, ASaveKilledAtAnyMomentLeavesOneWholeVersion) {
  const char* told = std::getenv("PELLAVAN_SAVE_KILLS");
  const int kills = told != nullptr ? std::atoi(told) : 300;
  // Of two lengths (a file saved over may hold more than one record), so that a cut can leave
  // the room of the longer one taken but not yet written.
  std::vector<std::uint8_t> versions[] = {random_project_image("KQ7", 1),
                                          random_project_image("KQ7", 2)};
  versions[1].resize(2 * versions[1].size(), 0x55);
  std::mt19937 random(44);
  // Saved by its name in a jobs folder; where it has a second name, that is in a customer folder,
  // and the open goes by that name.
  const fs::path saved = at("jobs/a.pvn"), second = at("customer/b.pvn");
  for (const bool linked : {false, true}) {
    SCOPED_TRACE(linked ? "hard-linked file" : "plain file");
    for (const auto& e : fs::directory_iterator(program_folder())) fs::remove_all(e.path());
    fs::create_directory(at("jobs"));
    fs::create_directory(at("customer"));
    write_all(saved, versions[0]);
    if (linked) fs::create_hard_link(saved, second);
    // The kills fall anywhere within the first save or two after the child starts.
    const auto started = std::chrono::steady_clock::now();
    for (const auto& v : versions) ASSERT_FALSE(write_file_replacing(saved, v));
    const auto save = (std::chrono::steady_clock::now() - started) / 2;
    const pid_t parent = ::getpid();
    int restored = 0;
    for (int kill = 0; kill < kills; ++kill) {
      const pid_t child = ::fork();
      ASSERT_GE(child, 0);
      if (child == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        for (std::size_t i = 0; ::getppid() == parent; ++i)
          (void)write_file_replacing(saved, versions[i % 2]);
        std::_Exit(0);
      }
      std::this_thread::sleep_for(std::uniform_real_distribution<double>(0.0, 2.5)(random) * save);
      ::kill(child, SIGKILL);
      ::waitpid(child, nullptr, 0);
      const fs::path opened = linked ? second : saved;
      const ProjectRead read = read_project_file(opened);
      ASSERT_EQ(read.status, ProjectReadStatus::kOk) << "kill " << kill;
      const auto bytes = read_all(opened);
      ASSERT_TRUE(bytes == versions[0] || bytes == versions[1]) << "kill " << kill;
      ASSERT_FALSE(journal_left()) << "kill " << kill;
      if (linked) {
        ASSERT_TRUE(fs::equivalent(saved, second)) << "kill " << kill;
        ASSERT_EQ(fs::hard_link_count(saved), 2u) << "kill " << kill;
      }
      restored += read.interrupted.restored ? 1 : 0;
      // What the killed child left goes, so that every child's saves take as long as the first.
      for (const std::string& name : names())
        if (fs::path(name).filename().string().starts_with(kTemporaryPrefix)) fs::remove(at(name));
    }
    std::cout << (linked ? "hard-linked" : "plain") << " file: " << kills
              << " kills, one whole version after each, " << restored
              << " restored from the journal\n";
    if (!linked) {
      EXPECT_EQ(restored, 0);
    }
  }
}

// A save of a file of two names and an open of it take turns, also from two processes: an open
// waits for a save still writing the file and finds nothing to restore, and a save waits for an
// open still finishing one. A child stands for the other party: it locks the file as that party
// does, does the party's work, and lets go a while later.
TEST_F(ReplacingWriteTest, ASaveAndAnOpenOfTheFileTakeTurns) {
  const std::vector<std::uint8_t> old_v(3000, 1), new_v(4000, 2), next_v(2000, 3);
  struct Row {
    const char* name;
    FileLock lock;                             // the child's
    std::function<void()> locked, letting_go;  // the child's work on taking the lock and at its end
    std::function<void()> meanwhile;           // the test's, while the child holds the lock
    const std::vector<std::uint8_t>& after;
  };
  const Row rows[] = {
      {"an open while a save writes the file", FileLock::kSave,
       [&] { leave_cut_save(at("a.pvn"), old_v, new_v, 1500); },
       [&] {
         const fs::path journal = testing::journal_path(at("a.pvn"));
         write_all(at("a.pvn"), new_v);
         fs::remove(journal);
       },
       [&] {
         const InterruptedSave found = finish_interrupted_save(at("b.pvn"));
         EXPECT_FALSE(found.restored);
         EXPECT_FALSE(found.failure);
       },
       new_v},
      {"a save while an open finishes one", FileLock::kOpen, [] {},
       [&] { write_all(at("a.pvn"), new_v); },
       [&] { EXPECT_FALSE(write_file_replacing(at("a.pvn"), next_v)); }, next_v},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    for (const auto& e : fs::directory_iterator(program_folder())) fs::remove_all(e.path());
    write_all(at("a.pvn"), old_v);
    fs::create_hard_link(at("a.pvn"), at("b.pvn"));
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      if (!testing::hold_turn(at("a.pvn"), r.lock)) std::_Exit(1);
      r.locked();
      if (::write(ready[1], "", 1) != 1) std::_Exit(1);
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
      r.letting_go();
      std::_Exit(0);  // the lock goes with the process
    }
    ::close(ready[1]);
    char told = 0;
    const bool locked = ::read(ready[0], &told, 1) == 1;
    ::close(ready[0]);
    if (locked) r.meanwhile();
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(locked && WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(read_all(at("b.pvn")), r.after);
    EXPECT_FALSE(journal_left());
    EXPECT_TRUE(fs::equivalent(at("a.pvn"), at("b.pvn")));
  }
}

// What an open finds of a cut save of a file of two names, and what it leaves.
TEST_F(ReplacingWriteTest, AnOpenFinishesWhatACutSaveLeft) {
  std::mt19937 gen(3);
  const auto bytes = [&gen](std::size_t n) {
    std::vector<std::uint8_t> v(n);
    for (auto& b : v) b = static_cast<std::uint8_t>(gen() | 1);  // no zero byte
    return v;
  };
  const std::vector<std::uint8_t> old_v = bytes(3000), new_v = bytes(4000), other = bytes(3000);
  enum class After { kAsLeft, kOldVersion, kNewVersion, kOther };
  struct Row {
    const char* name;
    std::size_t written;  // bytes of the new version the cut save wrote
    bool journal;         // the cut save's journal is there
    std::function<void(std::vector<std::uint8_t>& journal, const fs::path& file)> spoil;
    const char* opened;
    bool size_limit;  // no file may grow past 2,048 bytes
    bool restored;
    bool failed;
    After after;  // after the open, or the next one where this one failed
    testing::JournalPlace place = testing::JournalPlace::kUsersFolder;
  };
  const auto none = [](std::vector<std::uint8_t>&, const fs::path&) {};
  const auto cut_to = [](std::uintmax_t size) {
    return [size](std::vector<std::uint8_t>&, const fs::path& f) { fs::resize_file(f, size); };
  };
  const Row rows[] = {
      {"no journal", 1500, false, none, "a.pvn", false, false, false, After::kAsLeft},
      // The file just as it was: a save that never began, or a fresh copy of the old version.
      {"cut before the room was taken", 0, true,
       [&](std::vector<std::uint8_t>&, const fs::path& f) { write_all(f, old_v); }, "a.pvn", false,
       false, false, After::kOldVersion},
      {"cut before its first byte", 0, true, none, "a.pvn", false, true, false, After::kNewVersion},
      {"cut half-way", 1500, true, none, "a.pvn", false, true, false, After::kNewVersion},
      {"cut past the old length", 3500, true, none, "a.pvn", false, true, false,
       After::kNewVersion},
      // Where the room cannot be taken at once, the file grows as it is filled or written.
      {"cut while the room was taken step by step", 0, true, cut_to(3500), "a.pvn", false, true,
       false, After::kNewVersion},
      {"cut while the file grew as it was written", 3500, true, cut_to(3500), "a.pvn", false, true,
       false, After::kNewVersion},
      {"shorter than either version", 1500, true, cut_to(2000), "a.pvn", false, false, false,
       After::kAsLeft},
      {"opened by its other name", 1500, true, none, "b.pvn", false, true, false,
       After::kNewVersion},
      {"cut before the journal went", 4000, true, none, "a.pvn", false, false, false,
       After::kNewVersion},
      {"written since by another program", 0, true,
       [&](std::vector<std::uint8_t>&, const fs::path& f) { write_all(f, other); }, "a.pvn", false,
       false, false, After::kOther},
      // A write stops in one place; the new version begun in two is another program's.
      {"new bytes begun in two sectors", 0, true,
       [&](std::vector<std::uint8_t>&, const fs::path& f) {
         std::vector<std::uint8_t> two = old_v;
         std::copy_n(new_v.begin(), 300, two.begin());
         std::copy_n(new_v.begin() + 1024, 276, two.begin() + 1024);
         write_all(f, two);
       },
       "a.pvn", false, false, false, After::kAsLeft},
      {"journal damaged", 1500, true,
       [](std::vector<std::uint8_t>& j, const fs::path&) { j[100] ^= 1; }, "a.pvn", false, false,
       false, After::kAsLeft},
      {"journal of another file", 1500, true,
       [](std::vector<std::uint8_t>& j, const fs::path&) {
         SaveJournal other_file = *decode_journal(j);
         ++other_file.file.inode;
         j = encode_journal(other_file);
       },
       "a.pvn", false, false, false, After::kAsLeft},
      // As where the file was removed and a new one was given its inode number.
      {"journal of an earlier file of the same inode", 1500, true,
       [](std::vector<std::uint8_t>& j, const fs::path&) {
         SaveJournal earlier = *decode_journal(j);
         earlier.file.generation = earlier.file.generation.value_or(0) + 1;
         earlier.file.birth_ns = earlier.file.birth_ns.value_or(0) - 1;
         j = encode_journal(earlier);
       },
       "a.pvn", false, false, false, After::kAsLeft},
      {"journal cut short", 1500, true,
       [](std::vector<std::uint8_t>& j, const fs::path&) { j.pop_back(); }, "a.pvn", false, false,
       false, After::kAsLeft},
      {"the version cannot be written", 1500, true, none, "a.pvn", true, false, true,
       After::kNewVersion},
      {"written by the version before, which kept no device", 1500, true,
       [](std::vector<std::uint8_t>& j, const fs::path&) {
         j = testing::journal_without_device(*decode_journal(j));
       },
       "b.pvn", false, true, false, After::kNewVersion},
      // Kept where the user alone may write: the user's own.
      {"left beside the file by the earlier version", 1500, true, none, "b.pvn", false, true, false,
       After::kNewVersion, testing::JournalPlace::kBesideTheFile},
      {"named by device and inode by the earlier version", 1500, true, none, "b.pvn", false, true,
       false, After::kNewVersion, testing::JournalPlace::kByDevice},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    for (const auto& e : fs::directory_iterator(program_folder())) fs::remove_all(e.path());
    write_all(at("a.pvn"), old_v);
    fs::create_hard_link(at("a.pvn"), at("b.pvn"));
    leave_cut_save(at("a.pvn"), old_v, new_v, r.written, r.place);
    const fs::path journal_at = testing::journal_path(at("a.pvn"), r.place);
    std::vector<std::uint8_t> journal = read_all(journal_at);
    r.spoil(journal, at("a.pvn"));
    if (r.journal)
      write_all(journal_at, journal);
    else
      fs::remove(journal_at);
    const std::vector<std::uint8_t> expected[] = {read_all(at("a.pvn")), old_v, new_v, other};
    std::optional<testing::FileSizeLimit> limit;
    if (r.size_limit) limit.emplace(2048);
    const InterruptedSave found = finish_interrupted_save(at(r.opened));
    limit.reset();
    EXPECT_EQ(found.restored, r.restored);
    EXPECT_EQ(static_cast<bool>(found.failure), r.failed);
    EXPECT_EQ(journal_left(), r.failed);
    if (r.failed) {  // the journal stays, and the next open finishes the save
      EXPECT_EQ(failure_words(found.failure),
                "The file \"" + at("a.pvn").string() +
                    "\" cannot be written: the file would be too large");
      EXPECT_TRUE(finish_interrupted_save(at(r.opened)).restored);
      EXPECT_FALSE(journal_left());
    }
    EXPECT_EQ(read_all(at("b.pvn")), expected[static_cast<int>(r.after)]);
    EXPECT_TRUE(fs::equivalent(at("a.pvn"), at("b.pvn")));
  }
}

// Every reader of the program's files finishes a cut save before it reads, and says so.
TEST_F(ReplacingWriteTest, EveryReaderFinishesACutSaveFirst) {
  struct Reader {
    const char* name;
    fs::path file;
    std::vector<std::uint8_t> old_bytes, new_bytes;
    // What the read found, and whether the record it read is the new version.
    std::function<std::pair<InterruptedSave, bool>()> read;
  };
  ProjectRec project_new = testing::sample_project("Being Saved");
  RatesRec rates_old{}, rates_new{};
  rates_old.FileTag = rates_new.FileTag = "KV2";
  rates_new.Description = "Being Saved";
  DealerRec dealer_new = testing::sample_dealer();
  dealer_new.Name = "Being Saved";
  DealerRec dealer{};
  ProjectRec project{};
  DefaultZoom zoom;
  const Reader readers[] = {
      {"project", at("a.pvn"), encode_record(testing::sample_project()), encode_record(project_new),
       [&] {
         const ProjectRead r = read_project_file(at("a.pvn"));
         return std::pair(r.interrupted, r.record.Project_Title == project_new.Project_Title);
       }},
      {"rate file", at("a.rat"), encode_record(rates_old), encode_record(rates_new),
       [&] {
         const RateRead r = read_rate_file(at("a.rat"));
         return std::pair(r.interrupted, r.record.Description == rates_new.Description);
       }},
      {"settings file", dealer_file_path(program_folder()), encode_record(testing::sample_dealer()),
       encode_record(dealer_new),
       [&] {
         InterruptedSave found;
         (void)read_dealer_file(program_folder(), dealer, HideInactiveOnReset::kKeep, &found);
         return std::pair(found, dealer.Name == dealer_new.Name);
       }},
      {"default file", data_folder() / "Default.dat", encode_record(testing::sample_project()),
       encode_record(project_new),
       [&] {
         InterruptedSave found;
         (void)load_default_project(program_folder(), project, zoom, &found);
         return std::pair(found, project.Project_Title == project_new.Project_Title);
       }},
  };
  for (const Reader& r : readers) {
    SCOPED_TRACE(r.name);
    write_all(r.file, r.old_bytes);
    fs::path second = r.file;
    second += ".link";
    fs::create_hard_link(r.file, second);
    leave_cut_save(r.file, r.old_bytes, r.new_bytes,
                   testing::written_halfway(r.old_bytes, r.new_bytes));
    const auto [found, read_new] = r.read();
    EXPECT_TRUE(found.restored);
    EXPECT_FALSE(found.failure);
    EXPECT_TRUE(read_new);
    EXPECT_EQ(read_all(second), r.new_bytes);
  }
}

// A new project, rate or settings file gets the mode the umask leaves of 0666; a file saved over
// keeps its own.
TEST_F(ReplacingWriteTest, ANewFilesModeFollowsTheUmask) {
  struct Writer {
    const char* name;
    fs::path file;
    std::function<WriteFailure()> write;
  };
  RatesRec rates{};
  DealerRec dealer = testing::sample_dealer();
  const Writer writers[] = {
      {"project", at("a.pvn"), [&] { return write_project_file(at("a.pvn"), {}); }},
      {"rate file", at("a.rat"), [&] { return write_rate_file(at("a.rat"), rates); }},
      {"settings file", dealer_file_path(program_folder()),
       [&] { return write_dealer_file(program_folder(), dealer); }},
  };
  struct Row {
    const char* name;
    mode_t umask;
    mode_t existing;  // 0: no file there
    mode_t expected;
  };
  const Row rows[] = {
      {"new under umask 077", 077, 0, 0600},
      {"new under umask 022", 022, 0, 0644},
      {"new under umask 002", 002, 0, 0664},
      {"saved over under umask 077", 077, 0644, 0644},
      {"saved over under umask 022", 022, 0600, 0600},
  };
  const mode_t saved = ::umask(022);
  for (const Row& r : rows) {
    for (const Writer& w : writers) {
      SCOPED_TRACE(std::string(r.name) + ", " + w.name);
      fs::remove(w.file);
      if (r.existing != 0) {
        write_all(w.file, kOld);
        ::chmod(w.file.c_str(), r.existing);
      }
      ::umask(r.umask);
      EXPECT_FALSE(w.write());
      ::umask(022);
      struct stat st {};
      ASSERT_EQ(::stat(w.file.c_str(), &st), 0);
      EXPECT_EQ(st.st_mode & 07777, r.expected);
    }
  }
  ::umask(saved);
}

// What the user could not open for writing is refused with its cause and left as it was; a file
// of two names is written in place wherever it is, but only with a journal in a folder of the
// user's alone. Run as an ordinary user: root gives up its rights in the child that saves.
TEST_F(ReplacingWriteTest, RefusesWhatTheUserCouldNotWrite) {
  constexpr fs::perms kReadOnly =
      fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
  constexpr fs::perms kReadOnlyFolder =
      kReadOnly | fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
  constexpr uid_t kNobody = 65534;
  struct Row {
    const char* name;
    fs::perms folder;
    bool existing;  // a file is there: read-only, or writable with a second name
    bool linked;
    fs::perms journals;      // of the user's folder of journals
    bool another_owns_them;  // it belongs to another user (where the test may make it so)
    const char* refused;     // the place named, "file" or "folder" or "journals"; "" when saved
    const char* cause = "permission denied";
  };
  const Row rows[] = {
      {"read-only file in a writable folder", fs::perms::all, true, false, fs::perms::owner_all,
       false, "file"},
      {"read-only folder", kReadOnlyFolder, false, false, fs::perms::owner_all, false, "folder"},
      {"file of two names in a read-only folder", kReadOnlyFolder, true, true, fs::perms::owner_all,
       false, ""},
      {"file of two names, the folder of journals open to the group's writes", fs::perms::all, true,
       true, fs::perms::owner_all | fs::perms::group_all, false, "journals",
       "other users may write in it"},
      {"file of two names, the folder of journals another user's", fs::perms::all, true, true,
       fs::perms::all, true, "journals", "it belongs to another user"},
  };
  fs::permissions(program_folder(), fs::perms::all);
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    if (r.another_owns_them && ::geteuid() != 0) continue;
    const fs::path folder = at(r.name);
    const fs::path target = folder / "a.pvn";
    const fs::path state = folder / "state";
    fs::create_directories(state / "pellavan");
    fs::permissions(state / "pellavan", r.journals);
    for (const fs::path& p : {state, state / "pellavan"})
      if (::geteuid() == 0) {
        const uid_t owner = r.another_owns_them && p != state ? kNobody - 1 : kNobody;
        ASSERT_EQ(::chown(p.c_str(), owner, owner), 0);
      }
    if (r.existing) {
      write_all(target, kOld);
      fs::permissions(target, r.linked ? fs::perms::all : kReadOnly);
      if (r.linked) fs::create_hard_link(target, folder / "b.pvn");
    }
    fs::permissions(folder, r.folder);
    const std::string place = r.refused;
    const fs::path named = place == "file"     ? target
                           : place == "folder" ? folder
                                               : state / "pellavan";
    const std::string expected = std::string(place == "file" ? "The file \"" : "The folder \"") +
                                 named.string() + "\" cannot be written: " + r.cause;
    EXPECT_EXIT(
        {
          if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) std::_Exit(2);
          ::setenv("XDG_STATE_HOME", state.c_str(), 1);
          const WriteFailure failed = write_file_replacing(target, kNew);
          std::_Exit((place.empty() ? !failed : failed && failure_words(failed) == expected) ? 0
                                                                                             : 1);
        },
        ::testing::ExitedWithCode(0), "");
    if (r.existing) {
      EXPECT_EQ(read_all(target), place.empty() ? kNew : kOld);
    }
    EXPECT_EQ(fs::exists(target), r.existing);
    fs::permissions(folder, fs::perms::all);
    EXPECT_EQ(fs::exists(folder / "b.pvn") && fs::equivalent(target, folder / "b.pvn"), r.linked);
  }
}

}  // namespace
}  // namespace pellavan::model
