#pragma once
// Where the check looks: the maker's web host, which serves every edition's version file and
// most update pages, and the brands' own hosts for the editions whose update page lies there.
// Hosts are written as the start of a URL ("http://host" or "http://host:port"). The defaults
// lie under the reserved ".example" domain, which reaches no one: a build for release sets the
// real hosts here; tests name a server of their own.

#include <map>
#include <string>
#include <string_view>

#include "model/edition/edition_table.h"

namespace pellavan::update {

struct UpdateSite {
  std::string maker_host = "http://www.oskerby.example";
  std::map<model::Int16, std::string> brand_hosts{{5, "http://www.tavistel.example"},
                                                  {6, "http://www.wendle.example"}};
};

// The version file on the maker's host.
[[nodiscard]] std::string version_file_url(const UpdateSite& site, std::string_view file_name);

// The update page of an edition.
[[nodiscard]] std::string update_page_url(const UpdateSite& site, model::Int16 edition);

}  // namespace pellavan::update
