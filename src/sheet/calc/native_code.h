#pragma once
// Formula code compiled ahead of time into machine code: a table of functions, each found by the
// exact code it was made from, so that any other code keeps running in the interpreter.

#include <cstdint>
#include <span>
#include <unordered_map>

#include "sheet/calc/eval_context.h"
#include "sheet/formula/code.h"

namespace pellavan::sheet {

// Computes a formula as evaluate() does with the code it was made from, without a stack of
// the caller's.
using NativeFormula = Value (*)(const Value* constants, const std::uint32_t* slot_cells,
                                EvalContext& context);

// What a function may build in of a constant: a number's or boolean's or error's bits; of a
// text only that it is one (its id differs from book to book).
std::uint64_t constant_signature(Value constant);

struct NativeShape {
  std::span<const Instr> code;               // the whole code, its last kEnd included
  std::span<const std::uint64_t> constants;  // constant_signature of each constant
  NativeFormula run = nullptr;
};

// Whether the function made from `shape` computes code `code` with constants `constants`.
bool serves(const NativeShape& shape, std::span<const Instr> code,
            std::span<const Value> constants);

class NativeCode {
 public:
  explicit NativeCode(std::span<const NativeShape> shapes);
  // The function made from exactly this code and these constants, or null.
  NativeFormula find(std::span<const Instr> code, std::span<const Value> constants) const;
  std::size_t size() const { return by_hash_.size(); }

 private:
  std::unordered_multimap<std::uint64_t, const NativeShape*> by_hash_;
};

}  // namespace pellavan::sheet
