#pragma once
// A window's unit bindings and validation tables on its form: the text boxes show and store
// their record fields, leaving a box applies its leave rule, and a validation table's refusal
// is shown as its row says. The logic is model/input's; this only reads and writes the boxes.

#include <span>
#include <vector>

#include "model/input/range_check.h"
#include "model/input/unit_binding.h"
#include "model/model_state.h"

class QWidget;

namespace pellavan::platform {

class DesignedForm;

// Every bound box shows its field (converted for the unit options).
void show_units(DesignedForm& form, std::span<const model::UnitBinding> bindings,
                const model::ProjectRec& rec, const model::MetricFlags& flags,
                model::UnitMemos& memos);
// Every bound box's text into its field; the boxes whose text shows no number, whose fields keep
// their values.
std::vector<model::UnreadableBox> store_units(const DesignedForm& form,
                                              std::span<const model::UnitBinding> bindings,
                                              model::ProjectRec& rec,
                                              const model::MetricFlags& flags,
                                              model::UnitMemos& memos);
// Leaving a bound box applies its leave rule with the unit options of that moment; `flags`
// must outlive the form.
void apply_leave_rules(DesignedForm& form, std::span<const model::UnitBinding> bindings,
                       const model::MetricFlags& flags);

// Runs the table; on a refusal shows its message with its title and icon and gives its
// control the focus back once the message is closed (DesignedForm::return_to_refused). True when
// every value passes.
bool passes(QWidget* parent, DesignedForm& form, std::span<const model::RangeCheck> rows,
            const model::CheckValues& values, const model::MetricFlags& flags);
// Runs every validation table of the form's design in turn, as above; a box of `unreadable`
// (its text shows no number) is refused by the first row that applies and names it.
bool passes(QWidget* parent, DesignedForm& form, const model::CheckValues& values,
            const model::MetricFlags& flags, std::span<const model::UnreadableBox> unreadable);

}  // namespace pellavan::platform
