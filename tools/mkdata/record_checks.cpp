#include "mkdata/record_checks.h"

#include <cctype>

namespace pellavan::mkdata {

std::optional<std::string> record_fault(const model::SoilRec& soil) {
  if (soil.Id < 1 || soil.Id > 15)
    return "soil Id " + std::to_string(soil.Id) + " outside 1..15 (soil ids index loop U-values)";
  return std::nullopt;
}

std::optional<std::string> record_fault(const model::ProjectRec& project) {
  const std::string tag = project.FileTag.str();
  const bool accepted = std::toupper(static_cast<unsigned char>(tag[0])) == 'K' &&
                        std::toupper(static_cast<unsigned char>(tag[1])) == 'Q' && tag[2] >= '2' &&
                        tag[2] <= '7';
  if (!accepted) return "FileTag must be one of KQ2 to KQ7 (KQ7 is current)";
  return std::nullopt;
}

std::optional<std::string> record_fault(const model::RatesRec& rates) {
  if (rates.FileTag.str() != model::kRatesFileTag) return "FileTag must be KV2";
  return std::nullopt;
}

}  // namespace pellavan::mkdata
