#include "sheet/calc/coerce.h"

#include "sheet/calc/near_equal.h"

#include "sheet/format/entry_rule.h"
#include "sheet/format/number_text.h"

namespace pellavan::sheet {

char fold_case(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

int compare_ignoring_case(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const auto x = static_cast<unsigned char>(fold_case(a[i]));
    const auto y = static_cast<unsigned char>(fold_case(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

namespace {

std::string_view without_blanks(std::string_view t) {
  while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
  while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
  return t;
}

}  // namespace

Value number_operand(Value v, const StringPool& pool) {
  switch (v.kind()) {
    case ValueKind::kNumber:
    case ValueKind::kError: return v;
    case ValueKind::kEmpty: return Value::number(0.0);
    case ValueKind::kBoolean: return Value::number(v.as_boolean() ? 1.0 : 0.0);
    case ValueKind::kText: {
      const std::string_view t = without_blanks(pool.get(v.as_text()));
      if (t.empty()) return Value::error(ErrorCode::kValue);
      const EntryValue entry = apply_entry_rule(t);
      if (entry.kind == EntryValue::Kind::kNumber) return Value::number(entry.number);
      return Value::error(ErrorCode::kValue);
    }
    case ValueKind::kArea: break;
  }
  return Value::error(ErrorCode::kValue);
}

Value logical_operand(Value v, const StringPool& pool) {
  switch (v.kind()) {
    case ValueKind::kBoolean:
    case ValueKind::kError: return v;
    case ValueKind::kEmpty: return Value::boolean(false);
    case ValueKind::kNumber: return Value::boolean(v.as_number() != 0.0);
    case ValueKind::kText: {
      const std::string_view t = without_blanks(pool.get(v.as_text()));
      if (compare_ignoring_case(t, "TRUE") == 0) return Value::boolean(true);
      if (compare_ignoring_case(t, "FALSE") == 0) return Value::boolean(false);
      return Value::error(ErrorCode::kValue);
    }
    case ValueKind::kArea: break;
  }
  return Value::error(ErrorCode::kValue);
}

TextId text_operand(Value v, StringPool& pool) {
  switch (v.kind()) {
    case ValueKind::kText: return v.as_text();
    case ValueKind::kNumber: return pool.add_scratch(plain_number_text(v.as_number()));
    case ValueKind::kBoolean: return pool.intern(v.as_boolean() ? "TRUE" : "FALSE");
    default: return StringPool::kEmptyText;
  }
}

namespace {

// Rank of a kind in comparisons; an empty operand is ranked as the other side.
int rank(ValueKind k) {
  switch (k) {
    case ValueKind::kNumber: return 0;
    case ValueKind::kText: return 1;
    default: return 2;  // boolean
  }
}

template <class T>
int three_way(T a, T b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

}  // namespace

int compare_values(Value a, Value b, const StringPool& pool) {
  if (a.is_empty() && b.is_empty()) return 0;
  if (a.is_empty()) {
    a = b.is_number() ? Value::number(0.0)
        : b.is_text() ? Value::text(StringPool::kEmptyText)
                      : Value::boolean(false);
  } else if (b.is_empty()) {
    b = a.is_number() ? Value::number(0.0)
        : a.is_text() ? Value::text(StringPool::kEmptyText)
                      : Value::boolean(false);
  }
  const int ra = rank(a.kind()), rb = rank(b.kind());
  if (ra != rb) return three_way(ra, rb);
  switch (a.kind()) {
    case ValueKind::kNumber: return tolerant_order(a.as_number(), b.as_number());
    case ValueKind::kText:
      return compare_ignoring_case(pool.get(a.as_text()), pool.get(b.as_text()));
    default: return three_way(a.as_boolean(), b.as_boolean());
  }
}

}  // namespace pellavan::sheet
