#include "calcbench/open_formula.h"

#include <cctype>

namespace pellavan::calcbench {

namespace {

bool is_letter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }
bool is_digit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }
bool is_name_char(char c) { return is_letter(c) || is_digit(c) || c == '_' || c == '.'; }

class Translator {
 public:
  explicit Translator(std::string_view in) : in_(in) {}

  std::string run() {
    out_ = "of:=";
    while (at_ < in_.size()) {
      const char c = in_[at_];
      if (c == '"') {
        copy_text();
      } else if (c == '\'') {
        reference(quoted_sheet());
      } else if (c == '#') {
        copy_error();
      } else if (is_digit(c) || (c == '.' && at_ + 1 < in_.size() && is_digit(in_[at_ + 1]))) {
        copy_number();
      } else if (is_letter(c) || c == '$' || c == '_') {
        word();
      } else {
        out_ += c == ',' ? ';' : c;
        ++at_;
      }
    }
    return std::move(out_);
  }

 private:
  char peek() const { return at_ < in_.size() ? in_[at_] : '\0'; }

  // "..." with "" for a quote inside, the same in both syntaxes.
  void copy_text() {
    out_ += in_[at_++];
    while (at_ < in_.size()) {
      const char c = in_[at_++];
      out_ += c;
      if (c != '"') continue;
      if (peek() != '"') return;
      out_ += in_[at_++];
    }
  }

  void copy_error() {
    const std::size_t start = at_++;
    while (at_ < in_.size() && (is_letter(in_[at_]) || is_digit(in_[at_]) || in_[at_] == '/'))
      ++at_;
    if (peek() == '!' || peek() == '?') ++at_;
    out_ += in_.substr(start, at_ - start);
  }

  void copy_number() {
    const std::size_t start = at_;
    while (is_digit(peek()) || peek() == '.') ++at_;
    if (peek() == 'E' || peek() == 'e') {
      ++at_;
      if (peek() == '+' || peek() == '-') ++at_;
      while (is_digit(peek())) ++at_;
    }
    out_ += in_.substr(start, at_ - start);
  }

  // 'Sheet name'!, with '' for a quote inside; returns the name unquoted.
  std::string quoted_sheet() {
    std::string name;
    ++at_;
    while (at_ < in_.size()) {
      const char c = in_[at_++];
      if (c != '\'') {
        name += c;
      } else if (peek() == '\'') {
        name += c;
        ++at_;
      } else {
        break;
      }
    }
    ++at_;  // the '!'
    return name;
  }

  // A function name, a sheet name before '!', a cell or block reference, or TRUE/FALSE.
  void word() {
    const std::size_t start = at_;
    while (at_ < in_.size() && (is_name_char(in_[at_]) || in_[at_] == '$')) ++at_;
    const std::string_view text = in_.substr(start, at_ - start);
    if (peek() == '!') {
      ++at_;
      reference(std::string(text));
    } else if (peek() == '(') {
      out_ += text;
    } else if (text == "TRUE" || text == "FALSE") {
      out_ += std::string(text) + "()";
    } else {
      at_ = start;
      reference({});
    }
  }

  // A cell or block on `sheet` ("" for the formula's own), at the reference's first character.
  void reference(const std::string& sheet) {
    out_ += '[';
    if (!sheet.empty()) {
      out_ += '\'';
      for (const char c : sheet) out_ += c == '\'' ? std::string("''") : std::string(1, c);
      out_ += '\'';
    }
    out_ += '.';
    corner();
    if (peek() == ':') {
      ++at_;
      out_ += ":.";
      corner();
    }
    out_ += ']';
  }

  void corner() {
    while (at_ < in_.size() && (is_letter(in_[at_]) || is_digit(in_[at_]) || in_[at_] == '$'))
      out_ += in_[at_++];
  }

  std::string_view in_;
  std::size_t at_ = 0;
  std::string out_;
};

}  // namespace

std::string to_open_formula(std::string_view formula) { return Translator(formula).run(); }

}  // namespace pellavan::calcbench
