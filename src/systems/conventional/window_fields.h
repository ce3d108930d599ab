#pragma once
// The lists and number fields of the system windows as their handlers use them: selections by
// item data, names compared trimmed, numbers read and shown as the fields show them.

#include <QString>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

#include "model/units/number_text.h"

class QComboBox;
class QLineEdit;

namespace pellavan::systems {

// Selects the list's second entry, or its only one; nothing in an empty list.
void select_second(QComboBox* list);
// Whether the list's text, trimmed, differs from a stored name as a box shows it.
[[nodiscard]] bool differs_text(const QComboBox* list, const std::string& stored_trimmed);
// Fills a fixed list from its entries (item data = id).
void fill_fixed(QComboBox* list, std::initializer_list<std::pair<const char*, int>> entries);
// The item data of the selection, or nothing.
[[nodiscard]] std::optional<int> selected_data(const QComboBox* list);
// Whole numbers as a field shows them ("" for a text the program cannot show).
[[nodiscard]] QString whole_text(double value);
[[nodiscard]] QString one_decimal_text(double value);  // "#.0"
// Whole with thousands separators and at least `min_digits` digits ("#,000" is 3).
[[nodiscard]] QString grouped_whole(double value, int min_digits);
// The number the text shows, else the one it begins with.
[[nodiscard]] double text_value(const QLineEdit* box, model::Places places);

}  // namespace pellavan::systems
