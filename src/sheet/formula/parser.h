#pragma once
// Formula text (without the leading "=") to Ast. A recursive descent parser whose nesting and
// tree height are bounded, so no input can exhaust the stack; what it cannot read it reports
// as a ParseError with a kind and the offset where reading stopped.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "sheet/address.h"
#include "sheet/formula/ast.h"

namespace pellavan::sheet {

enum class ParseErrorKind : std::uint8_t {
  kEmpty,
  kTooLong,
  kTooComplex,  // nested or chained past the limits below
  kUnexpectedCharacter,
  kUnexpectedToken,
  kUnexpectedEnd,
  kMissingParen,
  kBadNumber,
  kUnterminatedText,
  kTextTooLong,
  kUnknownFunction,
  kUnknownName,
  kUnknownSheet,
  kArgumentCount,
  kAreaNotAllowed,
};

struct ParseError {
  ParseErrorKind kind = ParseErrorKind::kEmpty;
  int position = 0;  // 0-based offset into the formula text
  std::string message;
};

struct ParseContext {
  CellPos origin;  // the formula's own cell: relative references are kept as offsets from it
  // Sheet index of a name (case-insensitive), or nullopt.
  std::function<std::optional<int>(std::string_view)> find_sheet;
};

inline constexpr std::size_t kMaxFormulaLength = 8192;
inline constexpr std::size_t kMaxTextConstant = 255;
inline constexpr int kMaxNesting = 100;     // parentheses and function calls inside each other
inline constexpr int kMaxTreeHeight = 400;  // longest chain from the root to a leaf

using ParseResult = std::variant<Ast, ParseError>;

ParseResult parse_formula(std::string_view text, const ParseContext& context);

}  // namespace pellavan::sheet
