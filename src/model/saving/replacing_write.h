#pragma once
// Writing a whole file so that a failure never destroys the file that was there: the bytes go
// to a temporary file in the same folder, are flushed to the disk, and only then is the
// temporary file renamed over the target, and the folder flushed too. A failed write removes the
// temporary file and leaves the target untouched. The new file keeps the permissions of the one
// it replaces (and its owner and group where the user may set them); a file that was not there
// gets those the user's umask gives, as every program's new file does.
//   - A file already there that the user could not open for writing (its mode, its owner, a
//     read-only file system) is refused, not replaced.
//   - A file with other names (hard links) is written in place, so that every name keeps it.
//     Both versions go first into a journal in the user's own folder (journal_folder.h), which
//     is removed once the file is whole: a save cut off at any moment leaves the file whole, or
//     the journal from which the next open, by any of its names, writes the new version whole
//     (interrupted_save.h). The save holds the user's turn at the file throughout (file_lock.h);
//     where another of the user's programs holds it longer than the turn's wait, the save is
//     refused, "in use by another program", and nothing is written; what other users hold on the
//     file holds it up a moment at most. Where the user's folder of journals cannot be had, such
//     a save is refused and names that folder and why; the folder the file is in need not be
//     writable, as nothing is made there. A version longer than kMostInPlaceBytes (its journal
//     would be past what an open reads back) is refused, "the file would be too large".
//   - A target that is a symbolic link is written where the link leads: the link stays.
//   - The temporary file has a short name of its own (kTemporaryPrefix and six characters), so
//     that any name the folder takes can be saved.
//   - A save killed half-way leaves its temporary file behind; the next save into that folder
//     removes such files: ours by their name, no longer locked by the save that made them, and
//     more than a few seconds old.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>

#include "model/saving/write_failure.h"

namespace pellavan::model {

inline constexpr std::string_view kTemporaryPrefix = ".pellavan-";

[[nodiscard]] WriteFailure write_file_replacing(const std::filesystem::path& target,
                                                std::span<const std::uint8_t> bytes);

// Copies source over target the same way; a missing or unreadable source is an error and
// leaves target untouched.
[[nodiscard]] WriteFailure copy_file_replacing(const std::filesystem::path& source,
                                               const std::filesystem::path& target);

}  // namespace pellavan::model
