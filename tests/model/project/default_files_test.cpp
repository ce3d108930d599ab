#include <gtest/gtest.h>

#include "model/project/default_files.h"
#include "model/project/project_files_fixture.h"

namespace pellavan::model {
namespace {

class DefaultFilesTest : public testing::CatalogueFixture {
 protected:
  void write_default(const ProjectRec& rec, const std::string& name = "Default.dat") {
    write_bytes(name, encode_record(rec));
  }
};

TEST_F(DefaultFilesTest, MissingDefaultIsNotCreated) {
  ProjectRec rec = testing::sample_project("in memory");
  DefaultZoom zoom;
  EXPECT_EQ(load_default_project(program_folder(), rec, zoom), DefaultLoadStatus::kUnreadable);
  EXPECT_FALSE(std::filesystem::exists(data_folder() / "Default.dat"));
  EXPECT_EQ(rec.Project_Title.trimmed(), "in memory");
}

TEST_F(DefaultFilesTest, BadDefaultsAreReportedAndChangeNothing) {
  struct Row {
    const char* name;
    std::vector<std::uint8_t> bytes;
    DefaultLoadStatus status;
  };
  auto short_file = encode_record(testing::sample_project());
  short_file.resize(100);
  const Row rows[] = {
      {"foreign tag", testing::random_project_image("ABC"), DefaultLoadStatus::kDamaged},
      {"newer version", testing::random_project_image("KQ9"), DefaultLoadStatus::kDamaged},
      {"empty", {}, DefaultLoadStatus::kDamaged},
      {"short", short_file, DefaultLoadStatus::kUnreadable},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    write_bytes("Default.dat", r.bytes);
    ProjectRec rec = testing::sample_project("kept");
    DefaultZoom zoom;
    EXPECT_EQ(load_default_project(program_folder(), rec, zoom), r.status);
    EXPECT_EQ(rec.Project_Title.trimmed(), "kept");
    EXPECT_EQ(zoom(0), 0);
  }
}

TEST_F(DefaultFilesTest, FirstLoadFixesTheRunsZoomLevels) {
  ProjectRec first = testing::sample_project("first");
  first.Zoom_HeatPumpBin = 90;
  first.Zoom_ProjectGraph = 91;
  write_default(first);
  ProjectRec rec;
  DefaultZoom zoom;
  ASSERT_EQ(load_default_project(program_folder(), rec, zoom), DefaultLoadStatus::kOk);
  EXPECT_EQ(zoom(0), 90);
  EXPECT_EQ(zoom(17), 91);

  // The file changes during the run (Save As Default); its zoom levels wait for the next run.
  ProjectRec second = testing::sample_project("second");
  second.Zoom_HeatPumpBin = 130;
  write_default(second);
  ASSERT_EQ(load_default_project(program_folder(), rec, zoom), DefaultLoadStatus::kOk);
  EXPECT_EQ(rec.Project_Title.trimmed(), "second");
  EXPECT_EQ(rec.Zoom_HeatPumpBin, 90);
  EXPECT_EQ(zoom(0), 90);
}

TEST_F(DefaultFilesTest, OlderDefaultIsConverted) {
  ProjectRec old = testing::sample_project();
  old.FileTag = "KQ5";
  old.GeoT_UnitId = 0;
  write_default(old);
  ProjectRec rec;
  DefaultZoom zoom;
  ASSERT_EQ(load_default_project(program_folder(), rec, zoom), DefaultLoadStatus::kOk);
  EXPECT_EQ(rec.GeoT_UnitId, 3);
  EXPECT_EQ(rec.Loads_DhwTemp, 135);
}

TEST_F(DefaultFilesTest, SaveCreatesOrReplaces) {
  EXPECT_FALSE(save_default_project(program_folder(), testing::sample_project("new")));
  EXPECT_EQ(read_all(data_folder() / "Default.dat"), encode_record(testing::sample_project("new")));
  EXPECT_FALSE(save_default_project(program_folder(), testing::sample_project("newer")));
  EXPECT_EQ(read_all(data_folder() / "Default.dat"),
            encode_record(testing::sample_project("newer")));
}

TEST_F(DefaultFilesTest, RestoreCopiesTheFactoryFile) {
  write_default(testing::sample_project("mine"));
  write_default(testing::sample_project("factory"), "ODefault.dat");
  EXPECT_FALSE(restore_original_defaults(program_folder()));
  EXPECT_EQ(read_all(data_folder() / "Default.dat"),
            encode_record(testing::sample_project("factory")));
}

TEST_F(DefaultFilesTest, RestoreWithoutFactoryFileKeepsTheDefault) {
  write_default(testing::sample_project("mine"));
  EXPECT_TRUE(restore_original_defaults(program_folder()));
  EXPECT_EQ(read_all(data_folder() / "Default.dat"),
            encode_record(testing::sample_project("mine")));
}

TEST_F(DefaultFilesTest, NamesAreFoundWhateverTheirCase) {
  write_default(testing::sample_project("upper"), "DEFAULT.DAT");
  ProjectRec rec;
  DefaultZoom zoom;
  ASSERT_EQ(load_default_project(program_folder(), rec, zoom), DefaultLoadStatus::kOk);
  EXPECT_EQ(rec.Project_Title.trimmed(), "upper");
}

}  // namespace
}  // namespace pellavan::model
