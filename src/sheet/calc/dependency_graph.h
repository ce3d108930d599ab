#pragma once
// The formulas of a book as a graph: node i is formula i, with an edge to each formula it reads
// (its precedents), both branches of every IF included. Adjacency is stored contiguously.

#include <cstdint>
#include <span>
#include <vector>

namespace pellavan::sheet {

class DependencyGraph {
 public:
  // precedents[i] lists what node i reads; duplicates are dropped, the rest kept in ascending
  // order.
  explicit DependencyGraph(std::vector<std::vector<std::uint32_t>> precedents);
  DependencyGraph() = default;

  std::uint32_t size() const {
    return static_cast<std::uint32_t>(offsets_.empty() ? 0 : offsets_.size() - 1);
  }
  std::span<const std::uint32_t> precedents(std::uint32_t node) const {
    return {targets_.data() + offsets_[node], targets_.data() + offsets_[node + 1]};
  }
  bool reads_itself(std::uint32_t node) const;

 private:
  std::vector<std::uint32_t> offsets_;
  std::vector<std::uint32_t> targets_;
};

// Strongly connected components, each after every component it reads (dependency order).
struct Components {
  std::vector<std::uint32_t> nodes;         // grouped by component, each group in ascending order
  std::vector<std::uint32_t> starts;        // component c is nodes[starts[c] .. starts[c + 1])
  std::vector<std::uint32_t> component_of;  // by node

  std::uint32_t count() const { return static_cast<std::uint32_t>(starts.size() - 1); }
  std::span<const std::uint32_t> members(std::uint32_t c) const {
    return {nodes.data() + starts[c], nodes.data() + starts[c + 1]};
  }
};

// Tarjan's algorithm with an explicit stack: no recursion, whatever the depth of the chains.
Components strongly_connected(const DependencyGraph& graph);

}  // namespace pellavan::sheet
