#pragma once
// The windows the main window opens but does not build itself (project information, utility
// rates, the five system windows, reports, bin viewer, building loads). Each registers a factory
// once, at the program's start. A window is loaded (created) at its first use and lives until it
// is unloaded, so that the next use loads it afresh.

#include <QDialog>
#include <QPointer>
#include <QString>
#include <functional>
#include <map>
#include <memory>

namespace pellavan::program_state {

struct AppState;

enum class WindowId {
  ProjectInfo,  // project information and loads
  UtilityRates,
  GeoA,
  GeoB,
  GeoT,
  HeatPump,  // air-source heat pump
  Furnace,   // furnace or boiler
  Reports,   // holds the analysis workbook
  BinViewer,
};

// A loaded window belongs to its Qt parent when it has one (the main window), else to the
// registry; either may go first.
class WindowRegistry {
 public:
  WindowRegistry() = default;
  ~WindowRegistry();
  WindowRegistry(const WindowRegistry&) = delete;
  WindowRegistry& operator=(const WindowRegistry&) = delete;

  using Factory = std::function<std::unique_ptr<QDialog>(AppState& state, QWidget* parent)>;

  void add(WindowId id, Factory factory);
  [[nodiscard]] bool loaded(WindowId id) const;

  // The window, loaded now when it is not; nullptr when no factory was registered.
  QDialog* window(WindowId id, AppState& state, QWidget* parent = nullptr);
  void unload(WindowId id);

 private:
  std::map<WindowId, Factory> factories_;
  std::map<WindowId, QPointer<QDialog>> loaded_;
};

// A factory for a window class constructed from the state and a parent.
template <class W>
std::unique_ptr<QDialog> make_window(AppState& state, QWidget* parent) {
  return std::make_unique<W>(state, parent);
}

}  // namespace pellavan::program_state
