#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QPointer>
#include <QProxyStyle>
#include <QSignalBlocker>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextLayout>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <set>

#include "platform/catalogue_lists.h"
#include "platform/design_checks.h"
#include "platform/message_box.h"
#include "platform/text_area.h"
#include "platform/sample_window.h"
#include "platform/window_inputs.h"
#include "platform/window_test_support.h"

namespace pellavan::platform::testing {
namespace {

QRgb base_of(const QWidget* w) { return w->palette().color(QPalette::Base).rgba(); }

TEST(WindowFrameworkTest, TheSampleDesignIsSound) {
  expect_sound_design(kSampleDesign, shipped_topics());
}

TEST(WindowFrameworkTest, HandlersGetTheirEventsAndTheArrayIndex) {
  SampleWindow w;
  ASSERT_TRUE(show_and_activate(&w));
  qobject_cast<QTabWidget*>(w.form().control("SSTab1"))->setCurrentIndex(1);
  w.log.clear();
  w.form()[hscrBase]->setValue(4);
  fill_list(w.form()[comboCity], {{7, "Alpha", ""}, {9, "Beta", ""}});
  w.form()[comboCity]->setCurrentIndex(1);
  w.form()[txtLoad[2]]->setFocus();
  const QPoint free(w.form().width() - 2, w.form().height() - 2);  // over no control
  ASSERT_EQ(w.form().childAt(free), nullptr);
  send_mouse_move(&w.form(), free);
  EXPECT_EQ(w.log, (std::vector<std::string>{"scroll 4", "city Beta", "focus 2", "window"}));
  EXPECT_EQ(w.form()[hscrBase]->minimum(), 1);
  EXPECT_EQ(w.form()[hscrBase]->maximum(), 5);
}

TEST(WindowFrameworkTest, KeyHandlersSwallowAndEnterMovesOnWhereTheDesignSays) {
  SampleWindow w;
  ASSERT_TRUE(show_and_activate(&w));
  w.form()[txtName]->setFocus();
  press(w.form()[txtName], Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), w.form()[txtNote]);
  press(w.form()[txtNote], Qt::Key_Return);  // this box keeps Enter
  EXPECT_EQ(QApplication::focusWidget(), w.form()[txtNote]);
  qobject_cast<QTabWidget*>(w.form().control("SSTab1"))->setCurrentIndex(1);
  w.form()[txtLoad[1]]->setFocus();
  QTest::keyClicks(w.form()[txtLoad[1]], "1x2");
  EXPECT_EQ(w.form()[txtLoad[1]]->text(), "12");
}

TEST(WindowFrameworkTest, TheTabOrderGoesOnAcrossThePages) {
  SampleWindow w;
  ASSERT_TRUE(show_and_activate(&w));
  auto* tabs = qobject_cast<QTabWidget*>(w.form().control("SSTab1"));
  w.form()[txtNote]->setFocus();
  press(w.form()[txtNote], Qt::Key_Tab);
  EXPECT_EQ(tabs->currentIndex(), 1);
  EXPECT_EQ(QApplication::focusWidget(), w.form()[txtLoad[1]]);
  press(w.form()[txtLoad[1]], Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(tabs->currentIndex(), 0);
  EXPECT_EQ(QApplication::focusWidget(), w.form()[txtNote]);
}

// The tab control passes the focus on to the first field of the page in front.
TEST(WindowFrameworkTest, TheTabControlPassesTheFocusIntoItsPage) {
  SampleWindow w;
  ASSERT_TRUE(show_and_activate(&w));
  auto* tabs = qobject_cast<QTabWidget*>(w.form().control("SSTab1"));
  const struct {
    int page;
    QWidget* first;
  } rows[] = {{0, w.form()[txtName]}, {1, w.form()[txtLoad[1]]}};
  for (const auto& row : rows) {
    tabs->setCurrentIndex(row.page);
    w.form()[btnDone]->setFocus();
    tabs->tabBar()->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), row.first) << row.page;
  }
}

