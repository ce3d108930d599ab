#include "model/project/comparison_columns.h"

#include <algorithm>
#include <optional>
#include <vector>
#include <string>
#include <stdexcept>
#include <utility>

#include "model/project/project_tags.h"
#include "model/text/ascii.h"
#include "model/text/cp1252.h"

namespace pellavan::model {
namespace {

std::string without_nuls_trimmed(std::string s) {
  std::erase(s, '\0');
  return std::string(trim_blanks(s));
}

// A name field as the descriptions use it: blanks trimmed, NULs of a never-written field dropped.
template <std::size_t N>
std::string name_text(const Text<N>& field) {
  return utf8_from_cp1252(without_nuls_trimmed(field.str()));
}

template <std::size_t N>
std::string description_text(const Text<N>& field, bool trim) {
  return utf8_from_cp1252(trim ? field.trimmed() : field.str());
}

}  // namespace

std::optional<std::string> unknown_systems_notice(const ProjectRec& rec) {
  const std::array types = {rec.System1_Type, rec.System2_Type, rec.System3_Type};
  std::vector<std::string> options, codes;
  for (std::size_t i = 0; i < types.size(); ++i) {
    SystemType kind{};
    if (system_type_from_code(types[i], kind)) continue;
    options.push_back(std::to_string(i + 1));
    codes.push_back(std::to_string(types[i]));
  }
  if (options.empty()) return std::nullopt;
  // "2", "2 and 3", "1, 2 and 3"
  const auto listed = [](const std::vector<std::string>& items) {
    std::string text = items.front();
    for (std::size_t k = 1; k < items.size(); ++k)
      text.append(k + 1 == items.size() ? " and " : ", ").append(items[k]);
    return text;
  };
  const bool one = options.size() == 1;
  std::string text = one ? "Option " : "Options ";
  text.append(listed(options)).append(one ? " Holds System Code " : " Hold System Codes ");
  text.append(listed(codes)).append(", Which This Version of Pellavan Does Not Know -- ");
  return text.append(one ? "It Is Shown as No System" : "They Are Shown as No System");
}

ComparisonColumns::ComparisonColumns(LoopNameLookup lookup) : lookup_(std::move(lookup)) {}

const ComparisonColumns::Row& ComparisonColumns::row(int n) const {
  if (n < 1 || n > kRows) throw std::out_of_range("comparison row " + std::to_string(n));
  return rows_[static_cast<std::size_t>(n - 1)];
}

ComparisonColumns::Row& ComparisonColumns::row_ref(int n) {
  return const_cast<Row&>(std::as_const(*this).row(n));
}

void ComparisonColumns::select(int n, SystemType kind, const ProjectRec& rec) {
  Row& target = row_ref(n);
  if (target.selected == kind) return;
  target.selected = kind;
  if (kind != SystemType::NoSystem)
    for (int m = 1; m <= kRows; ++m)
      if (m != n && row(m).selected == kind) select(m, SystemType::NoSystem, rec);
  Show_Unit(n, rec);
}

void ComparisonColumns::set_frozen(int n, bool frozen, const ProjectRec& rec) {
  Row& target = row_ref(n);
  if (target.frozen == frozen) return;
  target.frozen = frozen;
  Show_Unit(n, rec);
}

void ComparisonColumns::set_description(int n, std::string text) {
  row_ref(n).description = std::move(text);
}

void ComparisonColumns::refresh_loop_texts(const ProjectRec& rec) {
  for (std::size_t i = 0; i < kSystemKinds.size(); ++i) {
    const GeoRecordBlock* geo = kSystemKinds[i].geo;
    if (geo == nullptr) continue;
    std::optional<std::string> name;
    if (lookup_) name = lookup_(geo->loop_id.in<Int16>(rec));
    loop_texts_[i] = name ? utf8_from_cp1252(*name) : geo->loop_name.get(rec);
  }
}

std::string ComparisonColumns::built_description(SystemType kind, const ProjectRec& rec) const {
  if (kind == SystemType::NoSystem) return "No Option Selected";
  const SystemKind& system = system_kind(kind);
  if (system.conventional != nullptr)
    return without_nuls_trimmed(system.conventional->described_name.get(rec)) + " System";
  std::string text = without_nuls_trimmed(system.geo->unit_name.get(rec)) + " / ";
  const bool two_units = rec.GeoA_HydronicMode == 2 || rec.GeoA_HydronicMode == 3;
  if (kind == SystemType::GeoA && two_units) text += name_text(rec.GeoA_Unit2Name) + " / ";
  const auto row = static_cast<std::size_t>(&system - kSystemKinds.data());
  return text + without_nuls_trimmed(loop_texts_[row]);
}

void ComparisonColumns::Show_Unit(int n, const ProjectRec& rec) {
  if (n == 1) refresh_loop_texts(rec);
  Row& target = row_ref(n);
  preview_ = built_description(target.selected, rec);
  if (preview_.empty() || preview_.front() == ' ') preview_ = "No System Selected For This Option";
  if (!target.frozen) target.description = preview_;
}

void ComparisonColumns::rebuild_descriptions(const ProjectRec& rec) {
  for (int n = 1; n <= kRows; ++n) Show_Unit(n, rec);
  clear_preview();
}

bool ComparisonColumns::chosen(SystemType kind) const {
  return std::any_of(rows_.begin(), rows_.end(),
                     [kind](const Row& r) { return r.selected == kind; });
}

void ComparisonColumns::Store_Selections(ProjectRec& rec) const {
  rec.FileTag = kProjectFileTag;
  const std::array descriptions = {&rec.System1_Description, &rec.System2_Description,
                                   &rec.System3_Description};
  const std::array freezes = {&rec.System1_Freeze, &rec.System2_Freeze, &rec.System3_Freeze};
  const std::array types = {&rec.System1_Type, &rec.System2_Type, &rec.System3_Type};
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    assign_utf8(*descriptions[i], rows_[i].description);
    *freezes[i] = rows_[i].frozen ? Int16{1} : Int16{0};
    *types[i] = code_of(rows_[i].selected);
  }
}

