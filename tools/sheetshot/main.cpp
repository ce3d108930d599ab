// pellavan-sheetshot: shows a block of a built-in workbook in a spreadsheet control and saves a
// screenshot of it, or prints it to PDF, so that reviewers can look at what the view draws.
//
//   pellavan-sheetshot [--book loads|report] [--plain] [--sheet N|NAME] [--block A1:K34]
//                      [--zoom PERCENT] [--furniture] [--bw] [--png FILE] [--pdf FILE]
//
// loads (the default) is the building-load workbook with demonstration looks and a picture
// (--plain: as stored); report is the analysis workbook's template, recalculated. Without
// --furniture the control is in the windows' read-only state. Run under Xvfb (xvfb-run) or on
// Qt's offscreen platform.

#include <QApplication>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <cstdio>
#include <string>

#include "loads/building_load/building_load_book.h"
#include "sheet/errors.h"
#include "sheet_view/spreadsheet_control.h"
#include "sheetshot/demo_style.h"
#include "workbook/report_workbook_template.h"

namespace {

using namespace pellavan;
using sheet::view::SpreadsheetControl;

struct Options {
  std::string book = "loads";
  bool plain = false;
  std::string sheet = "1";
  std::string block;
  int zoom = 100;
  bool furniture = false;
  bool black_and_white = false;
  std::string png;
  std::string pdf;
};

[[noreturn]] void usage(const std::string& why) {
  std::fprintf(stderr, "pellavan-sheetshot: %s\n", why.c_str());
  std::fprintf(stderr,
               "usage: pellavan-sheetshot [--book loads|report] [--plain] [--sheet N|NAME] "
               "[--block A1:K34]\n"
               "                          [--zoom PERCENT] [--furniture] [--bw] [--png FILE] "
               "[--pdf FILE]\n");
  std::exit(2);
}

Options read_options(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    auto value = [&]() -> std::string {
      if (i + 1 >= argc) usage(a + " needs a value");
      return argv[++i];
    };
    if (a == "--book")
      o.book = value();
    else if (a == "--plain")
      o.plain = true;
    else if (a == "--sheet")
      o.sheet = value();
    else if (a == "--block")
      o.block = value();
    else if (a == "--zoom")
      o.zoom = std::stoi(value());
    else if (a == "--furniture")
      o.furniture = true;
    else if (a == "--bw")
      o.black_and_white = true;
    else if (a == "--png")
      o.png = value();
    else if (a == "--pdf")
      o.pdf = value();
    else
      usage("unknown option " + a);
  }
  if (o.book != "loads" && o.book != "report") usage("no book named " + o.book);
  if (o.png.empty() && o.pdf.empty()) usage("nothing to make: give --png or --pdf");
  return o;
}

// The bin hours of the building-load workbook as bars, for a picture over the sheet.
QImage hours_picture(const sheet::Book& book) {
  QImage image(360, 240, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  p.setPen(Qt::black);
  p.drawRect(0, 0, image.width() - 1, image.height() - 1);
  p.drawText(QRect(0, 4, image.width(), 20), Qt::AlignCenter, "Hours per bin");
  double most = 1;
  for (int r = 1; r <= 30; ++r) most = std::max(most, book.cell_value({0, r, 3}).as_number());
  const double bar = (image.width() - 20) / 30.0;
  for (int r = 1; r <= 30; ++r) {
    const double h = book.cell_value({0, r, 3}).as_number() / most * (image.height() - 40);
    p.fillRect(QRectF(10 + (r - 1) * bar, image.height() - 10 - h, bar - 2, h),
               QColor(0x2E, 0x75, 0xB6));
  }
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const Options o = read_options(argc, argv);
  try {
    auto* control = new SpreadsheetControl;
    if (o.book == "loads") {
      sheet::Book book = loads::make_building_load_book();
      if (!o.plain) sheetshot::style_building_load_book(book);
      control->hold_book(std::move(book));
    } else {
      sheet::Book book = workbook::load_report_template();
      book.recalc();
      control->hold_book(std::move(book));
    }
    const auto by_name = control->book().find_sheet(o.sheet);
    control->ActiveSheet(by_name ? *by_name + 1 : std::stoi(o.sheet));
    if (o.book == "loads" && !o.plain) {
      control->AddPictureObject(12.0, 1.5, 17.5, 16.0, hours_picture(control->book()));
    }
    const int sheet = control->ActiveSheet() - 1;
    auto block =
        o.block.empty() ? control->book().used_range(sheet) : sheet::parse_a1_range(o.block);
    if (!block) block = sheet::RangePos{sheet, 0, 0, 0, 0};
    if (o.book == "loads" && !o.plain && o.block.empty()) block->last_col = 17;
    control->ViewFirstRow(block->first_row + 1);
    control->ViewLastRow(block->last_row + 1);
    control->ViewFirstCol(block->first_col + 1);
    control->ViewLastCol(block->last_col + 1);
    control->ViewZoom(o.zoom);
    if (!o.furniture) sheet::view::set_read_only_list(*control);
    control->PrintArea(sheet::format_a1_range(*block));
    control->SetPrintScale(100, true, 1, 1);
    control->PrintBlackWhite(o.black_and_white);

    if (!o.pdf.empty()) {
      QPrinter printer(QPrinter::HighResolution);
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(QString::fromStdString(o.pdf));
      printer.setPageSize(QPageSize(QPageSize::Letter));
      control->use_printer(&printer);
      control->PrintSheet(false);
      control->use_printer(nullptr);
    }
    if (!o.png.empty()) {
      control->resize(control->view().sizeHint());
      control->show();
      QApplication::processEvents();
      if (!control->grab().save(QString::fromStdString(o.png), "PNG")) {
        std::fprintf(stderr, "pellavan-sheetshot: cannot write %s\n", o.png.c_str());
        return 1;
      }
    }
    delete control;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "pellavan-sheetshot: %s\n", e.what());
    return 1;
  }
  return 0;
}
