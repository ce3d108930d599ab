// The record kinds of pellavan-mkdata and what each refuses beyond the field types.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "mkdata/output_file.h"
#include "mkdata/record_kinds.h"
#include "model/records/project_rec.h"
#include "model/records/soil_rec.h"

namespace pellavan::mkdata {
namespace {

std::string fault_of(const RecordKind& kind, const char* text, const char* base = nullptr) {
  const SourceFile source = parse_source(text, "s.txt");
  std::vector<SourceFile> bases;
  if (base != nullptr) bases.push_back(parse_source(base, "b.txt"));
  try {
    (void)kind.make_image(source, bases);
  } catch (const SourceError& e) {
    return e.what();
  }
  return "";
}

TEST(MkdataKindsTest, EveryCatalogueAndTheProjectHaveAKind) {
  for (const char* name : {"FurnaceRec", "ACRec", "WaterHeaterRec", "AirHPRec", "GeoUnitRec",
                           "TUnitRec", "LoopRec", "SoilRec", "CityRec", "ProjectRec"}) {
    SCOPED_TRACE(name);
    ASSERT_NE(find_record_kind(name), nullptr);
    EXPECT_EQ(find_record_kind(name)->name, name);
  }
  EXPECT_EQ(find_record_kind("TagRec"), nullptr);
}

TEST(MkdataKindsTest, AProjectOnBasesChangesOnlyWhatEachLaterSourceNames) {
  const std::vector<SourceFile> bases = {
      parse_source("FileTag = KQ7\nGeoA_UnitId = 4\nGeoB_UnitId = 3\nGeoT_UnitId = 2\n", "b.txt"),
      parse_source("GeoB_UnitId = 6\nGeoT_UnitId = 7\n", "c.txt")};
  const auto image =
      find_record_kind("ProjectRec")
          ->make_image(parse_source("GeoB_UnitId = 5\nProject_Title = Sample\n", "s.txt"), bases);
  const auto project = model::decode_record<model::ProjectRec>(image);
  EXPECT_EQ(project.FileTag.str(), "KQ7");
  EXPECT_EQ(project.GeoA_UnitId, 4);
  EXPECT_EQ(project.GeoB_UnitId, 5);
  EXPECT_EQ(project.GeoT_UnitId, 7);
  EXPECT_EQ(project.Project_Title.trimmed(), "Sample");
}

TEST(MkdataKindsTest, ImagesHoldWholeRecords) {
  const auto image =
      find_record_kind("SoilRec")->make_image(parse_source("Id = 1\n\nId = 2\n", "s.txt"), {});
  EXPECT_EQ(image.size(), 2 * model::SoilRec::kFileSize);
}

TEST(MkdataKindsTest, RefusesRecordsTheProgramCannotUse) {
  struct Row {
    const char* name;
    const char* kind;
    const char* text;
    const char* message;
    const char* base = nullptr;
  };
  const Row rows[] = {
      {"soil id past the U-values", "SoilRec", "Id = 1\n\nId = 16\nName = Clay\n",
       "s.txt:3: soil Id 16 outside 1..15 (soil ids index loop U-values)"},
      {"negative soil id", "SoilRec", "Id = -2\n",
       "s.txt:1: soil Id -2 outside 1..15 (soil ids index loop U-values)"},
      {"project without tag", "ProjectRec", "GeoT_UnitId = 3\n",
       "s.txt:1: FileTag must be one of KQ2 to KQ7 (KQ7 is current)"},
      {"project of a newer version", "ProjectRec", "FileTag = KQ8\n",
       "s.txt:1: FileTag must be one of KQ2 to KQ7 (KQ7 is current)"},
      {"project on a base without tag", "ProjectRec", "GeoT_UnitId = 3\n",
       "s.txt:1: FileTag must be one of KQ2 to KQ7 (KQ7 is current)", "GeoA_UnitId = 4\n"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(fault_of(*find_record_kind(r.kind), r.text, r.base), r.message);
  }
  EXPECT_EQ(fault_of(*find_record_kind("ProjectRec"), "FileTag = kq5\n"), "");
}

TEST(MkdataKindsTest, AnOutputIsReplacedWhole) {
  std::string pattern = (std::filesystem::temp_directory_path() / "pellavan-XXXXXX").string();
  ASSERT_NE(mkdtemp(pattern.data()), nullptr);
  const std::filesystem::path folder = pattern;
  const auto path = folder / "SoilData.CEA";
  std::ofstream(path) << "an older and much longer file";
  const std::vector<std::uint8_t> bytes{1, 2, 3};
  write_file_replacing(path, bytes);
  std::ifstream in(path, std::ios::binary);
  const std::vector<char> read((std::istreambuf_iterator<char>(in)), {});
  EXPECT_EQ(read, (std::vector<char>{1, 2, 3}));
  EXPECT_FALSE(std::filesystem::exists(folder / "SoilData.CEA.part"));
  EXPECT_THROW(write_file_replacing(folder / "missing" / "x.CEA", bytes), std::runtime_error);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace pellavan::mkdata
