#pragma once
// What a record must hold beyond what its field types allow, so that the program can use it:
// nullopt when the record is sound, else the fault.

#include <optional>
#include <string>

#include "model/records/project_rec.h"
#include "model/records/rates_rec.h"
#include "model/records/soil_rec.h"

namespace pellavan::mkdata {

template <class R>
std::optional<std::string> record_fault(const R&) {
  return std::nullopt;
}

// Soil ids index the 15 U-values of a loop (and, plus 15, its hybrid U-values).
std::optional<std::string> record_fault(const model::SoilRec& soil);

// A default project the program accepts carries one of the tags "KQ2" to "KQ7".
std::optional<std::string> record_fault(const model::ProjectRec& project);

// A rate file carries the tag "KV2".
std::optional<std::string> record_fault(const model::RatesRec& rates);

}  // namespace pellavan::mkdata
