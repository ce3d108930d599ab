#include "sheet/formula/parser.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>

#include "sheet/calc/coerce.h"
#include "sheet/functions/registry.h"

namespace pellavan::sheet {

namespace {

struct Failure {
  ParseErrorKind kind;
  int position;
  std::string message;
};

enum class Tok : std::uint8_t {
  kEnd,
  kNumber,
  kString,
  kWord,
  kQuotedName,
  kError,
  kOperator,
  kLParen,
  kRParen,
  kComma,
  kColon,
  kBang
};

struct Token {
  Tok kind = Tok::kEnd;
  int pos = 0;
  std::string_view text;              // as written
  double number = 0.0;                // kNumber
  ErrorCode error = ErrorCode::kRef;  // kError
  std::string value;                  // kString and kQuotedName, quotes undone
};

bool is_letter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_word_char(char c) {
  return is_letter(c) || is_digit(c) || c == '_' || c == '$' || c == '.';
}

bool equals_ignoring_case(std::string_view a, std::string_view b) {
  return a.size() == b.size() && compare_ignoring_case(a, b) == 0;
}

class Parser {
 public:
  Parser(std::string_view text, const ParseContext& context) : text_(text), context_(context) {}

  Ast run() {
    next();
    if (token_.kind == Tok::kEnd) fail(ParseErrorKind::kEmpty, 0, "the formula is empty");
    const std::uint32_t root = parse_comparison();
    if (token_.kind != Tok::kEnd)
      fail(ParseErrorKind::kUnexpectedToken, token_.pos, "unexpected " + describe());
    reject_area(root);
    return std::move(ast_);
  }

 private:
  [[noreturn]] void fail(ParseErrorKind kind, int position, std::string message) {
    throw Failure{kind, position, std::move(message)};
  }

  std::string describe() const {
    if (token_.kind == Tok::kEnd) return "end of formula";
    return std::string("'").append(token_.text).append("'");
  }

  // ---- tokens ----

  void next() {
    while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t')) ++at_;
    token_ = Token{};
    token_.pos = static_cast<int>(at_);
    if (at_ >= text_.size()) return;
    const std::size_t start = at_;
    const char c = text_[at_];
    if (is_digit(c) || (c == '.' && at_ + 1 < text_.size() && is_digit(text_[at_ + 1]))) {
      lex_number();
    } else if (c == '"') {
      lex_quoted('"', Tok::kString);
    } else if (c == '\'') {
      lex_quoted('\'', Tok::kQuotedName);
    } else if (c == '#') {
      lex_error();
    } else if (is_letter(c) || c == '_' || c == '$') {
      while (at_ < text_.size() && is_word_char(text_[at_])) ++at_;
      token_.kind = Tok::kWord;
    } else {
      lex_punctuation(c);
    }
    token_.text = text_.substr(start, at_ - start);
  }

  void lex_number() {
    const std::size_t start = at_;
    while (at_ < text_.size() && is_digit(text_[at_])) ++at_;
    if (at_ < text_.size() && text_[at_] == '.') {
      ++at_;
      while (at_ < text_.size() && is_digit(text_[at_])) ++at_;
    }
    if (at_ < text_.size() && (text_[at_] == 'E' || text_[at_] == 'e')) {
      std::size_t e = at_ + 1;
      if (e < text_.size() && (text_[e] == '+' || text_[e] == '-')) ++e;
      if (e < text_.size() && is_digit(text_[e])) {
        at_ = e;
        while (at_ < text_.size() && is_digit(text_[at_])) ++at_;
      }
    }
    const auto [end, ec] = std::from_chars(text_.data() + start, text_.data() + at_, token_.number);
    if (ec != std::errc() || end != text_.data() + at_ || !std::isfinite(token_.number)) {
      fail(ParseErrorKind::kBadNumber, static_cast<int>(start), "number out of range");
    }
    token_.kind = Tok::kNumber;
  }

  // An error value written out: #DIV/0!, #VALUE!, #REF!, #NAME?, #NUM!, #N/A, in any case.
  void lex_error() {
    std::size_t longest = 0;
    for (const ErrorCode code : kAllErrorCodes) {
      const std::string_view name = error_text(code);
      if (name.size() > longest && equals_ignoring_case(text_.substr(at_, name.size()), name)) {
        longest = name.size();
        token_.error = code;
      }
    }
    if (longest == 0)
      fail(ParseErrorKind::kUnexpectedCharacter, static_cast<int>(at_), "unexpected character '#'");
    at_ += longest;
    token_.kind = Tok::kError;
  }

