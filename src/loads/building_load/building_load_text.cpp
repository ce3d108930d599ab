#include "loads/building_load/building_load_text.h"

std::span<const pellavan::EmbeddedFile> building_load_template();  // generated from the template

namespace pellavan::loads {

std::span<const EmbeddedFile> building_load_template_files() { return building_load_template(); }

}  // namespace pellavan::loads
