// A row chosen with the mouse: every list and drop-down list of every window runs its Click
// with the row selected, and the project window shows the climate of the city clicked.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <map>
#include <string>
#include <vector>

#include "app/loads_windows_fixture.h"
#include "app/window_designs.h"
#include "platform/designed_form.h"

namespace pellavan::app {
namespace {

using platform::ControlKind;

// Shows the control and its containers, its tab pages in front, and a view it is shown in.
void bring_forward(platform::DesignedForm& form, platform::ViewMask views, QWidget* w) {
  if (views != platform::kNoView && views != platform::kEveryView)
    form.show_view(views & (~views + 1));
  for (QWidget* up = w; up != &form; up = up->parentWidget()) {
    auto* stack = qobject_cast<QStackedWidget*>(up->parentWidget());
    auto* tabs = stack != nullptr ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
    if (tabs != nullptr) tabs->setCurrentWidget(up);
    up->setEnabled(true);
    up->show();
  }
}

void click_row(QAbstractItemView* view, int row) {
  const QModelIndex index = view->model()->index(row, 0);
  view->scrollTo(index);
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

TEST(ListClickTest, EveryListSeesTheClickedRowSelected) {
  // The drop-down ignores a release within the double-click time of its opening.
  const int interval = QApplication::doubleClickInterval();
  QApplication::setDoubleClickInterval(1);
  for (const platform::WindowDesign* design : window_designs()) {
    platform::DesignedForm form(*design);
    form.show();
    for (const platform::ControlDesign& d : design->controls) {
      const bool list_kind = d.kind == ControlKind::ListBox || d.kind == ControlKind::ComboBox;
      if (!list_kind || d.rect.width == 0) continue;  // a list of data the user never sees
      SCOPED_TRACE(std::string(design->name) + "." + d.name + std::to_string(d.index));
      QWidget* w = form.widget(platform::ControlRef{&d});
      bring_forward(form, d.views, w);
      auto* list = qobject_cast<QListWidget*>(w);
      auto* combo = qobject_cast<QComboBox*>(w);
      for (const char* row : {"first", "second", "third"})
        list != nullptr ? list->addItem(row) : combo->addItem(row);
      list != nullptr ? list->setCurrentRow(0) : combo->setCurrentIndex(0);
      std::vector<int> clicks;  // the selected row each Click saw
      form.listen(platform::ControlRef{&d}, platform::Event::Click, [&](platform::ControlEvent&) {
        if (combo != nullptr) return clicks.push_back(combo->currentIndex());
        const QListWidgetItem* item = list->currentItem();
        clicks.push_back(item != nullptr && item->isSelected() ? list->currentRow() : -1);
      });
      if (list != nullptr) {
        click_row(list, 2);
      } else {
        combo->showPopup();
        QTest::qWait(5);
        click_row(combo->view(), 2);
      }
      EXPECT_EQ(clicks, std::vector<int>{2});
    }
  }
  QApplication::setDoubleClickInterval(interval);
}

class CityClickTest : public testing::LoadsWindowsFixture {};

// The texts of the window's labels.
std::map<std::string, std::string> label_texts(const QWidget& window) {
  std::map<std::string, std::string> texts;
  for (const QLabel* label : window.findChildren<QLabel*>())
    texts[label->objectName().toStdString()] = label->text().toStdString();
  return texts;
}

TEST_F(CityClickTest, ACityClickedShowsItsClimateAsWhenChosenByKey) {
  ProjectWindow& w = shown_project_window();
  auto* cities = w.form().get<QListWidget>("comboCity");
  bring_forward(w.form(), platform::kEveryView, cities);
  ASSERT_GE(cities->count(), 2);
  const int other = cities->currentRow() == 0 ? 1 : 0;
  messages.clear();
  click_row(cities, other);
  EXPECT_TRUE(messages.empty()) << qPrintable(messages.front().text);
  EXPECT_EQ(w.city_text(), cities->item(other)->text());
  const auto clicked = label_texts(w);
  cities->setCurrentRow(1 - other);
  cities->setFocus();
  QTest::keyClick(cities, other == 0 ? Qt::Key_Up : Qt::Key_Down);
  EXPECT_EQ(cities->currentRow(), other);
  EXPECT_EQ(label_texts(w), clicked);
}

}  // namespace
}  // namespace pellavan::app
