#include "mkdata/record_kinds.h"

#include <array>
#include <optional>

#include "mkdata/record_builder.h"
#include "mkdata/record_checks.h"
#include "model/records/ac_rec.h"
#include "model/records/air_hp_rec.h"
#include "model/records/city_rec.h"
#include "model/records/furnace_rec.h"
#include "model/records/geo_unit_rec.h"
#include "model/records/loop_rec.h"
#include "model/records/project_rec.h"
#include "model/records/rates_rec.h"
#include "model/records/soil_rec.h"
#include "model/records/t_unit_rec.h"
#include "model/records/water_heater_rec.h"

namespace pellavan::mkdata {
namespace {

template <model::Record R>
void check_records(const std::vector<BuiltRecord<R>>& records, const std::string& file) {
  for (const auto& r : records)
    if (const auto fault = record_fault(r.record)) throw SourceError(file, r.line, *fault);
}

template <IdentifiedRecord R>
std::vector<std::uint8_t> catalogue_image(const SourceFile& source,
                                          std::span<const SourceFile> bases) {
  if (bases.size() > 1) throw SourceError(source.name, 0, "a catalogue takes one base at most");
  const SourceFile* base = bases.empty() ? nullptr : &bases.front();
  std::optional<std::vector<BuiltRecord<R>>> base_records;
  if (base != nullptr) base_records = build_catalogue<R>(*base);
  const auto records = build_catalogue<R>(source, base_records ? &*base_records : nullptr,
                                          base != nullptr ? base->name : std::string());
  check_records(records, source.name);
  return file_image(records);
}

template <model::Record R>
std::vector<std::uint8_t> single_record_image(const SourceFile& source,
                                              std::span<const SourceFile> bases) {
  std::optional<R> record;
  for (const SourceFile& base : bases)
    record = build_single_record<R>(base, record ? &*record : nullptr).front().record;
  const auto records = build_single_record<R>(source, record ? &*record : nullptr);
  check_records(records, source.name);
  return file_image(records);
}

template <model::Record R>
constexpr RecordKind catalogue_kind() {
  return {R::kTypeName, &catalogue_image<R>};
}

constexpr std::array kKinds{
    catalogue_kind<model::FurnaceRec>(),
    catalogue_kind<model::ACRec>(),
    catalogue_kind<model::WaterHeaterRec>(),
    catalogue_kind<model::AirHPRec>(),
    catalogue_kind<model::GeoUnitRec>(),
    catalogue_kind<model::TUnitRec>(),
    catalogue_kind<model::LoopRec>(),
    catalogue_kind<model::SoilRec>(),
    catalogue_kind<model::CityRec>(),
    RecordKind{model::ProjectRec::kTypeName, &single_record_image<model::ProjectRec>},
    RecordKind{model::RatesRec::kTypeName, &single_record_image<model::RatesRec>},
};

}  // namespace

std::span<const RecordKind> record_kinds() { return kKinds; }

const RecordKind* find_record_kind(std::string_view name) {
  for (const auto& kind : kKinds)
    if (kind.name == name) return &kind;
  return nullptr;
}

}  // namespace pellavan::mkdata
