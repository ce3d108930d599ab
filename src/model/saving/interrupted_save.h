#pragma once
// What an open does first about a save in place that was cut off (replacing_write.h): where the
// user's journal of the file (journal_folder.h) shows that the file is what that save, cut off,
// leaves (left_by_cut_write), the version being saved is written whole and the journal removed.
// A journal of a save that ended or never began (the file just as it was before it), of an
// earlier file that had its inode number, or of a file written since by other means, whatever
// the edit, is removed and changes nothing; a failure keeps it for the next open.
//   - A block copy of the file's disk (an image of it, a snapshot) is not the file: its open
//     neither applies nor removes the journal while the disk the save wrote on is mounted, or
//     where the copy's file system has an id of its own other than the file's. Where that disk
//     is mounted no more, the file found may be the file come back under another device number
//     (and is finished) or a copy of it while the disk is away: the journal then stays, but
//     where the file is restored or holds the new version whole.
//   - A save in place of the user's still writing the file, in this process or another, is
//     waited for (both take their turn at the file, file_lock.h), so that it is not taken for a
//     cut one; one that holds the file longer than the turn's wait (a program stopped while it
//     saved) is not waited for: the file is then not opened, and nothing is written.

#include <filesystem>

#include "model/saving/write_failure.h"

namespace pellavan::model {

struct InterruptedSave {
  bool restored = false;     // the version being saved was written whole from the journal
  WriteFailure failure;      // the journal could not be read or applied: the file may not be whole
  bool being_saved = false;  // another program holds the file for a save

  // The file is not to be read now.
  [[nodiscard]] bool stops_open() const { return being_saved || static_cast<bool>(failure); }
};

// Run before a file is read.
[[nodiscard]] InterruptedSave finish_interrupted_save(const std::filesystem::path& path);

}  // namespace pellavan::model
