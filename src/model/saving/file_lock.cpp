#include "model/saving/file_lock.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// A lock file is removed only by one who holds it exclusively; whoever takes one checks that it
// is still under its name, else takes the one made after it.
std::optional<FileTurn> FileTurn::take(int folder, const std::string& name, FileLock kind,
                                       std::chrono::milliseconds wait) {
  OpenFile at(::fcntl(folder, F_DUPFD_CLOEXEC, 0));
  const auto until = std::chrono::steady_clock::now() + wait;
  for (;;) {
    std::error_code ec;
    OpenFile lock = open_regular_file(folder, name.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW, ec,
                                      S_IRUSR | S_IWUSR);
    if (ec || !at) return FileTurn(std::move(at), {}, {});
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        until - std::chrono::steady_clock::now());
    if (!lock_file(lock.get(), kind, std::max(left, std::chrono::milliseconds(0))))
      return std::nullopt;
    struct stat held {
    }, named{};
    if (::fstat(lock.get(), &held) != 0 ||
        (::fstatat(folder, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
         named.st_dev == held.st_dev && named.st_ino == held.st_ino))
      return FileTurn(std::move(at), name, std::move(lock));
  }
}

FileTurn::~FileTurn() {
  if (lock_ && lock_file(lock_.get(), FileLock::kSave, std::chrono::milliseconds(0)))
    ::unlinkat(folder_.get(), name_.c_str(), 0);
}

}  // namespace pellavan::model
