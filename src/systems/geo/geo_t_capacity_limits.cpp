#include "systems/geo/geo_t_capacity_limits.h"

#include <cmath>
#include <cstdio>

#include "model/catalogue/catalogue_files.h"
#include "systems/geo/geo_block.h"

namespace pellavan::geo {

namespace {
float single_fraction(int item) { return static_cast<float>(item) / 10.0f; }
}  // namespace

std::string unit_capacity_text(float rated_max, int item) {
  const float product = rated_max * single_fraction(item);
  char text[64];
  std::snprintf(text, sizeof text, "%.7G", static_cast<double>(product));
  return text;
}

std::string quantity_capacity_text(double quantity, float rated_max, int item) {
  const double product =
      quantity * static_cast<double>(rated_max) * static_cast<double>(single_fraction(item)) / 4.0;
  if (!std::isfinite(product)) return "0";
  char text[400];
  std::snprintf(text, sizeof text, "%03.0f", std::round(product));
  return text;
}

std::vector<CapacityEntry> capacity_entries(const CapacityLimitList& list, float rated_max,
                                            double quantity) {
  std::vector<CapacityEntry> entries;
  for (const int item : list.items)
    entries.push_back({item, quantity == 0 ? unit_capacity_text(rated_max, item)
                                           : quantity_capacity_text(quantity, rated_max, item)});
  return entries;
}

int item_of_fraction(double fraction) {
  const double item = fraction * 10.0;
  if (!std::isfinite(item) || std::abs(item) > 1e6) return 0;
  const double whole = std::round(item);
  return std::abs(item - whole) < 1e-6 ? static_cast<int>(whole) : 0;  // 0.65 is no item
}

std::string unit_record_refusal(model::CatalogueLookup lookup, model::Int16 id,
                                const model::TUnitRec& unit) {
  std::string refusal = unit_data_refusal(lookup, model::kAnalysisTUnitFile, id);
  if (!refusal.empty()) return refusal;
  const float low = unit.RatedCapMin;
  const float high = unit.RatedCapMax;
  if (!std::isfinite(low) || !std::isfinite(high) || low < 0 || high <= 0)
    return "Unit Data Damaged -- Please Choose Another Unit";
  return {};
}

}  // namespace pellavan::geo
