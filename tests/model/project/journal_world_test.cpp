// A cut save of a file of two names in an unlucky world: the file's inode number given to a new
// file, its disk mounted again under another device number, the file edited on another computer,
// a block copy of its disk mounted beside it or in its stead, the user's folder of journals open
// to reading, another user's read lock, a disk that fills while the journal is written. The jobs
// lie on an ext4 image of their own on a loop device, so the test runs as root, where mkfs.ext4,
// losetup and mount are at hand, and the user and the other one are two ordinary users.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/project/project_file.h"
#include "model/project/project_files_fixture.h"
#include "model/saving/replacing_write.h"

namespace pellavan::model {
namespace {

namespace fs = std::filesystem;

// What a shell command prints; empty where it fails.
std::string output_of(const std::string& command) {
  std::string out;
  if (FILE* pipe = ::popen((command + " 2>/dev/null").c_str(), "r")) {
    char line[256];
    while (std::fgets(line, sizeof line, pipe) != nullptr) out += line;
    if (::pclose(pipe) != 0) out.clear();
  }
  while (!out.empty() && out.back() == '\n') out.pop_back();
  return out;
}

// An ext4 file system in an image file, made afresh or a block copy of another, mounted at `at`
// through a loop device.
class LoopDisk {
 public:
  enum class Image { kMake, kAsItIs };

  LoopDisk(const fs::path& image, fs::path at, Image kind = Image::kMake)
      : image_(image), at_(std::move(at)) {
    fs::create_directories(at_);
    if (kind == Image::kAsItIs ||
        output_of("truncate -s 8M '" + image.string() + "' && mkfs.ext4 -q -F '" + image.string() +
                  "' && echo made") == "made")
      mount();
  }
  ~LoopDisk() {
    unmount();
    for (const std::string& device : devices_) (void)output_of("losetup -d " + device);
  }
  LoopDisk(const LoopDisk&) = delete;
  LoopDisk& operator=(const LoopDisk&) = delete;

  [[nodiscard]] bool mounted() const { return mounted_; }

  // Mounted through another loop device: the same disk, another number. The devices used before
  // stay attached, so that this one is another.
  void mount() {
    unmount();
    if (mounted_) return;  // still mounted where it was
    const std::string device = output_of("losetup -f --show '" + image_.string() + "'");
    if (!device.empty()) devices_.push_back(device);
    mounted_ = !device.empty() && ::mount(device.c_str(), at_.c_str(), "ext4", 0, nullptr) == 0;
  }

  void unmount() {
    if (mounted_) mounted_ = ::umount(at_.c_str()) != 0;
  }

 private:
  fs::path image_, at_;
  std::vector<std::string> devices_;
  bool mounted_ = false;
};

class JournalWorldTest : public testing::CatalogueFixture {
 protected:
  [[nodiscard]] fs::path disk() const { return program_folder() / "disk"; }
  [[nodiscard]] fs::path jobs() const { return disk() / "jobs"; }
  [[nodiscard]] fs::path job() const { return jobs() / "job.pvn"; }
  [[nodiscard]] fs::path state() const { return program_folder() / "state"; }
  [[nodiscard]] fs::path journals() const { return state() / "pellavan"; }

  // The file opens as a project holding bytes, restored from a journal or not.
  [[nodiscard]] static bool opens_as(const fs::path& file, bool restored,
                                     const std::vector<std::uint8_t>& bytes) {
    const ProjectRead read = read_project_file(file);
    return read.status == ProjectReadStatus::kOk && read.interrupted.restored == restored &&
           !read.interrupted.stops_open() && read_all(file) == bytes;
  }

  // Nothing of a journal is left in the user's folder, whole or aside.
  [[nodiscard]] bool no_journal_left() const {
    std::error_code ec;
    for (fs::directory_iterator it(journals(), ec), end; !ec && it != end; it.increment(ec))
      if (it->path().filename().string().starts_with("journal-")) return false;
    return true;
  }

