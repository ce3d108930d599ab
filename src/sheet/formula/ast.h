#pragma once
// A parsed formula. Nodes live in one vector and are created children first, so the root is the
// last node and every walk can go by index. References are stored relative to the formula's own
// cell (see CellRef): the same formula filled down a column gives the same Ast, and shape_key()
// makes that sameness a lookup key.

#include <cstdint>
#include <string>
#include <vector>

#include "sheet/address.h"
#include "sheet/formula/code.h"

namespace pellavan::sheet {

enum class NodeKind : std::uint8_t {
  kNumber,
  kText,
  kBoolean,
  kRef,     // one cell
  kArea,    // a block, only as a function argument
  kParen,   // ( child ): kept so that printing gives back what was written
  kNegate,  // - child
  kBinary,
  kCall,
  kError,  // an error value written as a constant (#REF!, #N/A...)
};

struct AstNode {
  NodeKind kind = NodeKind::kNumber;
  Op op = Op::kAdd;               // kBinary: one of kAdd ... kGe
  std::uint16_t function = 0;     // kCall: index in the function registry
  std::uint32_t first_child = 0;  // into Ast::children
  std::uint32_t child_count = 0;
  std::uint32_t index = 0;  // kText: into texts; kRef: into refs; kArea: into areas; kBoolean: 0 or
                            // 1; kError: the ErrorCode
  double number = 0.0;      // kNumber
  int position = 0;         // offset of the node's first character in the formula text
};

struct Ast {
  std::vector<AstNode> nodes;
  std::vector<std::uint32_t> children;
  std::vector<std::string> texts;
  std::vector<CellRef> refs;
  std::vector<RangeRef> areas;

  std::uint32_t root() const { return static_cast<std::uint32_t>(nodes.size() - 1); }
  const AstNode& node(std::uint32_t i) const { return nodes[i]; }
  std::uint32_t child(const AstNode& n, std::uint32_t k) const {
    return children[n.first_child + k];
  }

  // Equal for two formulas that compute the same from their own cells (text positions and
  // blanks aside).
  std::string shape_key() const;
};

}  // namespace pellavan::sheet
