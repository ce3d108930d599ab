#include "model/catalogue/data_file_access.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/catalogue/catalogue_fixture.h"
#include "model/catalogue/data_folder.h"
#include "model/catalogue/record_file.h"

namespace pellavan::model {
namespace {

using testing::CatalogueFixture;

class DataFolderTest : public CatalogueFixture {};

TEST_F(DataFolderTest, FindsFilesWhateverTheirCase) {
  write_bytes("TUnitData.CEA", {1});
  write_bytes("CityData.CEA", {1});
  struct Row {
    const char* asked;
    const char* found;
  };
  const Row rows[] = {{"tUnitData.CEA", "TUnitData.CEA"},
                      {"TUnitData.CEA", "TUnitData.CEA"},
                      {"Citydata.CEA", "CityData.CEA"},
                      {"CITYDATA.cea", "CityData.CEA"}};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.asked);
    EXPECT_EQ(data_file_path(program_folder(), r.asked), (data_folder() / r.found).string());
  }
}

TEST_F(DataFolderTest, PrefersTheExactNameAndNamesAMissingFileAsAsked) {
  write_bytes("unitdata.cea", {1});
  write_bytes("UnitData.CEA", {2});
  EXPECT_EQ(data_file_path(program_folder(), "UnitData.CEA"),
            (data_folder() / "UnitData.CEA").string());
  EXPECT_EQ(data_file_path(program_folder(), "FossData.CEA"),
            (data_folder() / "FossData.CEA").string());
}

TEST_F(DataFolderTest, FindsADataFolderSpelledOtherwise) {
  std::filesystem::rename(data_folder(), program_folder() / "data");
  std::ofstream(program_folder() / "data" / "ACData.CEA") << "x";
  EXPECT_EQ(data_file_path(program_folder(), "ACData.CEA"),
            (program_folder() / "data" / "ACData.CEA").string());
}

class RecordFileTest : public CatalogueFixture {
 protected:
  std::unique_ptr<RecordFile> open(const std::vector<std::uint8_t>& bytes) {
    write_bytes("f.CEA", bytes);
    return RecordFile::open(data_folder() / "f.CEA", 4, RecordAccess::kRead);
  }
};

