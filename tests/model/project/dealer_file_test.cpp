#include <gtest/gtest.h>

#include "model/project/dealer_file.h"
#include "model/project/project_files_fixture.h"

namespace pellavan::model {
namespace {

// The shared sample with some options set and a reserved field in use.
DealerRec sample_dealer() {
  DealerRec d = testing::sample_dealer();
  d.Name = "  Acme Heating  ";
  d.MetricMode = "1";
  d.UseBtuh = "1";
  d.GasGJ = "1";
  d.HideInactive = 1;
  d.Spare10 = "reserved";
  return d;
}

class DealerFileTest : public testing::CatalogueFixture {
 protected:
  void write_dealer(const DealerRec& d) { write_bytes("Dsetfil.dat", encode_record(d)); }
  [[nodiscard]] DealerRec on_disk() const {
    return decode_record<DealerRec>(testing::read_all(data_folder() / "Dsetfil.dat"));
  }
};

TEST_F(DealerFileTest, TagCaseIsIgnoredByBothReaders) {
  for (const auto rule : {HideInactiveOnReset::kKeep, HideInactiveOnReset::kClear}) {
    DealerRec d = sample_dealer();
    d.FileTag = "kx2";
    write_dealer(d);
    DealerRec rec;
    EXPECT_EQ(read_dealer_file(program_folder(), rec, rule), DealerReadStatus::kOk);
    EXPECT_EQ(rec, d);
  }
}

TEST_F(DealerFileTest, WrongTagResetsAndWritesBack) {
  struct Row {
    const char* name;
    HideInactiveOnReset rule;
    Int16 hide_inactive;
  };
  const Row rows[] = {{"project commands keep the choice", HideInactiveOnReset::kKeep, 1},
                      {"dealer window clears it", HideInactiveOnReset::kClear, 0}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    DealerRec d = sample_dealer();
    d.FileTag = "KX1";
    write_dealer(d);
    DealerRec rec;
    EXPECT_EQ(read_dealer_file(program_folder(), rec, r.rule), DealerReadStatus::kReset);
    const DealerRec disk = on_disk();
    EXPECT_EQ(disk, rec);
    EXPECT_EQ(disk.FileTag.str(), "KX2");
    EXPECT_EQ(disk.Name.str(), std::string(40, ' '));
    EXPECT_EQ(disk.Email.str(), std::string(80, ' '));
    EXPECT_EQ(disk.MetricMode.str(), " ");
    EXPECT_EQ(disk.GasGJ.str(), " ");
    EXPECT_EQ(disk.HideInactive, r.hide_inactive);
    EXPECT_EQ(disk.Spare10.trimmed(), "reserved");
  }
}

TEST_F(DealerFileTest, MissingFileIsNotCreatedAndLeavesTheRecord) {
  DealerRec rec = sample_dealer();
  EXPECT_EQ(read_dealer_file(program_folder(), rec, HideInactiveOnReset::kKeep),
            DealerReadStatus::kMissing);
  EXPECT_EQ(rec, sample_dealer());
  EXPECT_FALSE(std::filesystem::exists(data_folder() / "Dsetfil.dat"));
}

TEST_F(DealerFileTest, UnopenableFileLeavesTheRecord) {
  std::filesystem::create_directory(data_folder() / "Dsetfil.dat");
  DealerRec rec = sample_dealer();
  EXPECT_EQ(read_dealer_file(program_folder(), rec, HideInactiveOnReset::kClear),
            DealerReadStatus::kUnreadable);
  EXPECT_EQ(rec, sample_dealer());
}

TEST_F(DealerFileTest, ShortFileWithGoodTagIsAccepted) {
  auto bytes = encode_record(sample_dealer());
  bytes.resize(50);
  write_bytes("Dsetfil.dat", bytes);
  DealerRec rec;
  EXPECT_EQ(read_dealer_file(program_folder(), rec, HideInactiveOnReset::kKeep),
            DealerReadStatus::kOk);
  EXPECT_EQ(rec.Name.trimmed(), "Acme Heating");
  EXPECT_EQ(rec.HideInactive, 0);
}

TEST_F(DealerFileTest, WriteSetsTheTagAndCreatesTheFile) {
  DealerRec d = sample_dealer();
  d.FileTag = "zzz";
  ASSERT_FALSE(write_dealer_file(program_folder(), d));
  EXPECT_EQ(d.FileTag.str(), "KX2");
  EXPECT_EQ(on_disk(), d);
  EXPECT_EQ(std::filesystem::file_size(data_folder() / "Dsetfil.dat"), 807u);
}

TEST(DealerOptionsTest, OnlyAOneSetsAFlag) {
  struct Row {
    const char* name;
    std::string option;
    Int16 flag;
  };
  const Row rows[] = {{"one", "1", -1},
                      {"zero", "0", 0},
                      {"blank", " ", 0},
                      {"never written", std::string(1, '\0'), 0},
                      {"other digit", "2", 0}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    DealerRec d;
    for (auto* option : {&d.MetricMode, &d.UseDegF, &d.UseBtuh, &d.UseFeet, &d.GasGJ})
      option->bytes()[0] = r.option[0];
    const MetricFlags flags = metric_flags_from(d);
    for (int k = 0; k < 5; ++k) EXPECT_EQ(flags(k), r.flag) << k;
  }
}

TEST(DealerOptionsTest, EachOptionHasItsFlag) {
  const MetricFlags flags = metric_flags_from(sample_dealer());
  EXPECT_EQ(flags(kMetricDisplay), -1);
  EXPECT_EQ(flags(kKeepFahrenheit), 0);
  EXPECT_EQ(flags(kKeepBtuh), -1);
  EXPECT_EQ(flags(kKeepFeet), 0);
  EXPECT_EQ(flags(kGasPerGj), -1);
}

TEST(DealerOptionsTest, ProjectGetsTrimmedDetailsAndKeepsItsNotes) {
  ProjectRec p;
  p.Dealer_Notes = "my notes";
  copy_dealer_into_project(sample_dealer(), p);
  EXPECT_EQ(p.Dealer_Name.str(), "Acme Heating" + std::string(28, ' '));
  EXPECT_EQ(p.Dealer_Contact.trimmed(), "Pat");
  EXPECT_EQ(p.Dealer_Email.trimmed(), "info@acme.example");
  EXPECT_EQ(p.Dealer_Notes.trimmed(), "my notes");
}

}  // namespace
}  // namespace pellavan::model
