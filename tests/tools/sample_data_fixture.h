#pragma once
// The Data folder the build makes beside the program (PELLAVAN_DATA_DIR), read through the
// model's own readers. A missing file ends a test with its message instead of the program.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/catalogue/data_folder.h"
#include "model/catalogue/record_file.h"
#include "model/model_state.h"
#include "model/record/record_layout.h"

namespace pellavan::testing {

class SampleDataTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* dir = std::getenv("PELLAVAN_DATA_DIR");
    ASSERT_NE(dir, nullptr) << "PELLAVAN_DATA_DIR names the built Data folder";
    data_dir_ = dir;
    ASSERT_TRUE(std::filesystem::is_directory(data_dir_)) << data_dir_ << " was not built";
    model.program_folder = data_dir_.parent_path();
  }

  [[nodiscard]] std::filesystem::path path_of(std::string_view name) const {
    return model::data_file_path(model.program_folder, name);
  }

  // Every whole record of a data file, in file order.
  template <model::Record R>
  [[nodiscard]] std::vector<R> all_records(std::string_view name) const {
    std::vector<R> records;
    auto file = model::RecordFile::open(path_of(name), R::kFileSize, model::RecordAccess::kRead);
    if (!file) {
      ADD_FAILURE() << name << " cannot be opened";
      return records;
    }
    std::array<std::uint8_t, R::kFileSize> image{};
    for (std::int64_t n = 1; file->read(n, image); ++n)
      records.push_back(model::decode_record<R>(image));
    return records;
  }

  model::ModelState model;

 private:
  std::filesystem::path data_dir_;
};

}  // namespace pellavan::testing