TEST_F(RecordFileTest, EndOfFileFollowsWholeRecords) {
  auto file = open({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  ASSERT_TRUE(file);
  EXPECT_FALSE(file->eof());
  std::array<std::uint8_t, 4> rec{};
  EXPECT_TRUE(file->read(2, rec));
  EXPECT_EQ(rec, (std::array<std::uint8_t, 4>{5, 6, 7, 8}));
  EXPECT_FALSE(file->eof());
  EXPECT_FALSE(file->read(3, rec));  // two bytes inside the file
  EXPECT_EQ(rec, (std::array<std::uint8_t, 4>{9, 10, 0, 0}));
  EXPECT_TRUE(file->eof());
  EXPECT_TRUE(file->read(1, rec));
  EXPECT_FALSE(file->eof());
  EXPECT_FALSE(file->read(400, rec));  // wholly past the end
  EXPECT_EQ(rec, (std::array<std::uint8_t, 4>{0, 0, 0, 0}));
  EXPECT_TRUE(file->eof());
}

TEST_F(RecordFileTest, APartOfARecordReadsFromTheRecordStart) {
  auto file = open({1, 2, 3, 4, 5, 6, 7, 8});
  std::array<std::uint8_t, 2> part{};
  EXPECT_TRUE(file->read(2, part));
  EXPECT_EQ(part, (std::array<std::uint8_t, 2>{5, 6}));
  EXPECT_FALSE(file->eof());
}

TEST_F(RecordFileTest, EmptyFileStartsAtItsEnd) {
  auto file = open({});
  ASSERT_TRUE(file);
  EXPECT_TRUE(file->eof());
}

TEST_F(RecordFileTest, RefusesBadRecordNumbersAndBuffers) {
  auto file = open({1, 2, 3, 4});
  std::array<std::uint8_t, 4> rec{};
  std::array<std::uint8_t, 5> large{};
  EXPECT_THROW(file->read(0, rec), std::out_of_range);
  EXPECT_THROW(file->read(INT64_MAX, rec), std::out_of_range);
  EXPECT_THROW(file->read(1, large), std::invalid_argument);
  EXPECT_THROW(file->write(1, rec), std::logic_error);
}

TEST_F(RecordFileTest, ReadingNeverCreatesAFileButReadWriteDoes) {
  const auto path = data_folder() / "Dsetfil.dat";
  EXPECT_EQ(RecordFile::open(path, 4, RecordAccess::kRead), nullptr);
  EXPECT_FALSE(std::filesystem::exists(path));
  auto file = RecordFile::open(path, 4, RecordAccess::kReadWrite);
  ASSERT_TRUE(file);
  EXPECT_TRUE(file->eof());
  const std::array<std::uint8_t, 4> rec{'K', 'X', '2', 0};
  EXPECT_TRUE(file->write(1, rec));
  std::array<std::uint8_t, 4> back{};
  EXPECT_TRUE(file->read(1, back));
  EXPECT_EQ(back, rec);
  EXPECT_EQ(std::filesystem::file_size(path), 4u);
}

TEST_F(RecordFileTest, AFolderIsNoRecordFile) {
  EXPECT_EQ(RecordFile::open(data_folder(), 4, RecordAccess::kRead), nullptr);
  EXPECT_EQ(RecordFile::open(data_folder() / "x", 0, RecordAccess::kReadWrite), nullptr);
}

class DataFileAccessTest : public CatalogueFixture {
 protected:
  DataFileAccess state;
};

TEST_F(DataFileAccessTest, MissingFileEndsTheProgramWithItsPath) {
  state.DataFilePath = (data_folder() / "FossData.CEA").string();
  try {
    Check_DataFile(state);
    FAIL() << "the program should have ended";
  } catch (const DataFileFailure& e) {
    EXPECT_EQ(std::string(e.what()),
              state.DataFilePath + " File Not Found -- Contact Oskerby Support");
  }
}

TEST_F(DataFileAccessTest, UnopenableFileEndsTheProgramWithItsPath) {
  struct Row {
    const char* name;
    std::string path;
    Int16 length;
  };
  write_bytes("ACData.CEA", {1, 2});
  const Row rows[] = {{"a folder", data_folder().string(), 496},
                      {"a missing file", (data_folder() / "none.CEA").string(), 496},
                      {"no record length", (data_folder() / "ACData.CEA").string(), 0}};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    state.DataFilePath = r.path;
    state.DataRecLen = r.length;
    try {
      Open_DataFile(state);
      FAIL() << "the program should have ended";
    } catch (const DataFileFailure& e) {
      EXPECT_EQ(std::string(e.what()), r.path + " File Error -- Please contact Oskerby Support");
    }
    EXPECT_EQ(state.files.open_count(), 0u);
  }
}

TEST_F(DataFileAccessTest, OpensReadsAndClosesThroughItsNumber) {
  write_bytes("ACData.CEA", {1, 2, 3, 4, 5, 6});
  state.DataFilePath = (data_folder() / "ACData.CEA").string();
  state.DataRecLen = 3;
  Check_DataFile(state);
  EXPECT_EQ(state.files.open_count(), 0u);
  Open_DataFile(state);
  EXPECT_EQ(state.DataFileNum, 1);
  std::array<std::uint8_t, 3> rec{};
  EXPECT_TRUE(data_file(state).read(2, rec));
  EXPECT_EQ(rec, (std::array<std::uint8_t, 3>{4, 5, 6}));
  close_data_file(state);
  EXPECT_EQ(state.files.open_count(), 0u);
  EXPECT_THROW((void)data_file(state), std::logic_error);
}

TEST_F(DataFileAccessTest, TakesTheLowestFreeNumber) {
  write_bytes("a", {1});
  FileNumberTable& files = state.files;
  EXPECT_EQ(files.free_number(), 1);
  ASSERT_TRUE(files.open(1, data_folder() / "a", 1, RecordAccess::kRead));
  ASSERT_TRUE(files.open(2, data_folder() / "a", 1, RecordAccess::kRead));
  EXPECT_EQ(files.free_number(), 3);
  files.close(1);
  EXPECT_EQ(files.free_number(), 1);
  files.close(7);  // nothing open there
  EXPECT_EQ(files.open_count(), 1u);
}

TEST(DataFileStateTest, StartsWithTheOneRecordFileValues) {
  const DataFileAccess state;
  EXPECT_EQ(state.RecNo, 1);
  EXPECT_EQ(state.ProjectRecLen, 10665);
}

}  // namespace
}  // namespace pellavan::model
