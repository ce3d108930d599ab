#pragma once
// The numbered errors the HTTP and FTP classes raise: the object-error range (0x8004 in the high
// 16 bits) with the class's own code in the low 16 bits, a description and a source naming class
// and method ("HTTP::ConnectToHTTPHost"). Messages show the number as a signed decimal.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace pellavan::platform {

namespace transfer_code {
inline constexpr int kNoDestination = 100;    // prompt cancelled or file not created; never leaves
inline constexpr int kBadUrl = 1000;          // no host name
inline constexpr int kHttpStatus = 2000;      // a status other than 200 with a text
inline constexpr int kPutFailed = 2215;       // FTP store failed
inline constexpr int kUnknown = 3000;         // the URL could not be read
inline constexpr int kNoConnection = 4001;    // FTP connection or login failed
inline constexpr int kNoTransfer = 5000;      // remote file not opened, or wrong method
inline constexpr int kTransferFailed = 6000;  // failed on the way: stalled, cut short, refused ...
inline constexpr int kFileAccess = 6001;      // the destination file could not be written
inline constexpr int kMissingFolder = 9999;   // FTP remote folder missing, creation not asked
}  // namespace transfer_code

// The full error number of a code: 0x80040000 + code.
[[nodiscard]] constexpr std::int32_t transfer_error_number(int code) {
  return static_cast<std::int32_t>(0x80040000u + static_cast<std::uint32_t>(code));
}

class TransferError : public std::runtime_error {
 public:
  TransferError(int code, std::string description, std::string source);

  [[nodiscard]] int code() const { return code_; }
  [[nodiscard]] std::int32_t number() const { return transfer_error_number(code_); }
  [[nodiscard]] const std::string& description() const { return description_; }
  [[nodiscard]] const std::string& source() const { return source_; }

  // The same error with another source, as a method passes on what a step below it raised.
  [[nodiscard]] TransferError from(std::string source) const;

 private:
  int code_;
  std::string description_;
  std::string source_;
};

}  // namespace pellavan::platform
