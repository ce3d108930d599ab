#pragma once
// C++ source for compiled formula code: one function per code that does what the interpreter
// does with it, step for step, so that both give the same values to the last bit.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "sheet/formula/code.h"

namespace pellavan::nativegen {

// The definition of `Value name(const Value*, const std::uint32_t*, EvalContext&)` for `code`,
// written inside namespace pellavan::sheet.
std::string native_function(const sheet::Code& code, std::string_view name);

struct NativeSources {
  std::vector<std::string> parts;  // the functions, spread evenly
  std::string table;               // `const sheet::NativeCode& <accessor>()` over all of them
};

// A code to write a function for, and where the book first writes it ("Sheet!A1: =formula"),
// which heads the function as a comment.
struct NativeInput {
  const sheet::Code* code = nullptr;
  std::string origin;
};

// `accessor` is a function name in namespace pellavan::<space>.
NativeSources native_sources(std::span<const NativeInput> codes, std::size_t parts,
                             std::string_view space, std::string_view accessor);

}  // namespace pellavan::nativegen
