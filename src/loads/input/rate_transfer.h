#pragma once
// The rate block of the project and a rate file's record, field by field: the twelve prices and
// six inflation rates with their kind of quantity, the provider names and the description.
// Prices are held per kWh, per Ccf and per US gallon in both, whatever the display.

#include <array>
#include <span>

#include "model/input/range_check.h"
#include "model/input/record_field.h"
#include "model/input/unit_options.h"
#include "model/records/project_rec.h"
#include "model/records/rates_rec.h"

namespace pellavan::loads {

struct RateField {
  model::NumberField<model::ProjectRec> project;
  model::Currency model::RatesRec::*file;
  model::Quantity quantity;
  bool inflation;
};

using model::ProjectRec;
using model::Quantity;
using model::RatesRec;
template <auto P>
constexpr auto rate_number() {
  return model::number_field<P>();
}

// Prices in the order they are checked, then the inflation rates.
inline constexpr RateField kRateFields[] = {
    {rate_number<&ProjectRec::Rates_GeoElecSummer>(), &RatesRec::GeoElecSummer, Quantity::Plain,
     false},
    {rate_number<&ProjectRec::Rates_GeoElecWinter>(), &RatesRec::GeoElecWinter, Quantity::Plain,
     false},
    {rate_number<&ProjectRec::Rates_HeatPumpElecSummer>(), &RatesRec::HeatPumpElecSummer,
     Quantity::Plain, false},
    {rate_number<&ProjectRec::Rates_HeatPumpElecWinter>(), &RatesRec::HeatPumpElecWinter,
     Quantity::Plain, false},
    {rate_number<&ProjectRec::Rates_FossilElecSummer>(), &RatesRec::FossilElecSummer,
     Quantity::Plain, false},
    {rate_number<&ProjectRec::Rates_FossilElecWinter>(), &RatesRec::FossilElecWinter,
     Quantity::Plain, false},
    {rate_number<&ProjectRec::Rates_GasSummer>(), &RatesRec::GasSummer, Quantity::GasPrice, false},
    {rate_number<&ProjectRec::Rates_GasWinter>(), &RatesRec::GasWinter, Quantity::GasPrice, false},
    {rate_number<&ProjectRec::Rates_PropaneSummer>(), &RatesRec::PropaneSummer,
     Quantity::LiquidFuelPrice, false},
    {rate_number<&ProjectRec::Rates_PropaneWinter>(), &RatesRec::PropaneWinter,
     Quantity::LiquidFuelPrice, false},
    {rate_number<&ProjectRec::Rates_OilSummer>(), &RatesRec::OilSummer, Quantity::LiquidFuelPrice,
     false},
    {rate_number<&ProjectRec::Rates_OilWinter>(), &RatesRec::OilWinter, Quantity::LiquidFuelPrice,
     false},
    {rate_number<&ProjectRec::Rates_GeoElecInflation>(), &RatesRec::GeoElecInflation,
     Quantity::Plain, true},
    {rate_number<&ProjectRec::Rates_HeatPumpElecInflation>(), &RatesRec::HeatPumpElecInflation,
     Quantity::Plain, true},
    {rate_number<&ProjectRec::Rates_FossilElecInflation>(), &RatesRec::FossilElecInflation,
     Quantity::Plain, true},
    {rate_number<&ProjectRec::Rates_GasInflation>(), &RatesRec::GasInflation, Quantity::Plain,
     true},
    {rate_number<&ProjectRec::Rates_PropaneInflation>(), &RatesRec::PropaneInflation,
     Quantity::Plain, true},
    {rate_number<&ProjectRec::Rates_OilInflation>(), &RatesRec::OilInflation, Quantity::Plain,
     true},
};
inline constexpr int kRateCount = static_cast<int>(std::size(kRateFields));

// Each rate as a message about a stored figure names it, in kRateFields' order.
inline constexpr const char* kRateWords[] = {
    "Geothermal Electric Summer Rate",
    "Geothermal Electric Winter Rate",
    "Heat Pump Electric Summer Rate",
    "Heat Pump Electric Winter Rate",
    "Fossil Fuel Electric Summer Rate",
    "Fossil Fuel Electric Winter Rate",
    "Natural Gas Summer Rate",
    "Natural Gas Winter Rate",
    "Propane Summer Rate",
    "Propane Winter Rate",
    "Fuel Oil Summer Rate",
    "Fuel Oil Winter Rate",
    "Geothermal Electric Inflation Rate",
    "Heat Pump Electric Inflation Rate",
    "Fossil Fuel Electric Inflation Rate",
    "Natural Gas Inflation Rate",
    "Propane Inflation Rate",
    "Fuel Oil Inflation Rate",
};
static_assert(std::size(kRateWords) == kRateCount);

// Test_Data's row of kRateFields[i]: prices within the range the analysis has been used with,
// in stored units.
constexpr model::RangeCheck rate_check(int i, model::ControlRef box) {
  const bool inflation = kRateFields[i].inflation;
  return {.name = inflation ? "inflation rate" : "price",
          .field = kRateFields[i].project,
          .value = i,
          .imperial = inflation ? model::Range{-0.99, 0.99} : model::Range{0, 10000},
          .text = inflation ? "Inflation Rate Outside of Valid Range of -99% to 99%"
                            : "One or More Rates Outside of Valid Range of 0 to 10,000",
          .focus = box,
          .words = kRateWords[i],
          .shown_as = kRateFields[i].quantity};
}

// The rows without boxes.
[[nodiscard]] std::span<const model::RangeCheck> rate_checks();

// The provider names and the description (25 characters each in a file, 50 the description).
struct RateText {
  model::TextField<ProjectRec> project;
  model::TextField<RatesRec> file;
};
inline constexpr RateText kRateTexts[] = {
    {model::text_field<&ProjectRec::Rates_ElecUtility>(),
     model::text_field<&RatesRec::ElecUtility>()},
    {model::text_field<&ProjectRec::Rates_GasUtility>(),
     model::text_field<&RatesRec::GasUtility>()},
    {model::text_field<&ProjectRec::Rates_PropaneProvider>(),
     model::text_field<&RatesRec::PropaneProvider>()},
    {model::text_field<&ProjectRec::Rates_OilProvider>(),
     model::text_field<&RatesRec::OilProvider>()},
    {model::text_field<&ProjectRec::Rates_Description>(),
     model::text_field<&RatesRec::Description>()},
};

// The rate block of `rates` into the record a rate file saves (reserved bytes kept): the flags
// and currency say the display it was saved in.
void rates_to_file(const ProjectRec& rates, const model::UnitOptions& units, RatesRec& file);
// A rate file's values into the rate block of `rates` (the rest of it unchanged).
void rates_from_file(const RatesRec& file, ProjectRec& rates);

// Each row checks the value of kRateFields[row.value].
class RateCheckValues : public model::CheckValues {
 public:
  explicit RateCheckValues(const ProjectRec& rec) : rec_(rec) {}
  [[nodiscard]] double value(const model::RangeCheck& row, model::Display display) const override;

 private:
  const ProjectRec& rec_;
};

}  // namespace pellavan::loads
