// The utility-rates window: prices stored back unchanged in every unit mode, Update Project
// validating first, rate files saved and opened back, and damaged files refused.
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <fstream>

#include "app/loads_windows_fixture.h"
#include "app/rates_window.h"
#include "app/rates_window_design.h"
#include "model/project/rate_file.h"
#include "model/units/number_text.h"

namespace pellavan::app {
namespace {

using platform::MessageResult;

class RatesWindowTest : public testing::LoadsWindowsFixture {
 protected:
  void SetUp() override {
    LoadsWindowsFixture::SetUp();
    model::ProjectRec& p = state->model.ProjectRec;
    double price = 0.085;
    for (const loads::RateField& f : loads::kRateFields) {
      f.project.set(p, f.inflation ? 0.03 : price);
      price += 0.25;
    }
    p.Rates_GasSummer = model::Currency::from_double_saturated(1.0);
    p.Rates_FileName = "No Rate File Saved";
  }

  // 0 imperial, 1 metric with gas per m3, 2 metric with gas per GJ.
  void set_mode(int mode) {
    set_display(mode > 0);
    state->model.MetricFlag(model::kGasPerGj) = mode == 2 ? -1 : 0;
  }

  RatesWindow& shown_rates_window() {
    rates = new RatesWindow(*state);
    rates->show();
    return *rates;
  }
  // Update Project's question whether to save a rate file, answered No.
  void decline_rate_file_save() {
    answers[QStringLiteral(
        "Changes Have Been Made to the Project - Do You Wish to Save Your Rate File?")] =
        MessageResult::No;
  }
  QLineEdit* rate_box(int i) const { return rates->form()[rates_window::kRateBoxes[i]]; }
  std::vector<std::string> rate_texts() const {
    std::vector<std::string> texts;
    for (int i = 0; i < loads::kRateCount; ++i) texts.push_back(rate_box(i)->text().toStdString());
    return texts;
  }
  std::vector<double> rate_values() const {
    std::vector<double> values;
    for (const std::string& t : rate_texts()) values.push_back(model::Val(t));
    return values;
  }
  [[nodiscard]] std::string file_path(const char* name) const {
    return (program_folder() / name).string();
  }
  void write_file(const char* name, const std::string& bytes) const {
    std::ofstream(file_path(name), std::ios::binary) << bytes;
  }
  [[nodiscard]] std::string file_bytes(const char* name) const {
    std::ifstream in(file_path(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  QPointer<RatesWindow> rates;
};

TEST_F(RatesWindowTest, UnchangedPricesStoreBackExactlyInEveryUnitMode) {
  for (const int mode : {0, 1, 2}) {
    SCOPED_TRACE(mode);
    set_mode(mode);
    const model::ProjectRec before = state->model.ProjectRec;
    shown_rates_window().Command3_Click();
    for (const loads::RateField& f : loads::kRateFields)
      EXPECT_EQ(f.project.get(state->model.ProjectRec), f.project.get(before));
    EXPECT_TRUE(messages.empty());
  }
}

TEST_F(RatesWindowTest, UpdateProjectChecksBeforeItStores) {
  struct Row {
    int mode;
    int box;
    const char* text;
    bool refused;
  };
  const Row rows[] = {{0, 6, "10000", false}, {0, 6, "10001", true}, {1, 6, "4000", true},
                      {0, 12, ".99", false},  {0, 12, ".991", true}, {0, 17, "-1", true}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.text);
    set_mode(r.mode);
    const model::ProjectRec before = state->model.ProjectRec;
    messages.clear();
    decline_rate_file_save();
    state->model.ProjectRec.Rates_Description = "Old rates";
    RatesWindow& w = shown_rates_window();
    rate_box(r.box)->setText(QString::fromUtf8(r.text));
    w.Command3_Click();
    const double stored = loads::kRateFields[r.box].project.get(state->model.ProjectRec);
    if (r.refused) {
      EXPECT_EQ(stored, loads::kRateFields[r.box].project.get(before))
          << "nothing reached the project";
      EXPECT_TRUE(w.isVisible());
      w.Command4_Click();
    } else {
      EXPECT_EQ(stored, model::Val(r.text));
      // Not saved to a rate file: the project names none and drops the file's description.
      EXPECT_EQ(state->model.ProjectRec.Rates_FileName.trimmed(), "No Rate File Saved");
      EXPECT_EQ(model::shown_text(state->model.ProjectRec.Rates_Description.str()), "");
    }
    EXPECT_EQ(r.refused,
              was_shown(r.box < 12 ? "One or More Rates Outside of Valid Range of 0 to 10,000"
                                   : "Inflation Rate Outside of Valid Range of -99% to 99%"));
  }
}

// A price typed as people type it is stored as it shows, or refused and kept out of the project:
// a comma that stands, or may stand, for a decimal point is refused with what to type instead.
TEST_F(RatesWindowTest, TypedPricesAreStoredAsTheyShowOrRefused) {
  const char* range = "One or More Rates Outside of Valid Range of 0 to 10,000";
  struct Row {
    const char* text;
    double stored;        // -1: refused
    const char* message;  // of the refusal
  };
  const Row rows[] = {
      {"$1.90", 1.9, nullptr},
      {"1,90", -1,
       "The Comma in \"1,90\" Cannot Separate Thousands: Please Type Decimals with a Point (1.90)"},
      {"0,459", -1,
       "The Comma in \"0,459\" Cannot Separate Thousands: Please Type Decimals with a Point "
       "(0.459)"},
      {"1,900", -1,
       "\"1,900\" Could Mean 1.900 or 1900: Please Type It with a Decimal Point or Without the "
       "Comma"},
      {"$", -1, range},
      {"1.9x", -1, range}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.text);
    const model::ProjectRec before = state->model.ProjectRec;
    messages.clear();
    decline_rate_file_save();
    RatesWindow& w = shown_rates_window();
    QLineEdit* box = rate_box(0);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QString::fromUtf8(r.text));
    QTest::mouseClick(w.form()[rates_window::Command3], Qt::LeftButton);
    const double stored = loads::kRateFields[0].project.get(state->model.ProjectRec);
    if (r.stored < 0) {
      EXPECT_TRUE(was_shown(QString::fromUtf8(r.message))) << qPrintable(messages.front().text);
      EXPECT_EQ(stored, loads::kRateFields[0].project.get(before));
      EXPECT_TRUE(w.isVisible());
      EXPECT_EQ(w.focusWidget(), box);
      w.Command4_Click();
    } else {
      EXPECT_FALSE(was_shown(QString::fromUtf8(range)));
      EXPECT_EQ(stored, r.stored);
    }
    state->model.ProjectRec = before;
  }
}

TEST_F(RatesWindowTest, ASavedRateFileOpensBackIdenticallyInEveryUnitMode) {
  for (const int mode : {0, 1, 2}) {
    SCOPED_TRACE(mode);
    set_mode(mode);
    RatesWindow& w = shown_rates_window();
    rate_box(7)->setText("0.500");
    rate_box(9)->setText("1.375");
    const std::vector<double> saved = rate_values();
    write_file("Saved.rat", std::string(5000, 'x'));  // a longer file is replaced whole
    dialog_answers.push_back(QString::fromStdString(file_path("Saved.rat")));
    w.Command2_Click();
    EXPECT_EQ(file_bytes("Saved.rat").size(), model::RatesRec::kFileSize);
    for (int i = 0; i < loads::kRateCount; ++i) rate_box(i)->setText("0");
    dialog_answers.push_back(QString::fromStdString(file_path("Saved.rat")));
    w.Command1_Click();
    EXPECT_EQ(rate_values(), saved);
    EXPECT_EQ(rate_box(12)->text(), "0.030") << "inflation from a file reads 0.##0";
    EXPECT_EQ(w.form()[rates_window::lblUtFile]->text(), "Saved.rat");
    w.Command4_Click();
  }
}

TEST_F(RatesWindowTest, TheGasUnitShowsTheStoredGasPricesAnew) {
  set_mode(1);
  RatesWindow& w = shown_rates_window();
  EXPECT_EQ(rate_box(6)->text(), "0.353");  // 1.0 per Ccf per m3
  rate_box(6)->setText("9.999");            // typed, then dropped by the switch
  w.form()[rates_window::OptionCCFtoGJ]->setChecked(true);
  EXPECT_EQ(rate_box(6)->text(), "9.369");  // 1.0 / 0.10673
  EXPECT_EQ(w.form().label("lblgs")->text(), "Per GJ");
  EXPECT_NE(state->model.MetricFlag(model::kGasPerGj), 0);
  w.form()[rates_window::OptionCCFtoM3]->setChecked(true);
  EXPECT_EQ(rate_box(6)->text(), "0.353");
  EXPECT_EQ(state->model.MetricFlag(model::kGasPerGj), 0);
  w.Command4_Click();
}

TEST_F(RatesWindowTest, TheSampleRateFilesOpenInTheirOwnDisplay) {
  const std::filesystem::path built = std::getenv("PELLAVAN_DATA_DIR");
  const QString metric_only = QStringLiteral(
      "The file being opened is a metric rate file - switch to metric mode to open ");
  const QString not_metric = QStringLiteral(
      "The file being opened was not saved in metric mode - the rates may be incorrect ");
  struct Row {
    const char* file;
    int mode;
    const QString* message;  // nullptr: opened without a word
  };
  const Row rows[] = {{"Sample Rates.rat", 0, nullptr},
                      {"Sample Metric Rates.rat", 1, nullptr},
                      {"Sample Metric Rates.rat", 0, &metric_only},
                      {"Sample Rates.rat", 2, &not_metric}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.file);
    set_mode(r.mode);
    RatesWindow& w = shown_rates_window();
    messages.clear();
    dialog_answers.push_back(QString::fromStdString((built / r.file).string()));
    w.Command1_Click();
    EXPECT_EQ(messages.size(), r.message ? 1u : 0u);
    if (r.message) {
      EXPECT_TRUE(was_shown(*r.message));
    }
    EXPECT_EQ(w.form()[rates_window::lblUtFile]->text() == r.file, r.message != &metric_only);
    w.Command4_Click();
  }
}

TEST_F(RatesWindowTest, EnterMovesOnExceptInTheInflationBoxes) {
  RatesWindow& w = shown_rates_window();
  w.activateWindow();
  for (const auto& [from, to] : {std::pair{0, 1}, {12, 12}, {1, 12}}) {
    rate_box(from)->setFocus();
    QApplication::processEvents();
    QTest::keyClick(rate_box(from), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), rate_box(to)) << from;
  }
  w.Command4_Click();
}