  // "..." and '...', a doubled quote standing for one.
  void lex_quoted(char quote, Tok kind) {
    const std::size_t start = at_++;
    for (;;) {
      if (at_ >= text_.size()) {
        fail(ParseErrorKind::kUnterminatedText, static_cast<int>(start),
             quote == '"' ? "text without its closing quote"
                          : "sheet name without its closing quote");
      }
      if (text_[at_] == quote) {
        if (at_ + 1 < text_.size() && text_[at_ + 1] == quote) {
          token_.value += quote;
          at_ += 2;
          continue;
        }
        ++at_;
        break;
      }
      token_.value += text_[at_++];
    }
    if (kind == Tok::kString && token_.value.size() > kMaxTextConstant) {
      fail(ParseErrorKind::kTextTooLong, static_cast<int>(start),
           "text constant longer than 255 characters");
    }
    token_.kind = kind;
  }

  void lex_punctuation(char c) {
    ++at_;
    switch (c) {
      case '(': token_.kind = Tok::kLParen; return;
      case ')': token_.kind = Tok::kRParen; return;
      case ',': token_.kind = Tok::kComma; return;
      case ':': token_.kind = Tok::kColon; return;
      case '!': token_.kind = Tok::kBang; return;
      case '+':
      case '-':
      case '*':
      case '/':
      case '^':
      case '&':
      case '=': token_.kind = Tok::kOperator; return;
      case '<':
        if (at_ < text_.size() && (text_[at_] == '=' || text_[at_] == '>')) ++at_;
        token_.kind = Tok::kOperator;
        return;
      case '>':
        if (at_ < text_.size() && text_[at_] == '=') ++at_;
        token_.kind = Tok::kOperator;
        return;
      default:
        fail(ParseErrorKind::kUnexpectedCharacter, static_cast<int>(at_ - 1),
             "unexpected character '" + std::string(1, c) + "'");
    }
  }

  bool at_operator(std::string_view op) const {
    return token_.kind == Tok::kOperator && token_.text == op;
  }

  void expect_close(int opened_at) {
    if (token_.kind != Tok::kRParen) {
      fail(ParseErrorKind::kMissingParen, token_.pos,
           "expected ')' for the '(' at position " + std::to_string(opened_at + 1) + ", found " +
               describe());
    }
    next();
  }

  // ---- nodes ----

  std::uint32_t add_node(AstNode node, std::initializer_list<std::uint32_t> kids) {
    return add_node(node, std::span<const std::uint32_t>(kids.begin(), kids.size()));
  }

  std::uint32_t add_node(AstNode node, std::span<const std::uint32_t> kids) {
    int height = 1;
    node.first_child = static_cast<std::uint32_t>(ast_.children.size());
    node.child_count = static_cast<std::uint32_t>(kids.size());
    for (std::uint32_t k : kids) {
      ast_.children.push_back(k);
      height = std::max(height, heights_[k] + 1);
    }
    if (height > kMaxTreeHeight)
      fail(ParseErrorKind::kTooComplex, node.position, "formula too deeply nested");
    ast_.nodes.push_back(node);
    heights_.push_back(height);
    return ast_.root();
  }

  AstNode make(NodeKind kind, int position) {
    AstNode n;
    n.kind = kind;
    n.position = position;
    return n;
  }

  void reject_area(std::uint32_t node) {
    if (ast_.nodes[node].kind == NodeKind::kArea) {
      fail(
          ParseErrorKind::kAreaNotAllowed, ast_.nodes[node].position,
          "an area is allowed only as an argument of a function that takes one (SUM, MIN, MAX...)");
    }
  }

  std::uint32_t add_binary(Op op, int position, std::uint32_t left, std::uint32_t right) {
    reject_area(left);
    reject_area(right);
    AstNode n = make(NodeKind::kBinary, position);
    n.op = op;
    return add_node(n, {left, right});
  }

  // ---- grammar, loosest binding first ----

