#include <gtest/gtest.h>

#include "model/project/summary_lines.h"

namespace pellavan::model {
namespace {

ProjectRec dealer_project() {
  ProjectRec r{};
  r.Dealer_Name = "Acme";
  r.Dealer_Address = "1 Main St";
  r.Dealer_City = "  Springfield ";
  r.Dealer_State = "IL";
  r.Dealer_Zip = "62701";
  r.Dealer_Phone = "555";
  r.Dealer_Fax = "556";
  r.Dealer_Contact = "Pat";
  r.Dealer_Email = "";  // blanks
  return r;
}

TEST(SummaryLinesTest, DealerPanel) {
  const auto lines = dealer_panel_lines(dealer_project());
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(lines[0], " Acme" + std::string(36, ' '));
  EXPECT_EQ(lines[2], " Springfield  IL     62701" + std::string(10, ' '));
  EXPECT_EQ(lines[3], "");
  EXPECT_EQ(lines[4], " Phone:555" + std::string(17, ' '));
  EXPECT_EQ(lines[5], " Fax:\t556" + std::string(17, ' '));
  EXPECT_EQ(lines[7], " Contact:Pat" + std::string(37, ' '));
  EXPECT_EQ(lines[8], " Cell:");                          // never written
  EXPECT_EQ(lines[9], " Email:" + std::string(80, ' '));  // blanks are printed
}

TEST(SummaryLinesTest, JobPanel) {
  ProjectRec r{};
  r.Project_Title = " Smith Residence ";
  r.Project_Number = "P-17";
  r.Client_Name = "  Smith ";
  const auto with_city = job_panel_lines(r, "St. Louis", "smith.pvn");
  ASSERT_EQ(with_city.size(), 8u);
  EXPECT_EQ(with_city[1], " Proj. Title:\tSmith Residence");
  EXPECT_EQ(with_city[3], " City:\tSt. Louis");
  EXPECT_EQ(with_city[5], " Project #:\tP-17");
  EXPECT_EQ(with_city[7], " File Name:\tsmith.pvn");
  EXPECT_EQ(job_panel_lines(r, "", "")[3], "");
  EXPECT_EQ(customer_name(r), "Smith");
}

}  // namespace
}  // namespace pellavan::model
