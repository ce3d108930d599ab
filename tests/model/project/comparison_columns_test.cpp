#include <gtest/gtest.h>

#include <map>

#include "model/project/comparison_columns.h"

namespace pellavan::model {
namespace {

using Kind = SystemType;

class ComparisonColumnsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    rec_.GeoA_UnitName = "U1";
    rec_.GeoA_Unit2Name = "U2";
    rec_.GeoA_LoopId = 23;
    rec_.GeoA_LoopName = "Stored A";
    rec_.GeoB_UnitName = "RKD036";
    rec_.GeoB_LoopId = 99;  // not in the catalogue
    rec_.GeoB_LoopName = "Stored B";
    rec_.GeoT_UnitName = "JN 1860 Varistep";
    rec_.GeoT_LoopId = 28;
    rec_.HeatPump_UnitName = "AirPro 3";
    rec_.Furnace_UnitName = "Gas 95";
  }

  ComparisonColumns make_columns() {
    return ComparisonColumns([this](Int16 id) -> std::optional<std::string> {
      ++lookups_;
      if (auto it = loops_.find(id); it != loops_.end()) return it->second;
      return std::nullopt;
    });
  }

  ComparisonColumns columns_ = make_columns();
  std::map<Int16, std::string> loops_{{23, "Vert"}, {28, "Horz 2 Pipe"}};
  int lookups_ = 0;
  ProjectRec rec_{};
};

TEST_F(ComparisonColumnsTest, AKindIsChosenInOneRowOnly) {
  columns_.select(1, Kind::GeoA, rec_);
  columns_.select(2, Kind::GeoA, rec_);
  EXPECT_EQ(columns_.row(1).selected, Kind::NoSystem);
  EXPECT_EQ(columns_.row(1).description, "No Option Selected");
  EXPECT_EQ(columns_.row(2).selected, Kind::GeoA);
  EXPECT_TRUE(columns_.chosen(Kind::GeoA));
}

TEST_F(ComparisonColumnsTest, ChoosingAnotherKindKeepsTheOtherRows) {
  columns_.select(1, Kind::GeoA, rec_);
  columns_.select(2, Kind::Fossil, rec_);
  columns_.select(3, Kind::GeoT, rec_);
  EXPECT_EQ(columns_.row(1).selected, Kind::GeoA);
  EXPECT_EQ(columns_.row(2).selected, Kind::Fossil);
  EXPECT_EQ(columns_.row(3).selected, Kind::GeoT);
  columns_.select(2, Kind::GeoT, rec_);
  EXPECT_EQ(columns_.row(3).selected, Kind::NoSystem);
  EXPECT_FALSE(columns_.chosen(Kind::Fossil));
}

TEST_F(ComparisonColumnsTest, NoneEverywhereChoosesNothing) {
  columns_.select(1, Kind::GeoB, rec_);
  columns_.select(1, Kind::NoSystem, rec_);
  for (Kind k : kChosenKinds) EXPECT_FALSE(columns_.chosen(k));
}

