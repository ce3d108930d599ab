#include "sheet/value.h"

namespace pellavan::sheet {

std::string_view error_text(ErrorCode code) {
  switch (code) {
    case ErrorCode::kDiv0: return "#DIV/0!";
    case ErrorCode::kValue: return "#VALUE!";
    case ErrorCode::kRef: return "#REF!";
    case ErrorCode::kName: return "#NAME?";
    case ErrorCode::kNum: return "#NUM!";
    case ErrorCode::kNA: return "#N/A";
  }
  return "#VALUE!";
}

bool error_from_text(std::string_view text, ErrorCode& code) {
  for (ErrorCode c : kAllErrorCodes) {
    if (error_text(c) == text) {
      code = c;
      return true;
    }
  }
  return false;
}

}  // namespace pellavan::sheet
