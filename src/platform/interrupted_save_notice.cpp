#include "platform/interrupted_save_notice.h"

#include <QDir>

#include "platform/message_box.h"

namespace pellavan::platform {

bool tell_interrupted_save(QWidget* parent, const std::filesystem::path& path,
                           const model::InterruptedSave& found) {
  const QString name = QDir::toNativeSeparators(QString::fromStdString(path.string()));
  if (found.being_saved) {
    message_box(parent, {name + QStringLiteral("\nThis File is Being Saved by Another Program -- "
                                               "Open It Again When the Save is Done"),
                         QStringLiteral("Warning!"), MessageIcon::Critical});
    return false;
  }
  if (found.failure) {
    message_box(parent, {name +
                             QStringLiteral("\nThe Last Save of This File Was Interrupted -- It "
                                            "Cannot Be Restored or Opened\n\n") +
                             QString::fromStdString(model::failure_words(found.failure)),
                         QStringLiteral("Warning!"), MessageIcon::Critical});
    return false;
  }
  if (found.restored)
    message_box(parent, name + QStringLiteral("\nThe Last Save of This File Was Interrupted -- The "
                                              "Version Being Saved Has Been Restored"));
  return true;
}

}  // namespace pellavan::platform
