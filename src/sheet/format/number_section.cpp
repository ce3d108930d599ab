#include "sheet/format/number_section.h"

#include <algorithm>

#include "sheet/format/decimal_digits.h"
#include "sheet/format/general_text.h"

namespace pellavan::sheet::detail {

namespace {

using Tokens = std::vector<Token>;

bool is_digit(const Token& t) { return t.type == Token::Type::kDigit; }

// Builds the integer part from the right: each placeholder takes the next digit, or when the digits
// run out shows '0', a blank for '?', nothing for '#'; the leftmost one takes all remaining digits.
class IntegerWriter {
 public:
  IntegerWriter(const std::string& digits, bool grouping) : digits_(digits), grouping_(grouping) {}

  std::string write(Tokens::const_iterator first, Tokens::const_iterator last) {
    const auto leftmost = std::find_if(first, last, is_digit);
    if (leftmost == last) {
      put_remaining();  // no placeholder before the point: the digits still show
      std::reverse(rev_.begin(), rev_.end());
      std::string out;
      for (auto it = first; it != last; ++it) out += it->text;
      return out + rev_;
    }
    for (auto it = last; it != first;) {
      --it;
      if (!is_digit(*it)) {
        if (it->type == Token::Type::kLiteral) rev_.append(it->text.rbegin(), it->text.rend());
        continue;
      }
      if (left_ > 0) {
        put_digit(digits_[--left_]);
      } else if (it->ch == '0') {
        put_digit('0');
      } else if (it->ch == '?') {
        rev_.push_back(' ');
      }
      if (it == leftmost) put_remaining();
    }
    std::reverse(rev_.begin(), rev_.end());
    return rev_;
  }

 private:
  void put_digit(char c) {
    if (grouping_ && placed_ > 0 && placed_ % 3 == 0) rev_.push_back(',');
    rev_.push_back(c);
    ++placed_;
  }
  void put_remaining() {
    while (left_ > 0) put_digit(digits_[--left_]);
  }

  const std::string& digits_;
  bool grouping_;
  std::size_t left_ = digits_.size();
  int placed_ = 0;
  std::string rev_;
};

// Fraction digits left to right; trailing zeros vanish under '#' and turn blank under '?'.
std::string write_fraction(Tokens::const_iterator first, Tokens::const_iterator last,
                           const std::string& digits) {
  std::vector<char> shown(digits.begin(), digits.end());
  std::size_t n = shown.size();
  for (auto it = last; it != first && n > 0;) {
    --it;
    if (!is_digit(*it)) continue;
    if (it->ch == '0' || shown[n - 1] != '0') break;
    shown[--n] = it->ch == '?' ? ' ' : '\0';
  }
  std::string out;
  std::size_t next = 0;
  for (auto it = first; it != last; ++it) {
    if (is_digit(*it)) {
      if (shown[next] != '\0') out.push_back(shown[next]);
      ++next;
    } else if (it->type == Token::Type::kLiteral) {
      out += it->text;
    }
  }
  return out;
}

SectionText render_placeholders(const Section& s, double magnitude) {
  DecimalDigits d = to_decimal(magnitude);
  if (!d.is_zero()) d.point += 2 * s.percent - 3 * s.thousands_scale;
  const auto point = s.tokens.begin() + static_cast<std::ptrdiff_t>(s.point);
  const auto decimals = static_cast<int>(std::count_if(point, s.tokens.end(), is_digit));
  round_to_fraction(d, decimals);

  SectionText out;
  out.shows_nonzero = !d.is_zero();
  out.text = IntegerWriter(integer_digits(d), s.grouping).write(s.tokens.begin(), point);
  if (point != s.tokens.end()) {
    out.text += ".";
    out.text += write_fraction(point + 1, s.tokens.end(), fraction_digits(d, decimals));
  }
  return out;
}

}  // namespace

SectionText render_number_section(const Section& s, double magnitude, bool minus_follows) {
  if (s.kind == Section::Kind::kNumber) return render_placeholders(s, magnitude);
  SectionText out;
  for (const auto& t : s.tokens) {
    if (t.type == Token::Type::kLiteral) {
      out.text += t.text;
    } else if (t.type == Token::Type::kGeneral) {
      out.text += general_magnitude_text(magnitude, kGeneralWidth - (minus_follows ? 1 : 0));
      out.shows_nonzero = magnitude != 0.0;
    }
  }
  return out;
}

std::string render_text_section(const Section& s, std::string_view text) {
  std::string out;
  for (const auto& t : s.tokens) {
    if (t.type == Token::Type::kTextAt) {
      out += text;
    } else if (t.type == Token::Type::kLiteral) {
      out += t.text;
    }
  }
  return out;
}

}  // namespace pellavan::sheet::detail
