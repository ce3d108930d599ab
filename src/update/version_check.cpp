#include "update/version_check.h"

#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <system_error>
#include <utility>

#include "model/catalogue/data_folder.h"
#include "platform/transfer/http_transfer.h"
#include "platform/transfer/transfer_error.h"
#include "update/update_notice.h"
#include "update/update_ui.h"
#include "update/version_number.h"

namespace pellavan::update {
namespace fs = std::filesystem;
namespace {

constexpr const char* kNoConnectionText =
    "An Internet Connection is Not Available to Check for Updates\n\n"
    "         Please Check Your Connection and Try Again";

// A version file is a line or two: a longer answer fails the check, and only the first field
// is read.
constexpr std::uint64_t kVersionFileLimit = 64 * 1024;

constexpr long kStatusOk = 200;
constexpr const char* kCheckSource = "Check_ForUpdate";

// The first bytes of a file, up to the most a version file may hold.
std::string file_start(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::string text(kVersionFileLimit, '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<std::size_t>(in.gcount()));
  return text;
}

// The wait shows from the request until the answer is in, whichever way the download ends.
class Waiting {
 public:
  explicit Waiting(UpdateUi& ui) : ui_(ui) { ui_.show_waiting(true); }
  ~Waiting() { ui_.show_waiting(false); }
  Waiting(const Waiting&) = delete;
  Waiting& operator=(const Waiting&) = delete;

 private:
  UpdateUi& ui_;
};

bool writable_folder(const fs::path& folder) {
  std::error_code ec;
  return fs::is_directory(folder, ec) && ::access(folder.c_str(), W_OK) == 0;
}

}  // namespace

VersionCheck::VersionCheck(VersionCheckSetup setup, UpdateUi& ui, WebBrowser& browser)
    : setup_(std::move(setup)), ui_(ui), browser_(browser) {}

void VersionCheck::Check_ForUpdate() {
  fs::path local;
  switch (Download_VersionFile(local)) {
    case Download::kDone: Compare_Version(local); break;
    case Download::kNoConnection:
      ui_.show_message({kNoConnectionText, kProgramTitle, UpdateIcon::kExclamation});
      break;
    case Download::kEnded: break;
  }
}

VersionCheck::Download VersionCheck::Download_VersionFile(fs::path& local) {
  const RunningVersion& v = setup_.version;
  ThisVersionNumber = this_version_number(v.major, v.minor, v.revision);
  const fs::path data = model::find_ignoring_case(setup_.program_folder, "Data");
  std::error_code ec;
  if (!fs::is_directory(data, ec)) ui_.show_message({"ERROR 191992992"});
  const std::string name(model::edition_row(setup_.edition).version_file);
  if (name.empty()) {
    ui_.show_message({"Unknown Version of Pellavan - Please Contact Oskerby Software Support"});
    return Download::kEnded;
  }
  fs::path folder = data;
  if (!writable_folder(folder)) {
    folder = setup_.cache_folder;
    fs::create_directories(folder, ec);
  }
  local = folder / name;
  // The answer lands beside the kept copy, which it replaces only once it reads as a version.
  const fs::path answer = folder / (name + ".new");
  try {
    const Waiting waiting(ui_);
    platform::TransferLimits limits = setup_.limits;
    limits.body = kVersionFileLimit;
    platform::HTTP http(nullptr, limits);
    http.HttpURL(version_file_url(setup_.site, name));
    http.DestinationFile(answer.string());
    if (http.FileExists()) http.OverwriteTarget(true);
    if (!http.IsConnected() || !http.ConnectToHTTPHost()) return Download::kNoConnection;
    if (http.StatusCode() != kStatusOk) {
      throw platform::TransferError(platform::transfer_code::kHttpStatus,
                                    "The server answered with status " +
                                        std::to_string(http.StatusCode()) +
                                        " instead of the version file.",
                                    kCheckSource);
    }
    http.WriteHTTPDataToFile();
    // A file that could not be created leaves the old copy, which is not compared.
    if (!http.written()) return Download::kNoConnection;
    if (!reads_as_version(file_start(answer))) {
      throw platform::TransferError(platform::transfer_code::kTransferFailed,
                                    "The answer of the server is not a version file.",
                                    kCheckSource);
    }
    fs::rename(answer, local);
    return Download::kDone;
  } catch (const platform::TransferError& e) {
    ui_.show_message(
        {std::to_string(e.number()) + "\n" + e.description(), e.source(), UpdateIcon::kCritical});
  } catch (const std::exception& e) {
    ui_.show_message({e.what(), kProgramTitle, UpdateIcon::kCritical});
  }
  fs::remove(answer, ec);
  return Download::kNoConnection;
}

void VersionCheck::Compare_Version(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    ui_.show_message({"The version file " + path.string() + " could not be read.", kProgramTitle,
                      UpdateIcon::kExclamation});
    return;
  }
  const std::string text = file_start(path);
  WebVersionNumber = web_version_number(text);
  WebVersionText = web_version_text(WebVersionNumber);
  if (ThisVersionNumber >= WebVersionNumber) {
    ui_.show_message({"You have the lastest version of Pellavan", "Version " + setup_.version.text,
                      UpdateIcon::kInformation});
    return;
  }
  const UpdateNotice notice(setup_.version.text, WebVersionText,
                            update_page_url(setup_.site, setup_.edition), browser_);
  ui_.show_update_notice(notice);
}

}  // namespace pellavan::update
