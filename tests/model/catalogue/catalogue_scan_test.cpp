#include "model/catalogue/catalogue_scan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/catalogue/catalogue_fixture.h"
#include "model/records/soil_rec.h"

namespace pellavan::model {
namespace {

using testing::CatalogueFixture;
using testing::named_record;

class CatalogueScanTest : public CatalogueFixture {
 protected:
  bool scan(Int16 key) {
    return find_catalogue_record(state, program_folder(), "SoilData.CEA", key, buffer);
  }
  void write_soils(std::initializer_list<SoilRec> soils,
                   const std::vector<std::uint8_t>& tail = {}) {
    write_catalogue<SoilRec>("SoilData.CEA", soils, tail);
  }

  DataFileAccess state;
  SoilRec buffer;
};

TEST_F(CatalogueScanTest, FindsTheFirstRecordWithTheKey) {
  write_soils({named_record<SoilRec>(4, "Clay"), named_record<SoilRec>(2, "Average Rock"),
               named_record<SoilRec>(2, "Second Two")});
  EXPECT_TRUE(scan(2));
  EXPECT_EQ(buffer.Name.trimmed(), "Average Rock");
  EXPECT_EQ(state.DataFilePath, (data_folder() / "SoilData.CEA").string());
  EXPECT_EQ(state.DataRecLen, 320);
  EXPECT_EQ(state.files.open_count(), 0u);
}

TEST_F(CatalogueScanTest, FindsTheLastRecord) {
  write_soils({named_record<SoilRec>(1, "Sand"), named_record<SoilRec>(9, "Granite")});
  EXPECT_TRUE(scan(9));
  EXPECT_EQ(buffer.Name.trimmed(), "Granite");
}

TEST_F(CatalogueScanTest, AKeyInNoRecordIsNotFoundAndLeavesAnEmptiedRecord) {
  write_soils({named_record<SoilRec>(1, "Sand"), named_record<SoilRec>(9, "Granite")});
  EXPECT_FALSE(scan(5));
  EXPECT_EQ(buffer, SoilRec{});
}

TEST_F(CatalogueScanTest, AnEmptyFileFindsNothing) {
  write_soils({});
  buffer = named_record<SoilRec>(3, "Held");
  EXPECT_FALSE(scan(3));
  EXPECT_EQ(buffer, SoilRec{});
}

TEST_F(CatalogueScanTest, TheIdIsTestedBeforeTheFirstRead) {
  write_soils({named_record<SoilRec>(3, "On file")});
  buffer = named_record<SoilRec>(3, "Held");
  EXPECT_TRUE(scan(3));
  EXPECT_EQ(buffer.Name.trimmed(), "Held");  // nothing read
}

TEST_F(CatalogueScanTest, IdZeroOfANeverFilledBufferIsFoundWithoutReading) {
  write_soils({named_record<SoilRec>(3, "On file")});
  EXPECT_TRUE(scan(0));
  EXPECT_EQ(buffer, SoilRec{});
}

TEST_F(CatalogueScanTest, AFoundRecordIsReadAgainAfterAnotherKey) {
  write_soils({named_record<SoilRec>(1, "Sand"), named_record<SoilRec>(2, "Rock")});
  EXPECT_TRUE(scan(2));
  EXPECT_TRUE(scan(1));
  EXPECT_EQ(buffer.Name.trimmed(), "Sand");
}

TEST_F(CatalogueScanTest, ARecordPartlyInsideTheFileCountsAsTheEnd) {
  // The third record holds only its id (7) and two bytes of its name.
  write_soils({named_record<SoilRec>(1, "Sand"), named_record<SoilRec>(2, "Rock")},
              {7, 0, 'W', 'e'});
  EXPECT_FALSE(scan(7));
  EXPECT_EQ(buffer, SoilRec{});
  EXPECT_TRUE(scan(2));
}

TEST_F(CatalogueScanTest, AMissingCatalogueEndsTheProgram) {
  EXPECT_THROW(scan(1), model::DataFileFailure);
  EXPECT_EQ(state.files.open_count(), 0u);
}

}  // namespace
}  // namespace pellavan::model
