// The reports window's widgets over the browser: the menu and the scroller show exactly the
// chosen systems' reports, the zoom bar and Lock Zoom keep their levels in the project, the
// panel's ticks are stored by its Done, and a batch print ends on the Project Report with the
// panel closed (a failed one says so).
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QScrollBar>
#include <cmath>

#include "model/project/file_conversion.h"
#include "model/report_workbook_sheets.h"
#include "platform/help_system.h"
#include "platform/help_topic.h"
#include "platform/help_viewer.h"
#include "platform/message_box.h"
#include "platform/twips.h"
#include "platform/window_test_support.h"
#include "reports/window/reports_window.h"
#include "sheet_view/spreadsheet_control.h"
#include "workbook/report_workbook_template.h"

namespace pellavan::reports {
namespace {

using model::SystemType;

class ReportsWindowTest : public ::testing::Test {
 protected:
  ReportsWindowTest() {
    control.hold_book(workbook::load_report_template());
    model::set_standard_zoom(model.ProjectRec);
    previous_ = platform::set_message_hook([this](const platform::MessageRequest& r) {
      messages.push_back(r.text.toStdString());
      return platform::MessageResult::Ok;
    });
  }
  ~ReportsWindowTest() override { platform::set_message_hook(previous_); }

  ReportsWindow& open(SystemType a, SystemType b = SystemType::NoSystem) {
    model.ProjectRec.System1_Type = model::code_of(a);
    model.ProjectRec.System2_Type = model::code_of(b);
    window = std::make_unique<ReportsWindow>(control, model, nullptr);
    window->Form_Activate();
    return *window;
  }
  QString shown() const { return window->form().label("lblReport")->text(); }
  QScrollBar* bar(const char* name) const { return window->form().get<QScrollBar>(name); }

