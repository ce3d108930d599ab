#include "model/project/summary_lines.h"

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

}  // namespace

std::vector<std::string> dealer_panel_lines(const ProjectRec& r) {
  return {
      " " + whole(r.Dealer_Name),
      " " + whole(r.Dealer_Address),
      " " + shown_text(r.Dealer_City) + "  " + whole(r.Dealer_State) + "  " + whole(r.Dealer_Zip),
      "",
      " Phone:" + whole(r.Dealer_Phone),
      std::string(" Fax:") + kNextPrintZone + whole(r.Dealer_Fax),
      "",
      " Contact:" + unless_unwritten(r.Dealer_Contact),
      " Cell:" + unless_unwritten(r.Dealer_CellPhone),
      " Email:" + unless_unwritten(r.Dealer_Email),
  };
}

std::vector<std::string> job_panel_lines(const ProjectRec& r, std::string_view city,
                                         std::string_view file_name) {
  const std::string zone(1, kNextPrintZone);
  return {
      "",
      " Proj. Title:" + zone + shown_text(r.Project_Title),
      "",
      city.empty() ? std::string() : " City:" + zone + std::string(city),
      "",
      " Project #:" + zone + shown_text(r.Project_Number),
      "",
      " File Name:" + zone + std::string(file_name),
  };
}

std::string customer_name(const ProjectRec& r) {
  std::string name = shown_text(r.Client_Name);
  std::erase(name, '\0');  // a name never written shows nothing
  return name;
}

}  // namespace pellavan::model
