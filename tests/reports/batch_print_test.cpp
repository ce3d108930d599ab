// The batch print and Print Screen of the sample project onto PDF files: one job after one prompt,
// the pages in order with their numbers, and no number left in the workbook whatever happens.
#include <gtest/gtest.h>

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdlib>
#include <optional>

#include "poppler_tools.h"
#include "projects/project_set.h"
#include "reports/batch_print.h"
#include "reports/page_notes.h"
#include "reports/print_options.h"
#include "reports/report_view.h"
#include "reports/screen_print.h"
#include "workbook/analysis_run.h"
#include "workbook/filler/summary_sheets.h"
#include "workbook/report_sheets.h"

namespace pellavan::reports {
namespace {

using pellavan::testing::pdf_pages;
using pellavan::testing::run_poppler;

struct Sample {
  model::ProjectRec rec;
  sheet::Book book;
};

const Sample& sample() {
  static const Sample filled = [] {
    const char* data = std::getenv("PELLAVAN_DATA_DIR");
    if (!data) throw std::runtime_error("PELLAVAN_DATA_DIR names the built Data folder");
    workbook::ProjectAnalysis analysis(std::filesystem::path(data).parent_path());
    const auto outcome = analysis.run_file(std::filesystem::path(data) / "Sample Project.pvn");
    if (!outcome.fill.filled) throw std::runtime_error("the sample project was not filled");
    return Sample{analysis.model.ProjectRec, std::move(analysis.book)};
  }();
  return filled;
}

class BatchPrintTest : public ::testing::Test {
 protected:
  BatchPrintTest() : printer(QPrinter::HighResolution) {
    control.hold_book(sample().book);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf());
  }
  QString pdf() const { return dir.filePath("batch.pdf"); }

  // The sample's panel with the given boxes ticked (systems it does not choose drop out).
  BatchPrint batch(std::initializer_list<PrintBox> boxes, const UnsettledFigures& unsettled = {}) {
    model::ProjectRec rec = sample().rec;
    for (const PrintBoxInfo& info : kPrintBoxes) rec.*info.field = 0;
    for (const PrintBox b : boxes) rec.*print_box(b).field = 1;
    PrintOptions options;
    options.restore(rec);
    return BatchPrint{plan_batch(options, false, unsettled), 100, false, false, {}};
  }
  PrinterPrompt prompt(bool accept) {
    return [this, accept](QPrinter&) {
      ++prompts;
      return accept;
    };
  }
  // No "Page n" is left in any number cell of the workbook.
  void expect_numbers_cleared() {
    for (const BatchPage& page : kBatchPages) {
      for (const std::string_view col : {page.number_imperial, page.number_metric}) {
        if (col.empty()) continue;
        const sheet::CellPos cell{page.block.sheet - 1, kPageNumberRow - 1,
                                  *sheet::column_from_name(col)};
        EXPECT_EQ(control.book().cell_kind(cell), sheet::CellKind::kEmpty)
            << page.name << " " << col;
      }
    }
  }
  void expect_project_report_shown() {
    EXPECT_EQ(control.ActiveSheet(), 9);
    EXPECT_EQ(control.PrintArea(), "B1:N51");
  }

