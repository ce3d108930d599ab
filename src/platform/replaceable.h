#pragma once
// A process-wide function that the program calls where a window would be shown or the process
// would end, and that tests replace with their own. Each user keeps one in a function-local
// static, so that it exists before its first use whatever the order of construction.

#include <functional>
#include <utility>

namespace pellavan::platform {

template <class Signature>
class Replaceable {
 public:
  using Function = std::function<Signature>;

  // `standard` runs while nothing else is installed; when empty, the caller does its own work.
  explicit Replaceable(Function standard = {})
      : standard_(standard), current_(std::move(standard)) {}

  // Installs `fn`, or the standard function again when `fn` is empty; returns what was installed.
  Function replace(Function fn) { return std::exchange(current_, fn ? std::move(fn) : standard_); }

  explicit operator bool() const { return static_cast<bool>(current_); }

  template <class... Args>
  decltype(auto) operator()(Args&&... args) const {
    return current_(std::forward<Args>(args)...);
  }

 private:
  Function standard_;
  Function current_;
};

}  // namespace pellavan::platform
