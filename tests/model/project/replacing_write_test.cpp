// Replacing writes through links, with names as long as the folder takes, the temporary files
// that killed saves leave behind, and the modes of new files.
#include "model/project/replacing_write.h"

#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <fcntl.h>
#include <functional>
#include <string>
#include <vector>

#include "model/project/dealer_file.h"
#include "model/project/project_file.h"
#include "model/project/project_files_fixture.h"
#include "model/project/rate_file.h"

namespace pellavan::model {
namespace {

namespace fs = std::filesystem;
using testing::read_all;
using testing::write_all;

const std::vector<std::uint8_t> kOld{1, 2, 3};
const std::vector<std::uint8_t> kNew{4, 5, 6, 7};

class ReplacingWriteTest : public testing::CatalogueFixture {
 protected:
  [[nodiscard]] fs::path at(const std::string& name) const { return program_folder() / name; }

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

// What the user could not open for writing is refused with its cause and left as it was. Run as
// an ordinary user: root gives up its rights in the child that saves.
TEST_F(ReplacingWriteTest, RefusesWhatTheUserCouldNotWrite) {
  constexpr fs::perms kReadOnly =
      fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
  struct Row {
    const char* name;
    fs::perms folder;
    bool existing;  // a read-only file is there
  };
  const Row rows[] = {
      {"read-only file in a writable folder", fs::perms::all, true},
      {"read-only folder",
       kReadOnly | fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec, false},
  };
  fs::permissions(program_folder(), fs::perms::all);
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const fs::path folder = at(r.name);
    const fs::path target = folder / "a.pvn";
    fs::create_directory(folder);
    if (r.existing) {
      write_all(target, kOld);
      fs::permissions(target, kReadOnly);
    }
    fs::permissions(folder, r.folder);
    const std::string expected =
        (r.existing ? "The file \"" + target.string() : "The folder \"" + folder.string()) +
        "\" cannot be written: permission denied";
    EXPECT_EXIT(
        {
          if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) std::_Exit(2);
          const WriteFailure failed = write_file_replacing(target, kNew);
          std::_Exit(failed && failure_words(failed) == expected ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
    if (r.existing) {
      EXPECT_EQ(read_all(target), kOld);
    }
    EXPECT_EQ(fs::exists(target), r.existing);
  }
}

}  // namespace
}  // namespace pellavan::model
