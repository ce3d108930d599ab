#include "sheet/calc/native_code.h"

#include <algorithm>
#include <bit>

namespace pellavan::sheet {

namespace {

bool same(const Instr& a, const Instr& b) {
  return a.op == b.op && a.argc == b.argc && a.aux == b.aux && a.arg == b.arg;
}

std::uint64_t hash_of(std::span<const Instr> code) {
  std::uint64_t h = 14695981039346656037ull;  // FNV-1a over the instruction words
  const auto mix = [&h](std::uint64_t word) {
    h ^= word;
    h *= 1099511628211ull;
  };
  for (const Instr& in : code)
    mix(static_cast<std::uint64_t>(in.op) | static_cast<std::uint64_t>(in.argc) << 8 |
        static_cast<std::uint64_t>(in.aux) << 16 | static_cast<std::uint64_t>(in.arg) << 32);
  return h;
}

}  // namespace

std::uint64_t constant_signature(Value constant) {
  if (constant.is_text()) return std::bit_cast<std::uint64_t>(Value::text(0));
  return std::bit_cast<std::uint64_t>(constant);
}

NativeCode::NativeCode(std::span<const NativeShape> shapes) {
  by_hash_.reserve(shapes.size());
  for (const NativeShape& s : shapes) by_hash_.emplace(hash_of(s.code), &s);
}

bool serves(const NativeShape& shape, std::span<const Instr> code,
            std::span<const Value> constants) {
  return std::equal(shape.code.begin(), shape.code.end(), code.begin(), code.end(), same) &&
         std::equal(shape.constants.begin(), shape.constants.end(), constants.begin(),
                    constants.end(),
                    [](std::uint64_t s, Value v) { return s == constant_signature(v); });
}

NativeFormula NativeCode::find(std::span<const Instr> code,
                               std::span<const Value> constants) const {
  const auto [first, last] = by_hash_.equal_range(hash_of(code));
  for (auto it = first; it != last; ++it) {
    if (serves(*it->second, code, constants)) return it->second->run;
  }
  return nullptr;
}

}  // namespace pellavan::sheet
