#include "sheet/format/format_code_parser.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace pellavan::sheet::detail {

namespace {

constexpr std::size_t kMaxSections = 4;

char lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool starts_with_ci(std::string_view s, std::string_view prefix) {
  return s.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), s.begin(),
                    [](char a, char b) { return lower(a) == lower(b); });
}

bool is_digit_placeholder(char c) { return c == '0' || c == '#' || c == '?'; }

// Splits at ';' outside quotes, escapes and brackets. nullopt on an unterminated quote or bracket.
std::optional<std::vector<std::string_view>> split_sections(std::string_view code) {
  std::vector<std::string_view> out;
  std::size_t start = 0;
  for (std::size_t i = 0; i < code.size(); ++i) {
    const char c = code[i];
    if (c == '"' || c == '[') {
      const auto close = code.find(c == '"' ? '"' : ']', i + 1);
      if (close == std::string_view::npos) return std::nullopt;
      i = close;
    } else if (c == '\\' || c == '_' || c == '*') {
      ++i;  // the next character belongs to this one
    } else if (c == ';') {
      out.push_back(code.substr(start, i - start));
      start = i + 1;
    }
  }
  out.push_back(code.substr(start));
  return out;
}

bool is_color_name(std::string_view name) {
  static constexpr std::array<std::string_view, 7> kColors = {"black",   "blue",  "cyan",  "green",
                                                              "magenta", "white", "yellow"};
  if (std::find(kColors.begin(), kColors.end(), name) != kColors.end()) return true;
  return name.size() > 5 && name.starts_with("color") &&
         std::all_of(name.begin() + 5, name.end(), [](char c) { return c >= '0' && c <= '9'; });
}

class SectionParser {
 public:
  explicit SectionParser(std::string_view s) : s_(s) {}

  std::optional<Section> parse() {
    while (i_ < s_.size()) {
      if (!step()) return std::nullopt;
    }
    return classify();
  }

 private:
  bool step() {
    const char c = s_[i_];
    const std::string_view rest = s_.substr(i_);
    if (c == '"') {
      const auto close = s_.find('"', i_ + 1);
      if (close == std::string_view::npos) return false;
      add_literal(s_.substr(i_ + 1, close - i_ - 1));
      i_ = close + 1;
    } else if (c == '\\' || c == '_' || c == '*') {
      if (i_ + 1 >= s_.size()) return false;
      if (c == '\\') add_literal(s_.substr(i_ + 1, 1));
      if (c == '_') add_literal(" ");  // room for the next character; one blank here
      i_ += 2;
    } else if (c == '[') {
      return bracket();
    } else if (is_digit_placeholder(c)) {
      add(Token{Token::Type::kDigit, c, 1, {}});
      ++i_;
    } else if (c == '.') {
      if (has_point_) {
        add_literal(".");
      } else {
        has_point_ = true;
        section_.point = section_.tokens.size();
        add(Token{Token::Type::kPoint, '.', 1, {}});
      }
      ++i_;
    } else if (c == ',') {
      comma();
    } else if (c == '%') {
      ++section_.percent;
      add_literal("%");
      ++i_;
    } else if (c == '@') {
      add(Token{Token::Type::kTextAt, '@', 1, {}});
      ++i_;
    } else if (starts_with_ci(rest, "general")) {
      add(Token{Token::Type::kGeneral, 'G', 1, {}});
      i_ += 7;
    } else if (const char l = lower(c); l == 'd' || l == 'm' || l == 'y') {
      int count = 0;
      while (i_ < s_.size() && lower(s_[i_]) == l) ++count, ++i_;
      add(Token{Token::Type::kDatePart, l, count, {}});
    } else if (unsupported(rest) || fraction_bar()) {
      return false;
    } else {
      add_literal(s_.substr(i_, 1));
      ++i_;
    }
    return true;
  }

  // Times, exponents and AM/PM are outside what this renderer shows.
  static bool unsupported(std::string_view rest) {
    const char l = lower(rest.front());
    if (l == 'h' || l == 's') return true;
    if (l == 'e' && rest.size() > 1 && (rest[1] == '+' || rest[1] == '-')) return true;
    return starts_with_ci(rest, "am/pm") || starts_with_ci(rest, "a/p");
  }

