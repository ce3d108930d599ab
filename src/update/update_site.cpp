#include "update/update_site.h"

namespace pellavan::update {

std::string version_file_url(const UpdateSite& site, std::string_view file_name) {
  return site.maker_host + "/" + std::string(file_name);
}

std::string update_page_url(const UpdateSite& site, model::Int16 edition) {
  const model::EditionRow& row = model::edition_row(edition);
  std::string host = site.maker_host;
  if (row.update_host == model::UpdateHost::kBrand) {
    const auto it = site.brand_hosts.find(edition);
    if (it != site.brand_hosts.end()) host = it->second;
  }
  return host + std::string(row.update_path);
}

}  // namespace pellavan::update