TEST(WindowFrameworkTest, HighlightAndHelpLinesFollowTheFocusOnEachPage) {
  SampleWindow w;
  ASSERT_TRUE(show_and_activate(&w));
  const QRgb plain = base_of(w.form()[txtNote]);
  w.form()[txtName]->setFocus();
  EXPECT_EQ(base_of(w.form()[txtName]), 0xff00ffffu);
  EXPECT_EQ(w.form()[lblInfo]->text(), "Name");
  w.form()[txtNote]->setFocus();
  EXPECT_EQ(base_of(w.form()[txtName]), 0xffffffffu);
  EXPECT_EQ(base_of(w.form()[txtNote]), plain);  // not highlighted
  qobject_cast<QTabWidget*>(w.form().control("SSTab1"))->setCurrentIndex(1);
  w.form()[txtLoad[1]]->setFocus();
  EXPECT_EQ(w.form()[lblInfo2]->text(), "Heat loss");
  EXPECT_EQ(w.form()[lblInfo]->text(), "Name");  // the other page's line stays
  send_enter(w.form()[txtLoad[2]]);              // its help line is for the focus only
  EXPECT_EQ(w.form()[lblInfo2]->text(), "Heat loss");
}

// The style keeps its pictures of lists under the palette they are painted with: a list paints
// with one palette for each look, however often its highlight comes and goes and in however many
// windows loaded afresh.
TEST(WindowFrameworkTest, ListsPaintWithOnePalettePerLook) {
  struct Recorder : QProxyStyle {
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
      if (control == CC_ComboBox) palettes.insert(option->palette.cacheKey());
      QProxyStyle::drawComplexControl(control, option, painter, widget);
    }
    mutable std::set<qint64> palettes;
  } style;
  for (int window = 1; window <= 3; ++window) {
    SampleWindow w;
    w.form()[comboCity]->setStyle(&style);
    ASSERT_TRUE(show_and_activate(&w));
    qobject_cast<QTabWidget*>(w.form().control("SSTab1"))->setCurrentIndex(1);
    for (int focus = 1; focus <= 4; ++focus) {
      w.form()[comboCity]->setFocus();
      w.form()[comboCity]->grab();
      w.form()[txtLoad[1]]->setFocus();
      w.form()[comboCity]->grab();
    }
  }
  EXPECT_LE(style.palettes.size(), 3u);  // as designed, highlighted, and the plain field
}

TEST(WindowFrameworkTest, TypingLimitsCutWhatIsTypedNotWhatTheProgramSets) {
  SampleWindow w;
  ASSERT_TRUE(show_and_activate(&w));
  QLineEdit* box = w.form()[txtName];
  set_text(box, QStringLiteral("a text longer than six"));
  EXPECT_EQ(box->text(), "a text longer than six");
  EXPECT_EQ(box->cursorPosition(), 0);  // shown from its beginning
  box->setFocus();
  box->end(false);
  QTest::keyClicks(box, "!");
  EXPECT_EQ(box->text(), "a text longer than six");
  QTest::keyClick(box, Qt::Key_Backspace);  // shortening is always allowed
  EXPECT_EQ(box->text(), "a text longer than si");
  box->clear();
  QApplication::clipboard()->setText(QStringLiteral("123456789"));
  box->paste();
  EXPECT_EQ(box->text(), "123456");
  {
    const QSignalBlocker quiet(box);  // a text set with the box's signals blocked as well
    set_text(box, QStringLiteral("another long text"));
  }
  box->end(false);
  QTest::keyClicks(box, "!");
  EXPECT_EQ(box->text(), "another long text");
}

// A box several lines high wraps its text, takes no line break and keeps to its typing limit
// as the line box does.
TEST(WindowFrameworkTest, ATextAreaWrapsAndCutsWhatIsTypedOnly) {
  TextArea box;
  box.setMaxLength(24);
  box.resize(80, 120);
  ASSERT_TRUE(show_and_activate(&box));
  set_text(&box, QStringLiteral("a text longer than twenty-four"));
  EXPECT_EQ(box.textCursor().position(), 0);  // shown from its beginning
  QApplication::processEvents();
  EXPECT_GT(box.document()->firstBlock().layout()->lineCount(), 1);
  box.moveCursor(QTextCursor::End);
  QTest::keyClicks(&box, "!");
  QTest::keyClick(&box, Qt::Key_Return);
  EXPECT_EQ(box.text(), "a text longer than twenty-four");
  QTest::keyClick(&box, Qt::Key_Backspace);  // shortening is always allowed
  EXPECT_EQ(box.text(), "a text longer than twenty-fou");
  box.clear();
  QApplication::clipboard()->setText(QStringLiteral("first line\r\nsecond line\nthird line"));
  box.paste();
  EXPECT_EQ(box.text(), "first line second line t");
}