  // The operators that bind as tightly as `binding` (OperatorInfo), each on what `next_level`
  // reads.
  template <class Next>
  std::uint32_t parse_left_assoc(Next next_level, int binding) {
    std::uint32_t left = (this->*next_level)();
    for (;;) {
      const auto op =
          std::find_if(std::begin(kOperators), std::end(kOperators),
                       [&](const auto& o) { return o.binding == binding && at_operator(o.text); });
      if (op == std::end(kOperators)) return left;
      const int position = token_.pos;
      next();
      const std::uint32_t right = (this->*next_level)();
      left = add_binary(op->op, position, left, right);
    }
  }

  std::uint32_t parse_comparison() { return parse_left_assoc(&Parser::parse_concat, 0); }
  std::uint32_t parse_concat() { return parse_left_assoc(&Parser::parse_additive, 1); }
  std::uint32_t parse_additive() { return parse_left_assoc(&Parser::parse_term, 2); }
  std::uint32_t parse_term() { return parse_left_assoc(&Parser::parse_power, 3); }
  // Left-associative, as spreadsheets have it: 2^3^2 = 64.
  std::uint32_t parse_power() { return parse_left_assoc(&Parser::parse_unary, 4); }

  // Unary minus binds tighter than "^": -2^2 = 4.
  std::uint32_t parse_unary() {
    std::vector<int> minus_positions;
    while (at_operator("-")) {
      minus_positions.push_back(token_.pos);
      next();
    }
    std::uint32_t node = parse_primary();
    for (auto it = minus_positions.rbegin(); it != minus_positions.rend(); ++it) {
      reject_area(node);
      node = add_node(make(NodeKind::kNegate, *it), {node});
    }
    return node;
  }

  std::uint32_t parse_primary() {
    const int position = token_.pos;
    switch (token_.kind) {
      case Tok::kNumber: {
        AstNode n = make(NodeKind::kNumber, position);
        n.number = token_.number;
        next();
        return add_node(n, {});
      }
      case Tok::kString: {
        AstNode n = make(NodeKind::kText, position);
        n.index = static_cast<std::uint32_t>(ast_.texts.size());
        ast_.texts.push_back(std::move(token_.value));
        next();
        return add_node(n, {});
      }
      case Tok::kError: {
        AstNode n = make(NodeKind::kError, position);
        n.index = static_cast<std::uint32_t>(token_.error);
        next();
        return add_node(n, {});
      }
      case Tok::kLParen: {
        enter(position);
        next();
        const std::uint32_t inner = parse_comparison();
        expect_close(position);
        leave();
        reject_area(inner);
        return add_node(make(NodeKind::kParen, position), {inner});
      }
      case Tok::kQuotedName: {
        const int sheet = sheet_index(token_.value, position);
        next();
        return parse_sheet_reference(sheet, position);
      }
      case Tok::kWord: return parse_word();
      case Tok::kEnd: fail(ParseErrorKind::kUnexpectedEnd, position, "the formula ends too early");
      default: fail(ParseErrorKind::kUnexpectedToken, position, "unexpected " + describe());
    }
  }

  std::uint32_t parse_word() {
    const int position = token_.pos;
    const std::string_view word = token_.text;
    const char after = at_ < text_.size() ? text_[at_] : '\0';
    if (after == '(') return parse_call(word, position);
    if (after == '!') {
      const int sheet = sheet_index(word, position);
      next();
      return parse_sheet_reference(sheet, position);
    }
    if (equals_ignoring_case(word, "TRUE") || equals_ignoring_case(word, "FALSE")) {
      AstNode n = make(NodeKind::kBoolean, position);
      n.index = equals_ignoring_case(word, "TRUE") ? 1 : 0;
      next();
      return add_node(n, {});
    }
    return parse_reference(kOwnSheet, position);
  }

  int sheet_index(std::string_view name, int position) {
    const auto sheet = context_.find_sheet ? context_.find_sheet(name) : std::nullopt;
    if (!sheet)
      fail(ParseErrorKind::kUnknownSheet, position, "no sheet named '" + std::string(name) + "'");
    return *sheet;
  }

  // At the "!" after a sheet name.
  std::uint32_t parse_sheet_reference(int sheet, int position) {
    if (token_.kind != Tok::kBang)
      fail(ParseErrorKind::kUnexpectedToken, token_.pos, "expected '!' after the sheet name");
    next();
    if (token_.kind != Tok::kWord)
      fail(ParseErrorKind::kUnexpectedToken, token_.pos, "expected a cell after the sheet name");
    return parse_reference(sheet, position);
  }

