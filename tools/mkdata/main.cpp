// pellavan-mkdata: turns a readable data source into its random-access data file.
//
//   pellavan-mkdata --record LoopRec [--base loops.txt] --out LoopDataM.CEA [--out ...] source.txt
//
// A single record (a project) may name several bases, taken in turn before its source:
//   pellavan-mkdata --record ProjectRec --base default.txt --base sample.txt --out x.pvn x.txt
//
// Every --out receives the same bytes. A fault in a source is reported as "file:line: message"
// and no output is written.

#include <iostream>
#include <string>
#include <vector>

#include "mkdata/output_file.h"
#include "mkdata/record_kinds.h"
#include "mkdata/source_file.h"

namespace {

int usage() {
  std::cerr << "usage: pellavan-mkdata --record <RecordType> [--base <source>...] --out <file> "
               "[--out <file>...] <source>\n  record types:";
  for (const auto& kind : pellavan::mkdata::record_kinds()) std::cerr << ' ' << kind.name;
  std::cerr << '\n';
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace pellavan::mkdata;
  std::string record, source;
  std::vector<std::string> bases, outputs;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool has_value = i + 1 < argc;
    if (arg == "--record" && has_value) {
      record = argv[++i];
    } else if (arg == "--base" && has_value) {
      bases.emplace_back(argv[++i]);
    } else if (arg == "--out" && has_value) {
      outputs.emplace_back(argv[++i]);
    } else if (!arg.starts_with("--") && source.empty()) {
      source = arg;
    } else {
      return usage();
    }
  }
  const RecordKind* kind = find_record_kind(record);
  if (kind == nullptr || source.empty() || outputs.empty()) return usage();

  try {
    const SourceFile parsed = read_source(source);
    std::vector<SourceFile> parsed_bases;
    for (const auto& base : bases) parsed_bases.push_back(read_source(base));
    const std::vector<std::uint8_t> image = kind->make_image(parsed, parsed_bases);
    for (const auto& out : outputs) write_file_replacing(out, image);
  } catch (const std::exception& e) {
    std::cerr << e.what() << '\n';
    return 1;
  }
  return 0;
}