TEST(WindowFrameworkTest, AWindowUnloadsItselfFromItsOwnHandler) {
  QPointer<SampleWindow> w = load_window<SampleWindow>();
  w->show();
  w->keep_open = true;
  w->form()[btnDone]->click();
  EXPECT_TRUE(w->isVisible());  // its query kept it
  w->keep_open = false;
  w->form()[btnDone]->click();
  EXPECT_FALSE(w->isVisible());
  EXPECT_EQ(w->result(), QDialog::Accepted);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(w.isNull());
}

// A window that goes by Escape, its close box or its own handler throws away what is typed in
// the box with the cursor: the box's leave handling does not run (it would act on the text
// after the window's restore). Tab out of the box runs it.
TEST(WindowFrameworkTest, AWindowThatGoesRunsNoLeaveHandlingOfTheFocusedBox) {
  struct Row {
    const char* name;
    std::function<void(SampleWindow&)> act;
    bool left;
  };
  const Row rows[] = {
      {"Escape", [](SampleWindow& w) { QTest::keyClick(w.form()[txtName], Qt::Key_Escape); },
       false},
      {"close box", [](SampleWindow& w) { EXPECT_TRUE(w.close()); }, false},
      {"its own handler", [](SampleWindow& w) { w.btnDone_Click(); }, false},
      {"Tab, then Escape",
       [](SampleWindow& w) {
         QTest::keyClick(w.form()[txtName], Qt::Key_Tab);
         QTest::keyClick(w.form()[txtNote], Qt::Key_Escape);
       },
       true},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    SampleWindow::being_destroyed = false;  // the row before destroyed its window
    SampleWindow w;
    ASSERT_TRUE(show_and_activate(&w));
    w.form()[txtName]->setFocus();
    QTest::keyClicks(w.form()[txtName], "Ab");
    w.log.clear();
    r.act(w);
    QCoreApplication::processEvents();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(std::count(w.log.begin(), w.log.end(), "left name"), r.left ? 1 : 0);
  }
}

TEST(WindowFrameworkTest, ShowingOneOfOurWindowsDeactivatesAndActivatesOnce) {
  SampleWindow owner;
  ASSERT_TRUE(show_and_activate(&owner));
  // This case is about activation: no box of the owner holds the focus.
  if (QWidget* focused = QApplication::focusWidget()) focused->clearFocus();
  owner.log.clear();
  SampleWindow shown;
  const ModalHook previous = set_modal_hook([](QDialog& d) { return d.exec() * 0; });
  QTimer::singleShot(0, &shown, [&shown] { shown.form()[btnDone]->click(); });
  owner.show_modal(shown);
  set_modal_hook(previous);
  EXPECT_EQ(owner.log, (std::vector<std::string>{"deactivate", "activate"}));
  EXPECT_EQ(shown.log.front(), "activate");
}

// A window loaded to be gone once unloaded, shown modally: hiding itself keeps it loaded for its
// next showing; Done, Escape and the close box unload and delete it.
TEST(WindowFrameworkTest, AModalWindowThatHidesStaysLoadedAndOneThatIsClosedGoes) {
  struct Ending {
    const char* name;
    void (*end)(SampleWindow& w);
    bool stays;
  };
  const Ending endings[] = {
      {"hidden", [](SampleWindow& w) { w.hide(); }, true},
      {"Done", [](SampleWindow& w) { QTest::mouseClick(w.form()[btnDone], Qt::LeftButton); },
       false},
      {"Escape", [](SampleWindow& w) { QTest::keyClick(&w, Qt::Key_Escape); }, false},
      {"close box", [](SampleWindow& w) { w.close(); }, false},
  };
  for (const Ending& e : endings) {
    SCOPED_TRACE(e.name);
    QPointer<SampleWindow> w = load_window<SampleWindow>();
    for (int showing = 1; showing <= 2 && !w.isNull(); ++showing) {
      QTimer::singleShot(0, w, [&w, &e] { e.end(*w); });
      run_modal(*w);
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      EXPECT_EQ(w.isNull(), !e.stays) << "after showing " << showing;
    }
    delete w.data();
  }
}

TEST(WindowFrameworkTest, NoHandlerRunsWhileTheWindowIsDestroyed) {
  SampleWindow::being_destroyed = false;
  SampleWindow::calls_while_destroyed = 0;
  auto* w = new SampleWindow;
  ASSERT_TRUE(show_and_activate(w));
  w->form()[txtName]->setFocus();
  ASSERT_EQ(QApplication::focusWidget(), w->form()[txtName]);
  delete w;
  EXPECT_EQ(SampleWindow::calls_while_destroyed, 0);
  SampleWindow::being_destroyed = false;
}

