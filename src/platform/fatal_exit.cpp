#include "platform/fatal_exit.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "platform/replaceable.h"

namespace pellavan::platform {
namespace {

void print_and_exit(const std::string& message) {
  std::fprintf(stderr, "%s\n", message.c_str());
  std::fflush(stderr);
  std::_Exit(1);
}

Replaceable<void(const std::string&)>& handler() {
  static Replaceable<void(const std::string&)> h(print_and_exit);
  return h;
}

}  // namespace

FatalHandler set_fatal_handler(FatalHandler h) { return handler().replace(std::move(h)); }

void end_program(const std::string& message) {
  handler()(message);
  std::fflush(nullptr);
  std::_Exit(1);
}

}  // namespace pellavan::platform
