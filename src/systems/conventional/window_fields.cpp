#include "systems/conventional/window_fields.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <algorithm>

#include "model/units/number_text.h"
#include "model/units/rounding.h"

namespace pellavan::systems {

void select_second(QComboBox* list) {
  if (list->count() > 0) list->setCurrentIndex(std::min(1, list->count() - 1));
}

bool differs_text(const QComboBox* list, const std::string& stored_trimmed) {
  return list->currentText().trimmed() != QString::fromStdString(stored_trimmed);
}

void fill_fixed(QComboBox* list, std::initializer_list<std::pair<const char*, int>> entries) {
  const QSignalBlocker quiet(list);
  list->clear();
  for (const auto& [text, id] : entries) list->addItem(QString::fromUtf8(text), id);
  list->setCurrentIndex(-1);
}

std::optional<int> selected_data(const QComboBox* list) {
  if (list->currentIndex() < 0) return std::nullopt;
  return list->currentData().toInt();
}

QString whole_text(double value) {
  return QString::fromStdString(model::format_fixed(model::round_half_even(value), 0, true));
}

QString one_decimal_text(double value) {
  return QString::fromStdString(model::format_fixed(value, 1, false));
}

QString grouped_whole(double value, int min_digits) {
  QString digits = QString::number(static_cast<qlonglong>(model::round_half_even(value)));
  while (digits.size() < min_digits) digits.prepend(QLatin1Char('0'));
  for (auto i = digits.size() - 3; i > 0; i -= 3) digits.insert(i, QLatin1Char(','));
  return digits;
}

double text_value(const QLineEdit* box, model::Places places) {
  return model::typed_value(box->text().toStdString(), places);
}

}  // namespace pellavan::systems
