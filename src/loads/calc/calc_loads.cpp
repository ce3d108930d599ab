#include <string>

#include "loads/calc/load_calculation.h"
#include "model/catalogue/catalogue_files.h"
#include "model/catalogue/catalogue_scan.h"
#include "model/text/ascii.h"
#include "model/units/number_text.h"
#include "model/units/rounding.h"
#include "model/record/cell_text_forms.h"

namespace pellavan::loads {

namespace {

using model::currency_text;
using model::integer_text;

// Rows of the building inputs in column A, in the order of the project record's fields.
struct BuildingInput {
  int row;
  model::NumberField<model::ProjectRec> field;
};

template <auto Member>
constexpr BuildingInput input(int row) {
  return {row, model::number_field<Member>()};
}

constexpr BuildingInput kBuildingInputs[] = {
    input<&model::ProjectRec::Loads_HeatLoad>(17),
    input<&model::ProjectRec::Loads_HeatDeltaT>(18),
    input<&model::ProjectRec::Loads_CoolLoad>(19),
    input<&model::ProjectRec::Loads_CoolDeltaT>(20),
    input<&model::ProjectRec::Loads_DhwTemp>(21),
    input<&model::ProjectRec::Loads_DhwUsers>(22),
    input<&model::ProjectRec::Loads_HeatSetPoint>(24),
    input<&model::ProjectRec::Loads_CoolSetPoint>(25),
    input<&model::ProjectRec::Loads_CoolStart>(26),
    input<&model::ProjectRec::Loads_SolarGain>(28),
    input<&model::ProjectRec::Loads_OccupancyGain>(29),
    input<&model::ProjectRec::Loads_ElecGain>(30),
    input<&model::ProjectRec::Loads_Construction>(31),
};

constexpr int kColA = 1, kColB = 2, kColD = 4, kColF = 6, kColG = 7, kColH = 8, kColI = 9,
              kColJ = 10, kColK = 11;

double number_at(const sheet::BookControl& book, int row, int col) {
  return model::Val(book.cell_text(row, col));
}

model::Currency currency_at(const sheet::BookControl& book, int row, int col) {
  return model::Currency::from_double_saturated(number_at(book, row, col));
}

void write_inputs(const model::ModelState& model, std::span<const model::StoredFigure> kept_out,
                  sheet::BookControl& book) {
  const model::CityRec& city = model.CityRec;
  book.set_active_sheet(1);
  for (int j = 1; j <= 30; ++j)
    book.set_cell_text(j + 1, kColD, currency_text(city.WeatherData(j)));
  for (int k = 31; k <= 38; ++k)
    book.set_cell_text(k - 28, kColB, currency_text(city.WeatherData(k)));
  book.set_cell_text(2, kColB, model::stored_text(city.City));
  const model::ProjectRec& p = model.ProjectRec;
  for (const BuildingInput& in : kBuildingInputs)
    book.set_cell_text(
        in.row, kColA,
        integer_text(static_cast<model::Int32>(model::analysed_figure(kept_out, in.field, p))));
}

void read_results(const sheet::BookControl& book, model::LoadCalcState& loads) {
  for (int j = 1; j <= 30; ++j) {
    loads.BinNetLoad(j) = currency_at(book, j + 1, kColG);
    loads.BinDhwLoad(j) = currency_at(book, j + 1, kColH);
  }
  loads.HtgCorr = currency_at(book, 13, kColB);
  loads.IntGains = currency_at(book, 14, kColB);
  loads.BldgBalPt = currency_at(book, 33, kColF);
  loads.DhwBtuh = currency_at(book, 33, kColG);
  loads.AnnDhw = currency_at(book, 33, kColH);
  loads.AnnHtg = currency_at(book, 33, kColI);
  loads.AnnClg = currency_at(book, 33, kColJ);
  loads.CdLow = currency_at(book, 7, kColB);
  loads.CdHigh = currency_at(book, 6, kColB);
  loads.GainsWhole = model::round_to_int32(number_at(book, 14, kColB));
  loads.BalPtWhole = model::round_to_int32(number_at(book, 33, kColF));
}

}  // namespace

LoadCalcStatus Calc_Loads(model::ModelState& model, sheet::BookControl& BuildingLoadWorkbook,
                          model::LoadCalcState& loads,
                          std::span<const model::StoredFigure> kept_out) {
  loads.LoadsInvalid = 0;
  loads.CityMissing = 0;
  const bool city_found =
      model::find_catalogue_record(model.data_files, model.program_folder, model::kCityFile,
                                   model.ProjectRec.Loads_CityId, model.CityRec);
  sheet::BookControl& book = BuildingLoadWorkbook;
  write_inputs(model, kept_out, book);
  loads.HtgDesignTemp = model::round_to_int32(model.CityRec.WeatherData(31).to_double());
  book.set_cell_formula(34, kColK, "K34+1");  // the pass counter counts this recalculation from 1
  book.recalc();
  read_results(book, loads);
  if (!city_found) {
    loads.LoadsInvalid = 1;
    loads.CityMissing = 1;
    return LoadCalcStatus::kCityNotFound;
  }
  if (model::trim_blanks(book.cell_text(11, kColB)) != "TRUE") {  // an error value is no pass
    loads.LoadsInvalid = 1;
    return LoadCalcStatus::kInvalid;
  }
  return LoadCalcStatus::kValid;
}

}  // namespace pellavan::loads
