#include <gtest/gtest.h>

#include <QBuffer>

#include "sheet_view/fonts.h"
#include "sheet_view/render.h"
#include "view_fixture.h"

namespace pellavan::sheet::view {
namespace {

using namespace testing;

class RenderTest : public ::testing::Test {
 protected:
  RenderTest() : book(styled_book()) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    solid_image(Qt::blue).save(&buffer, "PNG");
    book.sheet(0).add_picture(GridPoint{5.0, 1.0}, GridPoint{7.0, 3.5},
                              std::vector<std::uint8_t>(png.begin(), png.end()));
  }
  QRect cell(const char* a1, int zoom = 100) const {
    const GridGeometry g(book.sheet(0), block, grid_metrics(book), zoom / 100.0, true);
    const CellPos p = at(a1);
    return QRectF(QPointF(g.col_left(p.col), g.row_top(p.row)),
                  QPointF(g.col_right(p.col), g.row_bottom(p.row)))
        .toRect();
  }
  Book book;
  RangePos block = *parse_a1_range("A1:H8");
};

TEST_F(RenderTest, TextsShowInTheirCellsInTheirFormats) {
  const RenderedBlock shown = render_block(book, 0, block);
  const DrawnText* grouped = find_text(shown.texts, "1,235");
  ASSERT_NE(grouped, nullptr);
  EXPECT_EQ(grouped->cell, at("B2"));
  EXPECT_EQ(grouped->rect.toRect(), cell("B2"));
  const DrawnText* negative = find_text(shown.texts, "-502");
  ASSERT_NE(negative, nullptr);
  EXPECT_EQ(negative->colour, QColor(0xFF, 0, 0));
  EXPECT_EQ(find_text(shown.texts, "SECRET"), nullptr) << "column C is hidden";
  ASSERT_NE(find_text(shown.texts, "Heating report"), nullptr);
}

TEST_F(RenderTest, TextsSpillOverNeighboursThatShowNothingOnlyAndNumbersNever) {
  book.set_cell_text(at("A7"), "JN1860" + std::string(44, ' '));  // stored at its full width
  book.set_cell_text(at("B7"), "2");
  book.set_cell_text(at("A8"), "RKH Hydronic Water-to-Water");
  book.set_cell_formula(at("B8"), "IF(1=1,\"\",\"Hours\")");  // a unit the row leaves out
  book.recalc();
  const RenderedBlock shown = render_block(book, 0, block);
  ASSERT_NE(text_of_cell(shown.texts, at("A7")), nullptr);
  EXPECT_EQ(text_of_cell(shown.texts, at("A7"))->text, "JN1860") << "trailing blanks need no room";
  const DrawnText* spilled = find_text(shown.texts, "A long label that spills over");
  ASSERT_NE(spilled, nullptr);
  EXPECT_GT(spilled->rect.width(), cell("A4").width());
  const DrawnText* over_blank = text_of_cell(shown.texts, at("A8"));
  ASSERT_NE(over_blank, nullptr);
  EXPECT_EQ(over_blank->text, "RKH Hydronic Water-to-Water") << "whole over an empty text";
  const DrawnText* stopped = text_of_cell(shown.texts, at("A5"));
  ASSERT_NE(stopped, nullptr);
  EXPECT_EQ(stopped->rect.toRect(), cell("A5"));
  EXPECT_TRUE(stopped->text.startsWith("stop") && stopped->text.endsWith(QChar(0x2026)))
      << "a text its neighbour stops ends in an ellipsis: " << stopped->text.toStdString();
  bool marks = false;
  for (const DrawnText& t : shown.texts) {
    if (t.cell == at("E6")) marks = !t.text.isEmpty() && t.text.count(QChar('#')) == t.text.size();
  }
  EXPECT_TRUE(marks) << "a number too wide for its column shows as # marks";
}

// The block ends, the sheet does not: a text at its edge spills on over the sheet's empty cells
// beyond it (a page header's title into the margin), and stops at a filled one.
TEST_F(RenderTest, TextsSpillPastTheBlocksEdgeOverEmptyCells) {
  book.set_cell_text(at("F8"), "a right-aligned text running left");
  style(book, "F8", [](Style& s) { s.horizontal = HAlign::kRight; });
  const struct {
    const char* block;
    const char* cell;
    int beyond;  // past the right edge 1, the left edge -1, neither 0
  } kCases[] = {{"A1:A8", "A4", 1}, {"A1:A8", "A5", 0}, {"F1:H8", "F8", -1}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.cell);
    const RangePos shown_block = *parse_a1_range(c.block);
    const RenderedBlock shown = render_block(book, 0, shown_block);
    const DrawnText* text = text_of_cell(shown.texts, at(c.cell));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->rect.right() > shown.image.width() + 0.5, c.beyond > 0);
    EXPECT_EQ(text->rect.left() < -0.5, c.beyond < 0);
  }
}

