#include "sheet/formula/ast.h"

#include <cstring>

namespace pellavan::sheet {

namespace {

template <class T>
void put(std::string& key, const T& v) {
  char bytes[sizeof(T)];
  std::memcpy(bytes, &v, sizeof(T));
  key.append(bytes, sizeof(T));
}

void put_ref(std::string& key, const CellRef& r) {
  put(key, r.sheet);
  put(key, r.row);
  put(key, r.col);
  key += static_cast<char>((r.row_abs ? 2 : 0) | (r.col_abs ? 1 : 0));
}

}  // namespace

std::string Ast::shape_key() const {
  std::string key;
  key.reserve(nodes.size() * 16);
  for (const AstNode& n : nodes) {
    key += static_cast<char>(n.kind);
    switch (n.kind) {
      case NodeKind::kNumber: put(key, n.number); break;
      case NodeKind::kText:
        put(key, texts[n.index].size());
        key += texts[n.index];
        break;
      case NodeKind::kBoolean:
      case NodeKind::kError: key += static_cast<char>(n.index); break;
      case NodeKind::kRef: put_ref(key, refs[n.index]); break;
      case NodeKind::kArea:
        put_ref(key, areas[n.index].first);
        put_ref(key, areas[n.index].last);
        break;
      case NodeKind::kBinary: key += static_cast<char>(n.op); break;
      case NodeKind::kCall:
        put(key, n.function);
        put(key, n.child_count);
        break;
      case NodeKind::kParen:
      case NodeKind::kNegate: break;
    }
  }
  return key;
}

}  // namespace pellavan::sheet
