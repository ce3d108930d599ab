// Encoding and decoding of catalogue records: the scan reads one record per step.

#include <benchmark/benchmark.h>

#include "model/record/record_layout.h"
#include "model/records/soil_rec.h"

namespace {

using pellavan::model::SoilRec;

void BM_DecodeSoilRecord(benchmark::State& state) {
  SoilRec s;
  s.Id = 2;
  s.Name = "Average Rock";
  const auto image = pellavan::model::encode_record(s);
  for (auto _ : state) {
    auto rec = pellavan::model::decode_record<SoilRec>(image);
    benchmark::DoNotOptimize(rec);
  }
}
BENCHMARK(BM_DecodeSoilRecord);

}  // namespace
