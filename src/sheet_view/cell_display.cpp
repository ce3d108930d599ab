#include "sheet_view/cell_display.h"

#include "sheet/format/general_text.h"
#include "sheet/formula/parser.h"

namespace pellavan::sheet::view {

namespace {

// The cell a formula made of one reference alone reads ("=Loads!A8", "=(B2)"), else nullopt.
std::optional<CellPos> sole_reference(const Book& book, CellPos pos) {
  const std::optional<std::string> formula = book.cell_formula(pos);
  if (!formula) return std::nullopt;
  const ParseResult parsed = parse_formula(
      *formula, {pos, [&book](std::string_view name) { return book.find_sheet(name); }});
  const Ast* ast = std::get_if<Ast>(&parsed);
  if (!ast || ast->nodes.empty()) return std::nullopt;
  std::uint32_t at = ast->root();
  while (ast->node(at).kind == NodeKind::kParen) at = ast->child(ast->node(at), 0);
  if (ast->node(at).kind != NodeKind::kRef) return std::nullopt;
  return ast->refs[ast->node(at).index].to_abs(pos);
}

// A formula that only repeats another cell shows an empty cell as empty, not as the 0 it computes:
// a field the user left blank prints blank, while a 0 typed into it still prints 0. So does a
// repeat of a 0 its own cell's format shows as nothing. Chains of repeats are followed a few
// steps, which also ends a circle of them.
constexpr int kMostRepeats = 8;

CellDisplay shown_with_repeats(const Book& book, CellPos pos, int repeats_left);

bool repeats_nothing_shown(const Book& book, CellPos pos, int repeats_left) {
  if (repeats_left == 0) return false;
  const std::optional<CellPos> target = sole_reference(book, pos);
  if (!target || target->sheet < 0 || target->sheet >= book.sheet_count()) return false;
  if (book.cell_kind(*target) == CellKind::kEmpty) return true;
  const Value v = book.cell_value(*target);
  return v.is_number() && v.as_number() == 0 &&
         shown_with_repeats(book, *target, repeats_left - 1).text.empty();
}

CellDisplay shown_with_repeats(const Book& book, CellPos pos, int repeats_left) {
  const Value v = book.cell_value(pos);
  if (v.is_number() && v.as_number() == 0 && repeats_nothing_shown(book, pos, repeats_left))
    return {};
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

}  // namespace

CellDisplay display_of(const Book& book, CellPos pos) {
  return shown_with_repeats(book, pos, kMostRepeats);
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