  // "# ?/?" and "0/4": a '/' right after a digit placeholder and before a digit.
  bool fraction_bar() const {
    if (s_[i_] != '/' || i_ + 1 >= s_.size()) return false;
    const bool after_digit =
        !section_.tokens.empty() && section_.tokens.back().type == Token::Type::kDigit;
    const char next = s_[i_ + 1];
    return after_digit && (is_digit_placeholder(next) || (next >= '1' && next <= '9'));
  }

  bool bracket() {
    const auto close = s_.find(']', i_);
    if (close == std::string_view::npos) return false;
    std::string name;
    for (const char c : s_.substr(i_ + 1, close - i_ - 1)) name.push_back(lower(c));
    i_ = close + 1;
    if (name == "red") {
      section_.red = true;
      return true;
    }
    return is_color_name(name);  // conditions and locale tags are not supported
  }

  // After a digit placeholder a comma groups thousands when another placeholder follows it, and
  // otherwise divides by 1000 per comma; anywhere else it is a plain comma.
  void comma() {
    const bool after_digit =
        !section_.tokens.empty() && section_.tokens.back().type == Token::Type::kDigit;
    std::size_t end = i_;
    while (end < s_.size() && s_[end] == ',') ++end;
    const int run = static_cast<int>(end - i_);
    if (!after_digit) {
      add_literal(s_.substr(i_, end - i_));
    } else if (end < s_.size() && is_digit_placeholder(s_[end])) {
      if (!has_point_) section_.grouping = true;
    } else {
      section_.thousands_scale += run;
    }
    i_ = end;
  }

  std::optional<Section> classify() {
    const auto has = [this](Token::Type t) {
      return std::any_of(section_.tokens.begin(), section_.tokens.end(),
                         [t](const Token& k) { return k.type == t; });
    };
    const bool digits = has(Token::Type::kDigit);
    const bool general = has(Token::Type::kGeneral);
    if (has(Token::Type::kDatePart)) {
      if (digits || general) return std::nullopt;
      section_.kind = Section::Kind::kDate;
    } else if (general) {
      if (digits) return std::nullopt;
      section_.kind = Section::Kind::kGeneral;
    } else if (digits) {
      section_.kind = Section::Kind::kNumber;
    }
    if (section_.kind != Section::Kind::kNumber) {
      for (auto& t : section_.tokens) {
        if (t.type == Token::Type::kPoint) t = Token{Token::Type::kLiteral, 0, 0, "."};
      }
      section_.percent = 0;
    }
    if (!has_point_) section_.point = section_.tokens.size();
    return std::move(section_);
  }

  void add(Token t) { section_.tokens.push_back(std::move(t)); }

  void add_literal(std::string_view text) {
    if (!section_.tokens.empty() && section_.tokens.back().type == Token::Type::kLiteral) {
      section_.tokens.back().text += text;
    } else {
      add(Token{Token::Type::kLiteral, 0, 0, std::string(text)});
    }
  }

  std::string_view s_;
  std::size_t i_ = 0;
  bool has_point_ = false;
  Section section_;
};

bool has_text_placeholder(const Section& s) {
  return std::any_of(s.tokens.begin(), s.tokens.end(),
                     [](const Token& t) { return t.type == Token::Type::kTextAt; });
}

}  // namespace

std::optional<FormatCode> parse_format_code(std::string_view code) {
  if (code.empty()) return std::nullopt;
  const auto parts = split_sections(code);
  if (!parts || parts->size() > kMaxSections) return std::nullopt;
  std::vector<Section> sections;
  for (const auto part : *parts) {
    auto section = SectionParser(part).parse();
    if (!section) return std::nullopt;
    sections.push_back(std::move(*section));
  }
  FormatCode out;
  out.code = std::string(code);
  // The fourth section shows texts; so does a last section with "@" (a lone "@" included).
  const bool text_last =
      sections.size() == kMaxSections ||
      (has_text_placeholder(sections.back()) && sections.back().kind == Section::Kind::kLiteral);
  if (text_last) {
    out.text = std::move(sections.back());
    sections.pop_back();
  }
  out.numeric = std::move(sections);
  return out;
}

}  // namespace pellavan::sheet::detail
