// LEFT, TRIM, UPPER, TEXT, CONCATENATE. Texts are UTF-8; LEFT counts characters, UPPER and the
// comparisons fold ASCII letters only.
#include <cmath>

#include "sheet/format/number_format.h"
#include "sheet/functions/call_args.h"

namespace pellavan::sheet {

namespace {

// Byte length of the first `count` UTF-8 characters of `text`.
std::size_t utf8_prefix(std::string_view text, double count) {
  std::size_t i = 0;
  for (double n = 0; n < count && i < text.size(); ++n) {
    ++i;
    while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) ++i;
  }
  return i;
}

Value left_fn(CallArgs& a) {
  const double count = a.count() > 1 ? std::trunc(a.number(1)) : 1.0;
  if (count < 0) return Value::error(ErrorCode::kValue);
  const std::string_view text = a.text(0);
  return a.text_result(std::string(text.substr(0, utf8_prefix(text, count))));
}

// Drops leading and trailing blanks and shortens inner runs of blanks to one.
Value trim_fn(CallArgs& a) {
  std::string out;
  bool pending_blank = false;
  for (char ch : a.text(0)) {
    if (ch == ' ') {
      pending_blank = !out.empty();
      continue;
    }
    if (pending_blank) out += ' ';
    pending_blank = false;
    out += ch;
  }
  return a.text_result(std::move(out));
}

Value upper_fn(CallArgs& a) {
  std::string out(a.text(0));
  for (char& ch : out) ch = fold_case(ch);
  return a.text_result(std::move(out));
}

// TEXT(value, format): a number, or a text that reads as one, through the format; any other text
// through the format's text section.
Value text_fn(CallArgs& a) {
  const Value v = a.raw(0);
  if (v.is_error()) return v;
  const std::string_view code = a.text(1);
  const Value n = v.is_boolean() ? v : number_operand(v, a.pool());
  if (n.is_number()) return a.text_result(text_function(n.as_number(), code));
  const TextId shown = text_operand(v, a.pool());
  return a.text_result(NumberFormat::parse(code).format_text(a.pool().get(shown)));
}

Value concatenate_fn(CallArgs& a) {
  std::string out;
  for (std::size_t i = 0; i < a.count(); ++i) {
    out += a.text(i);
    if (out.size() > kMaxTextLength) return Value::error(ErrorCode::kValue);
  }
  return a.text_result(std::move(out));
}

constexpr ArgKind kText = ArgKind::kText;

constexpr FunctionSpec kTextFunctions[] = {
    {"LEFT", 1, 2, kText, ArgKind::kNumber, false, left_fn},
    {"TRIM", 1, 1, kText, kText, false, trim_fn},
    {"UPPER", 1, 1, kText, kText, false, upper_fn},
    {"TEXT", 2, 2, ArgKind::kAny, kText, false, text_fn},
    {"CONCATENATE", 1, 30, kText, kText, false, concatenate_fn},
};

}  // namespace

std::span<const FunctionSpec> text_functions() { return kTextFunctions; }

}  // namespace pellavan::sheet
