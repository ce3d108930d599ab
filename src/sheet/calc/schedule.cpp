#include "sheet/calc/schedule.h"

#include <algorithm>

namespace pellavan::sheet {

namespace {

// Post-order of a depth-first search over precedents inside one component, started from its
// members in ascending order; edges to cells still on the search path (back edges) are skipped.
void append_group_order(const DependencyGraph& graph, const Components& comps, std::uint32_t c,
                        std::vector<bool>& visited, std::vector<std::uint32_t>& out) {
  struct Frame {
    std::uint32_t node;
    std::uint32_t next;
  };
  std::vector<Frame> path;
  for (const std::uint32_t start : comps.members(c)) {
    if (visited[start]) continue;
    visited[start] = true;
    path.push_back(Frame{start, 0});
    while (!path.empty()) {
      Frame& top = path.back();
      const auto edges = graph.precedents(top.node);
      if (top.next < edges.size()) {
        const std::uint32_t w = edges[top.next++];
        if (comps.component_of[w] == c && !visited[w]) {
          visited[w] = true;
          path.push_back(Frame{w, 0});
        }
        continue;
      }
      out.push_back(top.node);
      path.pop_back();
    }
  }
}

}  // namespace

Schedule build_schedule(const DependencyGraph& graph) {
  const Components comps = strongly_connected(graph);
  const std::uint32_t count = comps.count();

  std::vector<bool> circular(count), fed(count), feeds(count);
  for (std::uint32_t c = 0; c < count; ++c) {
    const auto m = comps.members(c);
    circular[c] = m.size() > 1 || graph.reads_itself(m[0]);
  }
  // Components come after what they read: one forward sweep finds those a group feeds, one
  // backward sweep those that feed a group.
  for (std::uint32_t c = 0; c < count; ++c) {
    for (const std::uint32_t v : comps.members(c)) {
      for (const std::uint32_t w : graph.precedents(v)) {
        const std::uint32_t p = comps.component_of[w];
        if (p != c && (circular[p] || fed[p])) fed[c] = true;
      }
    }
  }
  for (std::uint32_t c = count; c-- > 0;) {
    if (!circular[c] && !feeds[c]) continue;
    for (const std::uint32_t v : comps.members(c)) {
      for (const std::uint32_t w : graph.precedents(v)) {
        const std::uint32_t p = comps.component_of[w];
        if (p != c) feeds[p] = true;
      }
    }
  }

  Schedule s;
  constexpr std::uint32_t kNoItem = 0xFFFFFFFFu;
  std::vector<std::uint32_t> item_of(count, kNoItem);
  std::vector<bool> visited(graph.size(), false);
  for (std::uint32_t c = 0; c < count; ++c) {
    const auto m = comps.members(c);
    if (!circular[c] && !(fed[c] && feeds[c])) {
      (fed[c] ? s.after : s.before).push_back(m[0]);
      continue;
    }
    LoopItem item;
    item.circular = circular[c];
    item.counter = circular[c] && m.size() == 1;
    item.first = static_cast<std::uint32_t>(s.loop_cells.size());
    append_group_order(graph, comps, c, visited, s.loop_cells);
    item.end = static_cast<std::uint32_t>(s.loop_cells.size());
    item_of[c] = static_cast<std::uint32_t>(s.items.size());

    item.inputs_first = static_cast<std::uint32_t>(s.item_inputs.size());
    for (const std::uint32_t v : m) {
      for (const std::uint32_t w : graph.precedents(v)) {
        const std::uint32_t p = comps.component_of[w];
        if (p != c && item_of[p] != kNoItem) s.item_inputs.push_back(item_of[p]);
      }
    }
    std::sort(s.item_inputs.begin() + item.inputs_first, s.item_inputs.end());
    s.item_inputs.erase(std::unique(s.item_inputs.begin() + item.inputs_first, s.item_inputs.end()),
                        s.item_inputs.end());
    item.inputs_end = static_cast<std::uint32_t>(s.item_inputs.size());
    for (std::uint32_t k = item.inputs_first; k < item.inputs_end; ++k)
      s.items[s.item_inputs[k]].read_in_loop = true;
    s.items.push_back(item);
  }
  const auto loop_size = static_cast<std::uint32_t>(s.loop_cells.size());
  std::vector<std::uint32_t> loop_index(graph.size(), 0);
  for (std::uint32_t k = 0; k < loop_size; ++k) loop_index[s.loop_cells[k]] = k;
  const auto each_loop_read = [&](auto&& fn) {
    for (std::uint32_t k = 0; k < loop_size; ++k) {
      for (const std::uint32_t w : graph.precedents(s.loop_cells[k]))
        if (item_of[comps.component_of[w]] != kNoItem) fn(loop_index[w], k);
    }
  };
  std::vector<std::uint32_t>& first = s.loop_readers_first;
  first.assign(loop_size + 1, 0);
  each_loop_read([&](std::uint32_t read, std::uint32_t) { ++first[read + 1]; });
  for (std::uint32_t k = 0; k < loop_size; ++k) first[k + 1] += first[k];
  s.loop_readers.resize(first.back());
  std::vector<std::uint32_t> next(first.begin(), first.end() - 1);
  each_loop_read(
      [&](std::uint32_t read, std::uint32_t reader) { s.loop_readers[next[read]++] = reader; });
  return s;
}

}  // namespace pellavan::sheet
