#include "model/project/summary_lines.h"

#include <initializer_list>
#include <string_view>

#include "model/text/cp1252.h"

namespace pellavan::model {
namespace {

// All characters of a field, blanks included, as the panel prints it.
template <std::size_t N>
std::string whole(const Text<N>& field) {
  return utf8_from_cp1252(field.str());
}

template <std::size_t N>
std::string unless_unwritten(const Text<N>& field) {
  return field.str().front() == '\0' ? std::string() : whole(field);
}

// The parts one after the other (appended: chains of + here trip a false -Wrestrict of GCC 12).
std::string joined(std::initializer_list<std::string_view> parts) {
  std::string line;
  for (std::string_view part : parts) line.append(part);
  return line;
}

constexpr std::string_view kZone(&kNextPrintZone, 1);

}  // namespace

std::vector<std::string> dealer_panel_lines(const ProjectRec& r) {
  return {
      joined({" ", whole(r.Dealer_Name)}),
      joined({" ", whole(r.Dealer_Address)}),
      joined(
          {" ", shown_text(r.Dealer_City), "  ", whole(r.Dealer_State), "  ", whole(r.Dealer_Zip)}),
      "",
      joined({" Phone:", whole(r.Dealer_Phone)}),
      joined({" Fax:", kZone, whole(r.Dealer_Fax)}),
      "",
      joined({" Contact:", unless_unwritten(r.Dealer_Contact)}),
      joined({" Cell:", unless_unwritten(r.Dealer_CellPhone)}),
      joined({" Email:", unless_unwritten(r.Dealer_Email)}),
  };
}

std::vector<std::string> job_panel_lines(const ProjectRec& r, std::string_view city,
                                         std::string_view file_name) {
  return {
      "", joined({" Proj. Title:", kZone, shown_text(r.Project_Title)}),
      "", city.empty() ? std::string() : joined({" City:", kZone, city}),
      "", joined({" Project #:", kZone, shown_text(r.Project_Number)}),
      "", joined({" File Name:", kZone, file_name}),
  };
}

std::string customer_name(const ProjectRec& r) {
  std::string name = shown_text(r.Client_Name);
  std::erase(name, '\0');  // a name never written shows nothing
  return name;
}

}  // namespace pellavan::model
