#pragma once
// The number path of a formula's function: the formula's steps on plain doubles and bools, for
// code whose values are numbers, booleans, or areas handed to a function. At the first value of
// any other kind, and at any error, it goes to the label `slow`, where the general path starts
// the formula again from its beginning: a formula has no side effects, so both give the same.

#include <cstdint>
#include <optional>
#include <set>
#include <string>

#include "sheet/formula/code.h"

namespace pellavan::nativegen {

// The statements, labels "F<n>", or nothing when the code holds values of other kinds (a text,
// an error constant) or joins branches whose values differ in kind. `general_targets` are the
// instructions the general path jumps to.
std::optional<std::string> number_path(const sheet::Code& code,
                                       const std::set<std::uint32_t>& general_targets);

}  // namespace pellavan::nativegen
