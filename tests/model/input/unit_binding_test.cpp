#include <gtest/gtest.h>

#include "model/input/unit_binding.h"
#include "model/record/record_layout.h"

namespace pellavan::model {
namespace {

// One row of each kind of quantity, on fields of the loads, Geo A and rates blocks.
constexpr UnitBinding kBindings[] = {
    {.field = number_field<&ProjectRec::Loads_HeatLoad>(),
     .quantity = Quantity::Capacity,
     .slot = 10},
    {.field = number_field<&ProjectRec::Loads_HeatSetPoint>(),
     .quantity = Quantity::Temperature,
     .slot = 11,
     .leave = Leave::RoundHalf},
    {.field = number_field<&ProjectRec::Loads_HeatDeltaT>(),
     .quantity = Quantity::TemperatureDifference,
     .slot = 12},
    {.field = number_field<&ProjectRec::GeoA_Depth>(), .quantity = Quantity::Length, .slot = 13},
    {.field = number_field<&ProjectRec::Rates_GasSummer>(),
     .quantity = Quantity::GasPrice,
     .slot = 14,
     .imperial = {3, true},
     .metric = {3, true}},
    {.field = number_field<&ProjectRec::Rates_PropaneSummer>(),
     .quantity = Quantity::LiquidFuelPrice,
     .slot = 15,
     .imperial = {3, false},
     .metric = {3, true}},
    {.field = number_field<&ProjectRec::GeoA_Tons>(), .slot = 16},
};
enum Row { kHeatLoad, kSetPoint, kDeltaT, kDepth, kGas, kPropane, kTons };

ProjectRec awkward_project() {
  ProjectRec rec{};
  rec.Loads_HeatLoad = 50000;
  rec.Loads_HeatSetPoint = 45;  // shows as 7.5 °C, which is 46 °F
  rec.Loads_HeatDeltaT = 17;
  rec.GeoA_Depth = Currency::from_double(100.0);
  rec.Rates_GasSummer = Currency::from_double(0.0655);  // more decimals than are shown
  rec.Rates_PropaneSummer = Currency::from_double(1.2345);
  rec.GeoA_Tons = Currency::from_double(2.5);
  return rec;
}

UnitOptions options_from_bits(int bits) {
  return {(bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0, (bits & 8) != 0, (bits & 16) != 0};
}

TEST(UnitBindingTest, UnchangedValuesAreStoredBackExactlyInEveryUnitMode) {
  for (int bits = 0; bits < 32; ++bits) {
    SCOPED_TRACE(bits);
    const UnitOptions units = options_from_bits(bits);
    const ProjectRec before = awkward_project();
    ProjectRec rec = before;
    UnitMemos memos;
    std::vector<std::string> shown;
    for (const UnitBinding& b : kBindings) shown.push_back(show_value(b, rec, units, memos));
    for (std::size_t i = 0; i < std::size(kBindings); ++i)
      store_value(kBindings[i], left_text(kBindings[i], shown[i], units), rec, units, memos);
    EXPECT_EQ(encode_record(rec), encode_record(before));
  }
}

TEST(UnitBindingTest, ShownAndTypedValuesConvertByTheDisplay) {
  struct Case {
    const char* name;
    Row row;
    UnitOptions units;
    const char* shown;
    const char* typed;
    double stored;
  };
  const UnitOptions imperial{};
  const UnitOptions metric{.metric = true};
  const UnitOptions per_gj{.metric = true, .gas_per_gj = true};
  const UnitOptions keep_all{true, true, true, true, false};
  const Case cases[] = {
      {"kW shown, a new value typed", kHeatLoad, metric, "14.6", "14.7", 50171},
      {"kW retyped the same at one decimal", kHeatLoad, metric, "14.6", "14.64", 50000},
      {"Btu/h kept", kHeatLoad, keep_all, "50000", "51000", 51000},
      {"Btu/h grouped", kHeatLoad, imperial, "50000", "51,000", 51000},
      {"°C to the half degree", kSetPoint, metric, "7.5", "21", 70},
      {"°F kept", kSetPoint, keep_all, "45", "70", 70},
      {"C degrees", kDeltaT, metric, "9.5", "40", 72},
      {"metres", kDepth, metric, "30.5", "10", 32.8084},
      {"gas per m3", kGas, metric, "0.023", "0.4", 1.1328},
      {"gas per GJ", kGas, per_gj, "0.614", "10", 1.0673},
      {"gas per Ccf", kGas, imperial, "0.066", "1.25", 1.25},
      {"propane per litre", kPropane, metric, "0.326", "1", 3.785},
      {"propane per gallon, no leading zero", kPropane, imperial, "1.235", ".5", 0.5},
      {"a plain value in metric", kTons, metric, "2.5", "3", 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ProjectRec rec = awkward_project();
    UnitMemos memos;
    const UnitBinding& b = kBindings[c.row];
    EXPECT_EQ(show_value(b, rec, c.units, memos), c.shown);
    store_value(b, c.typed, rec, c.units, memos);
    EXPECT_NEAR(b.field.get(rec), c.stored, 1e-9);
  }
}

TEST(UnitBindingTest, LeavingACelsiusBoxRoundsToTheHalfDegree) {
  const UnitOptions celsius{.metric = true};
  const UnitOptions fahrenheit{.metric = true, .keep_fahrenheit = true};
  const UnitBinding& b = kBindings[kSetPoint];
  EXPECT_EQ(left_text(b, "40.3", celsius), "40.5");
  EXPECT_EQ(left_text(b, "40.2", celsius), "40.0");
  EXPECT_EQ(left_text(b, "abc", celsius), "abc");  // no number: kept, to be refused
  EXPECT_EQ(left_text(b, "12 ft", celsius), "12 ft");
  EXPECT_EQ(left_text(b, "40.3", fahrenheit), "40.3");
  EXPECT_EQ(left_text(kBindings[kDeltaT], "40.3", celsius), "40.3");  // no leave rule
}

// A text that shows no number stores nothing: the field keeps what it held, and the box is
// named with its text and the comma that is the cause: one that cannot separate thousands, or
// one in a box with decimals that may stand for a decimal point.
TEST(UnitBindingTest, ATextThatShowsNoNumberKeepsTheField) {
  const UnitOptions imperial{};
  const UnitOptions metric{.metric = true};
  struct Case {
    Row row;
    UnitOptions units;
    const char* text;
    Comma comma;
  };
  const Case cases[] = {
      {kHeatLoad, imperial, "12 ft", Comma::None},
      {kHeatLoad, imperial, "1,90", Comma::Decimal},
      {kHeatLoad, imperial, "$", Comma::None},
      {kHeatLoad, imperial, "1.2.3", Comma::None},
      {kHeatLoad, imperial, "0,459", Comma::Decimal},
      {kHeatLoad, metric, "14,600", Comma::Ambiguous},
      {kGas, imperial, "0,459", Comma::Decimal},
      {kGas, imperial, "1,234", Comma::Ambiguous},
      {kGas, metric, "1,234", Comma::Ambiguous},
      {kPropane, imperial, "1,250", Comma::Ambiguous},
      {kTons, imperial, "2,500", Comma::Ambiguous},
      {kSetPoint, metric, "21,5", Comma::Decimal},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    ProjectRec rec = awkward_project();
    const ProjectRec before = rec;
    UnitMemos memos;
    const auto unread = store_value(kBindings[c.row], c.text, rec, c.units, memos);
    ASSERT_TRUE(unread.has_value());
    EXPECT_EQ(unread->text, c.text);
    EXPECT_EQ(unread->comma, c.comma);
    EXPECT_TRUE(rec == before);
  }
  // Whole numbers keep their groups: Btu/h and whole °F.
  ProjectRec rec = awkward_project();
  UnitMemos memos;
  EXPECT_FALSE(store_value(kBindings[kHeatLoad], "1,234", rec, imperial, memos).has_value());
  EXPECT_EQ(rec.Loads_HeatLoad, 1234);
}

TEST(UnitBindingTest, EntriesBeyondTheFieldClampInsteadOfWrapping) {
  ProjectRec rec{};
  UnitMemos memos;
  store_value(kBindings[kSetPoint], "1e9", rec, UnitOptions{}, memos);
  EXPECT_EQ(rec.Loads_HeatSetPoint, 32767);
  store_value(kBindings[kHeatLoad], "-1e99", rec, UnitOptions{}, memos);
  EXPECT_EQ(rec.Loads_HeatLoad, -2147483647 - 1);
}

TEST(UnitBindingTest, SharedOrMissingSlotsAreFound) {
  using Pair = std::optional<std::pair<std::size_t, std::size_t>>;
  const UnitBinding a{.slot = 10}, b{.slot = 12}, same_as_a{.slot = 10}, none{},
      beyond{.slot = 101};
  struct Case {
    const char* name;
    std::vector<UnitBinding> table;
    Pair expected;
  };
  const Case cases[] = {
      {"apart", {a, b}, std::nullopt},
      {"shared", {a, b, same_as_a}, std::pair<std::size_t, std::size_t>{0, 2}},
      {"no slot", {a, none}, std::pair<std::size_t, std::size_t>{1, 1}},
      {"beyond the memo", {beyond}, std::pair<std::size_t, std::size_t>{0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(shared_memo_slot(c.table), c.expected);
  }
  EXPECT_EQ(shared_memo_slot(kBindings), std::nullopt);
}

}  // namespace
}  // namespace pellavan::model
