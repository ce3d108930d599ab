#include "app/version_info.h"

namespace pellavan::app {

QString version_text(int major, int minor, int revision) {
  return QStringLiteral("%1.%2.%3").arg(major).arg(minor).arg(revision, 2, 10, QLatin1Char('0'));
}

QString program_version_text() {
  return version_text(PELLAVAN_VERSION_MAJOR, PELLAVAN_VERSION_MINOR, PELLAVAN_VERSION_REVISION);
}

QString legal_notice() {
  return QStringLiteral(
      "Warning: This computer program is protected by copyright law and international treaties. "
      "Unauthorized reproduction or distribution of this program, or any portion of it, may "
      "result in severe civil and criminal penalties.");
}

}  // namespace pellavan::app
