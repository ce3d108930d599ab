// pellavan-nativegen --out DIR --parts N [--book loads]: the analysis workbook's formula code as
// C++ functions, in N files "native_partK.cpp" and the table "native_table.cpp" over them; with
// --book loads, the building-load workbook's instead (its table
// pellavan::loads::building_load_native_code()).
#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "nativegen/native_source.h"
#include "loads/building_load/building_load_text.h"
#include "sheet/book_code.h"
#include "sheet/book_text.h"
#include "workbook/report_template_text.h"

namespace {

bool write_file(const std::filesystem::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  return static_cast<bool>(out);
}

// A code kept for a function, as the program will match it.
struct Kept {
  const pellavan::sheet::Code* code;
  pellavan::sheet::FormulaShapeId shape_id;  // the first shape it serves
  std::vector<std::uint64_t> signatures;
  pellavan::sheet::NativeShape shape() const { return {code->instrs, signatures, nullptr}; }
};

}  // namespace

int main(int argc, char** argv) {
  const bool loads =
      argc == 7 && std::string(argv[5]) == "--book" && std::string(argv[6]) == "loads";
  if ((argc != 5 && !loads) || std::string(argv[1]) != "--out" ||
      std::string(argv[3]) != "--parts") {
    std::fprintf(stderr, "usage: pellavan-nativegen --out DIR --parts N [--book loads]\n");
    return 2;
  }
  const std::filesystem::path dir = argv[2];
  try {
    const std::size_t parts = std::stoul(argv[4]);
    const pellavan::sheet::Book book =
        loads ? pellavan::sheet::load_book(pellavan::loads::building_load_template_files(),
                                           "book.txt")
              : pellavan::workbook::load_report_template_text();
    std::vector<Kept> kept;
    for (pellavan::sheet::FormulaShapeId s = 0; s < book.shape_count(); ++s) {
      const pellavan::sheet::Code& code = pellavan::sheet::shape_code(book, s);
      // Shapes the program would match to one function share it.
      const bool known = std::any_of(kept.begin(), kept.end(), [&](const Kept& k) {
        return pellavan::sheet::serves(k.shape(), code.instrs, code.constants);
      });
      if (known) continue;
      Kept k{&code, s, {}};
      for (const pellavan::sheet::Value v : code.constants)
        k.signatures.push_back(pellavan::sheet::constant_signature(v));
      kept.push_back(std::move(k));
    }
    std::vector<pellavan::nativegen::NativeInput> codes;
    for (const Kept& k : kept)
      codes.push_back({k.code, pellavan::sheet::shape_origin(book, k.shape_id).value_or("")});
    const auto sources = pellavan::nativegen::native_sources(
        codes, parts, loads ? "loads" : "workbook",
        loads ? "building_load_native_code" : "report_workbook_native_code");
    bool ok = write_file(dir / "native_table.cpp", sources.table);
    for (std::size_t p = 0; p < sources.parts.size(); ++p)
      ok = write_file(dir / ("native_part" + std::to_string(p) + ".cpp"), sources.parts[p]) && ok;
    if (!ok) {
      std::fprintf(stderr, "pellavan-nativegen: cannot write into %s\n", dir.string().c_str());
      return 1;
    }
    std::printf("pellavan-nativegen: %zu formula codes in %zu parts\n", codes.size(), parts);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "pellavan-nativegen: %s\n", e.what());
    return 1;
  }
  return 0;
}
