#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "sheet_view/print_job.h"
#include "sheet_view/spreadsheet_control.h"
#include "poppler_tools.h"
#include "view_fixture.h"

namespace pellavan::sheet::view {
namespace {

using namespace testing;

const auto run = pellavan::testing::run_poppler;

class PrintTest : public ::testing::Test {
 protected:
  PrintTest() : printer(QPrinter::HighResolution) {
    control.hold_book(styled_book());
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf());
    control.use_printer(&printer);
  }
  QString pdf() const { return dir.filePath("out.pdf"); }
  int pages() { return pellavan::testing::pdf_pages(pdf()); }
  // The first page at 50 dots per inch.
  QImage page_image() {
    const QString stem = dir.filePath("page");
    if (!run("pdftoppm", {"-r", "50", "-png", "-singlefile", pdf(), stem})) return {};
    return QImage(stem + ".png");
  }
  QTemporaryDir dir;
  QPrinter printer;
  SpreadsheetControl control;
};

TEST_F(PrintTest, APrintAreaFitsOnOnePageWithItsCells) {
  control.PrintArea("A1:H8");
  control.SetPrintScale(100, true, 1, 1);
  control.PrintSheet(false);
  const int count = pages();
  if (count < 0)
    GTEST_SKIP() << "poppler-utils (pdfinfo, pdftotext) are not installed: the PDF was not checked";
  EXPECT_EQ(count, 1);
  const QString text = run("pdftotext", {"-layout", pdf(), "-"}).value_or("");
  for (const char* wanted : {"Heating report", "1,235", "-502", "A long label that spills over"}) {
    EXPECT_TRUE(text.contains(wanted)) << wanted << " not in:\n" << text.toStdString();
  }
  EXPECT_FALSE(text.contains("SECRET")) << "column C is hidden";
}

// On paper a text has the page's room: one its neighbour stops ends in an ellipsis, and one that
// would run off the page's edge keeps its column and is fitted there, else shortened.
TEST_F(PrintTest, TextsStayOnThePageAndWholeOrMarkedShort) {
  const std::string title = "Lindqvist retrofit, two-storey house with a full basement";
  for (const std::string& text : {title, title + title + title}) {
    SCOPED_TRACE(text.size());
    control.SetCellText(9, 8, text);  // H9, left-aligned, A9:G9 empty
    control.SetCellText(
        10, 7, "Gas Boiler-95 Condensing with AC 18 SEER Two Stage");  // G10, stopped by H10
    control.SetCellText(10, 8, "1");
    control.SetCellText(11, 8, "column");  // H11, where H starts
    control.PrintArea("A1:H11");
    control.SetPrintScale(100, false, 1, 1);
    control.PrintSheet(false);
    const auto boxes = run("pdftotext", {"-bbox", pdf(), "-"});
    if (!boxes) GTEST_SKIP() << "poppler-utils are not installed: the PDF was not checked";
    const QRegularExpression page_width("<page width=\"([0-9.]+)\"");
    const double width = page_width.match(*boxes).captured(1).toDouble();
    const QRegularExpression word("<word xMin=\"[0-9.]+\" yMin=\"[0-9.]+\" xMax=\"([0-9.]+)\"");
    for (auto it = word.globalMatch(*boxes); it.hasNext();)
      EXPECT_LE(it.next().captured(1).toDouble(), width) << "a word runs off the page";
    auto x_of = [&](const char* shown, const char* edge) {
      const QRegularExpression at(QString("<word xMin=\"([0-9.]+)\" yMin=\"[0-9.]+\" "
                                          "xMax=\"([0-9.]+)\"[^>]*>%1")
                                      .arg(shown));
      return at.match(*boxes).captured(edge[0] == 'l' ? 1 : 2).toDouble();
    };
    EXPECT_GT(x_of("Gas", "left"), x_of("1,235", "right")) << "a stopped text keeps its column";
    EXPECT_NEAR(x_of("Lindqvist", "left"), x_of("column", "left"), 0.5)
        << "so does one the page's edge stops";
    const QString printed = run("pdftotext", {pdf(), "-"}).value_or("");
    EXPECT_TRUE(printed.contains("basement") || printed.contains(QChar(0x2026)))
        << printed.toStdString();
    EXPECT_FALSE(printed.contains("stopped by its neighbour"));
    EXPECT_TRUE(printed.contains(QString("stop")) && printed.contains(QChar(0x2026)));
  }
}

TEST_F(PrintTest, AJobCarriesTheJobName) {
  control.Book_Prop(81, "Pellavan");
  control.PrintArea("A1:B2");
  control.PrintSheet(false);
  const auto info = run("pdfinfo", {pdf()});
  if (!info) GTEST_SKIP() << "poppler-utils are not installed: the PDF was not checked";
  EXPECT_TRUE(info->contains(QRegularExpression("Title: +Pellavan\n"))) << info->toStdString();
}

TEST_F(PrintTest, AnAreaLargerThanThePageShrinksOntoItOrTakesMorePages) {
  for (int r = 1; r <= 300; ++r) control.SetCellText(r, 26, std::to_string(r));
  control.PrintArea("A1:Z300");
  control.SetPrintScale(100, true, 1, 1);
  control.PrintSheet();
  const int fitted = pages();
  if (fitted < 0) GTEST_SKIP() << "poppler-utils are not installed: the PDF was not checked";
  EXPECT_EQ(fitted, 1);
  control.SetPrintScale(100, false, 1, 1);
  control.PrintSheet();
  EXPECT_GT(pages(), 4);
}

TEST_F(PrintTest, PagesBetweenBeginAndEndGoOutAsOneJob) {
  control.begin_print_job();
  for (int sheet = 1; sheet <= 3; ++sheet) {
    control.ActiveSheet(sheet);
    control.PrintArea("A1:D10");
    control.SetPrintScale(100, true, 1, 1);
    control.PrintSheet();
  }
  control.end_print_job();
  const int count = pages();
  if (count < 0) GTEST_SKIP() << "poppler-utils are not installed: the PDF was not checked";
  EXPECT_EQ(count, 3);
  const QString text = run("pdftotext", {pdf(), "-"}).value_or("");
  EXPECT_LT(text.indexOf("on the second sheet"), text.indexOf("on the third sheet"));
}

TEST_F(PrintTest, BlackAndWhiteLeavesNoColourOnPaper) {
  control.book().sheet(0).add_picture(GridPoint{5.0, 1.0}, GridPoint{8.0, 4.0},
                                      recorded_halves(Qt::green, Qt::magenta),
                                      PictureFormat::kRecorded);
  const auto is_green = [](QColor c) { return c.green() > 180 && c.red() < 80 && c.blue() < 80; };
  const auto is_magenta = [](QColor c) {
    return c.red() > 180 && c.blue() > 180 && c.green() < 80;
  };
  control.PrintArea("A1:H8");
  control.SetPrintScale(100, true, 1, 1);
  control.PrintBlackWhite(false);
  control.PrintSheet();
  const QImage colour = page_image();
  if (colour.isNull()) GTEST_SKIP() << "pdftoppm is not installed: the page was not looked at";
  EXPECT_GT(count_pixels(colour, colour.rect(), is_red), 0);
  EXPECT_GT(count_pixels(colour, colour.rect(), is_yellow), 0);
  EXPECT_GT(count_pixels(colour, colour.rect(), is_green), 100)
      << "the recorded picture, both its halves";
  EXPECT_GT(count_pixels(colour, colour.rect(), is_magenta), 100);
  control.PrintBlackWhite(true);
  control.PrintSheet();
  const QImage grey = page_image();
  EXPECT_EQ(count_pixels(grey, grey.rect(), is_coloured), 0);
  EXPECT_GT(count_pixels(grey, grey.rect(), [](QColor c) { return c.lightness() < 200; }), 100);
}

// The leftmost and rightmost columns of a page image that hold anything but white.
std::pair<int, int> inked_columns(const QImage& page) {
  int left = page.width(), right = -1;
  for (int y = 0; y < page.height(); ++y) {
    for (int x = 0; x < page.width(); ++x) {
      if (page.pixelColor(x, y).lightness() > 200) continue;
      left = std::min(left, x);
      right = std::max(right, x);
    }
  }
  return {left, right};
}

// A sheet whose page setup asks for it prints its area in the middle of the page's width.
TEST(PrintCentringTest, TheBooksCentredPageSetupCentresTheArea) {
  QTemporaryDir dir;
  const auto printed = [&](bool centred) {
    Book book = styled_book();
    book.sheet(0).page_setup().center_horizontally = centred;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = dir.filePath(centred ? "centred.pdf" : "left.pdf");
    printer.setOutputFileName(pdf);
    SpreadsheetControl control;
    control.hold_book(std::move(book));
    control.use_printer(&printer);
    control.PrintArea("A1:B3");
    control.PrintSheet();
    const QString stem = dir.filePath(centred ? "centred" : "left");
    if (!run("pdftoppm", {"-r", "50", "-png", "-singlefile", pdf, stem})) return QImage();
    return QImage(stem + ".png");
  };
  const QImage left = printed(false);
  if (left.isNull()) GTEST_SKIP() << "pdftoppm is not installed: the page was not looked at";
  const QImage centred = printed(true);
  const auto [left_first, left_last] = inked_columns(left);
  const auto [first, last] = inked_columns(centred);
  ASSERT_LT(left_first, left_last) << "nothing printed";
  EXPECT_GT(first, left_first + (left.width() - left_last) / 4)
      << "moved away from the left margin";
  EXPECT_NEAR(last - first, left_last - left_first, 2) << "the same cells";
  EXPECT_NEAR(first, centred.width() - 1 - last, 3)
      << "as far from the left edge as from the right";
}

TEST_F(PrintTest, APrinterThatCannotBeOpenedIsReportedToTheCaller) {
  printer.setOutputFileName(dir.filePath("no such folder/out.pdf"));
  control.PrintArea("A1:B2");
  EXPECT_THROW(control.PrintSheet(), PrintFailed);
}

}  // namespace
}  // namespace pellavan::sheet::view