  QTemporaryDir dir;
  QPrinter printer;
  sheet::view::SpreadsheetControl control;
  int prompts = 0;
};

constexpr std::initializer_list<PrintBox> kEveryBox = {
    PrintBox::kTitle, PrintBox::kProject,  PrintBox::kCompGraph, PrintBox::kSummary,
    PrintBox::kBin,   PrintBox::kBinGraph, PrintBox::kGeoT,      PrintBox::kGeoA,
    PrintBox::kGeoB,  PrintBox::kHeatPump, PrintBox::kFurnace};

TEST_F(BatchPrintTest, EveryBoxPrintsOneDocumentWithNumberedPagesInOrder) {
  std::vector<std::string> statuses;
  BatchPrint every = batch(kEveryBox);
  every.status = [&](const std::string& s) { statuses.push_back(s); };
  ASSERT_EQ(every.pages.size(), 12u)
      << "title, project, comparison, then Geo A, Geo B and furnace three each";
  const PrintOutcome outcome = print_batch(control, printer, every, prompt(true));
  EXPECT_EQ(outcome.end, PrintEnd::kDone) << outcome.failure;
  EXPECT_EQ(outcome.pages, 12);
  EXPECT_EQ(prompts, 1);
  EXPECT_EQ(statuses.size(), 12u);
  expect_numbers_cleared();
  expect_project_report_shown();
  const int pages = pdf_pages(pdf());
  if (pages < 0) GTEST_SKIP() << "poppler-utils are not installed: the PDF was not checked";
  ASSERT_EQ(pages, 12);
  for (int page = 1; page <= pages; ++page) {
    const QString p = QString::number(page);
    const QString text =
        run_poppler("pdftotext", {"-f", p, "-l", p, "-layout", pdf(), "-"}).value_or("");
    const QRegularExpression numbered(R"(\bPage (\d+)\b)");
    const auto found = numbered.match(text);
    if (page == 1) {
      EXPECT_FALSE(found.hasMatch()) << "the title page is not numbered";
    } else {
      EXPECT_EQ(found.captured(1).toInt(), page - 1) << text.toStdString();
    }
  }
}

// A figure the analysis could not settle on is named under the block of each page that shows it,
// on the same page; the others print as they do without it.
TEST_F(BatchPrintTest, APageNamesTheUnsettledFiguresItShowsUnderItsBlock) {
  const std::string note =
      "Geo A heating cost: between $700 and $1,000 a year; the analysis could not settle on one "
      "figure";
  const UnsettledFigures unsettled{
      {{"Geo A", "heating cost", true, 900, 700, 1000, model::SystemType::GeoA}}, {}, {}};
  const BatchPrint pages = batch({PrintBox::kProject, PrintBox::kSummary, PrintBox::kBinGraph,
                                  PrintBox::kGeoA, PrintBox::kGeoB},
                                 unsettled);
  const struct {
    const char* page;
    bool named;
  } kRows[] = {{"project report", true},
               {"Geo A summary", true},
               {"Geo A bin graph", false},
               {"Geo B summary", false},
               {"Geo B bin graph", false}};
  ASSERT_EQ(pages.pages.size(), std::size(kRows));
  EXPECT_EQ(print_batch(control, printer, pages, prompt(true)).end, PrintEnd::kDone);
  const int count = pdf_pages(pdf());
  if (count < 0) GTEST_SKIP() << "poppler-utils are not installed: the PDF was not checked";
  ASSERT_EQ(count, static_cast<int>(std::size(kRows))) << "each page on one sheet";
  for (int page = 1; page <= count; ++page) {
    const auto& row = kRows[page - 1];
    const QString p = QString::number(page);
    const QString text = run_poppler("pdftotext", {"-f", p, "-l", p, pdf(), "-"}).value_or("");
    const qsizetype at = text.simplified().indexOf(QString::fromStdString(note));
    EXPECT_EQ(at >= 0, row.named) << row.page << ":\n" << text.toStdString();
    if (row.named) {
      EXPECT_GT(at, text.simplified().indexOf("Due to the variability")) << "under the block";
    }
  }
}

TEST_F(BatchPrintTest, CancelPrintsNothingAndLeavesNoNumber) {
  const PrintOutcome outcome = print_batch(
      control, printer, batch({PrintBox::kProject, PrintBox::kCompGraph}), prompt(false));
  EXPECT_EQ(outcome.end, PrintEnd::kCancelled);
  EXPECT_EQ(outcome.pages, 0);
  EXPECT_EQ(prompts, 1);
  EXPECT_FALSE(QFile::exists(pdf()));
  expect_numbers_cleared();
  expect_project_report_shown();
}

TEST_F(BatchPrintTest, AFailedPrintLeavesNoNumber) {
  printer.setOutputFileName(dir.filePath("no such folder/batch.pdf"));
  const PrintOutcome outcome =
      print_batch(control, printer, batch({PrintBox::kProject}), prompt(true));
  EXPECT_EQ(outcome.end, PrintEnd::kFailed);
  EXPECT_FALSE(outcome.failure.empty());
  expect_numbers_cleared();
  expect_project_report_shown();
}

TEST_F(BatchPrintTest, NothingTickedAsksNothing) {
  const PrintOutcome outcome =
      print_batch(control, printer, batch({PrintBox::kSummary, PrintBox::kGeoT}), prompt(true));
  EXPECT_EQ(outcome.end, PrintEnd::kDone);
  EXPECT_EQ(outcome.pages, 0);
  EXPECT_EQ(prompts, 0);
  expect_project_report_shown();
}

TEST_F(BatchPrintTest, PrintScreenPrintsTheReportOnScreen) {
  show_report_view(control, report(7), false, 150);
  EXPECT_EQ(print_screen(control, printer, true, prompt(false)).end, PrintEnd::kCancelled);
  EXPECT_FALSE(QFile::exists(pdf()));
  const PrintOutcome outcome = print_screen(control, printer, true, prompt(true));
  EXPECT_EQ(outcome.end, PrintEnd::kDone) << outcome.failure;
  const int pages = pdf_pages(pdf());
  if (pages < 0) GTEST_SKIP() << "poppler-utils are not installed: the PDF was not checked";
  EXPECT_EQ(pages, 1);
  EXPECT_TRUE(run_poppler("pdftotext", {pdf(), "-"}).value_or("").contains("System Summary"));
}

// A house too large for its systems: on paper, in either display, each summary says what share
// of the load its system meets and how much it leaves, and the Project Report marks them in its
// table.
TEST_F(BatchPrintTest, PaperNamesTheLoadASystemLeavesUnmet) {
  workbook::ProjectAnalysis analysis(
      std::filesystem::path(std::getenv("PELLAVAN_DATA_DIR")).parent_path());
  const std::filesystem::path houston = pellavan::testing::set_project_file("houston_geo_t");
  for (const bool metric : {false, true}) {
    SCOPED_TRACE(metric ? "metric" : "imperial");
    analysis.model.MetricFlag(model::kMetricDisplay) = metric ? -1 : 0;
    ASSERT_TRUE(analysis.run_file(houston).usable());
    control.hold_book(analysis.book);
    PrintOptions options;
    model::ProjectRec rec = analysis.model.ProjectRec;
    for (const PrintBoxInfo& info : kPrintBoxes) rec.*info.field = 0;
    for (const PrintBox b : {PrintBox::kProject, PrintBox::kSummary, PrintBox::kGeoT,
                             PrintBox::kHeatPump, PrintBox::kGeoA})
      rec.*print_box(b).field = 1;
    options.restore(rec);
    const BatchPrint both{plan_batch(options, metric), 100, false, metric, {}};
    ASSERT_EQ(print_batch(control, printer, both, prompt(true)).end, PrintEnd::kDone);
    const auto paper = run_poppler("pdftotext", {pdf(), "-"});
    if (!paper) GTEST_SKIP() << "poppler-utils are not installed: the PDF was not checked";
    const QString text = QString(*paper).simplified();
    const auto said = [&](int sheet, std::string_view imperial, std::string_view metric_cell) {
      const std::string line =
          control.book().cell_text(workbook::summary_pos(sheet, metric ? metric_cell : imperial));
      EXPECT_FALSE(line.empty()) << sheet << " " << imperial;
      EXPECT_TRUE(text.contains(QString::fromStdString(line))) << line;
    };
    said(workbook::kPrsSheet, "C42", "Q42");
    for (const int summary : {workbook::kGtsSheet, workbook::kAasSheet, workbook::kGasSheet})
      said(summary, "I32", "X32");
    said(workbook::kGtsSheet, "I24", "X24");
    // Each row's mark follows its system's name, inside the table: the row ends in its figure.
    const QString report =
        run_poppler("pdftotext", {"-f", "1", "-l", "1", "-layout", pdf(), "-"}).value_or("");
    for (const char* row : {"39", "40", "41"}) {
      const std::string name = control.book().cell_text(
          workbook::summary_pos(workbook::kPrsSheet, std::string(metric ? "Q" : "C") + row));
      EXPECT_TRUE(name.ends_with(" *")) << name;
      const QRegularExpression line(
          "^\\s*" + QRegularExpression::escape(QString::fromStdString(name)) + "\\s.*\\d$",
          QRegularExpression::MultilineOption);
      EXPECT_TRUE(line.match(report).hasMatch()) << name << "\n" << report.toStdString();
    }
  }
}

}  // namespace
}  // namespace pellavan::reports
