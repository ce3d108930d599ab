#pragma once
// The Geo T unit's capacity limits: four short lists of fractions of the unit's maximum rated
// capacity (item data ten times the fraction), shown as capacities in Btu/h. After a unit
// choice an entry reads capacity x fraction in single precision ("28800"); after the quantity
// box it reads quantity x capacity x fraction / 4, whole, with at least three digits ("075").

#include <span>
#include <string>
#include <vector>

#include "model/catalogue/catalogue_scan.h"
#include "model/records/t_unit_rec.h"

namespace pellavan::geo {

enum class CapacityLimit { HeatMax, CoolMax, HeatMin, CoolMin };

struct CapacityLimitList {
  CapacityLimit limit;
  std::span<const int> items;  // ten times the fractions, in list order
  int default_item;
};

inline constexpr int kMaximumItems[] = {6, 7, 8, 9, 10};
inline constexpr int kMinimumItems[] = {3, 4, 5};

// In the order the lists are built.
inline constexpr CapacityLimitList kCapacityLimitLists[] = {
    {CapacityLimit::HeatMax, kMaximumItems, 10},
    {CapacityLimit::CoolMax, kMaximumItems, 8},
    {CapacityLimit::HeatMin, kMinimumItems, 3},
    {CapacityLimit::CoolMin, kMinimumItems, 3},
};

struct CapacityEntry {
  int item = 0;
  std::string text;
};

// The entries of one list: `quantity` 0 gives the unit form, any other the quantity form.
[[nodiscard]] std::vector<CapacityEntry> capacity_entries(const CapacityLimitList& list,
                                                          float rated_max, double quantity);
// capacity x fraction in single precision, in its general text form.
[[nodiscard]] std::string unit_capacity_text(float rated_max, int item);
// quantity x capacity x fraction / 4, rounded whole, at least three digits.
[[nodiscard]] std::string quantity_capacity_text(double quantity, float rated_max, int item);

// The item a stored fraction selects: ten times the fraction when that is whole, else 0 (as for
// a fraction never stored).
[[nodiscard]] int item_of_fraction(double fraction);
[[nodiscard]] constexpr double fraction_of_item(int item) { return item / 10.0; }

// Why the T-unit record of that id cannot be used (not found, damaged, or capacities zero or
// less); empty when it can.
[[nodiscard]] std::string unit_record_refusal(model::CatalogueLookup lookup, model::Int16 id,
                                              const model::TUnitRec& unit);

}  // namespace pellavan::geo
