#pragma once
// A small styled book and helpers shared by the view's window tests.

#include <QColor>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QThread>
#include <QWidget>
#include <QWindow>
#include <functional>
#include <string>
#include <vector>

#include "sheet/book.h"
#include "sheet_view/block_painter.h"
#include "sheet_view/picture_cache.h"

namespace pellavan::sheet::view::testing {

inline CellPos at(const char* a1) { return *parse_a1(a1); }

inline void style(Book& book, const char* a1, const std::function<void(Style&)>& change) {
  Style s = book.style_of(at(a1));
  change(s);
  book.set_cell_style(at(a1), book.styles().intern(s));
}

// A recorded drawing 40 x 10 wide, its left half `left` and its right half `right`.
inline std::vector<std::uint8_t> recorded_halves(QColor left, QColor right) {
  QPicture drawing;
  {
    QPainter p(&drawing);
    p.fillRect(QRect(0, 0, 20, 10), left);
    p.fillRect(QRect(20, 0, 20, 10), right);
  }
  return encode_recording(drawing);
}

inline QImage solid_image(QColor colour, int size = 20) {
  QImage image(size, size, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

// Sheet "main" with one cell of each thing a view draws, and two more sheets for switching.
inline Book styled_book() {
  Book book;
  book.add_sheet("main");
  book.add_sheet("second");
  book.add_sheet("third");
  book.set_cell_text(at("A1"), "Heating report");
  style(book, "A1", [](Style& s) {
    s.font.bold = true;
    s.font.size = 12;
  });
  book.set_cell_text(at("B2"), "1234.5");
  style(book, "B2", [](Style& s) { s.format = NumberFormat::parse("#,##0"); });
  book.set_cell_text(at("B3"), "-502");
  style(book, "B3", [](Style& s) { s.format = NumberFormat::parse("#,##0;[Red]-#,##0"); });
  book.set_cell_text(at("C2"), "SECRET");
  book.sheet(0).set_column_hidden(2, true);
  book.set_cell_text(at("D2"), "fill");
  style(book, "D2", [](Style& s) { s.fill = Colour{0xFFFF00}; });
  book.set_cell_text(at("A4"), "A long label that spills over");
  book.set_cell_text(at("A5"), "stopped by its neighbour");
  book.set_cell_text(at("B5"), "1");
  book.sheet(0).set_column_width(4, 3);
  book.set_cell_text(at("E6"), "123456789");
  style(book, "E6", [](Style& s) { s.format = NumberFormat::parse("#,##0"); });
  style(book, "B7", [](Style& s) {
    for (Side side : {Side::kLeft, Side::kRight, Side::kTop, Side::kBottom})
      s.border(side) = Border{BorderLine::kThick, Colour{0x0000FF}};
  });
  book.set_cell_text(CellPos{1, 0, 0}, "on the second sheet");
  book.set_cell_text(CellPos{2, 0, 0}, "on the third sheet");
  return book;
}

inline const DrawnText* find_text(const std::vector<DrawnText>& texts, const QString& text) {
  for (const DrawnText& t : texts) {
    if (t.text == text) return &t;
  }
  return nullptr;
}

inline const DrawnText* text_of_cell(const std::vector<DrawnText>& texts, CellPos cell) {
  for (const DrawnText& t : texts) {
    if (t.cell == cell) return &t;
  }
  return nullptr;
}

inline int count_pixels(const QImage& image, const QRect& rect,
                        const std::function<bool(QColor)>& wanted) {
  int n = 0;
  const QRect inside = rect.intersected(image.rect());
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    for (int x = inside.left(); x <= inside.right(); ++x)
      n += wanted(image.pixelColor(x, y)) ? 1 : 0;
  }
  return n;
}

inline bool is_red(QColor c) { return c.red() > 180 && c.green() < 100 && c.blue() < 100; }
inline bool is_yellow(QColor c) { return c.red() > 230 && c.green() > 230 && c.blue() < 60; }
inline bool is_blue(QColor c) { return c.blue() > 180 && c.red() < 80 && c.green() < 80; }
inline bool is_coloured(QColor c) {
  return std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()}) > 30;
}

// Runs the event loop until `done` holds or the time is up; whether it holds.
inline bool wait_until(const std::function<bool()>& done, int ms = 2000) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > ms) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(5);
  }
  return true;
}

// Shows a widget and waits until the platform exposes it, so that repaint() paints at once.
inline bool show_exposed(QWidget& widget) {
  widget.show();
  return wait_until([&] { return widget.windowHandle() && widget.windowHandle()->isExposed(); });
}

}  // namespace pellavan::sheet::view::testing
