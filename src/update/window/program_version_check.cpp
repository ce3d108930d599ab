#include "update/window/program_version_check.h"

#include "update/window/update_window.h"

namespace pellavan::update {

ProgramVersionCheck::ProgramVersionCheck(VersionCheckSetup setup, QWidget* parent)
    : ui_(parent, [owner = QPointer<QWidget>(parent)](
                      const UpdateNotice& notice) { show_update_window(notice, owner.data()); }),
      check_(std::move(setup), ui_, browser_) {}

}  // namespace pellavan::update
