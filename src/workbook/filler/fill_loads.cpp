// Loads: climate, bins and load results, texts of dealer, client and project, unit flags,
// comparison columns, building inputs and the maker captions, in the order of the fill.
#include <array>
#include <string>

#include "model/project/system_kinds.h"
#include "workbook/filler/cell_writes.h"
#include "workbook/filler/fill_steps.h"
#include "workbook/filler/loads_texts.h"
#include "workbook/report_sheets.h"

namespace pellavan::workbook {

namespace {

// The captions of edition 0, the only edition the program runs.
constexpr std::string_view kMakerCompanyCaption = "Oskerby, Inc.";
constexpr std::string_view kMakerUnitCaption = "Oskerby Unit";

void put_climate_and_bins(FillContext& ctx) {
  const model::CityRec& city = ctx.model.CityRec;
  set_text_cell(ctx, "C2", trimmed_text(city.City) + ", " + trimmed_text(city.State));
  constexpr int kHours = 4, kNetLoad = 5, kDhwLoad = 6;  // columns D, E, F; bin b in row b + 1
  for (int bin = 1; bin <= 30; ++bin) put(ctx, {bin + 1, kHours}, city.WeatherData(bin));
  put(ctx, "C3", city.WeatherData(31));  // heating design temperature
  put(ctx, "C4", city.WeatherData(32));  // cooling design temperature
  put(ctx, "C5", city.WeatherData(33));  // degree days
  put(ctx, "C6", city.WeatherData(36));  // deep-earth temperature
  put(ctx, "C7", city.WeatherData(37));  // annual surface swing
  put(ctx, "C8", city.WeatherData(38));  // phase lag
  for (int bin = 1; bin <= 30; ++bin) {
    put(ctx, {bin + 1, kNetLoad}, ctx.loads.BinNetLoad(bin));
    put(ctx, {bin + 1, kDhwLoad}, ctx.loads.BinDhwLoad(bin));
  }
  put(ctx, "C19", ctx.loads.HtgCorr);
  put(ctx, "C20", ctx.loads.IntGains);
  put(ctx, "C21", ctx.loads.BldgBalPt);
  put(ctx, "C22", ctx.loads.AnnHtg);
  put(ctx, "C23", ctx.loads.AnnClg);
  put(ctx, "C24", ctx.loads.AnnDhw);
  put(ctx, "C25", ctx.loads.DhwBtuh);
}

// Six rows of column A, alike for the dealer and the client: name, address, city line, two
// phone numbers and notes.
struct AddressRows {
  const model::Text<40>& name;
  const model::Text<40>& address;
  const model::Text<40>& city;
  const model::Text<5>& state;
  const model::Text<15>& zip;
  const model::Text<20>& phone;
  const model::Text<20>& second_phone;
  const model::Text<60>& notes;
};

void put_address_rows(FillContext& ctx, int first_row, const AddressRows& a) {
  constexpr int kColA = 1;
  put(ctx, {first_row, kColA}, a.name);
  put(ctx, {first_row + 1, kColA}, a.address);
  set_text_cell(
      ctx, first_row + 2, kColA,
      stored_field_text(city_line(field_bytes(a.city), field_bytes(a.state), field_bytes(a.zip))));
  put(ctx, {first_row + 3, kColA}, a.phone);
  put(ctx, {first_row + 4, kColA}, a.second_phone);
  put(ctx, {first_row + 5, kColA}, a.notes);
}

void put_dealer(FillContext& ctx) {
  const model::ProjectRec& p = ctx.model.ProjectRec;
  put_address_rows(ctx, 2,
                   {p.Dealer_Name, p.Dealer_Address, p.Dealer_City, p.Dealer_State, p.Dealer_Zip,
                    p.Dealer_Phone, p.Dealer_Fax, p.Dealer_Notes});
  put(ctx, "A37", p.Dealer_Contact);
  put(ctx, "A38", p.Dealer_CellPhone);
  put(ctx, "A39", p.Dealer_Email);
}

// The flags are "1" or empty; without metric display every flag is cleared and the currency
// descriptor keeps its last text.
void put_unit_flags(FillContext& ctx) {
  const model::MetricFlags& flag = ctx.model.MetricFlag;
  const bool metric = flag(model::kMetricDisplay) != 0;
  put_flag(ctx, "A1", metric);
  put_flag(ctx, "B37", metric && flag(model::kKeepFahrenheit) != 0);
  put_flag(ctx, "B38", metric && flag(model::kKeepBtuh) != 0);
  put_flag(ctx, "B40", metric && flag(model::kKeepFeet) != 0);
  if (metric) put_stored(ctx, "B39", ctx.model.CurrencyLabel);
  ctx.ReportWorkbook.set_active_sheet(kRatesSheet);
  put_flag(ctx, "E5", metric && flag(model::kGasPerGj) != 0);
  ctx.ReportWorkbook.set_active_sheet(kLoadsSheet);
}

void put_client_and_project(FillContext& ctx) {
  const model::ProjectRec& p = ctx.model.ProjectRec;
  put_address_rows(ctx, 8,
                   {p.Client_Name, p.Client_Address, p.Client_City, p.Client_State, p.Client_Zip,
                    p.Client_HomePhone, p.Client_WorkPhone, p.Client_Notes});
  put(ctx, "A40", p.Client_CellPhone);
  put(ctx, "A41", p.Client_Email);
  put(ctx, "A14", p.Project_Title);
  put(ctx, "A15", p.Project_Number);
  set_text_cell(ctx, "A16", ctx.ProjectFileTitle);
  // A date never set holds day 0 (12/30/1899): the cell stays empty.
  if (p.Project_Date.serial == 0)
    set_text_cell(ctx, "A17", "");
  else
    put(ctx, "A17", p.Project_Date);
  const auto notes =
      notes_lines(std::string_view(p.Project_Notes.bytes().data(), p.Project_Notes.kWidth));
  for (int line = 0; line < 3; ++line)
    set_text_cell(ctx, 18 + line, 1, stored_field_text(notes[line]));  // A18:A20
}

// A column whose system rests on a refused figure or a damaged record is written as no system,
// kept out (C30:C32), its description naming what it rests on ("Second Unit Quantity Out of
// Range"): the Project Report shows no cost for it.
void put_systems(FillContext& ctx) {
  const model::ProjectRec& p = ctx.model.ProjectRec;
  const std::array descriptions = {&p.System1_Description, &p.System2_Description,
                                   &p.System3_Description};
  const std::array types = {p.System1_Type, p.System2_Type, p.System3_Type};
  for (int i = 0; i < 3; ++i) {
    const auto k = static_cast<std::size_t>(i);
    model::SystemType type = model::SystemType::NoSystem;
    const model::StoredFigure* refused =
        model::system_type_from_code(types[k], type) ? ctx.kept_out(type) : nullptr;
    if (refused == nullptr) {
      put(ctx, CellAt(30 + i, 2), *descriptions[k]);
      put(ctx, CellAt(30 + i, 1), types[k]);
    } else {
      set_text_cell(ctx, CellAt(30 + i, 2), refused->column_words());
      put(ctx, CellAt(30 + i, 1), model::Int16{0});
      put(ctx, CellAt(30 + i, 3), model::Int16{1});
    }
  }
}

void put_building(FillContext& ctx) {
  const model::ProjectRec& p = ctx.model.ProjectRec;
  put(ctx, "C9", p.Loads_HeatLoad);
  put(ctx, "C10", p.Loads_HeatDeltaT);
  put(ctx, "C11", p.Loads_CoolLoad);
  put(ctx, "C12", p.Loads_CoolDeltaT);
  put(ctx, "C13", p.Loads_DhwTemp);
  put(ctx, "C14", p.Loads_DhwUsers);
  put(ctx, "C15", p.Loads_ContFan);
  put(ctx, "C16", p.Loads_HeatSetPoint);
  put(ctx, "C17", p.Loads_CoolSetPoint);
  put(ctx, "C18", p.Loads_CoolStart);
  put(ctx, "C26", p.Loads_SolarGain);
  put(ctx, "C27", p.Loads_OccupancyGain);
  put(ctx, "C28", p.Loads_ElecGain);
  put(ctx, "C29", p.Loads_Construction);
  // Fill_ReportWorkbook refuses a project whose cooling load is 0 before any step runs.
  put(ctx, "A27",
      static_cast<double>(p.Loads_SensibleLoad) / static_cast<double>(p.Loads_CoolLoad));
}

}  // namespace

void fill_loads(FillContext& ctx) {
  ctx.ReportWorkbook.set_active_sheet(kLoadsSheet);
  put_climate_and_bins(ctx);
  put_dealer(ctx);
  put_unit_flags(ctx);
  put_client_and_project(ctx);
  put_systems(ctx);
  put_building(ctx);
  set_text_cell(ctx, "B34", kMakerCompanyCaption);
  set_text_cell(ctx, "B35", kMakerUnitCaption);
}

}  // namespace pellavan::workbook
