// Recalculation: the building-load workbook as the loads window drives it, and a synthetic book
// of the analysis workbook's shape (13,000 formulas, about 2,500 of them in circular groups).

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <string>

#include "loads/building_load/building_load_book.h"
#include "sheet/book.h"
#include "sheet/book_control.h"

namespace {

using namespace pellavan::sheet;

void BM_BuildingLoadFillRecalcRead(benchmark::State& state) {
  Book book = pellavan::loads::make_building_load_book();
  BookControl c(book);
  c.set_active_sheet(1);
  const char* hours[30] = {"0",   "1",   "10",  "47",  "165", "346", "578", "731", "850", "764",
                           "676", "586", "576", "545", "617", "670", "637", "404", "228", "138",
                           "97",  "50",  "24",  "11",  "1",   "0",   "0",   "0",   "0",   "0"};
  const char* climate[8] = {"6", "97", "4900", "0.83", "0.46", "57", "24.4", "34"};
  const int rows[13] = {17, 18, 19, 20, 21, 22, 24, 25, 26, 28, 29, 30, 31};
  const char* building[13] = {"80000", "65", "45000", "20", "140", "4", "70",
                              "75",    "75", "3",     "3",  "3",   "3"};
  std::size_t round = 0;
  for (auto _ : state) {
    for (int j = 0; j < 30; ++j) c.set_cell_text(j + 2, 4, hours[j]);
    for (int k = 0; k < 8; ++k) c.set_cell_text(k + 3, 2, climate[k]);
    c.set_cell_text(2, 2, "St. Louis, MO                           ");
    for (int i = 0; i < 13; ++i)
      c.set_cell_text(rows[i], 1, i == 0 && ++round % 2 ? "81000" : building[i]);
    c.set_cell_formula(34, 11, "K34+1");
    c.recalc();
    for (int r = 2; r <= 31; ++r) {
      benchmark::DoNotOptimize(c.cell_text(r, 7));
      benchmark::DoNotOptimize(c.cell_text(r, 8));
    }
    for (const auto& [r, col] : {std::pair{13, 2},
                                 {14, 2},
                                 {33, 6},
                                 {33, 7},
                                 {33, 8},
                                 {33, 9},
                                 {33, 10},
                                 {6, 2},
                                 {7, 2},
                                 {11, 2}}) {
      benchmark::DoNotOptimize(c.cell_text(r, col));
    }
  }
  state.counters["passes"] = book.last_recalc().passes;
}
BENCHMARK(BM_BuildingLoadFillRecalcRead)->Unit(benchmark::kMicrosecond);

// A loop-sizing group spanning 30 bin rows of 75 cells, tied together by one sum (as a loop
// length ties the bins of a ground-source sheet), 30 groups of 7 cells (one per bin row, as the
// heat-pump sheet has them), and plain formulas reading both up to 13,000 formulas in all.
Book make_synthetic_book() {
  Book book;
  const int in = book.add_sheet("In");
  const int big = book.add_sheet("Big");
  const int small = book.add_sheet("Air-to-Air");
  for (int k = 0; k < 50; ++k) book.set_cell_value({in, k, 0}, Value::number(10 + k));
  auto put = [&](int s, int r, int c, const std::string& f) {
    book.set_cell_formula({s, r, c}, f);
  };
  int formulas = 0;
  for (int r = 10; r < 40; ++r) {
    const std::string R = std::to_string(r + 1);
    book.set_cell_value({big, r, 0}, Value::number(112 - 5 * (r - 10)));
    book.set_cell_value({big, r, 1}, Value::number(100 + r));
    put(big, r, 2,
        "IF(ISERROR(BY" + R + "),55,((In!$A$1-(BY" + R + "/(MAX($B$50,1)*In!$A$2)))+C" + R +
            ")/2)");
    for (int c = 3; c < 77; ++c) {
      const std::string prev = column_name(c - 1) + R;
      switch (c % 5) {
        case 0: put(big, r, c, prev + "*0.5+In!$A$3/10"); break;
        case 1: put(big, r, c, "IF(" + prev + ">-1E9," + prev + "*0.6+1,0)"); break;
        case 2: put(big, r, c, "MAX(" + prev + "*0.7,In!$A$4/100)+ABS($A" + R + ")/1000"); break;
        case 3: put(big, r, c, "SQRT(ABS(" + prev + "))+1"); break;
        default: put(big, r, c, prev + "*0.5+$B" + R + "^0.5"); break;
      }
    }
    formulas += 75;
  }
  put(big, 49, 1, "SUM(BY11:BY40)/30");
  ++formulas;
  for (int r = 10; r < 40; ++r) {
    const std::string R = std::to_string(r + 1);
    book.set_cell_value({small, r, 2}, Value::number(112 - 5 * (r - 10)));
    put(small, r, 4, "S" + R + "*0.5+In!$A$5+C" + R + "/10");
    put(small, r, 8, "E" + R + "*0.9+In!$A$6");
    put(small, r, 9, "IF(I" + R + "<0,0,I" + R + "/2)");
    put(small, r, 10, "MIN(J" + R + ",In!$A$7*10)");
    put(small, r, 13, "K" + R + "+ABS(C" + R + ")/10");
    put(small, r, 16, "IF(AND(N" + R + ">0,N" + R + "<1000),N" + R + "*0.8,0)");
    put(small, r, 18, "(Q" + R + "+E" + R + ")/2");
    formulas += 7;
  }
  for (int n = 1; formulas < 13000; ++n) {
    const int s = book.add_sheet("Sum" + std::to_string(n));
    for (int c = 1; c < 36 && formulas < 13000; ++c) {
      for (int r = 10; r < 40 && formulas < 13000; ++r, ++formulas) {
        const std::string R = std::to_string(r + 1);
        const std::string left = c == 1 ? "Big!BY" + R : column_name(c - 1) + R;
        switch ((c + r) % 4) {
          case 0: put(s, r, c, "IF(Big!$B$50>0," + left + "*1.01+In!$A$8,0)"); break;
          case 1: put(s, r, c, "IF(ISERROR(" + left + "),0," + left + "/In!$A$9)"); break;
          case 2:
            put(s, r, c,
                "IF(OR(" + left + ">1E6,'Air-to-Air'!S" + R + "<0),-1," + left + "+'Air-to-Air'!S" +
                    R + "/3413)");
            break;
          default: put(s, r, c, "MIN(" + left + "," + left + "^1.0001)"); break;
        }
      }
    }
  }
  return book;
}

// Each round writes other inputs, so that the circular groups iterate from a moved start.
void BM_SyntheticRecalc(benchmark::State& state) {
  Book book = make_synthetic_book();
  book.settings() = CalcSettings{400, state.range(0) == 0 ? 5.0 : 1e-9};
  book.recalc();
  std::size_t round = 0;
  for (auto _ : state) {
    state.PauseTiming();
    book.set_cell_value({0, 0, 0}, Value::number(++round % 2 ? 60 : 40));
    book.set_cell_value({0, 4, 0}, Value::number(round % 2 ? 20 : 14));
    state.ResumeTiming();
    book.recalc();
  }
  const RecalcReport& report = book.last_recalc();
  std::uint32_t circular = 0;
  for (const GroupReport& g : report.groups) circular += g.cells;
  state.counters["formulas"] = static_cast<double>(book.formula_count());
  state.counters["circular"] = circular;
  state.counters["passes"] = report.passes;
  state.counters["computed"] = static_cast<double>(report.formulas_computed);
}
BENCHMARK(BM_SyntheticRecalc)->Arg(0)->Arg(1)->ArgName("tight")->Unit(benchmark::kMillisecond);

// Bytes the allocator has handed out and not taken back, small blocks and mapped ones alike.
double heap_in_use() {
  const struct mallinfo2 info = mallinfo2();
  return static_cast<double>(info.uordblks + info.hblkhd);
}

// What the synthetic book holds once built and recalculated (its dependency structure included);
// the goal is under 20 MB.
void BM_SyntheticBookMemory(benchmark::State& state) {
  double megabytes = 0.0;
  for (auto _ : state) {
    const double before = heap_in_use();
    Book book = make_synthetic_book();
    book.recalc();
    megabytes = (heap_in_use() - before) / (1024.0 * 1024.0);
    benchmark::DoNotOptimize(book);
  }
  state.counters["book_MB"] = megabytes;
}
BENCHMARK(BM_SyntheticBookMemory)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SyntheticBuild(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(make_synthetic_book());
}
BENCHMARK(BM_SyntheticBuild)->Unit(benchmark::kMillisecond);

}  // namespace
