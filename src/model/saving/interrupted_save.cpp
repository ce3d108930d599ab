#include "model/saving/interrupted_save.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <vector>

#include "model/saving/regular_file.h"
#include "model/saving/file_lock.h"
#include "model/saving/journal_folder.h"
#include "model/saving/save_journal.h"
#include "model/saving/save_steps.h"

namespace pellavan::model {
namespace {

namespace fs = std::filesystem;

InterruptedSave failed(std::error_code e, WriteFailure::Place place, const fs::path& p) {
  return {false, {e, place, p}, false};
}

// Whether the file is a save of the journal cut off half-way: neither version whole, but what
// the write leaves. A file just as it was before the save, a fresh copy of it too, stays as it
// is.
bool is_cut_save(const SaveJournal& journal, const std::vector<std::uint8_t>& current) {
  return current != journal.old_bytes && current != journal.new_bytes &&
         left_by_cut_write(current, journal);
}

}  // namespace

InterruptedSave finish_interrupted_save(const std::filesystem::path& path) {
  std::error_code ec;
  const fs::path target = link_target(path, ec);
  if (ec) return {};
  // What cannot be opened for reading here is told by the reader that follows.
  const OpenFile file = open_regular_file(target, O_RDONLY | O_NOFOLLOW, ec);
  if (ec) return {};
  struct stat st {};
  const FileIdentity identity = file_identity(file.get(), ec);
  if (ec || ::fstat(file.get(), &st) != 0) return {};
  const fs::path folder = folder_of(target);

  // The user's folder first, by the name of this version and then the earlier one's; the
  // earlier version's place beside the file after it.
  std::error_code no_folder;
  const std::optional<JournalFolder> journals =
      JournalFolder::open(JournalFolder::Missing::kMake, no_folder);
  std::optional<FileTurn> turn;
  if (journals && !(turn = journals->take_turn(identity, FileLock::kOpen)))
    return {false, {}, true};
  // Another user's save of the file is waited for a moment; what else holds it is not.
  (void)lock_file(file.get(), FileLock::kOpen, kOthersLockWait);
  if (journals) journals->remove_earlier(identity);
  std::optional<std::vector<std::uint8_t>> bytes;
  std::string name;
  for (const std::string& n : {journal_name(identity), device_journal_name(st)}) {
    if (!journals || bytes) break;
    bytes = journals->read(name = n, ec);
    if (ec) return failed(ec, WriteFailure::Place::kSource, JournalFolder::location() / name);
  }
  const bool beside = !bytes && (bytes = read_legacy_journal(folder, st.st_ino, ec)).has_value();
  if (ec) return failed(ec, WriteFailure::Place::kSource, folder / legacy_journal_name(st.st_ino));
  const auto drop = [&] {
    if (beside)
      remove_legacy_journal(folder, st.st_ino);
    else if (journals)
      journals->remove(bytes ? name : journal_name(identity));
  };
  if (!bytes) {
    drop();  // what a save cut off before its journal was whole left aside
    return {};
  }

  const std::optional<SaveJournal> journal = decode_journal(*bytes);
  const JournalDisk disk = journal ? journal_disk(journal->file, identity) : JournalDisk::kThis;
  // An open of the file on the disk the save wrote on finishes it.
  if (disk == JournalDisk::kAnother) return {};
  const bool same_file = journal && is_same_file(journal->file, identity);
  std::vector<std::uint8_t> current;
  if (same_file) {
    // Longer than either version, it is none that the save left.
    const std::uint64_t longer = std::max(journal->old_bytes.size(), journal->new_bytes.size());
    if (const std::error_code e = read_whole_file(file.get(), current, longer);
        e && e != std::errc::file_too_large)
      return failed(e, WriteFailure::Place::kSource, target);
  }
  if (!same_file || !is_cut_save(*journal, current)) {
    // Damaged, of another file, of a save that ended or never began, or of a file written since:
    // it goes. Where the file may be a copy, only when it holds the new version whole: a copy
    // of the version before the save may be opened while the cut original is away.
    if (disk == JournalDisk::kThis || (same_file && current == journal->new_bytes)) drop();
    return {};
  }
  OpenFile out = open_regular_file(target, O_WRONLY | O_NOFOLLOW, ec);
  if (ec) return failed(ec, WriteFailure::Place::kFile, target);
  struct stat written {};
  // Replaced under this name since it was opened: the journal waits for an open of that file.
  if (::fstat(out.get(), &written) != 0 || written.st_dev != st.st_dev ||
      written.st_ino != st.st_ino)
    return {};
  ec = write_in_place(out.get(), journal->new_bytes);
  if (::close(out.release()) != 0 && !ec) ec = last_error();
  if (ec) return failed(ec, WriteFailure::Place::kFile, target);
  drop();
  return {true, {}, false};
}

}  // namespace pellavan::model
