#pragma once
// The model's process-wide state: the project record, the unit options, the data-file access
// and the catalogue buffers, each of which holds the record its last reader stopped at. The
// program's application state owns one ModelState and hands it to the windows and the
// workbook filler; members keep the names those parts use for them.

#include <filesystem>

#include "model/catalogue/catalogue_files.h"
#include "model/catalogue/data_file_access.h"
#include "model/edition/edition_table.h"
#include "model/record/field_types.h"
#include "model/records/ac_rec.h"
#include "model/records/air_hp_rec.h"
#include "model/records/city_rec.h"
#include "model/records/furnace_rec.h"
#include "model/records/geo_unit_rec.h"
#include "model/records/loop_rec.h"
#include "model/records/project_rec.h"
#include "model/records/soil_rec.h"
#include "model/records/t_unit_rec.h"
#include "model/records/water_heater_rec.h"

namespace pellavan::model {

struct ModelState {
  // The folder the program runs from; its "Data" folder holds the catalogues.
  std::filesystem::path program_folder;

  Int16 Edition = kRunningEdition;
  MetricFlags MetricFlag;  // unit options, each 0 or -1
  Text<6> CurrencyLabel;   // currency identifier shown in metric mode
  Int16 WantedUnitId = 0;  // key of Load_FossilRecord

  DataFileAccess data_files;

  model::ProjectRec ProjectRec;

  model::FurnaceRec FurnaceRec;
  model::ACRec ACRec;
  model::WaterHeaterRec WaterHeaterRec;
  model::AirHPRec AirHPRec;
  model::GeoUnitRec GeoUnitRec;
  model::TUnitRec TUnitRec;
  model::LoopRec LoopRec;
  model::SoilRec SoilRec;
  model::CityRec CityRec;

  [[nodiscard]] const EditionRow& edition() const { return edition_row(Edition); }
};

}  // namespace pellavan::model
