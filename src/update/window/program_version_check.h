#pragma once
// The program's one version check: the check over the desktop's message boxes, browser and
// update window, kept for the whole run so that its numbers last between checks.

#include "update/desktop_update_ui.h"
#include "update/version_check.h"

namespace pellavan::update {

class ProgramVersionCheck {
 public:
  // Messages and the update window appear over `parent`.
  ProgramVersionCheck(VersionCheckSetup setup, QWidget* parent);

  void Check_ForUpdate() { check_.Check_ForUpdate(); }
  [[nodiscard]] VersionCheck& check() { return check_; }

 private:
  DesktopWebBrowser browser_;
  DesktopUpdateUi ui_;
  VersionCheck check_;
};

}  // namespace pellavan::update
