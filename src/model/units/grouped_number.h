#pragma once
// Numbers as the windows and the warnings show them to people: thousands grouped by ",", as a
// number format such as "#,##0" or "#,#00.0" writes them, whatever the locale.

#include <string>

namespace pellavan::model {

// `decimals` places, rounded as format_fixed rounds, and at least `min_digits` digits before the
// point (0: none before a fraction, as "#,#.0" writes .5). A value that rounds to zero has no
// minus sign.
[[nodiscard]] std::string grouped(double value, int decimals, int min_digits = 1);

}  // namespace pellavan::model
