#include "model/record/field_codec.h"

namespace pellavan::model {

std::string_view field_kind_name(FieldKind kind) {
  switch (kind) {
    case FieldKind::kInt16: return "Int16";
    case FieldKind::kInt32: return "Int32";
    case FieldKind::kSingle: return "Single";
    case FieldKind::kDouble: return "Double";
    case FieldKind::kCurrency: return "Currency";
    case FieldKind::kDate: return "Date";
    case FieldKind::kText: return "Text";
    case FieldKind::kSpare: return "Spare";
  }
  return "?";
}

}  // namespace pellavan::model
