#include "model/catalogue/catalogue_records.h"

#include <limits>
#include <stdexcept>
#include <string>

namespace pellavan::model {

CatalogueRecords::CatalogueRecords(std::shared_ptr<const std::vector<std::uint8_t>> bytes,
                                   std::size_t record_length)
    : bytes_(std::move(bytes)), record_length_(record_length), eof_(bytes_->empty()) {
  if (record_length_ == 0) throw std::invalid_argument("record length 0");
}

bool CatalogueRecords::whole(std::int64_t n) const {
  return offset_of(n) + record_length_ <= size_bytes();
}

std::uint64_t CatalogueRecords::offset_of(std::int64_t n) const {
  if (n < 1) throw std::out_of_range("record number " + std::to_string(n) + " below 1");
  const auto index = static_cast<std::uint64_t>(n - 1);
  if (index > std::numeric_limits<std::int64_t>::max() / record_length_)
    throw std::out_of_range("record number " + std::to_string(n) + " too large");
  return index * record_length_;
}

}  // namespace pellavan::model