  model::ModelState model;
  sheet::view::SpreadsheetControl control;
  std::unique_ptr<ReportsWindow> window;
  std::vector<std::string> messages;
  platform::MessageHook previous_;
};

// Menu entries are enabled for the chosen systems only; an entry gives F1 its topic and shows
// its report with its check mark, and the scroller steps from the comparison graph onto the next
// chosen system.
TEST_F(ReportsWindowTest, TheMenuAndTheScrollerShowTheChosenSystemsReports) {
  struct Row {
    SystemType a, b;
    const char* after_graph;  // the scroller moved right from the comparison graph
    int scroller;
  };
  const Row rows[] = {
      {SystemType::Fossil, SystemType::NoSystem, "Furnace/Boiler Summary Report", 16},
      {SystemType::GeoT, SystemType::Elec, "Geo T Summary Report", 3},
      {SystemType::GeoB, SystemType::NoSystem, "Geo B Summary Report", 10},
  };
  for (const Row& row : rows) {
    ReportsWindow& w = open(row.a, row.b);
    EXPECT_EQ(shown(), "Project Report");
    for (const Report& r : kReports) {
      QAction* entry = w.menus().action(r.menu);
      EXPECT_EQ(entry->isEnabled(),
                r.system == SystemType::NoSystem || r.system == row.a || r.system == row.b)
          << r.name;
      if (!entry->isEnabled()) continue;
      QMenu* menu = w.menus().menu("mnuReports");
      emit menu->hovered(entry);
      EXPECT_EQ(platform::own_help_topic(menu), r.help > 0 ? r.help : 810) << r.name;
      entry->trigger();
      EXPECT_EQ(shown(), QString::fromUtf8(r.caption));
      EXPECT_TRUE(entry->isChecked());
      EXPECT_EQ(bar("HScrollViewer")->value(), r.index);
    }
    w.menus().action("mnuProjectGraph")->trigger();
    bar("HScrollViewer")->setValue(3);
    EXPECT_EQ(shown(), row.after_graph);
    EXPECT_EQ(bar("HScrollViewer")->value(), row.scroller);
  }
}

TEST_F(ReportsWindowTest, ZoomAndLockZoomAreKeptInTheProject) {
  ReportsWindow& w = open(SystemType::GeoT);
  w.menus().action("mnuGeoTbin")->trigger();
  bar("HscrZoom")->setValue(142);  // a drag's end between two steps
  EXPECT_EQ(model.ProjectRec.Zoom_GeoTBin, 140);
  EXPECT_EQ(model.ProjectRec.Zoom_GeoTOperating, 140);
  EXPECT_EQ(w.form().label("lblZoom")->text(), "140%");
  EXPECT_EQ(control.ViewZoom(), 140);
  w.form().button("CommandZoomAll")->click();
  for (const Report& r : kReports) EXPECT_EQ(model.ProjectRec.*r.zoom, 140) << r.name;
}

// Resized, the bar keeps its design height at the bottom and the sheet takes the rest.
TEST_F(ReportsWindowTest, TheBarKeepsItsHeightAndTheSheetTakesTheRest) {
  ReportsWindow& w = open(SystemType::GeoA);
  const platform::TwipScale twip = platform::twip_scale();
  for (const QSize size : {QSize(900, 600), QSize(1500, 950)}) {
    w.resize(size);
    const QWidget& form = w.form();
    const QWidget* bar = w.form().control("Frame1");
    const QWidget* sheet = w.form().control("F1Book1");
    EXPECT_EQ(bar->height(), std::lround(600 * twip.y));
    EXPECT_EQ(bar->width(), form.width());
    EXPECT_NEAR(bar->y(), form.height() - 600 * twip.y, 1);
    EXPECT_NEAR(sheet->height(), form.height() - 575 * twip.y, 1);
    EXPECT_NEAR(sheet->width(), form.width() - 100 * twip.x, 1);
    EXPECT_EQ(w.form().control("Command2")->geometry().size(),
              QSize(static_cast<int>(std::lround(1265 * twip.x)),
                    static_cast<int>(std::lround(380 * twip.y))));
  }
}

// The focus leaving the sheet for another control goes on to Done.
TEST_F(ReportsWindowTest, FocusLeavingTheSheetGoesToDone) {
  ReportsWindow& w = open(SystemType::GeoA);
  ASSERT_TRUE(platform::testing::show_and_activate(&w));
  control.setFocus();
  QApplication::processEvents();
  ASSERT_TRUE(control.hasFocus());
  bar("HscrZoom")->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(QApplication::focusWidget(), w.form().control("Command2"));
  bar("HscrZoom")->setFocus();  // from elsewhere the focus goes where it is sent
  QApplication::processEvents();
  EXPECT_EQ(QApplication::focusWidget(), bar("HscrZoom"));
}

// A report page in the reports window, shown wider than the page (grey beside it): the texts
// the view drew, and whether one lies on the page: from the view's right edge along its middle,
// the first pixel that is not the grey beside the page is the page's white.
class ReportPageTest : public ReportsWindowTest {
 protected:
  void show(SystemType system, const char* menu) {
    control.book().recalc();
    ReportsWindow& w = open(system);
    ASSERT_TRUE(platform::testing::show_and_activate(&w));
    w.resize(1500, 950);
    w.menus().action(menu)->trigger();
    control.view().viewport()->repaint();
    shown = control.view().viewport()->grab().toImage();
  }
  sheet::view::DrawnText text_at(int sheet, const char* a1) const {
    const sheet::CellPos cell{sheet - 1, sheet::parse_a1(a1)->row, sheet::parse_a1(a1)->col};
    for (const sheet::view::DrawnText& t : control.view().drawn_texts())
      if (t.cell == cell) return t;
    ADD_FAILURE() << "nothing drawn at " << a1;
    return {};
  }
  bool on_the_page(const sheet::view::DrawnText& t) const {
    const int y = static_cast<int>(t.rect.center().y());
    const QRgb grey = shown.pixel(shown.width() - 1, y);
    int x = shown.width() - 1;
    while (x > 0 && shown.pixel(x, y) == grey) --x;
    return QColor(shown.pixel(x, y)) == QColor(Qt::white);
  }

