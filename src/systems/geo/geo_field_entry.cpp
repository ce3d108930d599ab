// Field entry of the geothermal windows: lists hide the result view while they have the focus,
// leaving a field runs the change test in the units it is shown in, Enter in a changed field runs.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "model/input/unit_binding.h"
#include "model/units/number_text.h"
#include "platform/control_widgets.h"
#include "platform/designed_form.h"
#include "sheet_view/spreadsheet_control.h"
#include "systems/geo/geo_picture_panel.h"
#include "systems/geo/geo_window.h"

namespace pellavan::geo {

void GeoWindow::list_GotFocus(platform::ControlEvent& event) {
  hide_view();
  const platform::ControlRef list = event.control;
  if (list == c_.comboUnit.ref)
    Unit_Pic();
  else if (list == c_.comboLoop.ref)
    Loop_Pic();
  else if (list == c_.comboSoil.ref)
    Soil_Pic();
  else if (list == c_.ComboFurnace.ref) {
    ComboFurnace_Click();
    Furnace_Pic();
  } else if (list == c_.ComboAuxHeat.ref)
    AuxHeat_Pic();
  else if (list == c_.ComboWH.ref)
    WH_Pic();
  else if (hydronic() && list == ComboUnit3.ref)
    Unit_Pic3();
}

void GeoWindow::list_DropDown(platform::ControlEvent& event) {
  platform::set_field_colour(form().widget(event.control), platform::kHighlightColour);
}

void GeoWindow::list_LostFocus(platform::ControlEvent& event) {
  const platform::ControlRef list = event.control;
  platform::set_field_colour(form().widget(list), platform::kFieldColour);  // after a drop-down
  if (list == c_.comboUnit.ref) form()[c_.lblUnitDesc]->hide();
  const bool equipment = list == c_.ComboFurnace.ref || list == c_.ComboAuxHeat.ref ||
                         list == c_.ComboWH.ref || (hydronic() && list == ComboUnit3.ref);
  if (equipment) {
    panel_->show_picture(false);
    form()[c_.lblUnitDesc]->hide();
  }
  if (results_shown_ == 1) {
    panel_->set_background(0xffffffff);
    if (leaving_clears_picture(list)) panel_->clear_picture();
    results_.show();
  } else if (list == c_.ComboWH.ref) {
    Logo_Pic();
  }
}

bool GeoWindow::leaving_clears_picture(platform::ControlRef list) const {
  return list == c_.comboSoil.ref || (!hydronic() && list == c_.comboLoop.ref);
}

bool GeoWindow::text_changed(platform::ControlRef box) const {
  const QString text = form().widget(box) != nullptr
                           ? static_cast<QLineEdit*>(form().widget(box))->text()
                           : QString();
  for (const model::UnitBinding& b : design().units) {
    if (!(b.control == box)) continue;
    // Compared as shown: the stored value in the display's unit, not the imperial value.
    model::UnitMemos scratch = state_.memos;
    const std::string shown = model::show_value(b, rec(), units(), scratch);
    return model::differs_from_shown(text.toStdString(), shown, model::places_of(b, units()));
  }
  return false;
}

std::optional<double> GeoWindow::typed_in(platform::ControlRef box) const {
  const auto* line = static_cast<QLineEdit*>(form().widget(box));
  for (const model::UnitBinding& b : design().units)
    if (b.control == box)
      return model::typed_number(line->text().toStdString(), model::places_of(b, units()));
  return std::nullopt;
}

void GeoWindow::limit_bore() {
  QLineEdit* box = form()[c_.txtTrBor];
  const bool metres = units().display_of(model::Quantity::Length) == model::Display::Metric;
  const double n = typed_in(c_.txtTrBor.ref).value_or(0.0);  // no number: refused by Run
  if (!metres && n > 32000) platform::set_text(box, "31500");
  if (metres && n > 1114) platform::set_text(box, "1096");
}

void GeoWindow::text_LostFocus(platform::ControlEvent& event) {
  if (event.control == c_.txtTrBor.ref) limit_bore();
  if (text_changed(event.control)) changed();
}

void GeoWindow::text_KeyPress(platform::ControlEvent& event) {
  if (event.key != 13) return;
  if (event.control == c_.txtTrBor.ref) limit_bore();
  if (!text_changed(event.control)) return;
  changed();
  cmdRun_Click();
}

void GeoWindow::Label40_Click() { form().set_help_line(QString::fromUtf8(kAddHelp)); }

}  // namespace pellavan::geo
