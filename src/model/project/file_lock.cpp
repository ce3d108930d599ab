#include "model/project/file_lock.h"

#include <fcntl.h>

#include <cerrno>
#include <thread>

namespace pellavan::model {

bool lock_file(int fd, FileLock kind, std::chrono::milliseconds wait) {
  constexpr auto kStep = std::chrono::milliseconds(20);
  struct flock whole {};
  whole.l_type = kind == FileLock::kSave ? F_WRLCK : F_RDLCK;
  whole.l_whence = SEEK_SET;  // from byte 0 to the end, however far it grows
  const auto until = std::chrono::steady_clock::now() + wait;
  for (;;) {
    if (::fcntl(fd, F_OFD_SETLK, &whole) == 0) return true;
    if (errno == EINTR) continue;
    if (errno != EAGAIN && errno != EACCES) return true;  // no locks here
    if (std::chrono::steady_clock::now() >= until) return false;
    std::this_thread::sleep_for(kStep);
  }
}

}  // namespace pellavan::model
