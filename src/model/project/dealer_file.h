#pragma once
// The settings file "Dsetfil.dat" of the Data folder: one DealerRec, tag "KX2". Its unit options
// become MetricFlag when a project is created or opened; its dealer details are copied into a
// new project. Both readers compare the tag without regard to case.

#include <filesystem>
#include <system_error>

#include "model/saving/interrupted_save.h"
#include "model/saving/write_failure.h"

#include "model/catalogue/catalogue_files.h"
#include "model/records/dealer_rec.h"
#include "model/records/project_rec.h"

namespace pellavan::model {

[[nodiscard]] std::filesystem::path dealer_file_path(const std::filesystem::path& program_folder);

enum class DealerReadStatus {
  kOk,
  kMissing,     // no such file; rec unchanged
  kUnreadable,  // exists but cannot be opened; rec unchanged
  kReset,       // wrong tag: rec was reset and written back
};

// What a reset does with the "Show Inactive Units" choice: the project commands keep it, the
// dealer window's own read clears it (shows discontinued units).
enum class HideInactiveOnReset { kKeep, kClear };

// Reads record 1 into rec (a short file reads as padded with zeros). A record with a wrong tag
// gets tag "KX2", blank texts and blank options (reserved fields kept) and is written back; a
// failure to write it back is not reported, the next read resets again. A save cut off earlier
// is finished first and told in interrupted (kUnreadable when it could not be).
[[nodiscard]] DealerReadStatus read_dealer_file(const std::filesystem::path& program_folder,
                                                DealerRec& rec, HideInactiveOnReset rule,
                                                InterruptedSave* interrupted = nullptr);

// Sets rec's tag to "KX2" and writes it as the whole file, creating the file when missing; the
// old file stays intact when this fails.
[[nodiscard]] WriteFailure write_dealer_file(const std::filesystem::path& program_folder,
                                             DealerRec& rec);

// MetricFlag from the five option characters: -1 where the character, trimmed, is "1".
[[nodiscard]] MetricFlags metric_flags_from(const DealerRec& rec);

// A new project's dealer block: the settings file's ten details, each trimmed (notes untouched).
void copy_dealer_into_project(const DealerRec& dealer, ProjectRec& project);

}  // namespace pellavan::model
