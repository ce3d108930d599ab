#pragma once
// A program folder of a test's own whose Data folder is the built one (PELLAVAN_DATA_DIR), each
// catalogue a copy that the test may damage, the rest linked; removed with the object.

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <span>
#include <string>
#include <vector>

#include "model/record/record_layout.h"

namespace pellavan::testing {

class DataCopy {
 public:
  using Bytes = std::vector<std::uint8_t>;

  explicit DataCopy(const std::filesystem::path& data) {
    static int made = 0;
    folder = std::filesystem::temp_directory_path() /
             ("pellavan-data-" + std::to_string(::getpid()) + "-" + std::to_string(++made));
    std::filesystem::create_directories(folder / "Data");
    for (const auto& entry : std::filesystem::directory_iterator(data)) {
      const std::filesystem::path to = folder / "Data" / entry.path().filename();
      if (entry.path().extension() == ".CEA")
        std::filesystem::copy_file(entry.path(), to);
      else
        std::filesystem::create_symlink(entry.path(), to);
    }
  }
  DataCopy(const DataCopy&) = delete;
  DataCopy& operator=(const DataCopy&) = delete;
  ~DataCopy() { std::filesystem::remove_all(folder); }

  static Bytes read_all(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  // As a new file, so that the catalogue cache reads it again.
  static void write_all(const std::filesystem::path& file, const Bytes& bytes) {
    const std::filesystem::path temporary = file.string() + ".new";
    std::ofstream(temporary, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    std::filesystem::rename(temporary, file);
  }

  // Replaces the record of that id in a catalogue by what `damage` makes of it.
  template <class R>
  void damage(std::string_view catalogue, std::int16_t id, const std::function<void(R&)>& change) {
    const std::filesystem::path file = folder / "Data" / catalogue;
    Bytes bytes = read_all(file);
    for (std::size_t at = 0; at + R::kFileSize <= bytes.size(); at += R::kFileSize) {
      R rec = model::decode_record<R>(std::span(bytes).subspan(at, R::kFileSize));
      if (rec.Id != id) continue;
      change(rec);
      model::encode_record(rec, std::span(bytes).subspan(at, R::kFileSize));
    }
    write_all(file, bytes);
  }

  std::filesystem::path folder;  // the program's folder, holding Data
};

}  // namespace pellavan::testing
