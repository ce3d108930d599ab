#include "platform/transfer/transfer_error.h"

#include <utility>

namespace pellavan::platform {

TransferError::TransferError(int code, std::string description, std::string source)
    : std::runtime_error(description),
      code_(code),
      description_(std::move(description)),
      source_(std::move(source)) {}

TransferError TransferError::from(std::string source) const {
  return TransferError(code_, description_, std::move(source));
}

}  // namespace pellavan::platform
