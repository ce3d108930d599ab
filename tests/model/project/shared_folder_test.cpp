// A project in a folder that everyone may write (mode 1777, as a firm's common jobs folder), and
// what another user, or another program, does beside it: its open and its save still work, and
// nothing they leave is applied, waited for without end, or a reason to refuse either. Where the
// test runs as root, the user and the other one are two ordinary users; otherwise both are the
// test's own user, for whom the shared folder is just as untrusted.
#include <gtest/gtest.h>
#include <grp.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/saving/file_lock.h"
#include "model/project/project_file.h"
#include "model/project/project_files_fixture.h"
#include "model/saving/replacing_write.h"

namespace pellavan::model {
namespace {

namespace fs = std::filesystem;
using testing::become;
using testing::JournalPlace;

class SharedFolderTest : public testing::CatalogueFixture {
 protected:
  void SetUp() override {
    CatalogueFixture::SetUp();
    fs::permissions(program_folder(), fs::perms::owner_all | fs::perms::group_read |
                                          fs::perms::group_exec | fs::perms::others_read |
                                          fs::perms::others_exec);
    fs::create_directory(jobs());
    fs::permissions(jobs(), fs::perms::all | fs::perms::sticky_bit);
    for (const auto& [folder, uid] :
         {std::pair{customer(), kUser}, {state_of(kUser), kUser}, {state_of(kOther), kOther}}) {
      fs::create_directory(folder);
      if (::geteuid() == 0) {
        ASSERT_EQ(::chown(folder.c_str(), uid, uid), 0);
      }
    }
  }

