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
  try {
    platform::TransferLimits limits = setup_.limits;
    limits.body = kVersionFileLimit;
    platform::HTTP http(nullptr, limits);
    http.HttpURL(version_file_url(setup_.site, name));
    http.DestinationFile(local.string());
    if (http.FileExists()) http.OverwriteTarget(true);
    if (!http.IsConnected() || !http.ConnectToHTTPHost()) return Download::kNoConnection;
    http.WriteHTTPDataToFile();
    // A file that could not be created leaves the old copy, which is not compared.
    return http.written() ? Download::kDone : Download::kNoConnection;
  } catch (const platform::TransferError& e) {
    ui_.show_message(
        {std::to_string(e.number()) + "\n" + e.description(), e.source(), UpdateIcon::kCritical});
  } catch (const std::exception& e) {
    ui_.show_message({e.what(), kProgramTitle, UpdateIcon::kCritical});
  }
  return Download::kNoConnection;
}

void VersionCheck::Compare_Version(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::string text(kVersionFileLimit, '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  if (in.bad() || (!in && !in.eof())) {
    ui_.show_message({"The version file " + path.string() + " could not be read.", kProgramTitle,
                      UpdateIcon::kExclamation});
    return;
  }
  text.resize(static_cast<std::size_t>(in.gcount()));
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