TEST_F(RenderTest, GridLinesStopWhereATextSpills) {
  RenderOptions options;
  options.grid_lines = true;
  const RenderedBlock shown = render_block(book, 0, block, options);
  auto grey = [](QColor c) { return c.red() == 0xC0 && c.green() == 0xC0 && c.blue() == 0xC0; };
  const int x = cell("A4").right();  // the last pixel column of A, where its grid line lies
  EXPECT_TRUE(grey(shown.image.pixelColor(x, cell("A3").top() + 1)));
  EXPECT_FALSE(grey(shown.image.pixelColor(x, cell("A4").top() + 1)))
      << "A4's text runs on over B4";
  EXPECT_TRUE(grey(shown.image.pixelColor(x, cell("A5").top() + 1))) << "A5's text stops at B5";
}

TEST_F(RenderTest, PixelsShowFillsRedNegativesBordersAndPictures) {
  const RenderedBlock shown = render_block(book, 0, block);
  const QRect fill = cell("D2");
  EXPECT_GT(count_pixels(shown.image, fill, is_yellow), fill.width() * fill.height() / 2);
  EXPECT_GT(count_pixels(shown.image, cell("B3"), is_red), 5);
  const QRect bordered = cell("B7");
  EXPECT_GT(
      count_pixels(shown.image,
                   QRect(bordered.left() - 2, bordered.top() - 2, 4, bordered.height()), is_blue),
      20);
  const QRect picture(QPoint(cell("F2").left(), cell("F2").top()),
                      QPoint(cell("G4").right(), cell("G4").center().y()));
  EXPECT_GT(
      count_pixels(shown.image, picture.adjusted(2, 2, -2, -2), is_blue),
      picture.adjusted(2, 2, -2, -2).width() * picture.adjusted(2, 2, -2, -2).height() * 9 / 10);
  EXPECT_EQ(count_pixels(shown.image, cell("G5"), is_blue), 0)
      << "the picture ends halfway down row 4";
}

TEST_F(RenderTest, BlackAndWhiteDropsEveryColour) {
  RenderOptions options;
  options.black_and_white = true;
  const RenderedBlock shown = render_block(book, 0, block, options);
  EXPECT_EQ(count_pixels(shown.image, shown.image.rect(), is_coloured), 0);
  EXPECT_EQ(find_text(shown.texts, "-502")->colour, QColor(Qt::black));
}

TEST_F(RenderTest, RecordedPicturesStretchOverTheirAnchorsInColourOrGrey) {
  book.sheet(0).clear_pictures();
  book.sheet(0).add_picture(GridPoint{1.0, 3.0}, GridPoint{5.0, 7.5},
                            recorded_halves(Qt::red, Qt::blue), PictureFormat::kRecorded);
  const QRect area(cell("B4").topLeft(), QPoint(cell("E7").right(), cell("E8").center().y()));
  const QPoint corners[] = {area.topLeft() + QPoint(2, 2), area.bottomRight() - QPoint(2, 2)};
  for (const bool grey : {false, true}) {
    SCOPED_TRACE(grey ? "black and white" : "colour");
    RenderOptions options;
    options.black_and_white = grey;
    const QImage image = render_block(book, 0, block, options).image;
    const QColor left = image.pixelColor(corners[0]), right = image.pixelColor(corners[1]);
    EXPECT_EQ(is_red(left), !grey) << "the drawing fills its rectangle to the corners";
    EXPECT_EQ(is_blue(right), !grey);
    EXPECT_EQ(count_pixels(image, area.adjusted(2, 2, -2, -2), is_coloured) > 0, !grey);
    EXPECT_LT(left.lightness(), 200);
    EXPECT_NE(left, right);
    EXPECT_EQ(image.pixelColor(area.right() + 3, area.center().y()), QColor(Qt::white))
        << "nothing beyond the anchors";
  }
}

TEST_F(RenderTest, ZoomScalesCellsAndStaysWithin25And200) {
  struct Row {
    const char* name;
    int zoom;
    int shown_zoom;
  };
  const Row rows[] = {{"half", 50, 50},
                      {"double", 200, 200},
                      {"below the least", 5, 25},
                      {"above the most", 400, 200}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    RenderOptions options;
    options.zoom = r.zoom;
    const RenderedBlock shown = render_block(book, 0, block, options);
    const DrawnText* grouped = find_text(shown.texts, "1,235");
    ASSERT_NE(grouped, nullptr);
    EXPECT_EQ(grouped->rect.toRect(), cell("B2", r.shown_zoom));
  }
}

}  // namespace
}  // namespace pellavan::sheet::view
