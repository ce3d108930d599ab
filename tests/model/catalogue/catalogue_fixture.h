#pragma once
// A program folder in a temporary directory with a Data folder to write catalogues into, and a
// folder of the user's own state beside it ($XDG_STATE_HOME while the test runs), so that no test
// leaves journals among the real user's.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/record/record_layout.h"

namespace pellavan::model::testing {

class CatalogueFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "pellavan-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    program_folder_ = pattern;
    std::filesystem::create_directory(data_folder());
    std::string state = (std::filesystem::temp_directory_path() / "pellavan-state-XXXXXX").string();
    ASSERT_NE(mkdtemp(state.data()), nullptr);
    state_folder_ = state;
    ::setenv("XDG_STATE_HOME", state.c_str(), 1);
  }

  void TearDown() override {
    ::unsetenv("XDG_STATE_HOME");
    std::filesystem::remove_all(state_folder_);
    std::filesystem::remove_all(program_folder_);
  }

  [[nodiscard]] const std::filesystem::path& program_folder() const { return program_folder_; }
  [[nodiscard]] std::filesystem::path data_folder() const { return program_folder_ / "Data"; }
  [[nodiscard]] const std::filesystem::path& state_folder() const { return state_folder_; }

  void write_bytes(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(data_folder() / name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
  }

  // Writes the records one after the other, then `tail` (a part of a further record).
  template <Record R>
  void write_catalogue(const std::string& name, std::initializer_list<R> records,
                       const std::vector<std::uint8_t>& tail = {}) {
    write_bytes(name, catalogue_bytes(std::vector<R>(records), tail));
  }

  template <Record R>
  static std::vector<std::uint8_t> catalogue_bytes(const std::vector<R>& records,
                                                   const std::vector<std::uint8_t>& tail = {}) {
    std::vector<std::uint8_t> bytes;
    for (const R& r : records) {
      const auto image = encode_record(r);
      bytes.insert(bytes.end(), image.begin(), image.end());
    }
    bytes.insert(bytes.end(), tail.begin(), tail.end());
    return bytes;
  }

 private:
  std::filesystem::path program_folder_;
  std::filesystem::path state_folder_;
};

// A catalogue record with an id and a name, for readers that only look at those.
template <class R>
R named_record(Int16 id, std::string_view name) {
  R r{};
  r.Id = id;
  r.Name = name;
  return r;
}

}  // namespace pellavan::model::testing
