#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QTabBar>

#include "sheet_view/sheet_view.h"
#include "view_fixture.h"

namespace pellavan::sheet::view {
namespace {

using namespace testing;

class SheetViewTest : public ::testing::Test {
 protected:
  SheetViewTest() {
    view.show_book(std::make_shared<Book>(styled_book()));
    view.resize(640, 400);
    EXPECT_TRUE(show_exposed(view));
  }
  Book& book() { return *view.book(); }
  bool shows(const QString& text) {
    view.viewport()->repaint();
    return find_text(view.drawn_texts(), text) != nullptr;
  }
  void press(int key, const QString& text = {}) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(view.hasFocus() || !QApplication::focusWidget()
                                ? static_cast<QWidget*>(&view)
                                : QApplication::focusWidget(),
                            &event);
  }
  SheetView view;
};

TEST_F(SheetViewTest, RepaintsAfterTheBookIsRecalculatedElsewhere) {
  book().set_cell_text(at("G1"), "4");
  book().set_cell_formula(at("H1"), "G1*2");
  book().recalc();
  EXPECT_TRUE(wait_until([&] { return shows("8"); }));
  // The book is changed and recalculated without the view's knowledge, as a filler would do it.
  book().set_cell_text(at("G1"), "21");
  book().recalc();
  EXPECT_TRUE(wait_until([&] {
    QCoreApplication::processEvents();
    return find_text(view.drawn_texts(), "42") != nullptr;
  }));
}

TEST_F(SheetViewTest, ShowsOnlyItsBlockAndScrollsWithinIt) {
  Block block;
  block.first_row = 2;
  block.last_row = 3;
  block.first_col = 2;
  block.last_col = 2;
  view.set_block(block);
  EXPECT_TRUE(shows("1,235"));
  EXPECT_FALSE(shows("Heating report")) << "A1 lies outside the block";
  EXPECT_EQ(view.verticalScrollBar()->maximum(), 0);

  view.set_block(Block{});  // the whole sheet: far larger than the widget
  EXPECT_GT(view.verticalScrollBar()->maximum(), 0);
  EXPECT_TRUE(shows("Heating report"));
  view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
  EXPECT_FALSE(shows("Heating report")) << "scrolled to the sheet's last rows";
  view.scroll_to_block_start();
  EXPECT_TRUE(shows("Heating report"));
}

TEST_F(SheetViewTest, EachSheetKeepsItsBlockAndZoom) {
  view.set_zoom(150);
  Block block;
  block.last_row = 5;
  view.set_block(block);
  view.set_active_sheet(2);
  EXPECT_EQ(view.zoom(), 100);
  EXPECT_EQ(view.block(), Block{});
  EXPECT_TRUE(shows("on the second sheet"));
  view.set_active_sheet(1);
  EXPECT_EQ(view.zoom(), 150);
  EXPECT_EQ(view.block().last_row, 5);
}

// A fitted view shrinks a block too large for it, never enlarges one that fits.
TEST_F(SheetViewTest, AFittedBlockNeedsNoScrolling) {
  struct Case {
    int last_col, last_row, zoom;
    bool shrinks;
  };
  const Case cases[] = {{1, 3, 100, false},
                        {1, 3, 175, false},
                        {6, 28, 130, true},
                        {15, 28, 175, true},
                        {12, 60, 100, true}};
  view.set_fit_block(true);
  for (const Case& c : cases) {
    Block block;
    block.last_col = c.last_col;
    block.last_row = c.last_row;
    view.set_block(block);
    view.set_zoom(c.zoom);
    EXPECT_EQ(view.horizontalScrollBar()->maximum(), 0) << c.last_col << " " << c.last_row;
    EXPECT_EQ(view.verticalScrollBar()->maximum(), 0) << c.last_col << " " << c.last_row;
    EXPECT_EQ(view.scale() < c.zoom / 100.0, c.shrinks) << c.last_col << " " << c.last_row;
    EXPECT_EQ(view.zoom(), c.zoom);
  }
  view.set_fit_block(false);
  EXPECT_EQ(view.scale(), view.zoom() / 100.0);
  EXPECT_GT(view.verticalScrollBar()->maximum(), 0);
}

TEST_F(SheetViewTest, FurnitureComesAndGoesWithItsFeatures) {
  auto* tabs = view.findChild<QTabBar*>();
  ASSERT_NE(tabs, nullptr);
  EXPECT_TRUE(tabs->isVisible());
  EXPECT_EQ(tabs->count(), 3);
  EXPECT_GT(view.block_origin().x(), 0) << "row headings take room";
  for (Feature f : {Feature::kHeadings, Feature::kGrid, Feature::kTabs, Feature::kEditing,
                    Feature::kSelection}) {
    view.set_feature(f, false);
  }
  EXPECT_FALSE(tabs->isVisible());
  EXPECT_EQ(view.block_origin(), QPoint(0, 0));
  EXPECT_EQ(view.focusPolicy(), Qt::NoFocus);
  tabs->setCurrentIndex(1);
  view.set_feature(Feature::kTabs, true);
  tabs->setCurrentIndex(2);
  EXPECT_EQ(view.active_sheet(), 3) << "a tab selects its sheet";
}

TEST_F(SheetViewTest, HiddenColumnsAndRowsShowNothing) {
  EXPECT_FALSE(shows("SECRET"));
  book().sheet(0).set_column_hidden(2, false);
  book().touch();
  EXPECT_TRUE(wait_until([&] { return shows("SECRET"); }));
  book().sheet(0).set_row_hidden(1, true);
  book().touch();
  EXPECT_TRUE(wait_until([&] { return !shows("SECRET") && !shows("1,235"); }));
}

TEST_F(SheetViewTest, TheUserEntersTextsAndFormulasIntoTheSelectedCell) {
  view.setFocus();
  view.select_cell(9, 0);  // A10
  press(Qt::Key_5, "5");
  auto* editor = view.findChild<QLineEdit*>();
  ASSERT_TRUE(editor && editor->isVisible());
  editor->setText("57.5");
  QMetaObject::invokeMethod(editor, "returnPressed");
  EXPECT_EQ(book().cell_text(at("A10")), "57.5");
  EXPECT_FALSE(editor->isVisible());

  press(Qt::Key_Down);  // A11
  press(Qt::Key_F2);
  ASSERT_TRUE(editor->isVisible());
  std::vector<QString> messages;
  QObject::connect(&view, &SheetView::entryRefused,
                   [&](const QString& reason) { messages.push_back(reason); });
  editor->setText("=A10*(2");
  QMetaObject::invokeMethod(editor, "returnPressed");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_TRUE(messages[0].contains("main!A11")) << messages[0].toStdString();
  EXPECT_TRUE(messages[0].contains("position")) << messages[0].toStdString();
  EXPECT_TRUE(editor->isVisible()) << "the refused formula stays to be mended";
  editor->setText("=A10*2");
  QMetaObject::invokeMethod(editor, "returnPressed");
  EXPECT_EQ(book().cell_formula(at("A11")), "A10*2");
}

TEST_F(SheetViewTest, WithoutSelectionOrEditingTheUserChangesNothing) {
  view.set_feature(Feature::kEditing, false);
  view.setFocus();
  view.select_cell(9, 0);
  press(Qt::Key_5, "5");
  EXPECT_FALSE(view.findChild<QLineEdit*>()->isVisible());
  view.set_feature(Feature::kEditing, true);
  view.set_feature(Feature::kSelection, false);
  press(Qt::Key_Down);
  press(Qt::Key_5, "5");
  EXPECT_FALSE(view.findChild<QLineEdit*>()->isVisible());
  EXPECT_EQ(view.state().current_row, 9);
}

}  // namespace
}  // namespace pellavan::sheet::view
