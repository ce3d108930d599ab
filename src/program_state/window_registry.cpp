#include "program_state/window_registry.h"

namespace pellavan::program_state {

void WindowRegistry::add(WindowId id, Factory factory) { factories_[id] = std::move(factory); }

WindowRegistry::~WindowRegistry() {
  for (auto& [id, window] : loaded_) delete window.data();
}

bool WindowRegistry::loaded(WindowId id) const {
  const auto it = loaded_.find(id);
  return it != loaded_.end() && !it->second.isNull();
}

QDialog* WindowRegistry::window(WindowId id, AppState& state, QWidget* parent) {
  if (loaded(id)) return loaded_[id].data();
  const auto factory = factories_.find(id);
  if (factory == factories_.end()) return nullptr;
  QDialog* created = factory->second(state, parent).release();
  loaded_[id] = created;
  return created;
}

void WindowRegistry::unload(WindowId id) {
  const auto it = loaded_.find(id);
  if (it == loaded_.end()) return;
  delete it->second.data();
  loaded_.erase(it);
}

}  // namespace pellavan::program_state
