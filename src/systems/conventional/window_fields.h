#pragma once
// The lists and number fields of the system windows as their handlers use them: selections by
// item data, names compared and stored trimmed, numbers read and shown as the fields show them.

#include <QString>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

#include "model/record/field_types.h"
#include "model/text/cp1252.h"

class QComboBox;
class QLineEdit;

namespace pellavan::systems {

// Selects the list's second entry, or its only one; nothing in an empty list.
void select_second(QComboBox* list);
// Whether the list's text, trimmed, differs from a stored name.
template <std::size_t N>
[[nodiscard]] bool differs(const QComboBox* list, const model::Text<N>& stored);
[[nodiscard]] bool differs_text(const QComboBox* list, const std::string& stored_trimmed);
// The selected entry's id and name into the record's fields; a list without selection leaves
// them unchanged.
template <std::size_t N>
void store_selection(const QComboBox* list, model::Int16& id, model::Text<N>& name);
[[nodiscard]] bool store_selection_text(const QComboBox* list, model::Int16& id, std::string& name);
// Fills a fixed list from its entries (item data = id).
void fill_fixed(QComboBox* list, std::initializer_list<std::pair<const char*, int>> entries);
// The item data of the selection, or nothing.
[[nodiscard]] std::optional<int> selected_data(const QComboBox* list);
// Whole numbers as a field shows them ("" for a text the program cannot show).
[[nodiscard]] QString whole_text(double value);
[[nodiscard]] QString one_decimal_text(double value);  // "#.0"
// Whole with thousands separators and at least `min_digits` digits ("#,000" is 3).
[[nodiscard]] QString grouped_whole(double value, int min_digits);
[[nodiscard]] double text_value(const QLineEdit* box);  // the number the text begins with

template <std::size_t N>
bool differs(const QComboBox* list, const model::Text<N>& stored) {
  return differs_text(list, model::shown_text(stored));
}
template <std::size_t N>
void store_selection(const QComboBox* list, model::Int16& id, model::Text<N>& name) {
  std::string text;
  if (store_selection_text(list, id, text)) model::assign_utf8(name, text);
}

}  // namespace pellavan::systems
