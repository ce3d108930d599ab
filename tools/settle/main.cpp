// pellavan-settle --out DIR: settles the analysis workbook's sample project and writes one values
// file per sheet ("sheet01.values" ...) and an account of the settling ("settle.txt") into DIR.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>

#include "settle/settle.h"
#include "workbook/report_template_text.h"

namespace {

bool write_file(const std::filesystem::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  return static_cast<bool>(out);
}

std::string values_file_name(int sheet_number) {
  char name[32];
  std::snprintf(name, sizeof name, "sheet%02d.values", sheet_number);
  return name;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 || std::string(argv[1]) != "--out") {
    std::fprintf(stderr, "usage: pellavan-settle --out DIR\n");
    return 2;
  }
  const std::filesystem::path dir = argv[2];
  try {
    pellavan::sheet::Book book = pellavan::workbook::load_report_template_text();
    const pellavan::settle::SettleOptions options;
    const auto report = pellavan::settle::settle_book(book, options);
    const std::string summary = pellavan::settle::settle_summary(book, report, options);
    std::fputs(summary.c_str(), stdout);
    bool ok = write_file(dir / "settle.txt", summary);
    for (int s = 0; s < book.sheet_count(); ++s)
      ok = write_file(dir / values_file_name(s + 1), pellavan::settle::values_file_text(book, s)) &&
           ok;
    if (!ok) {
      std::fprintf(stderr, "pellavan-settle: cannot write into %s\n", dir.string().c_str());
      return 1;
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "pellavan-settle: %s\n", e.what());
    return 1;
  }
  return 0;
}
