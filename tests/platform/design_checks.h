#pragma once
// The generic test of a window design: it builds offscreen; every control is a widget of its
// kind; the tab order is the table's; every help topic is one of the help folder's topic map;
// every unit binding names a text box of the design and has a memo slot of its own; every row
// of every validation table fires at its bounds, and its focus control is the design's.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <algorithm>
#include <limits>
#include <set>

#include "model/input/range_table_walk.h"
#include "platform/control_widgets.h"
#include "platform/designed_form.h"
#include "platform/help_topic.h"
#include "platform/help_topic_map.h"
#include "platform/picture_box.h"
#include "platform/text_area.h"

namespace pellavan::platform::testing {

// The topic map shipped in the help folder of the sources.
inline HelpTopicMap shipped_topics() {
  QFile file(QStringLiteral(PELLAVAN_HELP_SOURCE_DIR "/topics.txt"));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(file.fileName());
  const QByteArray text = file.readAll();
  return HelpTopicMap::parse(
      std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
}

inline bool is_of_kind(const QWidget* w, ControlKind kind) {
  switch (kind) {
    case ControlKind::Label: return qobject_cast<const QLabel*>(w) != nullptr;
    case ControlKind::Button: return qobject_cast<const QPushButton*>(w) != nullptr;
    case ControlKind::TextBox: return qobject_cast<const QLineEdit*>(w) != nullptr;
    case ControlKind::TextArea: return qobject_cast<const TextArea*>(w) != nullptr;
    case ControlKind::CheckBox: return qobject_cast<const QCheckBox*>(w) != nullptr;
    case ControlKind::OptionButton: return qobject_cast<const QRadioButton*>(w) != nullptr;
    case ControlKind::ComboBox: return qobject_cast<const QComboBox*>(w) != nullptr;
    case ControlKind::ListBox: return qobject_cast<const QListWidget*>(w) != nullptr;
    case ControlKind::ScrollBar: return qobject_cast<const QScrollBar*>(w) != nullptr;
    case ControlKind::Frame: return qobject_cast<const QGroupBox*>(w) != nullptr;
    case ControlKind::TabControl: return qobject_cast<const QTabWidget*>(w) != nullptr;
    case ControlKind::Picture: return qobject_cast<const PictureBox*>(w) != nullptr;
    case ControlKind::Line: return qobject_cast<const QFrame*>(w) != nullptr;
    case ControlKind::TabPage:
    case ControlKind::Custom: return w != nullptr;
  }
  return false;
}

inline void expect_tab_order(const DesignedForm& form) {
  std::vector<const ControlDesign*> order;
  std::set<const QWidget*> ours;
  for (const ControlDesign& d : form.design().controls) {
    const QWidget* w = form.widget(ControlRef{&d});
    if (!takes_tab_order(d, w)) continue;
    order.push_back(&d);
    ours.insert(w);
  }
  std::stable_sort(order.begin(), order.end(), [](auto* a, auto* b) {
    const auto key = [](auto* d) {
      return d->tab_index < 0 ? std::numeric_limits<int>::max() : d->tab_index;
    };
    return key(a) < key(b);
  });
  for (std::size_t i = 1; i < order.size(); ++i) {
    const QWidget* next = form.widget(ControlRef{order[i - 1]})->nextInFocusChain();
    while (next != nullptr && ours.count(next) == 0) next = next->nextInFocusChain();
    EXPECT_EQ(next, form.widget(ControlRef{order[i]}))
        << "after " << order[i - 1]->name << order[i - 1]->index;
  }
}

inline void expect_sound_design(const WindowDesign& design, const HelpTopicMap& topics) {
  SCOPED_TRACE(design.name);
  DesignedForm form(design);  // builds: containers, labels and names resolve, none twice
  if (design.help_topic > 0) {
    EXPECT_TRUE(topics.page(design.help_topic)) << design.help_topic;
  }
  for (const ControlDesign& d : design.controls) {
    SCOPED_TRACE(d.name);
    EXPECT_TRUE(is_of_kind(form.widget(ControlRef{&d}), d.kind));
    if (d.help_topic > 0) {
      EXPECT_TRUE(topics.page(d.help_topic)) << d.help_topic;
    }
  }
  expect_tab_order(form);
  for (const model::UnitBinding& b : design.units) {
    ASSERT_NO_THROW((void)form.widget(b.control));  // a control of this design
    EXPECT_TRUE(qobject_cast<QLineEdit*>(form.widget(b.control)) != nullptr);
  }
  EXPECT_EQ(model::shared_memo_slot(design.units), std::nullopt);
  for (const model::CheckTable& table : design.checks) {
    model::testing::expect_every_row_fires(table);
    for (const model::RangeCheck& row : table.rows)
      if (row.focus.design != nullptr) {
        EXPECT_NO_THROW((void)form.widget(row.focus)) << row.name;
      }
  }
}

}  // namespace pellavan::platform::testing
