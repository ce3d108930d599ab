#include "mkdata/output_file.h"

#include <fstream>
#include <stdexcept>
#include <system_error>

namespace pellavan::mkdata {

void write_file_replacing(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
  namespace fs = std::filesystem;
  fs::path temporary = path;
  temporary += ".part";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      std::error_code ignored;
      fs::remove(temporary, ignored);
      throw std::runtime_error(path.string() + ": cannot be written");
    }
  }
  std::error_code ec;
  fs::rename(temporary, path, ec);
  if (ec) {
    fs::remove(temporary, ec);
    throw std::runtime_error(path.string() + ": cannot be replaced");
  }
}

}  // namespace pellavan::mkdata
