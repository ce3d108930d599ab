#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <regex>
#include <set>
#include <sstream>

#include "app/window_designs.h"
#include "platform/designed_form.h"
#include "platform/help_topic.h"
#include "platform/shipped_help.h"

namespace pellavan::app {
namespace {

using platform::ControlDesign;
using platform::ControlKind;

std::string number_text(double value) {
  std::ostringstream text;
  text << std::setprecision(12) << value;
  return text.str();
}

std::string bound_text(double value, bool calculated, bool refused) {
  if (calculated) return "calc";
  if (std::isinf(value)) return "none";
  std::string text = number_text(value);
  if (refused) text.insert(text.begin(), '>');
  return text;
}

// A row's bounds as a range statement gives them: "low high".
std::string bounds_text(const model::Range& r) {
  return bound_text(r.low, r.low_from != 0, r.above_low) + " " +
         bound_text(r.high, r.high_from != 0, false);
}

std::string full_name(const ControlDesign& d) {
  return d.index > 0 ? d.name + std::to_string(d.index) : std::string(d.name);
}

// The page states each bound the reader can check, to the precision the text shows.
void expect_bounds_readable(const platform::testing::RangeStatement& s) {
  static const std::regex number(R"re((-?[0-9]*\.?[0-9]+))re");
  std::string text;
  for (const char c : s.text)
    if (c != ',') text.push_back(c);
  std::vector<double> shown;
  for (const std::string& n : platform::testing::captures(text, number))
    shown.push_back(std::stod(n));
  std::istringstream tokens(s.imperial + " " + s.metric);
  for (std::string token; tokens >> token;) {
    if (token == "calc" || token == "none") continue;
    const double bound = std::stod(token.front() == '>' ? token.substr(1) : token);
    EXPECT_TRUE(std::any_of(shown.begin(), shown.end(),
                            [&](double n) { return std::abs(n - bound) <= 0.05; }))
        << s.check << ": " << token << " in " << s.text;
  }
}

// Every row of every validation table is stated in the help with its bounds, and the help
// states no range the tables do not have.
TEST(HelpPagesTest, RangesInTheHelpAreTheValidationTables) {
  const auto statements = platform::testing::range_statements();
  std::set<std::string> rows;
  for (const platform::WindowDesign* design : window_designs()) {
    for (const model::CheckTable& table : design->checks) {
      for (const model::RangeCheck& row : table.rows) {
        const std::string check = std::string(table.name) + "/" + row.name;
        SCOPED_TRACE(std::string(design->name) + " " + check);
        rows.insert(check);
        int stated = 0;
        for (const auto& s : statements) {
          if (s.check != check) continue;
          ++stated;
          EXPECT_EQ(s.imperial, bounds_text(row.imperial)) << s.page;
          EXPECT_EQ(s.metric, row.metric ? bounds_text(*row.metric) : "") << s.page;
        }
        EXPECT_GT(stated, 0) << "not in the help";
      }
    }
  }
  for (const auto& s : statements) {
    EXPECT_EQ(rows.count(s.check), 1u) << s.page << ": no such check " << s.check;
    expect_bounds_readable(s);
  }
}

// The names in the topic map are windows and controls of the designs.
TEST(HelpPagesTest, NamedKeysAreWindowsAndControls) {
  const auto map = platform::testing::help_map();
  for (const auto& [key, page] : map.named_pages()) {
    SCOPED_TRACE(key);
    const std::string window = key.substr(0, key.find('.'));
    const platform::WindowDesign* design = nullptr;
    for (const platform::WindowDesign* d : window_designs())
      if (d->name == window) design = d;
    ASSERT_NE(design, nullptr) << "no such window";
    if (key.size() == window.size()) continue;
    const std::string control = key.substr(window.size() + 1);
    EXPECT_TRUE(std::any_of(design->controls.begin(), design->controls.end(),
                            [&](const ControlDesign& d) { return full_name(d) == control; }))
        << "no such control";
  }
}

bool is_input(ControlKind kind) {
  switch (kind) {
    case ControlKind::TextBox:
    case ControlKind::TextArea:
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
    case ControlKind::ComboBox:
    case ControlKind::ListBox:
    case ControlKind::ScrollBar: return true;
    default: return false;
  }
}

// F1 in any input the user can reach opens a paragraph (a page with its anchor), and F1 in a
// window with a Help button opens a page of its own.
TEST(HelpPagesTest, F1InEveryInputOpensItsParagraph) {
  const auto map = platform::testing::help_map();
  const std::set<std::string> without_help = {"Form4", "Form14", "Form15"};
  for (const platform::WindowDesign* design : window_designs()) {
    SCOPED_TRACE(design->name);
    const platform::DesignedForm form(*design);
    if (without_help.count(design->name) == 0) {
      EXPECT_TRUE(map.first_page(platform::help_keys_for(&form))) << "window without a page";
    }
    for (const ControlDesign& d : design->controls) {
      if (!is_input(d.kind) || d.views == platform::kNoView) continue;
      SCOPED_TRACE(full_name(d));
      const auto page = map.first_page(platform::help_keys_for(form.widget({&d})));
      ASSERT_TRUE(page);
      EXPECT_NE(page->find('#'), std::string::npos) << *page;
    }
  }
}

}  // namespace
}  // namespace pellavan::app
