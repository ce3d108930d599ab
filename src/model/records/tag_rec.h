#pragma once
// TagRec: the first three bytes of a project, default or rate file ("KQ2".."KQ7", "KV2"),
// read alone before the whole record is accepted.

#include "model/record/record_layout.h"

namespace pellavan::model {

#define PELLAVAN_TAG_FIELDS(F, A) F(0, Text<3>, Tag)

PELLAVAN_DEFINE_RECORD(TagRec, 3, PELLAVAN_TAG_FIELDS);

}  // namespace pellavan::model