  CellRef read_reference(int sheet) {
    const auto a1 = token_.kind == Tok::kWord ? read_a1_parts(token_.text) : std::nullopt;
    if (!a1) {
      if (token_.kind == Tok::kWord) {
        fail(ParseErrorKind::kUnknownName, token_.pos,
             "unknown name '" + std::string(token_.text) + "'");
      }
      fail(ParseErrorKind::kUnexpectedToken, token_.pos,
           "expected a cell reference, found " + describe());
    }
    CellRef ref;
    ref.sheet = sheet;
    ref.row_abs = a1->row_abs;
    ref.col_abs = a1->col_abs;
    ref.row = static_cast<int>(a1->row_abs ? a1->row : a1->row - context_.origin.row);
    ref.col = static_cast<int>(a1->col_abs ? a1->col : a1->col - context_.origin.col);
    next();
    return ref;
  }

  std::uint32_t parse_reference(int sheet, int position) {
    const CellRef first = read_reference(sheet);
    if (token_.kind != Tok::kColon) {
      AstNode n = make(NodeKind::kRef, position);
      n.index = static_cast<std::uint32_t>(ast_.refs.size());
      ast_.refs.push_back(first);
      return add_node(n, {});
    }
    next();
    CellRef last = read_reference(sheet);
    last.sheet = sheet;
    AstNode n = make(NodeKind::kArea, position);
    n.index = static_cast<std::uint32_t>(ast_.areas.size());
    ast_.areas.push_back(RangeRef{first, last});
    return add_node(n, {});
  }

  std::uint32_t parse_call(std::string_view name, int position) {
    const auto id = find_function(name);
    if (!id)
      fail(ParseErrorKind::kUnknownFunction, position,
           "unknown function '" + std::string(name) + "'");
    const FunctionSpec& spec = function_spec(*id);
    next();  // the name
    const int open = token_.pos;
    enter(open);
    next();  // "("
    std::vector<std::uint32_t> args;
    if (token_.kind != Tok::kRParen) {
      for (;;) {
        const std::uint32_t arg = parse_comparison();
        if (ast_.nodes[arg].kind == NodeKind::kArea && !accepts_areas(spec.kind_of(args.size())))
          reject_area(arg);
        args.push_back(arg);
        if (token_.kind != Tok::kComma) break;
        if (args.size() >= kMaxArgs) break;  // reported as a count below
        next();
      }
    }
    if (args.size() < spec.min_args || args.size() > spec.max_args || token_.kind == Tok::kComma) {
      fail(ParseErrorKind::kArgumentCount, position,
           std::string(spec.name) + " takes " + count_text(spec));
    }
    expect_close(open);
    leave();
    AstNode n = make(NodeKind::kCall, position);
    n.function = *id;
    return add_node(n, args);
  }

  static std::string count_text(const FunctionSpec& spec) {
    auto plural = [](int n) { return std::to_string(n) + (n == 1 ? " argument" : " arguments"); };
    if (spec.min_args == spec.max_args)
      return spec.min_args == 0 ? "no arguments" : plural(spec.min_args);
    return std::to_string(spec.min_args) + " to " + plural(spec.max_args);
  }

  void enter(int position) {
    if (++nesting_ > kMaxNesting)
      fail(ParseErrorKind::kTooComplex, position, "formula too deeply nested");
  }
  void leave() { --nesting_; }

  std::string_view text_;
  const ParseContext& context_;
  std::size_t at_ = 0;
  Token token_;
  Ast ast_;
  std::vector<int> heights_;
  int nesting_ = 0;
};

}  // namespace

ParseResult parse_formula(std::string_view text, const ParseContext& context) {
  if (text.size() > kMaxFormulaLength) {
    return ParseError{ParseErrorKind::kTooLong, static_cast<int>(kMaxFormulaLength),
                      "formula longer than " + std::to_string(kMaxFormulaLength) + " characters"};
  }
  try {
    return Parser(text, context).run();
  } catch (Failure& f) {
    return ParseError{f.kind, f.position, std::move(f.message)};
  }
}

}  // namespace pellavan::sheet
