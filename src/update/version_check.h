#pragma once
// Check_ForUpdate: asks the maker's web host for the edition's version file, reads the newest
// version from it and says that the running version is current, or shows the update window.
//
// The version file replaces the last copy only when it has come whole (the transfer class writes
// a temporary file first), so a failed check neither loses the last copy nor compares a partial
// one. Its place is the program's Data folder when that is writable, else the user's cache
// folder. A request that cannot be made shows the no-connection message; an error of the
// transfer shows its number, description and source and then the no-connection message.

#include <chrono>
#include <filesystem>
#include <string>

#include "model/edition/edition_table.h"
#include "platform/transfer/curl_transfer.h"
#include "update/update_site.h"

namespace pellavan::update {

class UpdateUi;
class WebBrowser;

struct RunningVersion {
  int major = 0;
  int minor = 0;
  int revision = 0;
  std::string text;  // VersionText: "5.0.01"
};

struct VersionCheckSetup {
  std::filesystem::path program_folder;
  std::filesystem::path cache_folder;  // for the version file when the Data folder is read-only
  RunningVersion version;
  model::Int16 edition = model::kRunningEdition;
  UpdateSite site;
  // A version file is a few bytes: the check is bounded as a whole.
  platform::TransferLimits limits{.stall = std::chrono::seconds(15),
                                  .whole = std::chrono::seconds(30)};
};

class VersionCheck {
 public:
  VersionCheck(VersionCheckSetup setup, UpdateUi& ui, WebBrowser& browser);

  // The whole check, to its end; reports everything itself.
  void Check_ForUpdate();

  // Kept between checks: the running version's number, set by every check, and the number and
  // text last read from a version file.
  double ThisVersionNumber = 0;
  double WebVersionNumber = 0;
  std::string WebVersionText;

 private:
  enum class Download { kDone, kNoConnection, kEnded };

  // Fetches the version file into `local`.
  Download Download_VersionFile(std::filesystem::path& local);
  // Reads the downloaded file, compares and reports.
  void Compare_Version(const std::filesystem::path& path);

  VersionCheckSetup setup_;
  UpdateUi& ui_;
  WebBrowser& browser_;
};

}  // namespace pellavan::update
