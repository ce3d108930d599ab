#include "model/project/dealer_file.h"

#include <array>

#include "model/catalogue/data_folder.h"
#include "model/catalogue/record_file.h"
#include "model/project/project_tags.h"
#include "model/text/ascii.h"
#include "model/saving/replacing_write.h"

namespace pellavan::model {
namespace {

void reset(DealerRec& rec, HideInactiveOnReset rule) {
  rec.FileTag = kDealerFileTag;
  rec.Name = "";
  rec.Address = "";
  rec.City = "";
  rec.State = "";
  rec.Zip = "";
  rec.Phone = "";
  rec.Fax = "";
  rec.CellPhone = "";
  rec.Email = "";
  rec.Contact = "";
  for (auto* option : {&rec.MetricMode, &rec.UseDegF, &rec.UseBtuh, &rec.UseFeet, &rec.GasGJ})
    *option = "";
  if (rule == HideInactiveOnReset::kClear) rec.HideInactive = 0;
}

}  // namespace

std::filesystem::path dealer_file_path(const std::filesystem::path& program_folder) {
  return data_file_path(program_folder, kDealerFileName);
}

DealerReadStatus read_dealer_file(const std::filesystem::path& program_folder, DealerRec& rec,
                                  HideInactiveOnReset rule, InterruptedSave* interrupted) {
  const auto path = dealer_file_path(program_folder);
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return DealerReadStatus::kMissing;
  const InterruptedSave finished = finish_interrupted_save(path);
  if (interrupted) *interrupted = finished;
  if (finished.stops_open()) return DealerReadStatus::kUnreadable;
  auto file = RecordFile::open(path, DealerRec::kFileSize, RecordAccess::kRead);
  if (!file) return DealerReadStatus::kUnreadable;

  std::array<std::uint8_t, DealerRec::kFileSize> image{};
  file->read(1, image);
  file.reset();
  decode_record(image, rec);
  if (equal_ignoring_case(rec.FileTag.str(), kDealerFileTag)) return DealerReadStatus::kOk;

  reset(rec, rule);
  (void)write_file_replacing(path, encode_record(rec));
  return DealerReadStatus::kReset;
}

WriteFailure write_dealer_file(const std::filesystem::path& program_folder, DealerRec& rec) {
  rec.FileTag = kDealerFileTag;
  return write_file_replacing(dealer_file_path(program_folder), encode_record(rec));
}

MetricFlags metric_flags_from(const DealerRec& rec) {
  MetricFlags flags;
  const std::array options = {&rec.MetricMode, &rec.UseDegF, &rec.UseBtuh, &rec.UseFeet,
                              &rec.GasGJ};
  for (int k = 0; k < 5; ++k)
    flags(k) = options[static_cast<std::size_t>(k)]->trimmed() == "1" ? Int16{-1} : Int16{0};
  return flags;
}

void copy_dealer_into_project(const DealerRec& d, ProjectRec& p) {
  p.Dealer_Name = d.Name.trimmed();
  p.Dealer_Address = d.Address.trimmed();
  p.Dealer_City = d.City.trimmed();
  p.Dealer_State = d.State.trimmed();
  p.Dealer_Zip = d.Zip.trimmed();
  p.Dealer_Phone = d.Phone.trimmed();
  p.Dealer_Fax = d.Fax.trimmed();
  p.Dealer_CellPhone = d.CellPhone.trimmed();
  p.Dealer_Email = d.Email.trimmed();
  p.Dealer_Contact = d.Contact.trimmed();
}

}  // namespace pellavan::model