TEST_F(ComparisonColumnsTest, Descriptions) {
  struct Row {
    const char* name;
    Kind kind;
    Int16 hydronic_mode;
    const char* heat_pump_name;
    const char* expected;
  };
  const Row rows[] = {
      {"geo A, one unit", Kind::GeoA, 1, "AirPro 3", "U1 / Vert"},
      {"geo A, two units (mode 2)", Kind::GeoA, 2, "AirPro 3", "U1 / U2 / Vert"},
      {"geo A, two units (mode 3)", Kind::GeoA, 3, "AirPro 3", "U1 / U2 / Vert"},
      {"geo B, loop not in catalogue", Kind::GeoB, 0, "AirPro 3", "RKD036 / Stored B"},
      {"geo T", Kind::GeoT, 0, "AirPro 3", "JN 1860 Varistep / Horz 2 Pipe"},
      {"heat pump", Kind::Elec, 0, "AirPro 3", "AirPro 3 System"},
      {"heat pump without a name", Kind::Elec, 0, "", "No System Selected For This Option"},
      {"furnace", Kind::Fossil, 0, "", "Gas 95 System"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    rec_.GeoA_HydronicMode = r.hydronic_mode;
    rec_.HeatPump_UnitName = r.heat_pump_name;
    ComparisonColumns columns = make_columns();
    columns.Show_Unit(1, rec_);  // loop texts come from row 1
    columns.select(2, r.kind, rec_);
    EXPECT_EQ(columns.row(2).description, r.expected);
    EXPECT_EQ(columns.preview(), r.expected);
  }
}

TEST_F(ComparisonColumnsTest, NeverWrittenNamesCountAsEmpty) {
  ProjectRec blank{};
  columns_.select(1, Kind::GeoB, blank);
  EXPECT_EQ(columns_.row(1).description, "No System Selected For This Option");
}

TEST_F(ComparisonColumnsTest, OnlyRowOneRefreshesTheLoopTexts) {
  columns_.select(2, Kind::GeoA, rec_);
  EXPECT_EQ(lookups_, 0);
  EXPECT_EQ(columns_.row(2).description, "U1 / ");
  columns_.Show_Unit(1, rec_);
  EXPECT_EQ(lookups_, 3);
  columns_.Show_Unit(2, rec_);
  EXPECT_EQ(columns_.row(2).description, "U1 / Vert");
}

TEST_F(ComparisonColumnsTest, FrozenRowKeepsTheUsersText) {
  const std::string mine(75, 'x');
  columns_.select(1, Kind::GeoA, rec_);
  columns_.set_frozen(1, true, rec_);
  columns_.set_description(1, mine);
  columns_.select(1, Kind::Elec, rec_);
  columns_.select(2, Kind::Elec, rec_);  // clears row 1 to None
  EXPECT_EQ(columns_.row(1).selected, Kind::NoSystem);
  EXPECT_EQ(columns_.row(1).description, mine);
  EXPECT_EQ(columns_.preview(), "AirPro 3 System");
  columns_.set_frozen(1, false, rec_);
  EXPECT_EQ(columns_.row(1).description, "No Option Selected");
}

TEST_F(ComparisonColumnsTest, StoreCutsLongDescriptionsAndSetsTheTag) {
  rec_.GeoA_UnitName = std::string(40, 'A');
  rec_.GeoA_Unit2Name = std::string(40, 'B');
  rec_.GeoA_HydronicMode = 2;
  rec_.FileTag = "KQ3";
  columns_.Show_Unit(1, rec_);
  columns_.select(1, Kind::GeoA, rec_);
  EXPECT_GT(columns_.row(1).description.size(), 75u);
  columns_.select(3, Kind::Fossil, rec_);
  columns_.set_frozen(2, true, rec_);
  columns_.Store_Selections(rec_);
  EXPECT_EQ(rec_.FileTag.str(), "KQ7");
  EXPECT_EQ(rec_.System1_Description.str(), columns_.row(1).description.substr(0, 75));
  EXPECT_EQ(rec_.System3_Description.str(), "Gas 95 System" + std::string(62, ' '));
  EXPECT_EQ(rec_.System1_Type, 1);
  EXPECT_EQ(rec_.System2_Type, 0);
  EXPECT_EQ(rec_.System3_Type, 4);
  EXPECT_EQ(rec_.System2_Freeze, 1);
  EXPECT_EQ(rec_.System1_Freeze, 0);
}

TEST_F(ComparisonColumnsTest, RestoreSkipsCodesThatNameNoKind) {
  columns_.select(1, Kind::GeoB, rec_);
  rec_.System1_Type = 5;
  rec_.System2_Type = 6;
  rec_.System3_Type = 3;
  rec_.System3_Freeze = 1;
  columns_.restore(rec_);
  EXPECT_EQ(columns_.row(1).selected, Kind::GeoB);
  EXPECT_EQ(columns_.row(2).selected, Kind::GeoT);
  EXPECT_EQ(columns_.row(3).selected, Kind::Elec);
  EXPECT_TRUE(columns_.row(3).frozen);
  EXPECT_TRUE(columns_.preview().empty());
}

// A row whose code names no kind is "None", unfrozen, with the description of no system, whatever
// the row showed before and whatever the file kept for it.
TEST_F(ComparisonColumnsTest, LoadSetsRowsWithoutAKindToNone) {
  for (const Int16 code : {Int16{99}, Int16{-1}, Int16{5}}) {
    for (const Kind before : {Kind::GeoB, Kind::NoSystem}) {
      SCOPED_TRACE(code);
      columns_.select(1, before, rec_);  // the project before
      rec_.System1_Type = code;
      rec_.System1_Freeze = 1;
      rec_.System1_Description = "Geo X Hybrid";
      columns_.load(rec_, true);
      EXPECT_EQ(columns_.row(1).selected, Kind::NoSystem);
      EXPECT_FALSE(columns_.row(1).frozen);
      EXPECT_EQ(columns_.row(1).description, "No Option Selected");
      columns_.Store_Selections(rec_);
      EXPECT_EQ(rec_.System1_Type, 0);  // and so Save writes
    }
  }
}

TEST(UnknownSystemsNoticeTest, NamesTheColumnsAndTheirCodes) {
  const struct {
    Int16 codes[3];
    const char* notice;
  } kRows[] = {
      {{4, 1, 2}, ""},
      {{4, 5, 0},
       "Option 2 Holds System Code 5, Which This Version of Pellavan Does Not Know -- It Is "
       "Shown as No System"},
      {{5, 1, 99},
       "Options 1 and 3 Hold System Codes 5 and 99, Which This Version of Pellavan Does Not Know "
       "-- They Are Shown as No System"},
  };
  for (const auto& r : kRows) {
    ProjectRec rec{};
    rec.System1_Type = r.codes[0];
    rec.System2_Type = r.codes[1];
    rec.System3_Type = r.codes[2];
    EXPECT_EQ(unknown_systems_notice(rec).value_or(""), r.notice);
  }
}

TEST_F(ComparisonColumnsTest, LoadTakesStoredDescriptionsUntilAChoiceChanges) {
  rec_.System1_Description = "Kept as typed";
  rec_.System1_Type = 0;  // unchanged from the start: no rebuild
  rec_.System2_Description = "Replaced";
  rec_.System2_Type = 4;  // a change: rebuilt
  columns_.load(rec_, false);
  EXPECT_EQ(columns_.row(1).description, "Kept as typed" + std::string(62, ' '));
  EXPECT_EQ(columns_.row(2).description, "Gas 95 System");
  columns_.load(rec_, true);
  EXPECT_EQ(columns_.row(1).description, "Kept as typed");
}

TEST_F(ComparisonColumnsTest, LoadMovesAKindBetweenRows) {
  columns_.select(2, Kind::GeoA, rec_);
  rec_.System1_Type = 1;
  rec_.System2_Type = 2;
  columns_.load(rec_, true);
  EXPECT_EQ(columns_.row(1).selected, Kind::GeoA);
  EXPECT_EQ(columns_.row(2).selected, Kind::GeoB);
}

}  // namespace
}  // namespace pellavan::model
