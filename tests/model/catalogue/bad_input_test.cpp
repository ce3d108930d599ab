// Every reader against files that are empty, cut short, over-long or random: no crash, no read
// past the end, and never a record reported found that is not wholly in the file.

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "model/catalogue/catalogue_fixture.h"
#include "model/catalogue/catalogue_readers.h"
#include "model/catalogue/catalogue_scan.h"
#include "model/records/tag_rec.h"

namespace pellavan::model {
namespace {

using testing::CatalogueFixture;

struct Reader {
  const char* name;
  const char* file;
  std::size_t record_length;
  // Looks the key up and says whether it was found.
  std::function<bool(ModelState&, Int16)> find;
  // The id in the reader's buffer afterwards.
  std::function<Int16(const ModelState&)> buffer_id;
};

template <class R>
Reader scan_reader(const char* name, const char* file, R ModelState::*buffer) {
  return {name, file, R::kFileSize,
          [file, buffer](ModelState& m, Int16 key) {
            return find_catalogue_record(m.data_files, m.program_folder, file, key, m.*buffer);
          },
          [buffer](const ModelState& m) { return (m.*buffer).Id; }};
}

std::vector<Reader> all_readers() {
  static InMemoryReportWorkbookSheets workbook;
  return {
      {"Load_FossilRecord", "FossData.CEA", FurnaceRec::kFileSize,
       [](ModelState& m, Int16 key) {
         m.WantedUnitId = key;
         return Load_FossilRecord(m);
       },
       [](const ModelState& m) { return m.FurnaceRec.Id; }},
      {"Load_ACRecord", "ACData.CEA", ACRec::kFileSize,
       [](ModelState& m, Int16 key) {
         m.ProjectRec.Furnace_ACId = key;
         return Load_ACRecord(m, workbook);
       },
       [](const ModelState& m) { return m.ACRec.Id; }},
      {"Load_UnitRecord", "UnitData.CEA", GeoUnitRec::kFileSize, Load_UnitRecord,
       [](const ModelState& m) { return m.GeoUnitRec.Id; }},
      {"Get_UnitFlag", "UnitData.CEA", GeoUnitRec::kFileSize,
       [](ModelState& m, Int16 key) { return Get_UnitFlag(m, key) != kUnitAbsent; },
       [](const ModelState& m) { return m.GeoUnitRec.Id; }},
      {"Load_TUnitRecord", "tUnitData.CEA", TUnitRec::kFileSize, Load_TUnitRecord,
       [](const ModelState& m) { return m.TUnitRec.Id; }},
      {"Get_TUnitFlag", "tUnitData.CEA", TUnitRec::kFileSize,
       [](ModelState& m, Int16 key) { return Get_TUnitFlag(m, key) != kUnitAbsent; },
       [](const ModelState& m) { return m.TUnitRec.Id; }},
      {"Load_LoopRecord", "LoopData.CEA", LoopRec::kFileSize, Load_LoopRecord,
       [](const ModelState& m) { return m.LoopRec.Id; }},
      scan_reader("soil scan", "SoilData.CEA", &ModelState::SoilRec),
      scan_reader("water-heater scan", "WHData.CEA", &ModelState::WaterHeaterRec),
      scan_reader("heat-pump scan", "AirData.CEA", &ModelState::AirHPRec),
      scan_reader("city scan", "Citydata.CEA", &ModelState::CityRec),
  };
}

// A record image whose id is `id` and whose other bytes are `fill`.
std::vector<std::uint8_t> record_with_id(std::size_t length, Int16 id, std::uint8_t fill = 0) {
  std::vector<std::uint8_t> bytes(length, fill);
  bytes[0] = static_cast<std::uint8_t>(id & 0xFF);
  bytes[1] = static_cast<std::uint8_t>((id >> 8) & 0xFF);
  return bytes;
}

struct Shape {
  const char* name;
  std::function<std::vector<std::uint8_t>(std::size_t length, Int16 key)> bytes;
  bool found;  // whether the key lies in a whole record
};

const Shape kShapes[] = {
    {"empty", [](std::size_t, Int16) { return std::vector<std::uint8_t>{}; }, false},
    {"one byte", [](std::size_t, Int16) { return std::vector<std::uint8_t>{7}; }, false},
    {"key in a record cut short",
     [](std::size_t len, Int16 key) {
       auto b = record_with_id(len, 1, 0xAB);
       auto cut = record_with_id(len, key, 0xCD);
       b.insert(b.end(), cut.begin(), cut.begin() + static_cast<std::ptrdiff_t>(len / 2));
       return b;
     },
     false},
    {"key in a whole record, extra bytes after",
     [](std::size_t len, Int16 key) {
       auto b = record_with_id(len, 1, 0xAB);
       auto whole = record_with_id(len, key);
       b.insert(b.end(), whole.begin(), whole.end());
       b.insert(b.end(), 7, 0xEE);
       return b;
     },
     true},
    // 0xCDCD... in every figure: Currency fields of 9.7e13 and more.
    {"key in a whole record of figures no unit can have",
     [](std::size_t len, Int16 key) { return record_with_id(len, key, 0xCD); }, false},
    {"key in no record, extra bytes after",
     [](std::size_t len, Int16) {
       auto b = record_with_id(len, 1, 0xAB);
       b.insert(b.end(), 7, 0xEE);
       return b;
     },
     false},
};

class BadInputTest : public CatalogueFixture {
 protected:
  void SetUp() override {
    CatalogueFixture::SetUp();
    model.program_folder = program_folder();
  }
  ModelState model;
};

TEST_F(BadInputTest, ShapedFilesGiveTheExpectedAnswer) {
  constexpr Int16 kKey = 42;
  for (const Reader& reader : all_readers()) {
    for (const Shape& shape : kShapes) {
      SCOPED_TRACE(std::string(reader.name) + ", " + shape.name);
      write_bytes(reader.file, shape.bytes(reader.record_length, kKey));
      model = ModelState{};  // a buffer still holding the key would be found without a read
      model.program_folder = program_folder();
      const bool found = reader.find(model, kKey);
      EXPECT_EQ(found, shape.found);
      EXPECT_EQ(reader.buffer_id(model), found ? kKey : 0);
      EXPECT_EQ(model.data_files.files.open_count(), 0u);
    }
  }
}

TEST_F(BadInputTest, RandomBytesNeverYieldAStrayRecord) {
  std::mt19937 gen(2024);
  for (const Reader& reader : all_readers()) {
    for (int round = 0; round < 30; ++round) {
      const std::size_t size =
          std::uniform_int_distribution<std::size_t>(0, 6 * reader.record_length)(gen);
      std::vector<std::uint8_t> bytes(size);
      for (auto& b : bytes) b = static_cast<std::uint8_t>(gen());
      // A key taken from the file's own bytes, so that some rounds find it.
      const Int16 key = size >= 2 && round % 2 == 0 ? static_cast<Int16>(bytes[0] | (bytes[1] << 8))
                                                    : static_cast<Int16>(gen());
      SCOPED_TRACE(std::string(reader.name) + ", " + std::to_string(size) + " bytes");
      write_bytes(reader.file, bytes);
      const bool found = reader.find(model, key);
      EXPECT_EQ(reader.buffer_id(model), found ? key : 0);
      if (found && key != 0) {
        EXPECT_GE(size, reader.record_length);
      }
      EXPECT_EQ(model.data_files.files.open_count(), 0u);
    }
  }
}

TEST_F(BadInputTest, OneRecordFilesCutShortReadAsZeroPadded) {
  write_bytes("Short.pvn", {'K', 'Q', '7', 'x'});
  DataFileAccess& state = model.data_files;
  state.DataFilePath = (data_folder() / "Short.pvn").string();
  state.DataRecLen = state.ProjectRecLen;
  Open_DataFile(state);
  TagRec tag;
  EXPECT_TRUE(read_data_record(state, state.RecNo, tag));
  EXPECT_EQ(tag.Tag.str(), "KQ7");
  ProjectRec project;
  EXPECT_FALSE(read_data_record(state, state.RecNo, project));
  EXPECT_EQ(project.FileTag.str(), "KQ7");
  EXPECT_EQ(project.Header_Spare1.str()[0], 'x');
  EXPECT_EQ(project.Header_Spare1.str()[1], '\0');
  close_data_file(state);
}

}  // namespace
}  // namespace pellavan::model
