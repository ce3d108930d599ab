#pragma once
// What Save does to empty entries of the Geo T window before it stores them: a loop temperature
// that is empty or 0 becomes its replacement ("30", "90"); an empty depth box shows the stored
// depth again, so the stored depth stays (a typed 0 stays, and is refused). A text that shows no
// number stays as typed, to be refused.

#include <string>
#include <string_view>

namespace pellavan::geo {

[[nodiscard]] std::string saved_loop_temperature(std::string_view text,
                                                 std::string_view replacement);
[[nodiscard]] std::string saved_depth(std::string_view text, std::string_view stored_shown);

}  // namespace pellavan::geo
