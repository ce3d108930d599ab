#pragma once
// Project, default and settings files in the Data folder of a temporary program folder.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "model/catalogue/catalogue_fixture.h"
#include "model/records/dealer_rec.h"
#include "model/records/project_rec.h"

namespace pellavan::model::testing {

// A record whose every byte is pseudo-random, with the given tag and with zoom levels set, so
// that nothing in it is left at a default that could hide a field the codec drops.
inline std::vector<std::uint8_t> random_project_image(std::string_view tag, unsigned seed = 7) {
  std::mt19937 gen(seed);
  std::vector<std::uint8_t> image(ProjectRec::kFileSize);
  for (auto& b : image) b = static_cast<std::uint8_t>(gen());
  for (std::size_t i = 0; i < 3; ++i) image[i] = static_cast<std::uint8_t>(tag[i]);
  image[28] = 100;  // Zoom_HeatPumpBin, little-endian 100
  image[29] = 0;
  return image;
}

inline std::vector<std::uint8_t> read_all(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void write_all(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

// A plain record as written by this version, with zoom levels.
inline ProjectRec sample_project(std::string_view title = "Smith Residence") {
  ProjectRec rec{};
  rec.FileTag = "KQ7";
  rec.Project_Title = title;
  rec.Zoom_HeatPumpBin = 120;
  rec.GeoT_UnitId = 3;
  rec.Loads_DhwTemp = 140;
  return rec;
}

// A settings file's record with every detail filled, imperial options, discontinued units shown.
inline DealerRec sample_dealer() {
  DealerRec d;
  d.FileTag = "KX2";
  d.Name = "Acme Heating";
  d.Address = "1 Main St";
  d.City = "Springfield";
  d.State = "IL";
  d.Zip = "62701";
  d.Phone = "555-0100";
  d.Fax = "555-0101";
  d.CellPhone = "555-0102";
  d.Email = "info@acme.example";
  d.Contact = "Pat";
  for (auto* option : {&d.MetricMode, &d.UseDegF, &d.UseBtuh, &d.UseFeet, &d.GasGJ}) *option = "0";
  d.HideInactive = 0;
  return d;
}

}  // namespace pellavan::model::testing
