#include "sheet/calc/dependency_graph.h"

#include <algorithm>

namespace pellavan::sheet {

DependencyGraph::DependencyGraph(std::vector<std::vector<std::uint32_t>> precedents) {
  offsets_.reserve(precedents.size() + 1);
  offsets_.push_back(0);
  for (auto& list : precedents) {
    std::sort(list.begin(), list.end());
    list.erase(std::unique(list.begin(), list.end()), list.end());
    targets_.insert(targets_.end(), list.begin(), list.end());
    offsets_.push_back(static_cast<std::uint32_t>(targets_.size()));
  }
}

bool DependencyGraph::reads_itself(std::uint32_t node) const {
  const auto p = precedents(node);
  return std::binary_search(p.begin(), p.end(), node);
}

Components strongly_connected(const DependencyGraph& graph) {
  constexpr std::uint32_t kUnvisited = 0xFFFFFFFFu;
  const std::uint32_t n = graph.size();
  std::vector<std::uint32_t> index(n, kUnvisited), low(n, 0);
  std::vector<bool> on_stack(n, false);
  std::vector<std::uint32_t> stack;
  struct Frame {
    std::uint32_t node;
    std::uint32_t next;  // position in the node's precedents
  };
  std::vector<Frame> calls;
  std::uint32_t counter = 0;

  Components out;
  out.component_of.assign(n, 0);
  out.starts.push_back(0);

  auto discover = [&](std::uint32_t v) {
    index[v] = low[v] = counter++;
    stack.push_back(v);
    on_stack[v] = true;
    calls.push_back(Frame{v, 0});
  };

  for (std::uint32_t root = 0; root < n; ++root) {
    if (index[root] != kUnvisited) continue;
    discover(root);
    while (!calls.empty()) {
      const std::uint32_t v = calls.back().node;
      const auto edges = graph.precedents(v);
      if (calls.back().next < edges.size()) {
        const std::uint32_t w = edges[calls.back().next++];
        if (index[w] == kUnvisited) {
          discover(w);
        } else if (on_stack[w]) {
          low[v] = std::min(low[v], index[w]);
        }
        continue;
      }
      calls.pop_back();
      if (!calls.empty()) {
        const std::uint32_t parent = calls.back().node;
        low[parent] = std::min(low[parent], low[v]);
      }
      if (low[v] != index[v]) continue;
      const auto begin = out.nodes.size();
      std::uint32_t w;
      do {
        w = stack.back();
        stack.pop_back();
        on_stack[w] = false;
        out.component_of[w] = out.count();
        out.nodes.push_back(w);
      } while (w != v);
      std::sort(out.nodes.begin() + static_cast<std::ptrdiff_t>(begin), out.nodes.end());
      out.starts.push_back(static_cast<std::uint32_t>(out.nodes.size()));
    }
  }
  return out;
}

}  // namespace pellavan::sheet
