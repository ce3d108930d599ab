// A failed write in the words a contractor reads.
#include "model/saving/write_failure.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace pellavan::model {
namespace {

TEST(WriteFailureTest, NamesThePlaceAndTheCause) {
  using Place = WriteFailure::Place;
  struct Row {
    int number;
    Place place;
    const char* words;
  };
  const Row rows[] = {
      {EACCES, Place::kFolder, "The folder \"/jobs\" cannot be written: permission denied"},
      {EROFS, Place::kFile, "The file \"/jobs\" cannot be written: the disk is read-only"},
      {EISDIR, Place::kFile, "The file \"/jobs\" cannot be written: it is a folder"},
      {ENOENT, Place::kSource, "The file \"/jobs\" cannot be read: it does not exist"},
      {EXDEV, Place::kFolder, "The folder \"/jobs\" cannot be written: invalid cross-device link"},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(failure_words({{r.number, std::generic_category()}, r.place, "/jobs"}), r.words);
  }
}

}  // namespace
}  // namespace pellavan::model