TEST_F(RatesWindowTest, UpdateProjectThenSaveRecordsTheNewRateFile) {
  answers[QStringLiteral(
      "Changes Have Been Made to the Project - Do You Wish to Save Your Rate File?")] =
      MessageResult::Yes;
  RatesWindow& w = shown_rates_window();
  rate_box(0)->setText("0.120");
  dialog_answers.push_back(QString::fromStdString(file_path("rates.txt")));  // refused: not RAT
  dialog_answers.push_back(QString::fromStdString(file_path("New Rates.rat")));
  w.Command3_Click();
  EXPECT_TRUE(was_shown(
      "File Extension Must be 'RAT' -- File Extension will Default to 'RAT' if Left Blank"));
  EXPECT_EQ(state->model.ProjectRec.Rates_FileName.trimmed(), "New Rates.rat");
  EXPECT_EQ(state->model.ProjectRec.Rates_GeoElecSummer.to_double(), 0.12);
}

TEST_F(RatesWindowTest, ASaveThatCannotBeWrittenSaysSoAndKeepsTheWindow) {
  RatesWindow& w = shown_rates_window();
  rate_box(0)->setText("0.120");
  dialog_answers.push_back(QString::fromStdString(file_path("no such folder/rates.rat")));
  EXPECT_FALSE(w.Save_It());
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages.front().text,
            QString::fromStdString("The folder \"" + file_path("no such folder") +
                                   "\" cannot be written: it does not exist"));
  EXPECT_EQ(w.RatesChanged(), 1);
  EXPECT_TRUE(w.isVisible());
  w.Command4_Click();
}