void ComparisonColumns::restore(const ProjectRec& rec) { restore_rows(rec, false); }

void ComparisonColumns::restore_rows(const ProjectRec& rec, bool unknown_is_none) {
  const std::array freezes = {rec.System1_Freeze, rec.System2_Freeze, rec.System3_Freeze};
  const std::array types = {rec.System1_Type, rec.System2_Type, rec.System3_Type};
  std::array<bool, kRows> known{};
  for (int n = 1; n <= kRows; ++n) {
    const auto i = static_cast<std::size_t>(n - 1);
    SystemType kind{};
    known[i] = system_type_from_code(types[i], kind);
    set_frozen(n, freezes[i] != 0 && (known[i] || !unknown_is_none), rec);
  }
  for (int n = 1; n <= kRows; ++n) {
    const auto i = static_cast<std::size_t>(n - 1);
    SystemType kind = SystemType::NoSystem;
    if (!known[i] && !unknown_is_none) continue;  // the row keeps its choice
    if (known[i]) (void)system_type_from_code(types[i], kind);
    const bool was = row(n).selected == kind;
    select(n, kind, rec);
    if (!known[i] && was) Show_Unit(n, rec);  // already None: its description is still the file's
  }
  clear_preview();
}

void ComparisonColumns::load(const ProjectRec& rec, bool trim_descriptions) {
  rows_[0].description = description_text(rec.System1_Description, trim_descriptions);
  rows_[1].description = description_text(rec.System2_Description, trim_descriptions);
  rows_[2].description = description_text(rec.System3_Description, trim_descriptions);
  restore_rows(rec, true);
}

}  // namespace pellavan::model