  [[nodiscard]] fs::path jobs() const { return program_folder() / "jobs"; }
  [[nodiscard]] fs::path customer() const { return program_folder() / "customer"; }
  [[nodiscard]] fs::path state_of(uid_t uid) const {
    return program_folder() / ("state-" + std::to_string(uid));
  }
  [[nodiscard]] fs::path project() const { return jobs() / "p.pvn"; }
  [[nodiscard]] fs::path beside() const {
    return testing::journal_path(project(), JournalPlace::kBesideTheFile);
  }
};

TEST_F(SharedFolderTest, WhatOthersDoBesideAFileNeitherHarmsNorHoldsUpItsOpenAndSave) {
  const std::vector<std::uint8_t> old_v = random_project_image("KQ7", 1);
  const std::vector<std::uint8_t> new_v = random_project_image("KQ7", 2);
  const std::vector<std::uint8_t> forged = random_project_image("KQ7", 3);
  const std::vector<std::uint8_t> saved = random_project_image("KQ7", 4);
  enum class Open { kAsItWas, kRestored, kBeingSaved };
  struct Row {
    const char* name;
    const char* second_name;      // the project's other name; "" for none
    bool cut;                     // the user's last save of it was cut off half-way
    std::function<void()> other;  // what the other user does beside it
    // What a process does and then stays stopped in, and whose it is.
    std::function<void()> holds;
    uid_t holder;
    const char* opened;
    Open open;
    bool saved;  // the save works; else it is refused as the file is held, and changes nothing
  };
  const auto plant = [this](std::vector<std::uint8_t> bytes) {
    return [this, bytes] {
      if (fs::exists(project()))
        write_all(beside(),
                  encode_journal({testing::identity_of(project()), read_all(project()), bytes}));
    };
  };
  const auto name_taken = [this](int (*make)(const char*)) {
    return [this, make] { (void)make(beside().c_str()); };
  };
  const auto lock = [this](FileLock kind) {
    return [this, kind] {
      if (!testing::hold_turn(project(), kind)) std::_Exit(1);
    };
  };
  const Row rows[] = {
      {"a journal planted beside a file of two names",
       "jobs/q.pvn",
       false,
       plant(forged),
       {},
       0,
       "jobs/p.pvn",
       Open::kAsItWas,
       true},
      {"a journal planted beside a file of one name",
       "",
       false,
       plant(forged),
       {},
       0,
       "jobs/p.pvn",
       Open::kAsItWas,
       true},
      {"a FIFO under the journal's name",
       "jobs/q.pvn",
       false,
       name_taken([](const char* at) { return ::mkfifo(at, 0666); }),
       {},
       0,
       "jobs/p.pvn",
       Open::kAsItWas,
       true},
      {"a folder under the journal's name",
       "jobs/q.pvn",
       false,
       name_taken([](const char* at) { return ::mkdir(at, 0777); }),
       {},
       0,
       "jobs/p.pvn",
       Open::kAsItWas,
       true},
      {"an unreadable file under the journal's name",
       "jobs/q.pvn",
       false,
       name_taken([](const char* at) { return ::close(::creat(at, 0)); }),
       {},
       0,
       "jobs/p.pvn",
       Open::kAsItWas,
       true},
      {"another user's junk under the journal's name",
       "jobs/q.pvn",
       false,
       [this] {
         write_all(beside(), {'j', 'u', 'n', 'k'});
       },
       {},
       0,
       "jobs/p.pvn",
       Open::kAsItWas,
       true},
      {"another program's shared lock",
       "jobs/q.pvn",
       false,
       {},
       [this] {
         if (::flock(::open(project().c_str(), O_RDONLY), LOCK_SH) != 0) std::_Exit(1);
       },
       kOther,
       "jobs/p.pvn",
       Open::kAsItWas,
       true},
      {"a second instance stopped in its open",
       "jobs/q.pvn",
       false,
       {},
       lock(FileLock::kOpen),
       kUser,
       "jobs/p.pvn",
       Open::kAsItWas,
       false},
      {"a second instance stopped in its save",
       "jobs/q.pvn",
       false,
       {},
       [&, save = lock(FileLock::kSave)] {
         save();
         leave_cut_save(project(), old_v, new_v, 3000);
       },
       kUser,
       "jobs/p.pvn",
       Open::kBeingSaved,
       false},
      {"a cut save opened by its name in another folder",
       "customer/p.pvn",
       true,
       {},
       {},
       0,
       "customer/p.pvn",
       Open::kRestored,
       true},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    for (const fs::path& f : {jobs(), customer(), state_of(kUser), state_of(kOther)})
      for (const auto& e : fs::directory_iterator(f)) fs::remove_all(e.path());
    const fs::path second = *r.second_name ? program_folder() / r.second_name : fs::path();
    const fs::path opened = program_folder() / r.opened;
    ASSERT_EQ(run_as(kUser, state_of(kUser),
                     [&] {
                       write_all(project(), old_v);
                       if (!second.empty()) fs::create_hard_link(project(), second);
                       if (r.cut) leave_cut_save(project(), old_v, new_v, 3000);
                       return 0;
                     }),
              0);
    if (r.other) {
      ASSERT_EQ(run_as(kOther, state_of(kOther), [&] { return r.other(), 0; }), 0);
    }
    std::optional<testing::StoppedProcess> holder;
    if (r.holds) {
      holder.emplace([&] {
        become(r.holder, state_of(r.holder));
        r.holds();
      });
    }
    const std::vector<std::uint8_t> before = read_all(project());
    const std::vector<std::uint8_t>& after_open = r.open == Open::kRestored ? new_v : before;
    // 1: not opened as expected; 2: changed by the open; 3: the save; 4: a name lost.
    const int code = run_as(kUser, state_of(kUser), [&] {
      const ProjectRead read = read_project_file(opened);
      if (read.interrupted.restored != (r.open == Open::kRestored) ||
          read.interrupted.being_saved != (r.open == Open::kBeingSaved) ||
          static_cast<bool>(read.interrupted.failure) ||
          (r.open != Open::kBeingSaved && read.status != ProjectReadStatus::kOk))
        return 1;
      if (read_all(project()) != after_open) return 2;
      const WriteFailure failed = write_file_replacing(project(), saved);
      if (failed ? r.saved || failed.code != std::errc::device_or_resource_busy : !r.saved)
        return 3;
      if (read_all(opened) != (r.saved ? saved : after_open)) return 3;
      return second.empty() || fs::equivalent(project(), second) ? 0 : 4;
    });
    EXPECT_EQ(code, 0);
    if (holder) {
      holder->end();
      // Once it is gone, the next open finishes what it left.
      const auto& whole = r.saved ? saved : r.open == Open::kBeingSaved ? new_v : old_v;
      EXPECT_EQ(run_as(kUser, state_of(kUser),
                       [&] {
                         const ProjectRead read = read_project_file(opened);
                         return read.status == ProjectReadStatus::kOk && read_all(opened) == whole
                                    ? 0
                                    : 1;
                       }),
                0);
    }
  }
}

}  // namespace
}  // namespace pellavan::model
