#include "systems/geo/geo_block.h"

#include "model/input/stored_figures.h"
#include "model/text/ascii.h"

namespace pellavan::geo {

std::string unit_data_refusal(model::CatalogueLookup lookup, std::string_view file,
                              model::Int16 id) {
  if (lookup == model::CatalogueLookup::kFound) return {};
  if (lookup == model::CatalogueLookup::kDamaged) return model::damaged_record_words(file, id);
  return "Unit Data Not Found";
}

// Blanks, tabs and the NULs of a field never assigned.
std::string_view trimmed(std::string_view text) {
  return model::trim_blanks(text, std::string_view(" \t\0", 3));
}

bool equal_ci(std::string_view a, std::string_view b) {
  return model::equal_ignoring_case(trimmed(a), trimmed(b));
}

bool starts_with_ci(std::string_view text, std::string_view prefix) {
  text = trimmed(text);
  return text.size() >= prefix.size() && equal_ci(text.substr(0, prefix.size()), prefix);
}

LoopKind loop_kind(std::string_view loop_name) {
  if (starts_with_ci(loop_name, "Horz") || starts_with_ci(loop_name, "Slinky"))
    return LoopKind::Horizontal;
  if (starts_with_ci(loop_name, "Vert")) return LoopKind::Vertical;
  return LoopKind::Other;
}

bool open_loop(std::string_view loop_name) {
  return starts_with_ci(loop_name, "Well Water") || starts_with_ci(loop_name, "Pond");
}

bool is_well_water(std::string_view loop_name) { return equal_ci(loop_name, "Well Water"); }

bool electric_heater(std::string_view heater_name) {
  return starts_with_ci(heater_name, "Electric");
}

bool full_hot_water_heater(std::string_view heater_name) {
  constexpr std::string_view kGeo = "Geo";
  for (std::size_t at = 0; at + kGeo.size() <= heater_name.size(); ++at)
    if (model::equal_ignoring_case(heater_name.substr(at, kGeo.size()), kGeo)) return true;
  return false;
}

std::string soil_picture(std::string_view loop_name, bool metric_display) {
  const bool vertical = starts_with_ci(loop_name, "Vert");
  std::string name = vertical ? "VertSoil" : "HorzSoil";
  if (metric_display) name += "m";
  return name + ".bmp";
}

std::string aux_mode_picture(std::string_view heater_name) {
  return electric_heater(heater_name) ? "AuxHeatElec.bmp" : "AuxHeat.bmp";
}

std::string describe(std::string_view unit, std::string_view second_unit, std::string_view loop,
                     std::string_view joiner) {
  std::string text(trimmed(unit));
  if (!second_unit.empty()) text.append(joiner).append(trimmed(second_unit));
  return text.append(joiner).append(trimmed(loop));
}

int write_descriptions(model::ProjectRec& rec, model::SystemType kind,
                       std::string_view description) {
  struct Column {
    model::Int16 model::ProjectRec::*type;
    model::Int16 model::ProjectRec::*freeze;
    model::Text<75> model::ProjectRec::*text;
  };
  static constexpr Column kColumns[] = {
      {&model::ProjectRec::System1_Type, &model::ProjectRec::System1_Freeze,
       &model::ProjectRec::System1_Description},
      {&model::ProjectRec::System2_Type, &model::ProjectRec::System2_Freeze,
       &model::ProjectRec::System2_Description},
      {&model::ProjectRec::System3_Type, &model::ProjectRec::System3_Freeze,
       &model::ProjectRec::System3_Description},
  };
  int written = 0;
  for (const Column& c : kColumns) {
    if (rec.*c.type != model::code_of(kind) || rec.*c.freeze != 0) continue;
    model::assign_utf8(rec.*c.text, description);
    ++written;
  }
  return written;
}

}  // namespace pellavan::geo