// A rate file of two names whose save was cut off opens as the version being saved, with a word.
TEST_F(RatesWindowTest, ARateFileWhoseSaveWasCutOffOpensAsTheVersionBeingSaved) {
  model::RatesRec old_rec{};
  old_rec.FileTag = "KV2";
  old_rec.GasSummer = model::Currency::from_double_saturated(1.0);
  model::RatesRec new_rec = old_rec;
  new_rec.GasSummer = model::Currency::from_double_saturated(2.5);
  const std::filesystem::path cut = file_path("cut.rat");
  model::testing::write_all(cut, model::encode_record(old_rec));
  std::filesystem::create_hard_link(cut, file_path("link.rat"));
  const auto old_bytes = model::encode_record(old_rec);
  const auto new_bytes = model::encode_record(new_rec);
  model::testing::leave_cut_save(cut, old_bytes, new_bytes,
                                 model::testing::written_halfway(old_bytes, new_bytes));
  RatesWindow& w = shown_rates_window();
  messages.clear();
  dialog_answers.push_back(QString::fromStdString(cut.string()));
  w.Command1_Click();
  EXPECT_TRUE(was_shown(QString::fromStdString(cut.string()) +
                        "\nThe Last Save of This File Was Interrupted -- The Version Being Saved "
                        "Has Been Restored"));
  EXPECT_EQ(rate_box(6)->text(), "2.500");
  EXPECT_EQ(file_bytes("link.rat"), std::string(file_bytes("cut.rat")));
  EXPECT_EQ(model::testing::read_all(cut), model::encode_record(new_rec));
  w.Command4_Click();
}

