#include "platform/fatal_exit.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace pellavan::platform {
namespace {

void print_and_exit(const std::string& message) {
  std::fprintf(stderr, "%s\n", message.c_str());
  std::fflush(stderr);
  std::_Exit(1);
}

FatalHandler& current_handler() {
  static FatalHandler handler = print_and_exit;
  return handler;
}

}  // namespace

FatalHandler set_fatal_handler(FatalHandler handler) {
  return std::exchange(current_handler(), handler ? std::move(handler) : print_and_exit);
}

void end_program(const std::string& message) {
  current_handler()(message);
  std::fflush(nullptr);
  std::_Exit(1);
}

}  // namespace pellavan::platform
