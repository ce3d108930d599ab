#include "sheet/view/cell_display.h"

#include "sheet/format/general_text.h"

namespace pellavan::sheet::view {

CellDisplay display_of(const Book& book, CellPos pos) {
  const Value v = book.cell_value(pos);
  const Style& style = book.style_of(pos);
  CellDisplay shown;
  HAlign natural = HAlign::kLeft;
  switch (v.kind()) {
    case ValueKind::kNumber: {
      NumberFormat::Rendered r = style.format.format_number(v.as_number());
      shown.kind = ShownKind::kNumber;
      shown.text = std::move(r.text);
      shown.red = r.red;
      shown.general = style.format.is_general();
      shown.number = v.as_number();
      natural = HAlign::kRight;
      break;
    }
    case ValueKind::kText:
      shown.kind = ShownKind::kText;
      shown.text = style.format.format_text(book.text_of(v));
      break;
    case ValueKind::kBoolean:
    case ValueKind::kError:
      shown.kind = ShownKind::kOther;
      shown.text = book.cell_text(pos);
      natural = HAlign::kCenter;
      break;
    default: return shown;
  }
  shown.align = style.horizontal == HAlign::kGeneral ? natural : style.horizontal;
  return shown;
}

std::string general_in_width(double value, int chars) {
  const bool negative = value < 0;
  const int room = chars - (negative ? 1 : 0);
  if (room < 1) return "";
  std::string body = detail::general_magnitude_text(negative ? -value : value, room);
  if (static_cast<int>(body.size()) > room) return "";
  if (negative) body.insert(0, 1, '-');
  return body;
}

}  // namespace pellavan::sheet::view
