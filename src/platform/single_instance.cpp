#include "platform/single_instance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

namespace pellavan::platform {
namespace {

QString program_name() {
  return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QString default_lock_path() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) folder = QDir::tempPath();
  return QDir(folder).filePath(program_name() + QStringLiteral(".lock"));
}

}  // namespace

SingleInstance::SingleInstance(QString lock_path)
    : path_(lock_path.isEmpty() ? default_lock_path() : std::move(lock_path)) {}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::acquire() {
  if (lock_ && lock_->isLocked()) return true;
  lock_ = std::make_unique<QLockFile>(path_);
  lock_->setStaleLockTime(0);  // stale only when its holder no longer runs
  return lock_->tryLock(0);
}

QString already_running_message() { return program_name() + QStringLiteral(" already running "); }

}  // namespace pellavan::platform
