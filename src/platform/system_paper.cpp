#include "platform/system_paper.h"

#include <langinfo.h>
#include <locale.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace pellavan::platform {

namespace {

std::string lower(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

// Territories whose locales print on Letter.
constexpr std::array<std::string_view, 14> kLetterTerritories = {
    "US", "CA", "MX", "PR", "CL", "CO", "CR", "DO", "GT", "NI", "PA", "PH", "SV", "VE"};

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

}  // namespace

Paper paper_named(std::string_view text) {
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    line = line.substr(0, line.find('#'));
    const std::size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) continue;
    const std::string word = lower(line.substr(first, line.find_first_of(" \t\r", first) - first));
    if (word == "letter" || word == "us-letter") return Paper::kLetter;
    if (word == "legal" || word == "us-legal") return Paper::kLegal;
    if (word == "a4") return Paper::kA4;
    return Paper::kUnstated;
  }
  return Paper::kUnstated;
}

Paper paper_of_locale(std::string_view name, std::optional<int> width_mm,
                      std::optional<int> height_mm) {
  const std::string_view base = name.substr(0, name.find_first_of(".@"));
  if (base.empty() || base == "C" || base == "POSIX") return Paper::kUnstated;
  if (width_mm && height_mm) {
    if (*width_mm == 216 && *height_mm == 279) return Paper::kLetter;
    if (*width_mm == 216 && *height_mm == 356) return Paper::kLegal;
    if (*width_mm == 210 && *height_mm == 297) return Paper::kA4;
    return Paper::kUnstated;
  }
  const std::size_t bar = base.find('_');
  if (bar == std::string_view::npos) return Paper::kUnstated;
  const std::string_view territory = base.substr(bar + 1);
  return std::find(kLetterTerritories.begin(), kLetterTerritories.end(), territory) !=
                 kLetterTerritories.end()
             ? Paper::kLetter
             : Paper::kA4;
}

Paper system_paper(const PaperSources& sources) {
  for (const Paper paper :
       {paper_named(sources.papersize_variable),
        paper_of_locale(sources.locale_name, sources.locale_width_mm, sources.locale_height_mm),
        paper_named(sources.papersize_file)}) {
    if (paper != Paper::kUnstated) return paper;
  }
  return Paper::kLetter;
}

PaperSources read_paper_sources() {
  PaperSources sources;
  sources.papersize_variable = environment("PAPERSIZE");
  for (const char* name : {"LC_ALL", "LC_PAPER", "LANG"}) {
    sources.locale_name = environment(name);
    if (!sources.locale_name.empty()) break;
  }
  if (locale_t locale = newlocale(LC_PAPER_MASK, sources.locale_name.c_str(), nullptr)) {
    // The paper items hold numbers in the place of a text pointer.
    sources.locale_width_mm =
        static_cast<int>(reinterpret_cast<std::uintptr_t>(nl_langinfo_l(_NL_PAPER_WIDTH, locale)));
    sources.locale_height_mm =
        static_cast<int>(reinterpret_cast<std::uintptr_t>(nl_langinfo_l(_NL_PAPER_HEIGHT, locale)));
    freelocale(locale);
  }
  std::ifstream file("/etc/papersize");
  sources.papersize_file.assign(std::istreambuf_iterator<char>(file), {});
  return sources;
}

}  // namespace pellavan::platform
