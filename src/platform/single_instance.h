#pragma once
// Refusing a second running copy of the program: the first copy holds a lock file in the
// user's runtime folder for as long as it runs. A lock left by a copy that died is taken over.

#include <QString>
#include <memory>

class QLockFile;

namespace pellavan::platform {

class SingleInstance {
 public:
  // lock_path empty: "<program name>.lock" in the user's runtime folder.
  explicit SingleInstance(QString lock_path = {});
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // True when this is the only running copy; it then holds the lock until destroyed.
  bool acquire();
  [[nodiscard]] QString lock_path() const { return path_; }

 private:
  QString path_;
  std::unique_ptr<QLockFile> lock_;
};

// The program's executable name without folder and extension, followed by " already running ".
[[nodiscard]] QString already_running_message();

}  // namespace pellavan::platform
