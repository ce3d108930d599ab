// Catalogue scans as the workbook filler runs them: every fill reads a dozen records by id, each
// a look at the file's size and times and a scan from record 1 of the copy the run keeps.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "model/catalogue/catalogue_readers.h"
#include "model/catalogue/data_folder.h"

namespace {

namespace fs = std::filesystem;
using pellavan::model::GeoUnitRec;
using pellavan::model::Int16;
using pellavan::model::ModelState;

// A program folder with a unit catalogue of `count` records (ids 1..count) and a few other files.
class Folder {
 public:
  explicit Folder(int count) {
    std::string pattern = (fs::temp_directory_path() / "pellavan-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    root_ = pattern;
    fs::create_directory(root_ / "Data");
    for (const char* other : {"FossData.CEA", "ACData.CEA", "WHData.CEA", "LoopData.CEA"})
      std::ofstream(root_ / "Data" / other) << "x";
    std::ofstream out(root_ / "Data" / "UnitData.CEA", std::ios::binary);
    for (int id = 1; id <= count; ++id) {
      GeoUnitRec unit;
      unit.Id = static_cast<Int16>(id);
      unit.Name = "Unit " + std::to_string(id);
      const auto image = pellavan::model::encode_record(unit);
      out.write(reinterpret_cast<const char*>(image.data()),
                static_cast<std::streamsize>(image.size()));
    }
  }
  ~Folder() { fs::remove_all(root_); }
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;
  [[nodiscard]] const fs::path& root() const { return root_; }

 private:
  fs::path root_;
};

// Finds the last unit of the catalogue: a scan over every record.
void BM_ScanToLastUnit(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  Folder folder(count);
  ModelState model;
  model.program_folder = folder.root();
  for (auto _ : state) {
    model.GeoUnitRec = GeoUnitRec{};
    benchmark::DoNotOptimize(pellavan::model::Load_UnitRecord(model, static_cast<Int16>(count)));
  }
  state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_ScanToLastUnit)->Arg(50)->Arg(500);

// The buffer already holds the id: the file's size and times are looked at, nothing is read.
void BM_UnitAlreadyInBuffer(benchmark::State& state) {
  Folder folder(50);
  ModelState model;
  model.program_folder = folder.root();
  pellavan::model::Load_UnitRecord(model, 7);
  for (auto _ : state) benchmark::DoNotOptimize(pellavan::model::Load_UnitRecord(model, 7));
}
BENCHMARK(BM_UnitAlreadyInBuffer);

// A name spelled in another case than the file's: the folder is listed to find it (once a run
// for a look-up; every time here).
void BM_FindNameIgnoringCase(benchmark::State& state) {
  Folder folder(1);
  for (auto _ : state)
    benchmark::DoNotOptimize(pellavan::model::data_file_path(folder.root(), "unitdata.cea"));
}
BENCHMARK(BM_FindNameIgnoringCase);

}  // namespace
