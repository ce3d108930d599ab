#pragma once
// The description a system window's Run writes into the comparison columns that show its
// system: the equipment name followed by " System", in every column of that system type that
// the user has not frozen.

#include <string_view>

#include "model/project/system_type.h"
#include "model/records/project_rec.h"

namespace pellavan::systems {

void describe_system(model::ProjectRec& rec, model::SystemType kind, std::string_view unit_name);

}  // namespace pellavan::systems
