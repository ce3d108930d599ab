#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>

#include "model/project/project_file.h"
#include "model/project/project_files_fixture.h"

namespace pellavan::model {
namespace {

class ProjectFileTest : public testing::CatalogueFixture {
 protected:
  [[nodiscard]] std::filesystem::path file(const std::string& name) const {
    return program_folder() / name;
  }
};

TEST_F(ProjectFileTest, RoundTripIsByteIdentical) {
  const auto image = testing::random_project_image("KQ7");
  write_all(file("a.pvn"), image);
  const ProjectRead read = read_project_file(file("a.pvn"));
  ASSERT_EQ(read.status, ProjectReadStatus::kOk);
  EXPECT_EQ(read.tag, "KQ7");
  ASSERT_FALSE(write_project_file(file("b.pvn"), read.record));
  const auto written = read_all(file("b.pvn"));
  EXPECT_EQ(written.size(), 10665u);
  EXPECT_EQ(written, image);
}

TEST_F(ProjectFileTest, TagsDecideWhatIsRead) {
  struct Row {
    const char* name;
    std::vector<std::uint8_t> bytes;
    ProjectReadStatus status;
  };
  const auto tagged = [](std::string_view tag) { return testing::random_project_image(tag); };
  auto short_file = tagged("KQ7");
  short_file.resize(5000);
  const Row rows[] = {
      {"current", tagged("KQ7"), ProjectReadStatus::kOk},
      {"oldest", tagged("KQ2"), ProjectReadStatus::kOk},
      {"lower case", tagged("kq5"), ProjectReadStatus::kOk},
      {"mixed case", tagged("kQ6"), ProjectReadStatus::kOk},
      {"later version", tagged("KQ8"), ProjectReadStatus::kNewer},
      {"later version, lower case", tagged("kq9"), ProjectReadStatus::kNewer},
      {"foreign tag", tagged("XY7"), ProjectReadStatus::kDamaged},
      {"rate file", tagged("KV2"), ProjectReadStatus::kDamaged},
      {"empty file", {}, ProjectReadStatus::kDamaged},
      {"two bytes", {'K', 'Q'}, ProjectReadStatus::kNewer},
      {"shorter than a record", short_file, ProjectReadStatus::kShort},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    write_all(file("t.pvn"), r.bytes);
    EXPECT_EQ(read_project_file(file("t.pvn")).status, r.status);
  }
}

TEST_F(ProjectFileTest, MissingFileOrFolderIsUnreadable) {
  EXPECT_EQ(read_project_file(file("none.pvn")).status, ProjectReadStatus::kUnreadable);
  EXPECT_EQ(read_project_file(program_folder()).status, ProjectReadStatus::kUnreadable);
  EXPECT_FALSE(std::filesystem::exists(file("none.pvn")));
}

TEST_F(ProjectFileTest, ExtensionTest) {
  struct Row {
    const char* title;
    bool accepted;
  };
  const Row rows[] = {
      {"plan.pvn", true},      {"plan.PVN", true}, {"plan.pvnx", true}, {"a.b.pvn", true},
      {"plan.txt", false},     {"plan", false},    {"plan.pv", false},  {"pvn", false},
      {"plan.pvn.txt", false}, {".pvn", true},
  };
  for (const Row& r : rows) EXPECT_EQ(has_project_extension(r.title), r.accepted) << r.title;
}

TEST_F(ProjectFileTest, FailedWriteKeepsTheOldFile) {
  const auto old_image = testing::random_project_image("KQ7", 1);
  write_all(file("keep.pvn"), old_image);

  // A file size limit below one record makes the write fail part-way, like a full disk.
  const auto previous = std::signal(SIGXFSZ, SIG_IGN);
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit small = saved;
  small.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool failed =
      static_cast<bool>(write_project_file(file("keep.pvn"), testing::sample_project()));
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);

  EXPECT_TRUE(failed);
  EXPECT_EQ(read_all(file("keep.pvn")), old_image);
  for (const auto& entry : std::filesystem::directory_iterator(program_folder()))
    EXPECT_TRUE(entry.path().filename() == "keep.pvn" || entry.path().filename() == "Data")
        << "left behind: " << entry.path();
}

TEST_F(ProjectFileTest, WriteIntoMissingFolderFails) {
  EXPECT_TRUE(write_project_file(file("no/such/folder.pvn"), testing::sample_project()));
}

}  // namespace
}  // namespace pellavan::model