  QImage shown;
  const std::string long_text =
      "estimating.department.residential.heating@sample-heating-and-cooling.example.com";
};

// On the Project Report a dealer's text too long for its column keeps to it, fitted or cut with
// "…" as the client's is: none moves over the client's column or off the page.
TEST_F(ReportPageTest, LongDealerTextsKeepToTheirColumnAsTheClientsDo) {
  struct Row {
    int loads_row;  // of column A on the Loads sheet
    const char* cell;
    bool dealer;
  };
  // The client's rows with a label of the dealer's column beside them (the others spill into
  // the label column up to the dealer's text, as the sheet is laid out).
  const Row rows[] = {{2, "J8", true},   {3, "J9", true},    {4, "J10", true},   {5, "J11", true},
                      {6, "J12", true},  {37, "J14", true},  {38, "J15", true},  {39, "J16", true},
                      {7, "J18", true},  {11, "D11", false}, {12, "D12", false}, {41, "D14", false},
                      {13, "D18", false}};
  control.ActiveSheet(1);
  for (const Row& r : rows) control.SetCellText(r.loads_row, 1, long_text);
  show(SystemType::GeoA, "mnuProject");
  const double dealer_column = text_at(model::kPrsSheet, "I6").rect.left();  // "Prepared By:"
  for (const Row& r : rows) {
    SCOPED_TRACE(r.cell);
    const sheet::view::DrawnText t = text_at(model::kPrsSheet, r.cell);
    if (r.dealer)
      EXPECT_GE(t.rect.left(), dealer_column);
    else
      EXPECT_LE(t.rect.right(), dealer_column);
    EXPECT_TRUE(t.text.endsWith(QChar(0x2026))) << t.text.toStdString();
    EXPECT_TRUE(on_the_page(t));
  }
}

// A system's description of 75 characters stands whole on the page of its bin report.
TEST_F(ReportPageTest, ALongSystemDescriptionStandsWholeOnItsBinReport) {
  struct Row {
    SystemType system;
    const char* menu;
    int sheet;
    const char* cell;
  };
  const Row rows[] = {{SystemType::GeoA, "mnuGeoAbin", 3, "BF6"},
                      {SystemType::GeoB, "mnuGeoBbin", 4, "BF6"},
                      {SystemType::GeoT, "mnuGeoTbin", 25, "CT6"},
                      {SystemType::Elec, "MnuElecbin", 5, "AO6"},
                      {SystemType::Fossil, "mnuFossilbin", 6, "AC6"}};
  const std::string description = long_text.substr(0, 75);
  for (const Row& r : rows) {
    SCOPED_TRACE(r.menu);
    control.ActiveSheet(1);
    control.SetCellText(30, 1, std::to_string(model::code_of(r.system)));  // comparison column 1
    control.SetCellText(30, 2, description);
    show(r.system, r.menu);
    const sheet::view::DrawnText t = text_at(r.sheet, r.cell);
    EXPECT_EQ(t.text.toStdString(), description);
    EXPECT_TRUE(on_the_page(t));
  }
}

TEST_F(ReportsWindowTest, ThePanelsDoneStoresTheTicksOfChosenSystemsOnly) {
  ReportsWindow& w = open(SystemType::GeoA);
  w.form().button("Command11")->click();
  EXPECT_TRUE(w.form().frame("Frame2")->isVisibleTo(&w));
  EXPECT_FALSE(w.form().check_box("ckGeoB")->isEnabled());
  for (const char* box : {"ckProject", "ckGeoA", "ckBin"}) w.form().check_box(box)->click();
  w.form().button("Command13")->click();
  EXPECT_FALSE(w.form().frame("Frame2")->isVisibleTo(&w));
  EXPECT_EQ(model.ProjectRec.Print_Project, 1);
  EXPECT_EQ(model.ProjectRec.Print_GeoA, 1);
  EXPECT_EQ(model.ProjectRec.Print_Bin, 1);
  EXPECT_EQ(model.ProjectRec.Print_GeoB, 0);
}

// One prompt for the whole batch; afterwards the Project Report with the panel closed. A print
// that fails says so once; a cancelled one says nothing.
TEST_F(ReportsWindowTest, ABatchPrintEndsOnTheProjectReportAndAFailureIsShown) {
  struct Row {
    const char* output;  // "" cancels the prompt
    std::size_t messages;
  };
  const Row rows[] = {{"batch.pdf", 0}, {"", 0}, {"/no/such/folder/batch.pdf", 1}};
  for (const Row& row : rows) {
    messages.clear();
    ReportsWindow& w = open(SystemType::GeoA);
    int prompts = 0;
    w.set_printer_prompt([&](QPrinter& printer) {
      ++prompts;
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(QString::fromUtf8(row.output).startsWith('/')
                                    ? QString::fromUtf8(row.output)
                                    : QDir::temp().filePath(QString::fromUtf8(row.output)));
      return *row.output != '\0';
    });
    w.menus().action("mnuGeoAbin")->trigger();
    w.form().button("Command11")->click();
    for (const char* box : {"ckTitle", "ckProject", "ckGeoA", "ckBin"})
      w.form().check_box(box)->setChecked(true);
    w.form().button("Command12")->click();
    EXPECT_EQ(prompts, 1) << row.output;
    EXPECT_EQ(shown(), "Project Report") << row.output;
    EXPECT_TRUE(w.menus().action("mnuProject")->isChecked());
    EXPECT_FALSE(w.form().frame("Frame2")->isVisibleTo(&w));
    EXPECT_EQ(messages.size(), row.messages) << row.output;
    // The scroller stands on the report shown: one step right is the comparison graph.
    EXPECT_EQ(bar("HScrollViewer")->value(), 1) << row.output;
    ASSERT_TRUE(platform::testing::show_and_activate(&w));
    QScrollBar* scroller = bar("HScrollViewer");  // its right arrow
    QTest::mouseClick(scroller, Qt::LeftButton, {},
                      QPoint(scroller->width() - 3, scroller->height() / 2));
    EXPECT_EQ(shown(), "Project Comparison Graph") << row.output;
  }
}

TEST_F(ReportsWindowTest, ThePrintDialogOpensOnThePaperOfTheLocale) {
  struct Row {
    const char* locale;
    QPageSize::PageSizeId paper;
  };
  const Row rows[] = {{"en_US.UTF-8", QPageSize::Letter}, {"de_DE.UTF-8", QPageSize::A4}};
  const QByteArray kept = qgetenv("LC_ALL");
  qunsetenv("PAPERSIZE");
  for (const Row& row : rows) {
    qputenv("LC_ALL", row.locale);
    ReportsWindow& w = open(SystemType::GeoA);
    QPageSize::PageSizeId offered = QPageSize::Custom;
    w.set_printer_prompt([&](QPrinter& printer) {
      offered = printer.pageLayout().pageSize().id();
      return false;
    });
    w.form().button("Command1")->click();
    EXPECT_EQ(offered, row.paper) << row.locale;
  }
  if (kept.isEmpty())
    qunsetenv("LC_ALL");
  else
    qputenv("LC_ALL", kept);
}

TEST_F(ReportsWindowTest, HelpOpensTheReportsPage) {
  QTemporaryDir program_folder;
  ASSERT_TRUE(QFile::link(QStringLiteral(PELLAVAN_HELP_SOURCE_DIR),
                          QDir(program_folder.path()).filePath(QStringLiteral("help"))));
  platform::HelpSystem help(program_folder.path());
  ReportsWindow& w = open(SystemType::GeoA);
  help.Set_HelpFile(&w);
  window = std::make_unique<ReportsWindow>(control, model, &help);
  ASSERT_TRUE(platform::testing::show_and_activate(window.get()));
  QPushButton* button = window->form().button("cmdHelp");
  QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
  ASSERT_NE(help.viewer(), nullptr);
  EXPECT_EQ(QFileInfo(help.viewer()->page().toLocalFile()).fileName(), "reports.html");
  window.reset();
}

}  // namespace
}  // namespace pellavan::reports
