#pragma once
// Lists filled from a catalogue (model/input/catalogue_list.h): each entry's id is its item
// data; a hidden twin list gets the picture names of the same entries. Restores select by id,
// and the picture loaders find a selection's picture through the twin.

#include <QString>
#include <vector>

#include "model/input/catalogue_list.h"

class QComboBox;
class QListWidget;

namespace pellavan::platform {

// Replaces the entries of `list` (and of `twin`, with the pictures: sorted by picture name
// without regard to case when `twin_sorted`, as a sorted twin list keeps them).
void fill_list(QComboBox* list, const std::vector<model::ListEntry>& entries,
               QComboBox* twin = nullptr, bool twin_sorted = false);

// A list box showing several rows (the city lists) filled the same way.
void fill_list(QListWidget* list, const std::vector<model::ListEntry>& entries);

// Selects every entry with that id in turn, so the last one stays selected, as a restore by id
// does; false (selection unchanged) when none has it.
bool select_id(QComboBox* list, model::Int16 id);
// The selected entry's id, or `none` without a selection.
[[nodiscard]] model::Int16 selected_id(const QComboBox* list, model::Int16 none = 0);
[[nodiscard]] model::Int16 selected_id(const QListWidget* list, model::Int16 none = 0);

// The picture name of the list's selection (its first entry when none is selected): every twin
// entry with the selection's id is selected in turn, so the last one names it; without a match
// the twin keeps its selection. The name is trimmed.
[[nodiscard]] QString twin_text(const QComboBox* list, QComboBox* twin);

}  // namespace pellavan::platform
