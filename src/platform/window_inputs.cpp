#include "platform/window_inputs.h"

#include <QLineEdit>
#include <stdexcept>
#include <utility>

#include "platform/designed_form.h"
#include "platform/message_box.h"

namespace pellavan::platform {
namespace {

QLineEdit* box_of(const DesignedForm& form, const model::UnitBinding& b) {
  auto* box = qobject_cast<QLineEdit*>(form.widget(b.control));
  if (box == nullptr) throw std::logic_error("a unit binding names a control that is no text box");
  return box;
}

}  // namespace

void show_units(DesignedForm& form, std::span<const model::UnitBinding> bindings,
                const model::ProjectRec& rec, const model::MetricFlags& flags,
                model::UnitMemos& memos) {
  const auto units = model::UnitOptions::of(flags);
  for (const model::UnitBinding& b : bindings)
    set_text(box_of(form, b), QString::fromStdString(model::show_value(b, rec, units, memos)));
}

std::vector<model::UnreadableBox> store_units(const DesignedForm& form,
                                              std::span<const model::UnitBinding> bindings,
                                              model::ProjectRec& rec,
                                              const model::MetricFlags& flags,
                                              model::UnitMemos& memos) {
  const auto units = model::UnitOptions::of(flags);
  std::vector<model::UnreadableBox> unreadable;
  for (const model::UnitBinding& b : bindings)
    if (auto box = model::store_value(b, box_of(form, b)->text().toStdString(), rec, units, memos))
      unreadable.push_back(std::move(*box));
  return unreadable;
}

void apply_leave_rules(DesignedForm& form, std::span<const model::UnitBinding> bindings,
                       const model::MetricFlags& flags) {
  for (const model::UnitBinding& b : bindings) {
    if (b.leave == model::Leave::Keep) continue;
    QLineEdit* box = box_of(form, b);
    form.listen(b.control, Event::LostFocus, [box, &b, &flags](ControlEvent&) {
      const QString left = QString::fromStdString(
          model::left_text(b, box->text().toStdString(), model::UnitOptions::of(flags)));
      if (left != box->text()) set_text(box, left);
    });
  }
}

bool passes(QWidget* parent, DesignedForm& form, std::span<const model::RangeCheck> rows,
            const model::CheckValues& values, const model::MetricFlags& flags) {
  const auto refusal = model::first_refusal(rows, values, model::UnitOptions::of(flags));
  if (!refusal) return true;
  message_box(parent, {QString::fromStdString(refusal->text),
                       QString::fromUtf8(refusal->row->title), refusal->row->icon});
  if (refusal->row->focus.design != nullptr)
    form.return_to_refused(form.widget(refusal->row->focus));
  return false;
}

bool passes(QWidget* parent, DesignedForm& form, const model::CheckValues& values,
            const model::MetricFlags& flags, std::span<const model::UnreadableBox> unreadable) {
  const model::UnreadableBoxes checked(values, unreadable);
  for (const model::CheckTable& table : form.design().checks)
    if (!passes(parent, form, table.rows, checked, flags)) return false;
  return true;
}

}  // namespace pellavan::platform
