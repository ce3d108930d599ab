#pragma once
// The paper the system says to print on: the PAPERSIZE variable, the locale's paper (LC_PAPER, as
// LC_ALL, LC_PAPER or LANG name it) and /etc/papersize, in that order; Letter, the paper of the
// program's contractors in the US and Canada, when none of them names one (no locale, "C").
// Qt-free.

#include <optional>
#include <string>
#include <string_view>

namespace pellavan::platform {

enum class Paper { kUnstated, kLetter, kLegal, kA4 };

// What the system holds about its paper.
struct PaperSources {
  std::string papersize_variable;      // PAPERSIZE, "" when not set
  std::string locale_name;             // the locale LC_PAPER resolves to: "en_US.UTF-8", "C"
  std::optional<int> locale_width_mm;  // the locale's paper when the locale is installed
  std::optional<int> locale_height_mm;
  std::string papersize_file;  // the text of /etc/papersize, "" when there is none
};

// A paper name as libpaper writes it ("letter", "A4"; case, blanks and comments aside).
[[nodiscard]] Paper paper_named(std::string_view text);
// The paper of a locale: its sizes when known, else its territory (Letter in the Americas that
// use it and the Philippines). "C" and "POSIX" state none.
[[nodiscard]] Paper paper_of_locale(std::string_view name, std::optional<int> width_mm,
                                    std::optional<int> height_mm);
// Never kUnstated.
[[nodiscard]] Paper system_paper(const PaperSources& sources);

// The sources of this machine.
[[nodiscard]] PaperSources read_paper_sources();

}  // namespace pellavan::platform