TEST_F(RatesWindowTest, DamagedRateFilesAreRefusedAndChangeNothing) {
  model::RatesRec rec{};
  rec.GasSummer = model::Currency::from_double_saturated(2.5);
  ASSERT_FALSE(model::write_rate_file(file_path("good.rat"), rec));
  const std::string good = file_bytes("good.rat");
  const auto tagged = [&](const char* tag) { return std::string(tag) + good.substr(3); };
  const char* damaged = "This File is Either Damaged or the Wrong Type...It Cannot Be Opened";
  const char* newer =
      "This File Was Created With a Newer Version of Pellavan--You Must Update to the Current "
      "Revision to Open";
  struct Row {
    const char* name;
    std::string bytes;
    const char* message;  // nullptr: opened
  };
  const Row rows[] = {
      {"empty", "", damaged},
      {"truncated", good.substr(0, 1000), damaged},
      {"over-long", good + std::string(100, 'x'), nullptr},
      {"random", std::string(2708, '\x9c'), damaged},
      {"project tag", tagged("KQ7"), damaged},
      {"newer", tagged("KV3"), newer},
      {"lower case", tagged("kv2"), nullptr},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    write_file("test.rat", r.bytes);
    RatesWindow& w = shown_rates_window();
    const std::vector<std::string> before = rate_texts();
    messages.clear();
    dialog_answers.push_back(QString::fromStdString(file_path("test.rat")));
    w.Command1_Click();
    if (r.message != nullptr) {
      EXPECT_TRUE(was_shown(QString::fromUtf8(r.message)));
      EXPECT_EQ(rate_texts(), before);
    } else {
      EXPECT_TRUE(messages.empty());
      EXPECT_EQ(rate_box(6)->text(), "2.500");
    }
    w.Command4_Click();
  }
  // A price no window would accept opens with the window's own refusal of it.
  rec.PropaneWinter = model::Currency::from_double_saturated(634106827533767.94);
  ASSERT_FALSE(model::write_rate_file(file_path("test.rat"), rec));
  RatesWindow& w = shown_rates_window();
  messages.clear();
  dialog_answers.push_back(QString::fromStdString(file_path("test.rat")));
  w.Command1_Click();
  EXPECT_EQ(times_shown(QStringLiteral("One or More Rates Outside of Valid Range of 0 to 10,000")),
            1);
  EXPECT_EQ(rate_box(6)->text(), "2.500");
  w.Command4_Click();
}

}  // namespace
}  // namespace pellavan::app