  // The job with a second name, as the user makes it.
  [[nodiscard]] bool make_job(const std::vector<std::uint8_t>& bytes) const {
    write_all(job(), bytes);
    std::error_code ec;
    fs::create_hard_link(job(), jobs() / "job-copy.pvn", ec);
    return !ec;
  }
};

TEST_F(JournalWorldTest, AJournalFinishesOnlyTheSaveThatMadeItWhateverTheWorldDoes) {
  if (::geteuid() != 0 || output_of("command -v mkfs.ext4 losetup").empty())
    GTEST_SKIP() << "needs root, mkfs.ext4 and losetup to mount an ext4 image";
  LoopDisk loop(program_folder() / "disk.img", disk());
  ASSERT_TRUE(loop.mounted());
  fs::permissions(program_folder(), fs::perms::owner_all | fs::perms::group_read |
                                        fs::perms::group_exec | fs::perms::others_read |
                                        fs::perms::others_exec);
  const std::vector<std::uint8_t> old_v = random_project_image("KQ7", 1);
  const std::vector<std::uint8_t> new_v = random_project_image("KQ7", 2);
  const std::vector<std::uint8_t> next_v = random_project_image("KQ7", 3);

  struct Row {
    const char* name;
    std::function<void()> before;  // done as root first
    std::function<int()> user;     // what the user does; 0 when all is as it should be
    std::function<void()> after;   // done as root last
  };
  const auto private_folder = [&](fs::perms mode) {
    return [this, mode] {
      fs::create_directory(journals());
      fs::permissions(journals(), mode);
      ASSERT_EQ(::chown(journals().c_str(), kUser, kUser), 0);
    };
  };
  // A save that works, then one cut off that the next open finishes.
  const auto save_and_restore = [&] {
    if (!make_job(old_v)) return 1;
    if (write_file_replacing(job(), new_v) || read_all(job()) != new_v) return 2;
    leave_cut_save(job(), new_v, next_v, 3000);
    return opens_as(jobs() / "job-copy.pvn", true, next_v) && no_journal_left() ? 0 : 3;
  };
  // The job as a project, and the version a save of it was writing when it was cut off before
  // its first byte: the name changed. Another computer, whose own folder of journals holds none
  // of it, then opens the job, makes one edit and saves it; the next open here leaves the edit
  // as it is and removes the journal.
  ProjectRec job_rec = testing::sample_project("Smith Residence");
  job_rec.Rates_GeoElecSummer = Currency::from_raw(1000);  // 0.10
  job_rec.System1_Freeze = 1;
  job_rec.GeoA_Tons = Currency::from_raw(20000);  // 2 units
  ProjectRec being_saved = job_rec;
  being_saved.Project_Title = "Jones Cottage";
  const auto edited_elsewhere = [&](std::function<void(ProjectRec&)> edit) {
    return [&, edit] {
      const std::vector<std::uint8_t> before = encode_record(job_rec);
      if (!make_job(before)) return 1;
      leave_cut_save(job(), before, encode_record(being_saved), 0);
      const int saved = run_as(kUser, state() / "elsewhere", [&] {
        ProjectRead read = read_project_file(job());
        if (read.status != ProjectReadStatus::kOk || read.interrupted.restored) return 1;
        edit(read.record);
        return write_project_file(job(), read.record) ? 1 : 0;
      });
      const std::vector<std::uint8_t> edited = read_all(job());
      if (saved != 0 || edited == before) return 2;
      return opens_as(jobs() / "job-copy.pvn", false, edited) && no_journal_left() ? 0 : 3;
    };
  };
  // A block copy of the disk (an image of it, a snapshot), taken at one of three moments, and
  // mounted through a loop device of its own; `away`: the disk unmounted first. The job takes
  // the inode number of an earlier file, which the copy holds where it was taken before the job.
  enum class Taken { kBeforeTheJob, kBeforeTheSave, kAfterTheCut };
  std::optional<LoopDisk> copy;
  const fs::path copied_jobs = program_folder() / "copy" / "jobs";
  const auto copy_and_cut = [&](Taken taken, bool away) {
    return [&, taken, away] {
      const auto copy_if = [&](Taken now) {
        if (now != taken) return;
        ::sync();
        fs::copy_file(program_folder() / "disk.img", program_folder() / "copy.img",
                      fs::copy_options::overwrite_existing);
      };
      const fs::path earlier = jobs() / "earlier.pvn";
      ASSERT_EQ(run_as(kUser, state(), [&] { return write_all(earlier, next_v), 0; }), 0);
      copy_if(Taken::kBeforeTheJob);
      ASSERT_EQ(run_as(kUser, state(),
                       [&] {
                         fs::remove(earlier);
                         return make_job(old_v) ? 0 : 1;
                       }),
                0);
      copy_if(Taken::kBeforeTheSave);
      ASSERT_EQ(
          run_as(kUser, state(), [&] { return leave_cut_save(job(), old_v, new_v, 3000), 0; }), 0);
      copy_if(Taken::kAfterTheCut);
      const FileIdentity original = testing::identity_of(job());
      if (away) loop.unmount();
      copy.emplace(program_folder() / "copy.img", program_folder() / "copy",
                   LoopDisk::Image::kAsItIs);
      ASSERT_TRUE(copy->mounted());
      const bool before_the_job = taken == Taken::kBeforeTheJob;
      const FileIdentity copied =
          testing::identity_of(copied_jobs / (before_the_job ? "earlier.pvn" : "job.pvn"));
      ASSERT_TRUE(copied.inode == original.inode && copied.file_system == original.file_system &&
                  is_same_file(original, copied) != before_the_job);
    };
  };
  std::optional<testing::StoppedProcess> reader;
  const Row rows[] = {
      {"inode reused: the cut job removed, the template copied as another customer's",
       {},
       [&] {
         if (!make_job(old_v)) return 1;
         leave_cut_save(job(), old_v, new_v, 3000);
         struct stat cut {
         }, fresh{};
         ::stat(job().c_str(), &cut);
         fs::remove(job());
         fs::remove(jobs() / "job-copy.pvn");
         const fs::path other = jobs() / "other-customer.pvn";
         write_all(other, old_v);
         if (::stat(other.c_str(), &fresh) != 0 || fresh.st_ino != cut.st_ino) return 9;
         return opens_as(other, false, old_v) && no_journal_left() ? 0 : 2;
       },
       {}},
      {"another device number: the cut save's disk mounted again elsewhere",
       [&] {
         ASSERT_EQ(run_as(kUser, state(),
                          [&] {
                            if (!make_job(old_v)) return 1;
                            leave_cut_save(job(), old_v, new_v, 3000);
                            return 0;
                          }),
                   0);
         struct stat was {
         }, st{};
         ASSERT_EQ(::stat(job().c_str(), &was), 0);
         loop.mount();
         ASSERT_TRUE(loop.mounted());
         ASSERT_EQ(::stat(job().c_str(), &st), 0);
         ASSERT_NE(st.st_dev, was.st_dev);
       },
       [&] { return opens_as(jobs() / "job-copy.pvn", true, new_v) && no_journal_left() ? 0 : 1; },
       {}},
      {"a figure cleared on another computer",
       {},
       edited_elsewhere([](ProjectRec& r) { r.Rates_GeoElecSummer = Currency(); }),
       {}},
      {"a box unticked on another computer",
       {},
       edited_elsewhere([](ProjectRec& r) { r.System1_Freeze = 0; }),
       {}},
      {"a quantity zeroed on another computer",
       {},
       edited_elsewhere([](ProjectRec& r) { r.GeoA_Tons = Currency(); }),
       {}},
      {"a name typed on another computer",
       {},
       edited_elsewhere([](ProjectRec& r) { r.Project_Title = "Smith Cottage"; }),
       {}},
      {"a block copy of the disk taken before the job, mounted beside it",
       copy_and_cut(Taken::kBeforeTheJob, false),
       [&] {
         if (!opens_as(copied_jobs / "earlier.pvn", false, next_v) || no_journal_left()) return 1;
         return opens_as(jobs() / "job-copy.pvn", true, new_v) && no_journal_left() ? 0 : 2;
       },
       [&] { copy.reset(); }},
      {"a block copy of the disk taken after the cut, mounted beside it",
       copy_and_cut(Taken::kAfterTheCut, false),
       [&] {
         const std::vector<std::uint8_t> cut = read_all(copied_jobs / "job.pvn");
         if (cut == old_v || !opens_as(copied_jobs / "job.pvn", false, cut) || no_journal_left())
           return 1;
         return opens_as(jobs() / "job-copy.pvn", true, new_v) && no_journal_left() ? 0 : 2;
       },
       [&] { copy.reset(); }},
      {"a block copy of the disk taken before the save, opened while the disk is away",
       copy_and_cut(Taken::kBeforeTheSave, true),
       [&] {
         return opens_as(copied_jobs / "job.pvn", false, old_v) && !no_journal_left() ? 0 : 1;
       },
       [&] {
         copy.reset();
         loop.mount();
         ASSERT_TRUE(loop.mounted());
         EXPECT_EQ(run_as(kUser, state(),
                          [&] {
                            return opens_as(jobs() / "job-copy.pvn", true, new_v) &&
                                           no_journal_left()
                                       ? 0
                                       : 1;
                          }),
                   0);
       }},
      {"a private folder the group may read (0750)",
       private_folder(fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec),
       save_and_restore,
       {}},
      {"a private folder the group may read (0740)",
       private_folder(fs::perms::owner_all | fs::perms::group_read),
       save_and_restore,
       {}},
      {"a private folder others may pass (0701)",
       private_folder(fs::perms::owner_all | fs::perms::others_exec),
       save_and_restore,
       {}},
      {"a private folder reached by a link to the user's own",
       [&] {
         const fs::path own = state() / "own";
         fs::create_directory(own);
         fs::permissions(own, fs::perms::owner_all);
         fs::create_directory_symlink(own, journals());
         ASSERT_EQ(::chown(own.c_str(), kUser, kUser), 0);
         ASSERT_EQ(::lchown(journals().c_str(), kUser, kUser), 0);
       },
       save_and_restore,
       {}},
      {"another user's read lock on the shared job",
       [&] {
         ASSERT_EQ(run_as(kUser, state(), [&] { return make_job(old_v) ? 0 : 1; }), 0);
         reader.emplace([&] {
           testing::become(kOther, program_folder() / "other-state");
           struct flock whole {};
           whole.l_type = F_RDLCK;
           whole.l_whence = SEEK_SET;
           if (::fcntl(::open(job().c_str(), O_RDONLY), F_SETLK, &whole) != 0) std::_Exit(1);
         });
       },
       [&] {
         if (write_file_replacing(job(), new_v) || read_all(jobs() / "job-copy.pvn") != new_v)
           return 1;
         return opens_as(job(), false, new_v) ? 0 : 2;
       },
       [&] { reader->end(); }},
      {"the disk fills while the journal is written",
       [&] {
         ASSERT_EQ(::mount("tmpfs", state().c_str(), "tmpfs", 0, "size=16k,mode=0700,uid=64001"),
                   0);
       },
       [&] {
         if (!make_job(old_v)) return 1;
         const WriteFailure failed = write_file_replacing(job(), new_v);
         if (failure_words(failed) !=
             "The folder \"" + journals().string() + "\" cannot be written: the disk is full")
           return 2;
         return read_all(job()) == old_v && fs::is_empty(journals()) ? 0 : 3;
       },
       [&] { ::umount(state().c_str()); }},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    fs::remove_all(jobs());
    fs::create_directory(jobs());
    fs::remove_all(state());
    fs::create_directory(state());
    for (const fs::path& folder : {jobs(), state()}) {
      ASSERT_EQ(::chown(folder.c_str(), kUser, kUser), 0);
    }
    if (r.before) r.before();
    EXPECT_EQ(run_as(kUser, state(), r.user), 0);
    if (r.after) r.after();
  }
}

}  // namespace
}  // namespace pellavan::model
