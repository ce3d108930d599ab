#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "sheet/book.h"
#include "sheet/calc/dependency_graph.h"
#include "sheet/calc/schedule.h"
#include "sheet/errors.h"

namespace pellavan::sheet {
namespace {

using Lists = std::vector<std::vector<std::uint32_t>>;

std::vector<std::vector<std::uint32_t>> components_of(const Lists& precedents) {
  const Components c = strongly_connected(DependencyGraph(precedents));
  std::vector<std::vector<std::uint32_t>> out;
  for (std::uint32_t i = 0; i < c.count(); ++i)
    out.emplace_back(c.members(i).begin(), c.members(i).end());
  return out;
}

TEST(DependencyGraphTest, ComponentsComeAfterWhatTheyRead) {
  // 0 reads 1, 1 reads 2; 3 and 4 read each other and 0; 5 reads itself.
  const Lists precedents = {{1}, {2}, {}, {4, 0}, {3}, {5}};
  EXPECT_EQ(components_of(precedents),
            (std::vector<std::vector<std::uint32_t>>{{2}, {1}, {0}, {3, 4}, {5}}));
  const DependencyGraph graph(precedents);
  EXPECT_TRUE(graph.reads_itself(5));
  EXPECT_FALSE(graph.reads_itself(3));
}

TEST(DependencyGraphTest, LongChainsAndRingsNeedNoRecursion) {
  const std::uint32_t n = 200000;
  Lists chain(n), ring(n);
  for (std::uint32_t i = 0; i + 1 < n; ++i) chain[i] = {i + 1};
  for (std::uint32_t i = 0; i < n; ++i) ring[i] = {(i + 1) % n};
  const Components c = strongly_connected(DependencyGraph(chain));
  ASSERT_EQ(c.count(), n);
  EXPECT_EQ(c.members(0)[0], n - 1);  // the end of the chain first
  EXPECT_EQ(strongly_connected(DependencyGraph(ring)).count(), 1u);
}

TEST(ScheduleTest, SplitsBeforeLoopAndAfter) {
  // 0: input formula; 1 <-> 2 a group reading 0; 3 reads the group and feeds group 4 <-> 5;
  // 6 reads group 4/5 only; 7 stands alone; 8 is a counter read by group 1/2.
  const Lists precedents = {{}, {0, 2, 8}, {1}, {2}, {3, 5}, {4}, {5}, {}, {8}};
  const Schedule s = build_schedule(DependencyGraph(precedents));
  EXPECT_EQ(s.before, (std::vector<std::uint32_t>{0, 7}));
  EXPECT_EQ(s.after, (std::vector<std::uint32_t>{6}));
  ASSERT_EQ(s.items.size(), 4u);
  EXPECT_TRUE(s.items[0].counter);  // 8
  EXPECT_TRUE(s.items[1].counted());
  EXPECT_FALSE(s.items[2].circular);  // 3, between the groups
  EXPECT_TRUE(s.items[3].counted());
  EXPECT_EQ(std::vector<std::uint32_t>(s.cells(s.items[2]).begin(), s.cells(s.items[2]).end()),
            (std::vector<std::uint32_t>{3}));
  EXPECT_EQ(std::vector<std::uint32_t>(s.inputs(s.items[3]).begin(), s.inputs(s.items[3]).end()),
            (std::vector<std::uint32_t>{2}));
}

TEST(ScheduleTest, GroupOrderBreaksCyclesAtBackEdges) {
  // The building-load group, numbered in sheet order: 0 K2 and 1 K3 read 3 (B14); 2 B11 reads 5
  // (K32); 3 B14 reads 2, itself and 4 (F32); 4 F32 reads 3 and 5; 5 K32 reads 0 and 1.
  const Lists precedents = {{3}, {3}, {5}, {2, 3, 4}, {3, 5}, {0, 1}};
  const Schedule s = build_schedule(DependencyGraph(precedents));
  ASSERT_EQ(s.items.size(), 1u);
  const auto order = s.cells(s.items[0]);
  // From K2: B14 needs B11, which needs K32, which needs K2 (on the search path) and K3. So K3,
  // K32, B11, then F32 (B14 on the path), B14 and last K2.
  EXPECT_EQ(std::vector<std::uint32_t>(order.begin(), order.end()),
            (std::vector<std::uint32_t>{1, 5, 2, 4, 3, 0}));
}

class RecalcTest : public ::testing::Test {
 protected:
  RecalcTest() { book.add_sheet("main"); }
  void formula(const char* a1, const char* text) { book.set_cell_formula(*parse_a1(a1), text); }
  double number(const char* a1) { return book.cell_value(*parse_a1(a1)).as_number(); }
  Book book;
};

TEST_F(RecalcTest, ReportsPassesAndChangesPerGroup) {
  book.settings() = CalcSettings{100, 0.0001};
  formula("A1", "MIN(A2+1,5)");  // stands still at 5 after a few passes
  formula("A2", "A1");
  formula("C1", "C1+1");
  formula("D1", "D2*0.5+1");  // settles at 2, halving its distance each pass
  formula("D2", "D1");
  book.recalc();
  const RecalcReport& r = book.last_recalc();
  ASSERT_EQ(r.groups.size(), 3u);
  EXPECT_TRUE(r.converged);
  EXPECT_LE(r.last_change, 0.0001);
  EXPECT_EQ(r.groups[0].first_cell, *parse_a1("A1"));
  EXPECT_EQ(r.groups[0].cells, 2u);
  EXPECT_TRUE(r.groups[1].counter);
  EXPECT_EQ(r.groups[2].first_cell, *parse_a1("D1"));
  EXPECT_EQ(r.groups[2].passes, r.passes);  // the slowest group runs every pass
  EXPECT_LT(r.groups[0].passes, r.passes);  // the fast one is skipped once it stands still
  EXPECT_EQ(number("A1"), 5);
  EXPECT_NEAR(number("D1"), 2.0, 0.001);
  EXPECT_EQ(number("C1"), r.passes);
}

TEST_F(RecalcTest, PlainFormulasAreComputedOnce) {
  formula("A1", "1+1");
  formula("A2", "A1*2");
  formula("A3", "A2+A1");
  book.recalc();
  EXPECT_EQ(book.last_recalc().passes, 0);
  EXPECT_EQ(book.last_recalc().formulas_computed, 3u);
  EXPECT_EQ(number("A3"), 6);
}

TEST_F(RecalcTest, BothBranchesOfIfMakeTheGroup) {
  // A2 reads A1 only through the branch not taken: still one circular group.
  book.set_cell_text(*parse_a1("B1"), "1");
  formula("A1", "A2+1");
  formula("A2", "IF(B1=1,5,A1)");
  book.recalc();
  ASSERT_EQ(book.last_recalc().groups.size(), 1u);
  EXPECT_EQ(book.last_recalc().groups[0].cells, 2u);
  EXPECT_EQ(number("A1"), 6);
}

TEST_F(RecalcTest, StartsFromTheCachedValuesOfCircularCells) {
  book.settings() = CalcSettings{1, 0.001};
  formula("A1", "(A1+10)/2");
  book.set_cached_value(*parse_a1("A1"), Value::number(6));
  book.recalc();
  EXPECT_EQ(number("A1"), 8);
}

// A circle that climbs by 3 a pass and falls back to 0 past 10 goes round 0, 3, 6, 9, 12 for
// ever: it is settled at their mean, whatever pass its round was found in, and what follows from
// each state can be looked at and put back, also when the look fails.
TEST_F(RecalcTest, ACycleSettlesAtTheMeanOfItsRound) {
  book.settings() = CalcSettings{400, 1};
  formula("A1", "IF(A2>=10,0,A2+3)");
  formula("A2", "A1");
  formula("B1", "A1*2");
  const RecalcReport cycled = book.recalc();
  ASSERT_TRUE(cycled.converged);
  EXPECT_EQ(cycled.groups[0].cycle_round, 5u);
  EXPECT_EQ(cycled.cycle_round(), 5);
  EXPECT_EQ(number("A1"), 6);
  EXPECT_EQ(number("B1"), 12);

  std::vector<double> seen;
  book.visit_cycle_states(cycled, [&] { seen.push_back(number("B1")); });
  std::sort(seen.begin(), seen.end());
  EXPECT_EQ(seen, (std::vector<double>{0, 6, 12, 18, 24}));
  EXPECT_EQ(number("B1"), 12) << "put back";
  const std::uint64_t computed = book.last_recalc().formulas_computed;
  const auto failing_look = [&] {
    if (number("B1") != 12) throw BadCall("a look at a state failed");
  };
  EXPECT_THROW(book.visit_cycle_states(cycled, failing_look), BadCall);
  EXPECT_EQ(number("B1"), 12) << "put back when a look throws";
  EXPECT_EQ(book.last_recalc().formulas_computed, computed);

  book.recalc();  // from its own answer
  EXPECT_EQ(number("A1"), 6);
  for (int pass = 0; pass < 5; ++pass) {
    const RecalcReport& from = book.recalc();
    book.put_cycle_state(from, pass);
    seen[static_cast<std::size_t>(pass)] = number("B1");
    book.recalc();
    EXPECT_EQ(number("A1"), 6) << "from state " << pass;
  }
  std::sort(seen.begin(), seen.end());
  EXPECT_EQ(seen, (std::vector<double>{0, 6, 12, 18, 24}));
  book.settings().change_limit = 0.1;
  book.recalc();
  EXPECT_EQ(number("A1"), 6);

  Book other = book;  // its cells, groups and generation
  EXPECT_THROW(other.put_cycle_state(book.last_recalc(), 0), BadCall) << "another book's report";
  EXPECT_THROW(other.visit_cycle_states(book.last_recalc(), [] {}), BadCall);
  EXPECT_EQ(other.cell_value(*parse_a1("A1")).as_number(), 6);
  EXPECT_THROW(book.put_cycle_state(book.last_recalc(), -1), BadCall);
  book.set_cell_text(*parse_a1("C1"), "1");
  EXPECT_THROW(book.put_cycle_state(book.last_recalc(), 0), BadCall)
      << "the states are of cells since changed";
}

}  // namespace
}  // namespace pellavan::sheet
