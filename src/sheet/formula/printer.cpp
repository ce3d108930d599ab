#include "sheet/formula/printer.h"

#include <charconv>

#include "sheet/functions/registry.h"

namespace pellavan::sheet {

namespace {

class Printer {
 public:
  Printer(const Ast& ast, CellPos origin, const SheetNameFn& sheet_name)
      : ast_(ast), origin_(origin), sheet_name_(sheet_name) {}

  void print(std::uint32_t index) {
    const AstNode& n = ast_.node(index);
    switch (n.kind) {
      case NodeKind::kNumber: {
        char buffer[32];
        const auto result =
            std::to_chars(buffer, buffer + sizeof buffer, n.number);  // shortest exact form
        for (const char* c = buffer; c != result.ptr; ++c) out_ += *c == 'e' ? 'E' : *c;
        break;
      }
      case NodeKind::kText:
        out_ += '"';
        for (char ch : ast_.texts[n.index])
          out_ += ch == '"' ? std::string_view("\"\"") : std::string_view(&ch, 1);
        out_ += '"';
        break;
      case NodeKind::kBoolean: out_ += n.index ? "TRUE" : "FALSE"; break;
      case NodeKind::kError: out_ += error_text(static_cast<ErrorCode>(n.index)); break;
      case NodeKind::kRef: reference(ast_.refs[n.index], nullptr); break;
      case NodeKind::kArea: reference(ast_.areas[n.index].first, &ast_.areas[n.index].last); break;
      case NodeKind::kParen:
        out_ += '(';
        print(ast_.child(n, 0));
        out_ += ')';
        break;
      case NodeKind::kNegate:
        out_ += '-';
        print(ast_.child(n, 0));
        break;
      case NodeKind::kBinary:
        print(ast_.child(n, 0));
        out_ += operator_info(n.op).text;
        print(ast_.child(n, 1));
        break;
      case NodeKind::kCall:
        out_ += function_spec(n.function).name;
        out_ += '(';
        for (std::uint32_t k = 0; k < n.child_count; ++k) {
          if (k) out_ += ',';
          print(ast_.child(n, k));
        }
        out_ += ')';
        break;
    }
  }

  std::string take() { return std::move(out_); }

 private:
  // A reference beyond the last row or column is printed as written; one with a corner before the
  // first (a relative reference moved up or left off the sheet) has no name and prints as the
  // error it gives, #REF!, which reads back as that error.
  void reference(const CellRef& first, const CellRef* last) {
    if (before_sheet(first) || (last && before_sheet(*last))) {
      out_ += error_text(ErrorCode::kRef);
      return;
    }
    if (first.sheet != kOwnSheet) out_ += quote_sheet_name(sheet_name_(first.sheet)) + "!";
    corner(first);
    if (last) {
      out_ += ':';
      corner(*last);
    }
  }

  long row_of(const CellRef& ref) const {
    return ref.row_abs ? ref.row : static_cast<long>(origin_.row) + ref.row;
  }
  long col_of(const CellRef& ref) const {
    return ref.col_abs ? ref.col : static_cast<long>(origin_.col) + ref.col;
  }
  bool before_sheet(const CellRef& ref) const { return row_of(ref) < 0 || col_of(ref) < 0; }

  void corner(const CellRef& ref) {
    out_ += format_a1(static_cast<int>(row_of(ref)), static_cast<int>(col_of(ref)), ref.row_abs,
                      ref.col_abs);
  }

  const Ast& ast_;
  CellPos origin_;
  const SheetNameFn& sheet_name_;
  std::string out_;
};

}  // namespace

std::string print_formula(const Ast& ast, CellPos origin, const SheetNameFn& sheet_name) {
  Printer printer(ast, origin, sheet_name);
  printer.print(ast.root());
  return printer.take();
}

}  // namespace pellavan::sheet