TEST(WindowFrameworkTest, UnitFieldsShowStoreAndRoundOnLeaving) {
  SampleWindow w;
  ASSERT_TRUE(show_and_activate(&w));
  model::MetricFlags flags;
  flags(model::kMetricDisplay) = -1;
  model::UnitMemos memos;
  model::ProjectRec rec{};
  rec.Loads_HeatLoad = 50000;
  rec.Loads_HeatSetPoint = 45;
  rec.GeoA_Depth = model::Currency::from_double(100);
  const model::ProjectRec before = rec;
  show_units(w.form(), kSampleUnits, rec, flags, memos);
  apply_leave_rules(w.form(), kSampleUnits, flags);
  EXPECT_EQ(w.form()[txtLoad[1]]->text(), "14.6");
  EXPECT_EQ(w.form()[txtLoad[2]]->text(), "7.5");
  store_units(w.form(), kSampleUnits, rec, flags, memos);
  EXPECT_EQ(rec.Loads_HeatSetPoint, before.Loads_HeatSetPoint);  // 7.5 °C would be 46 °F
  qobject_cast<QTabWidget*>(w.form().control("SSTab1"))->setCurrentIndex(1);
  w.form()[txtLoad[2]]->setFocus();
  w.form()[txtLoad[2]]->setText("21.3");
  w.form()[txtLoad[3]]->setFocus();
  EXPECT_EQ(w.form()[txtLoad[2]]->text(), "21.5");
  store_units(w.form(), kSampleUnits, rec, flags, memos);
  EXPECT_EQ(rec.Loads_HeatSetPoint, 71);
  EXPECT_EQ(rec.Loads_HeatLoad, 50000);
  EXPECT_EQ(rec.GeoA_Depth, before.GeoA_Depth);
}

TEST(WindowFrameworkTest, ARefusalIsShownAndFocusesItsControl) {
  struct Values : model::CheckValues {
    double value(const model::RangeCheck& row, model::Display) const override {
      return row.value == kHeatLoad ? 999 : 70;
    }
  } values;
  SampleWindow w;
  ASSERT_TRUE(show_and_activate(&w));
  qobject_cast<QTabWidget*>(w.form().control("SSTab1"))->setCurrentIndex(1);
  std::vector<MessageRequest> shown;
  const MessageHook previous = set_message_hook([&](const MessageRequest& r) {
    shown.push_back(r);
    return MessageResult::Ok;
  });
  EXPECT_FALSE(passes(&w, w.form(), kSampleRows, values, model::MetricFlags{}));
  set_message_hook(previous);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, "Heating Load Outside of Valid Range of 1000 - 999999");
  EXPECT_EQ(shown[0].title, "Range Violation");
  EXPECT_EQ(shown[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(QApplication::focusWidget(), w.form()[txtLoad[1]]);
}

TEST(WindowFrameworkTest, CatalogueListsCarryIdsAndTheirTwinsNameThePictures) {
  SampleWindow w;
  QComboBox* list = w.form()[comboCity];
  QComboBox* twin = w.form()[comboCity2];
  const std::vector<model::ListEntry> entries = {
      {3, "Vert", "vert.bmp"}, {5, "Horz", "z.bmp"}, {5, "Horz again", "a.bmp "}};
  fill_list(list, entries, twin, true);
  EXPECT_EQ(list->currentIndex(), -1);
  EXPECT_EQ(twin->itemText(0), "a.bmp ");        // sorted by picture name
  EXPECT_EQ(twin_text(list, twin), "vert.bmp");  // no selection: the first entry's
  ASSERT_TRUE(select_id(list, 5));
  EXPECT_EQ(list->currentText(), "Horz again");  // the last entry with the id
  EXPECT_EQ(twin_text(list, twin), "z.bmp");     // the last twin entry with the id
  EXPECT_FALSE(select_id(list, 4));
  EXPECT_EQ(selected_id(list), 5);

  QListWidget cities;
  fill_list(&cities, entries);
  EXPECT_EQ(selected_id(&cities, -1), -1);
  cities.setCurrentRow(0);
  EXPECT_EQ(selected_id(&cities), 3);
  EXPECT_EQ(cities.currentItem()->text(), "Vert");
}

}  // namespace
}  // namespace pellavan::platform::testing
