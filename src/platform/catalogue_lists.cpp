#include "platform/catalogue_lists.h"

#include <QComboBox>
#include <QListWidget>
#include <QSignalBlocker>

namespace pellavan::platform {
namespace {

void add_entries(QComboBox* list, const std::vector<model::ListEntry>& entries, bool pictures) {
  const QSignalBlocker quiet(list);  // filling is not a selection
  list->clear();
  for (const model::ListEntry& e : entries)
    list->addItem(QString::fromStdString(pictures ? e.picture : e.text), QVariant(int{e.id}));
  list->setCurrentIndex(-1);
}

}  // namespace

void fill_list(QComboBox* list, const std::vector<model::ListEntry>& entries, QComboBox* twin,
               bool twin_sorted) {
  add_entries(list, entries, false);
  if (twin == nullptr) return;
  if (!twin_sorted) {
    add_entries(twin, entries, true);
    return;
  }
  std::vector<model::ListEntry> sorted = entries;
  model::sort_case_blind(sorted, true);
  add_entries(twin, sorted, true);
}

void fill_list(QListWidget* list, const std::vector<model::ListEntry>& entries) {
  const QSignalBlocker quiet(list);
  list->clear();
  for (const model::ListEntry& e : entries) {
    auto* item = new QListWidgetItem(QString::fromStdString(e.text), list);
    item->setData(Qt::UserRole, int{e.id});
  }
  list->setCurrentRow(-1);
}

model::Int16 selected_id(const QListWidget* list, model::Int16 none) {
  const QListWidgetItem* item = list->currentItem();
  return item != nullptr ? static_cast<model::Int16>(item->data(Qt::UserRole).toInt()) : none;
}

bool select_id(QComboBox* list, model::Int16 id) {
  bool found = false;
  for (int i = 0; i < list->count(); ++i) {
    if (list->itemData(i).toInt() != id) continue;
    list->setCurrentIndex(i);
    found = true;
  }
  return found;
}

model::Int16 selected_id(const QComboBox* list, model::Int16 none) {
  if (list->currentIndex() < 0) return none;
  return static_cast<model::Int16>(list->currentData().toInt());
}

QString twin_text(const QComboBox* list, QComboBox* twin) {
  if (list->count() == 0) return twin->currentText().trimmed();
  const int selected = list->currentIndex() >= 0 ? list->currentIndex() : 0;
  const QVariant id = list->itemData(selected);
  for (int i = 0; i < twin->count(); ++i)
    if (twin->itemData(i) == id) twin->setCurrentIndex(i);
  return twin->currentText().trimmed();
}

}  // namespace pellavan::platform
