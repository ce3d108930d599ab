// pellavan-reportshot: the report pages of the shipped sample project (or of the project
// --project names) on screen, one picture each, as the reports window shows them, so that
// reviewers can look at their formats.
//
//   pellavan-reportshot [--project FILE] [--metric] [--zoom PERCENT] [--out FOLDER] [--pdf]
//                       [--black-white]
//   pellavan-reportshot [--project FILE] [--metric] --batch-pdf FILE
//
// Pictures are named after the page and the unit system ("project_report_metric.png") and go
// into FOLDER (build/screenshots by default). --pdf also prints every page, one after the other,
// into "report_pages_imperial.pdf" (or "_metric") there, in black and white with --black-white.
// --batch-pdf prints instead every page of the reports window's batch print with every box
// ticked into one PDF file. Run under Xvfb (xvfb-run) or on Qt's offscreen platform; the Data
// folder is the build's.

#include <QApplication>
#include <QPageSize>
#include <QPrinter>
#include <cstdio>
#include <filesystem>
#include <string>

#include "model/records/project_rec.h"
#include "reports/batch_print.h"
#include "reports/printer_prompt.h"
#include "reportshot/sample_book.h"
#include "sheet_view/spreadsheet_control.h"

namespace {

using namespace pellavan;

struct Options {
  bool metric = false;
  bool pdf = false;
  bool black_white = false;
  int zoom = 100;
  std::filesystem::path out = PELLAVAN_SCREENSHOT_FOLDER;
  std::filesystem::path batch_pdf;
  std::filesystem::path project = reportshot::sample_file(PELLAVAN_BUILT_PROGRAM_FOLDER);
};

[[noreturn]] void usage(const std::string& why) {
  std::fprintf(stderr,
               "pellavan-reportshot: %s\nusage: pellavan-reportshot [--project FILE] [--metric] "
               "[--zoom PERCENT] [--out FOLDER] [--pdf] [--black-white] | [--project FILE] "
               "[--metric] --batch-pdf FILE\n",
               why.c_str());
  std::exit(2);
}

Options read_options(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--metric") {
      o.metric = true;
    } else if (a == "--pdf") {
      o.pdf = true;
    } else if (a == "--black-white") {
      o.black_white = true;
    } else if ((a == "--zoom" || a == "--out" || a == "--batch-pdf" || a == "--project") &&
               i + 1 < argc) {
      const std::string v = argv[++i];
      if (a == "--zoom")
        o.zoom = std::stoi(v);
      else if (a == "--out")
        o.out = v;
      else if (a == "--project")
        o.project = v;
      else
        o.batch_pdf = v;
    } else {
      usage("unknown option " + a);
    }
  }
  return o;
}

// The batch print of every page the project's systems give, with every box ticked.
int print_batch_pdf(sheet::view::SpreadsheetControl& control, const Options& o) {
  model::ProjectRec rec = reportshot::open_project(o.project);
  for (const reports::PrintBoxInfo& box : reports::kPrintBoxes) rec.*box.field = 1;
  reports::PrintOptions options;
  options.restore(rec);
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(o.batch_pdf.string()));
  reports::use_system_paper(printer);
  reports::BatchPrint batch{reports::plan_batch(options, o.metric), o.zoom, false, o.metric,
                            [](const std::string& status) { std::printf("%s\n", status.c_str()); }};
  const reports::PrintOutcome outcome =
      reports::print_batch(control, printer, batch, [](QPrinter&) { return true; });
  if (outcome.end != reports::PrintEnd::kDone) {
    std::fprintf(stderr, "pellavan-reportshot: the batch print failed: %s\n",
                 outcome.failure.c_str());
    return 1;
  }
  std::printf("%d pages in %s\n", outcome.pages, o.batch_pdf.c_str());
  return 0;
}

std::string unit_suffix(const Options& o) { return o.metric ? "_metric" : "_imperial"; }

// Every page through the control's printing, as one job into a PDF file.
void print_pages(sheet::view::SpreadsheetControl& control, const Options& o) {
  const std::filesystem::path file = o.out / ("report_pages" + unit_suffix(o) + ".pdf");
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(file.string()));
  printer.setPageSize(QPageSize(QPageSize::Letter));
  control.use_printer(&printer);
  control.begin_print_job();
  for (const reportshot::ReportPage& page : reportshot::kReportPages) {
    control.ActiveSheet(page.sheet);
    control.PrintArea(sheet::format_a1_range(reportshot::page_block(page, o.metric)));
    control.SetPrintScale(100, true, 1, 1);
    control.PrintBlackWhite(o.black_white);
    control.PrintSheet(false);
  }
  control.end_print_job();
  control.use_printer(nullptr);
  std::printf("%s\n", file.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const Options o = read_options(argc, argv);
  try {
    if (o.batch_pdf.empty()) std::filesystem::create_directories(o.out);
    sheet::view::SpreadsheetControl control;
    control.hold_book(
        reportshot::filled_project(PELLAVAN_BUILT_PROGRAM_FOLDER, o.project, o.metric));
    if (!o.batch_pdf.empty()) return print_batch_pdf(control, o);
    for (const reportshot::ReportPage& page : reportshot::kReportPages) {
      const sheet::RangePos block = reportshot::page_block(page, o.metric);
      control.ActiveSheet(page.sheet);
      sheet::view::set_read_only_list(control);
      control.ViewFirstRow(block.first_row + 1);
      control.ViewLastRow(block.last_row + 1);
      control.ViewFirstCol(block.first_col + 1);
      control.ViewLastCol(block.last_col + 1);
      control.ViewZoom(o.zoom);
      control.resize(control.view().sizeHint());
      control.show();
      QApplication::processEvents();
      const std::filesystem::path file = o.out / (std::string(page.file) + unit_suffix(o) + ".png");
      if (!control.grab().save(QString::fromStdString(file.string()), "PNG")) {
        std::fprintf(stderr, "pellavan-reportshot: cannot write %s\n", file.c_str());
        return 1;
      }
      std::printf("%s\n", file.c_str());
    }
    if (o.pdf) print_pages(control, o);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "pellavan-reportshot: %s\n", e.what());
    return 1;
  }
  return 0;
}
