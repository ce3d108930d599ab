#include "sheet_view/numbered_settings.h"

#include <array>
#include <utility>

#include "sheet/errors.h"

namespace pellavan::sheet::view {

namespace {

constexpr std::array<std::pair<int, Feature>, 16> kSwitches = {{
    {1, Feature::kHeadings},
    {14, Feature::kHeadings},
    {15, Feature::kHeadings},
    {16, Feature::kGrid},
    {24, Feature::kGrid},
    {35, Feature::kTabs},
    {53, Feature::kTabs},
    {59, Feature::kEditing},
    {67, Feature::kEditing},
    {72, Feature::kEditing},
    {73, Feature::kEditing},
    {75, Feature::kEditing},
    {64, Feature::kSelection},
    {100, Feature::kSelection},
    {109, Feature::kSelection},
    {110, Feature::kSelection},
}};

}  // namespace

std::optional<NumberedSetting> numbered_setting(int number) {
  for (const auto& [n, feature] : kSwitches) {
    if (n == number) return NumberedSetting::kFeature;
  }
  switch (number) {
    case 6:
    case 25: return NumberedSetting::kReportLayout;
    case 37: return NumberedSetting::kPrintCentred;
    case 80: return NumberedSetting::kPrintGridLines;
    case 81: return NumberedSetting::kJobName;
    case 94: return NumberedSetting::kProductName;
    default: return std::nullopt;
  }
}

Feature feature_of(int number) {
  for (const auto& [n, feature] : kSwitches) {
    if (n == number) return feature;
  }
  throw BadCall("setting " + std::to_string(number) + " switches no part of a view");
}

}  // namespace pellavan::sheet::view
