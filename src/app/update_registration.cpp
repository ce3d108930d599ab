#include <QApplication>
#include <memory>

#include "app/registrations.h"
#include "update/window/program_version_check.h"

namespace pellavan::app {

void register_version_check(program_state::AppState& state) {
  // Made at the first check and kept, so that its numbers last between checks.
  auto kept = std::make_shared<std::unique_ptr<update::ProgramVersionCheck>>();
  state.services.Check_ForUpdate = [&state, kept] {
    if (!*kept) {
      update::VersionCheckSetup setup;
      setup.program_folder = state.program_folder();
      setup.cache_folder = update::user_cache_folder();
      setup.version = {PELLAVAN_VERSION_MAJOR, PELLAVAN_VERSION_MINOR, PELLAVAN_VERSION_REVISION,
                       state.VersionText.toStdString()};
      *kept = std::make_unique<update::ProgramVersionCheck>(std::move(setup),
                                                            QApplication::activeWindow());
    }
    (*kept)->Check_ForUpdate();
  };
}

}  // namespace pellavan::app
