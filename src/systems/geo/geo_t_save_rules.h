#pragma once
// What Save does to empty entries of the Geo T window before it stores them: a loop temperature
// that is 0 or no number becomes its replacement ("30", "90"); a depth box without a number
// shows the stored depth again, so the stored depth stays (a typed 0 stays, and is refused).

#include <string>
#include <string_view>

namespace pellavan::geo {

// Whether the text, blanks skipped, begins with a number ("12", "-.5", "3e2").
[[nodiscard]] bool begins_with_number(std::string_view text);
[[nodiscard]] std::string saved_loop_temperature(std::string_view text,
                                                 std::string_view replacement);
[[nodiscard]] std::string saved_depth(std::string_view text, std::string_view stored_shown);

}  // namespace pellavan::geo
