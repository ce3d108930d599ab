#include <gtest/gtest.h>

#include <random>

#include "model/project/project_files_fixture.h"
#include "model/project/rate_file.h"

namespace pellavan::model {
namespace {

class RateFileTest : public testing::CatalogueFixture {
 protected:
  [[nodiscard]] std::filesystem::path file(const std::string& name) const {
    return program_folder() / name;
  }
};

std::vector<std::uint8_t> random_bytes(std::size_t size, std::string_view tag) {
  std::mt19937 gen(11);
  std::vector<std::uint8_t> bytes(size);
  for (auto& b : bytes) b = static_cast<std::uint8_t>(gen());
  for (std::size_t i = 0; i < tag.size() && i < size; ++i)
    bytes[i] = static_cast<std::uint8_t>(tag[i]);
  return bytes;
}

// Every byte read comes back written, reserved fields included.
TEST_F(RateFileTest, RoundTripIsByteIdentical) {
  const auto image = random_bytes(RatesRec::kFileSize, "KV2");
  write_all(file("a.rat"), image);
  RateRead read = read_rate_file(file("a.rat"));
  ASSERT_EQ(read.status, RateReadStatus::kOk);
  ASSERT_FALSE(write_rate_file(file("b.rat"), read.record));
  EXPECT_EQ(read_all(file("b.rat")), image);
}

TEST_F(RateFileTest, WhatIsReadAndWhatIsRefused) {
  const struct {
    const char* name;
    std::vector<std::uint8_t> bytes;
    RateReadStatus status;
  } rows[] = {
      {"this version", random_bytes(2708, "KV2"), RateReadStatus::kOk},
      {"lower-case tag", random_bytes(2708, "kv2"), RateReadStatus::kOk},
      {"longer than a record", random_bytes(3000, "KV2"), RateReadStatus::kOk},
      {"newer version", random_bytes(2708, "KV3"), RateReadStatus::kNewer},
      {"project file", random_bytes(10665, "KQ7"), RateReadStatus::kDamaged},
      {"random bytes", random_bytes(2708, "\x01\x02\x03"), RateReadStatus::kDamaged},
      {"empty", {}, RateReadStatus::kDamaged},
      {"shorter than a tag", random_bytes(2, "KV"), RateReadStatus::kDamaged},
      {"cut off within the record", random_bytes(1000, "KV2"), RateReadStatus::kDamaged},
  };
  for (const auto& row : rows) {
    write_all(file("r.rat"), row.bytes);
    EXPECT_EQ(read_rate_file(file("r.rat")).status, row.status) << row.name;
  }
  EXPECT_EQ(read_rate_file(file("missing.rat")).status, RateReadStatus::kUnreadable);
}

// A shorter write over a longer file leaves no old tail behind.
TEST_F(RateFileTest, SavingReplacesTheWholeFile) {
  write_all(file("r.rat"), random_bytes(5000, "KV2"));
  RatesRec rec;
  rec.GasSummer = Currency::from_double_saturated(1.416);
  ASSERT_FALSE(write_rate_file(file("r.rat"), rec));
  const auto written = read_all(file("r.rat"));
  ASSERT_EQ(written.size(), 2708u);
  EXPECT_EQ(std::string(written.begin(), written.begin() + 3), "KV2");
  EXPECT_EQ(read_rate_file(file("r.rat")).record.GasSummer, rec.GasSummer);
}

}  // namespace
}  // namespace pellavan::model
