#include "model/saving/write_failure.h"

#include <cctype>
#include <cerrno>

namespace pellavan::model {
namespace {

struct Cause {
  int number;
  const char* words;
};
constexpr Cause kCauses[] = {
    {EACCES, "permission denied"},
    {EPERM, "permission denied"},
    {EROFS, "the disk is read-only"},
    {ENOENT, "it does not exist"},
    {ENOTDIR, "a part of its path is not a folder"},
    {EISDIR, "it is a folder"},
    {ENAMETOOLONG, "its name is too long"},
    {ELOOP, "its links lead round in a circle"},
    {EBUSY, "it is in use by another program"},
    {ETXTBSY, "it is in use by another program"},
    {EIO, "the disk reported an error"},
    {ENOSPC, "the disk is full"},
    {EDQUOT, "the disk is full"},
    {EFBIG, "the file would be too large"},
    {ENXIO, "the drive is not ready"},
    {ENODEV, "the drive is not ready"},
};

}  // namespace

std::string cause_words(std::error_code code) {
  if (code.category() == std::generic_category() || code.category() == std::system_category())
    for (const Cause& c : kCauses)
      if (c.number == code.value()) return c.words;
  std::string text = code.message();
  if (!text.empty()) text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
  return text;
}

std::string failure_words(const WriteFailure& failure) {
  const char* what = "The file \"";
  const char* verb = "\" cannot be written: ";
  if (failure.place == WriteFailure::Place::kFolder) what = "The folder \"";
  if (failure.place == WriteFailure::Place::kSource) verb = "\" cannot be read: ";
  return what + failure.path.string() + verb + cause_words(failure.code);
}

}  // namespace pellavan::model
