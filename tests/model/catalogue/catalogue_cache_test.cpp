// The catalogue files as a run keeps them: an edited file is read again, a path is found once,
// and a file larger than any catalogue is refused before it is scanned.

#include "model/catalogue/catalogue_cache.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "model/catalogue/catalogue_fixture.h"
#include "model/catalogue/catalogue_scan.h"
#include "model/catalogue/city_lists.h"
#include "model/records/soil_rec.h"

namespace pellavan::model {
namespace {

namespace fs = std::filesystem;
using testing::CatalogueFixture;
using testing::named_record;

class CatalogueCacheTest : public CatalogueFixture {
 protected:
  void SetUp() override {
    CatalogueFixture::SetUp();
    model.program_folder = program_folder();
  }
  std::string found(const std::string& file, Int16 key) {
    SoilRec buffer;
    return find_catalogue_record(model.data_files, model.program_folder, file, key, buffer)
               ? std::string(buffer.Name.trimmed())
               : "not found";
  }
  static std::vector<std::uint8_t> soils(const char* second) {
    return catalogue_bytes<SoilRec>(
        {named_record<SoilRec>(1, "Sand"), named_record<SoilRec>(2, second)});
  }

  ModelState model;
};

TEST_F(CatalogueCacheTest, AnEditedFileIsReadAgain) {
  struct Row {
    const char* file;
    std::function<void(const fs::path&)> edit;
    const char* second;
  };
  const auto write = [](const fs::path& at, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(at, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  };
  const Row rows[] = {
      {"InPlace.CEA", [&](const fs::path& at) { write(at, soils("Loam")); }, "Loam"},
      {"OldTimes.CEA",
       [&](const fs::path& at) {
         const auto before = fs::last_write_time(at);
         write(at, soils("Silt"));
         fs::last_write_time(at, before);
       },
       "Silt"},
      {"Grown.CEA",
       [&](const fs::path& at) {
         auto bytes = soils("Clay");
         bytes.resize(bytes.size() + SoilRec::kFileSize / 2);
         write(at, bytes);
       },
       "Clay"},
      {"Replaced.CEA",
       [&](const fs::path& at) {
         write(fs::path(at) += ".new", soils("Peat"));
         fs::rename(fs::path(at) += ".new", at);
       },
       "Peat"},
  };
  for (const Row& r : rows) write_bytes(r.file, soils("Rock"));
  // Kept copies are trusted only once their files are older than a step of the file clock.
  std::this_thread::sleep_for(std::chrono::milliseconds(150));
  for (const Row& r : rows) ASSERT_EQ(found(r.file, 2), "Rock") << r.file;
  for (const Row& r : rows) {
    r.edit(data_folder() / r.file);
    EXPECT_EQ(found(r.file, 2), r.second) << r.file;
  }
}

TEST_F(CatalogueCacheTest, APathIsFoundOnceAndAgainOnlyWhenTheFileIsGone) {
  write_bytes("soildata.cea", soils("Lower"));
  EXPECT_EQ(found("SoilData.CEA", 2), "Lower");
  write_bytes("SoilData.CEA", soils("Exact"));
  EXPECT_EQ(found("SoilData.CEA", 2), "Lower") << "the file found first stays";
  fs::remove(data_folder() / "soildata.cea");
  EXPECT_EQ(found("SoilData.CEA", 2), "Exact");
  fs::remove(data_folder() / "SoilData.CEA");
  try {
    found("SoilData.CEA", 2);
    ADD_FAILURE() << "a missing file was read";
  } catch (const DataFileFailure& e) {
    EXPECT_EQ(e.what(),
              (data_folder() / "SoilData.CEA").string() + std::string(kFileNotFoundMessage));
  }
}

TEST_F(CatalogueCacheTest, AFileLargerThanAnyCatalogueIsRefusedBeforeItIsScanned) {
  struct Row {
    const char* reader;
    const char* file;
    std::uint64_t record_length;
    std::function<void()> read;
  };
  const Row readers[] = {
      {"scan", "SoilData.CEA", SoilRec::kFileSize, [&] { found("SoilData.CEA", 5); }},
      {"city file", "Citydata.CEA", CityRec::kFileSize, [&] { (void)read_city_file(model); }},
  };
  for (const Row& r : readers) {
    const fs::path at = data_folder() / r.file;
    const std::uint64_t most = kMostCatalogueRecords * r.record_length;
    for (const std::uint64_t size : {most, most + 1, std::uint64_t{4} << 30}) {
      SCOPED_TRACE(std::string(r.reader) + " of " + std::to_string(size) + " bytes");
      write_bytes(r.file, {});
      fs::resize_file(at, size);  // sparse: nothing is written
      if (size == most) {
        EXPECT_NO_THROW(r.read());
        continue;
      }
      try {
        r.read();
        ADD_FAILURE() << "scanned";
      } catch (const DataFileFailure& e) {
        EXPECT_EQ(e.what(), at.string() + std::string(kFileErrorMessage));
      }
    }
  }
}

}  // namespace
}  // namespace pellavan::model
