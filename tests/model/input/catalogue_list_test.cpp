#include <gtest/gtest.h>

#include "model/catalogue/catalogue_fixture.h"
#include "model/input/catalogue_list.h"
#include "model/records/geo_unit_rec.h"
#include "model/records/loop_rec.h"

namespace pellavan::model {
namespace {

using testing::named_record;

class CatalogueListTest : public testing::CatalogueFixture {
 protected:
  std::vector<std::string> texts(const std::vector<ListEntry>& entries) {
    std::vector<std::string> out;
    for (const ListEntry& e : entries) out.emplace_back(trim_blanks(e.text));
    return out;
  }
  DataFileAccess files;
};

TEST_F(CatalogueListTest, HiddenAndDiscontinuedRecordsFollowTheRules) {
  LoopRec shown = named_record<LoopRec>(23, "vert");
  shown.Picture = "vert.bmp";
  LoopRec hidden = named_record<LoopRec>(24, "Hidden");
  hidden.Hidden = 1;
  LoopRec other_flag = named_record<LoopRec>(28, "Horz");
  other_flag.Hidden = 2;  // only 1 hides
  write_catalogue("LoopData.CEA", {shown, hidden, other_flag});
  const auto loops = catalogue_list<LoopRec>(files, program_folder(), "LoopData.CEA", false);
  EXPECT_EQ(texts(loops), (std::vector<std::string>{"vert", "Horz"}));
  EXPECT_EQ(loops[0].id, 23);
  EXPECT_EQ(loops[0].text.size(), 40u);  // as stored, trailing blanks included
  EXPECT_EQ(std::string(trim_blanks(loops[0].picture)), "vert.bmp");

  GeoUnitRec active = named_record<GeoUnitRec>(1, "RKD036");
  GeoUnitRec gone = named_record<GeoUnitRec>(2, "RKF048");
  gone.Inactive = 1;
  write_catalogue("UnitData.CEA", {active, gone});
  EXPECT_EQ(texts(catalogue_list<GeoUnitRec>(files, program_folder(), "UnitData.CEA", true)),
            (std::vector<std::string>{"RKD036", "RKF048"}));
  EXPECT_EQ(texts(catalogue_list<GeoUnitRec>(files, program_folder(), "UnitData.CEA", false)),
            (std::vector<std::string>{"RKD036"}));
  const auto no_rkd = [](const GeoUnitRec& r) { return r.Name.str().substr(0, 3) != "RKD"; };
  EXPECT_EQ(texts(catalogue_list<GeoUnitRec>(files, program_folder(), "UnitData.CEA", true,
                                             ListOrder::FileOrder, +no_rkd)),
            (std::vector<std::string>{"RKF048"}));
}

TEST_F(CatalogueListTest, SortedListsIgnoreCaseAndKeepEqualNamesInFileOrder) {
  write_catalogue("LoopData.CEA",
                  {named_record<LoopRec>(1, "beta"), named_record<LoopRec>(2, "Alpha"),
                   named_record<LoopRec>(3, "BETA"), named_record<LoopRec>(4, "gamma")});
  const auto loops =
      catalogue_list<LoopRec>(files, program_folder(), "LoopData.CEA", true, ListOrder::CaseBlind);
  std::vector<Int16> ids;
  for (const ListEntry& e : loops) ids.push_back(e.id);
  EXPECT_EQ(ids, (std::vector<Int16>{2, 1, 3, 4}));
}

TEST_F(CatalogueListTest, AMissingCatalogueEndsTheProgram) {
  EXPECT_THROW((void)catalogue_list<LoopRec>(files, program_folder(), "LoopData.CEA", true),
               model::DataFileFailure);
}

}  // namespace
}  // namespace pellavan::model
