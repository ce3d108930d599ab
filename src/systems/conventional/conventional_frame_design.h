#pragma once
// The controls both conventional system windows share: the right-hand picture panel with the
// attached result view, the wait label, the hidden zoom bar and the four buttons; a window's
// control table starts with conventional_frame(first button tab, run, bin, done topics). The
// pieces of the left-hand column the two windows build theirs from.

#include <array>
#include <cstddef>

#include "program_state/window_sizes.h"
#include "platform/control_handle.h"
#include "platform/design_table.h"
#include "platform/window_design.h"

namespace pellavan::systems {

inline constexpr QRgb kPanelGrey = platform::rgb(128, 128, 128);
inline constexpr QRgb kWhite = platform::rgb(255, 255, 255);

using platform::ControlDesign;
using platform::ControlKind;

// The frame's controls, its four buttons from tab `tab` on with their help topics.
[[nodiscard]] constexpr std::array<ControlDesign, 10> conventional_frame(int tab, int run_topic,
                                                                         int bin_topic,
                                                                         int done_topic) {
  return {ControlDesign{.name = "Picture1",
                        .kind = ControlKind::Picture,
                        .rect = {5880, 240, 5775, 6570},
                        .back = kPanelGrey},
          ControlDesign{.name = "Picture2",
                        .kind = ControlKind::Picture,
                        .rect = {0, 0, 5775, 6570},
                        .container = "Picture1",
                        .back = kPanelGrey},
          ControlDesign{.name = "lblUnitDesc",
                        .kind = ControlKind::Label,
                        .rect = {120, 90, 5535, 300},
                        .container = "Picture1",
                        .font = {.points = 9.75, .bold = true},
                        .back = kWhite,
                        .views = platform::kNoView,
                        .centred = true},
          ControlDesign{.name = "F1Book1",
                        .kind = ControlKind::Custom,
                        .rect = {120, 120, 5535, 6315},
                        .container = "Picture1"},
          ControlDesign{.name = "HscrZoom",
                        .kind = ControlKind::ScrollBar,
                        .rect = {5880, 6840, 2400, 255},
                        .views = platform::kNoView,
                        .scroll = {100, 175, 100}},
          ControlDesign{.name = "lblWait",
                        .kind = ControlKind::Label,
                        .caption = "Processing Request...Please Wait",
                        .rect = {240, 6480, 5400, 300},
                        .font = {.points = 9.75, .bold = true},
                        .fore = platform::rgb(192, 0, 0),
                        .views = platform::kNoView},
          ControlDesign{.name = "cmdRun",
                        .kind = ControlKind::Button,
                        .caption = "&Run",
                        .rect = {5880, 7020, 1300, 450},
                        .help_topic = run_topic,
                        .tab_index = tab},
          ControlDesign{.name = "BtnBin",
                        .kind = ControlKind::Button,
                        .caption = "&Bin Analysis",
                        .rect = {7305, 7020, 1500, 450},
                        .help_topic = bin_topic,
                        .tab_index = tab + 1},
          ControlDesign{.name = "btnHelp",
                        .kind = ControlKind::Button,
                        .caption = "&Help",
                        .rect = {8930, 7020, 1300, 450},
                        .tab_index = tab + 2},
          ControlDesign{.name = "cmdDone",
                        .kind = ControlKind::Button,
                        .caption = "&Done",
                        .rect = {10355, 7020, 1300, 450},
                        .help_topic = done_topic,
                        .tab_index = tab + 3}};
}

// A caption in the left-hand column.
[[nodiscard]] constexpr ControlDesign system_caption(const char* name, const char* text, int top) {
  return ControlDesign{
      .name = name, .kind = ControlKind::Label, .caption = text, .rect = {240, top, 5400, 255}};
}
// A list in the left-hand column, and the hidden twin of picture names some lists have.
[[nodiscard]] constexpr ControlDesign system_list(const char* name, int top, int tab, int topic) {
  return ControlDesign{.name = name,
                       .kind = ControlKind::ComboBox,
                       .rect = {240, top, 5400, 315},
                       .help_topic = topic,
                       .tab_index = tab};
}
[[nodiscard]] constexpr ControlDesign system_twin(const char* name, int top) {
  return ControlDesign{.name = name,
                       .kind = ControlKind::ComboBox,
                       .rect = {240, top, 5400, 315},
                       .views = platform::kNoView};
}
// A list with its caption above it ("lblFurnace" over "ComboFurnace").
[[nodiscard]] constexpr std::array<ControlDesign, 2> system_choice(const char* caption_name,
                                                                   const char* list_name,
                                                                   const char* text, int top,
                                                                   int tab, int topic) {
  return {system_caption(caption_name, text, top - 260), system_list(list_name, top, tab, topic)};
}
// The same with the list's hidden twin ("ComboWH2").
[[nodiscard]] constexpr std::array<ControlDesign, 3> system_pictured(const char* caption_name,
                                                                     const char* list_name,
                                                                     const char* twin_name,
                                                                     const char* text, int top,
                                                                     int tab, int topic) {
  return {system_caption(caption_name, text, top - 260), system_list(list_name, top, tab, topic),
          system_twin(twin_name, top)};
}

// A caption, a text box and its unit caption on one line of the left-hand column.
[[nodiscard]] constexpr std::array<ControlDesign, 3> system_box(const char* label_name,
                                                                const char* text, const char* box,
                                                                int top, int tab, int topic,
                                                                int limit, const char* unit,
                                                                const char* unit_text) {
  return {ControlDesign{.name = label_name,
                        .kind = ControlKind::Label,
                        .caption = text,
                        .rect = {240, top + 40, 2200, 255}},
          ControlDesign{.name = box,
                        .kind = ControlKind::TextBox,
                        .rect = {2520, top, 1500, 315},
                        .help_topic = topic,
                        .tab_index = tab,
                        .max_length = limit},
          ControlDesign{.name = unit,
                        .kind = ControlKind::Label,
                        .caption = unit_text,
                        .rect = {4140, top + 40, 1400, 255}}};
}
// The furnace's input box and, below it, the calculated minimum, each with its unit caption.
[[nodiscard]] constexpr std::array<ControlDesign, 6> system_input(int top, int tab, int topic,
                                                                  const char* unit,
                                                                  const char* minimum_unit) {
  const auto input =
      system_box("lblInput", "Input Capacity", "txtAAFinput", top, tab, topic, 7, unit, "Btu/hr");
  return {
      input[0],
      input[1],
      input[2],
      ControlDesign{.name = "lblMin",
                    .kind = ControlKind::Label,
                    .caption = "Minimum Calculated Input Capacity",
                    .rect = {240, top + 440, 3300, 255}},
      ControlDesign{
          .name = "txtMinInput", .kind = ControlKind::Label, .rect = {3540, top + 440, 1100, 255}},
      ControlDesign{.name = minimum_unit,
                    .kind = ControlKind::Label,
                    .caption = "Btu/hr",
                    .rect = {4680, top + 440, 900, 255}}};
}

inline constexpr int kFrameClientWidth = 11844;
inline constexpr int kFrameClientHeight = 7700;

// The frame's controls of one window's table.
struct FrameControls {
  platform::PictureHandle Picture1;
  platform::PictureHandle Picture2;
  platform::LabelHandle lblUnitDesc;
  platform::CustomHandle F1Book1;
  platform::ScrollBarHandle HscrZoom;
  platform::LabelHandle lblWait;
  platform::ButtonHandle cmdRun;
  platform::ButtonHandle BtnBin;
  platform::ButtonHandle btnHelp;
  platform::ButtonHandle cmdDone;
};

template <std::size_t M>
consteval FrameControls frame_controls(const std::array<ControlDesign, M>& t) {
  return {{t, "Picture1"}, {t, "Picture2"}, {t, "lblUnitDesc"}, {t, "F1Book1"}, {t, "HscrZoom"},
          {t, "lblWait"},  {t, "cmdRun"},   {t, "BtnBin"},      {t, "btnHelp"}, {t, "cmdDone"}};
}

// The controls both windows have, under the names each gives them: the frame's, the cooling
// unit's list and twin (air conditioner or heat pump), the furnace, coil and water-heater lists,
// the capacity and input boxes, the minimum and the unit captions.
struct EquipmentControls {
  FrameControls frame;
  platform::ComboHandle cooling, cooling_twin, ComboFurnace, ComboCoilQuality, ComboCoilCondition,
      ComboWH, ComboWH2;
  platform::TextBoxHandle txtAA95cap, txtAAFinput;
  platform::LabelHandle txtMinInput, textCoilQuality, capacity_unit, input_unit, minimum_unit;
};

// The names that differ: the cooling unit's list and twin, then the units of the capacity, the
// input and the minimum.
struct EquipmentNames {
  const char *cooling, *cooling_twin, *capacity_unit, *input_unit, *minimum_unit;
};

template <std::size_t M>
consteval EquipmentControls equipment_controls(const std::array<ControlDesign, M>& t,
                                               EquipmentNames n) {
  return {frame_controls(t),    {t, n.cooling},          {t, n.cooling_twin},
          {t, "ComboFurnace"},  {t, "ComboCoilQuality"}, {t, "ComboCoilCondition"},
          {t, "ComboWH"},       {t, "ComboWH2"},         {t, "txtAA95cap"},
          {t, "txtAAFinput"},   {t, "txtMinInput"},      {t, "textCoilQuality"},
          {t, n.capacity_unit}, {t, n.input_unit},       {t, n.minimum_unit}};
}

// A system window's design: the frame's size, the main window's sizes, fields highlighted.
inline platform::WindowDesign system_design(const char* name, const char* caption, int help_topic,
                                            std::span<const platform::ControlDesign> controls,
                                            std::span<const model::CheckTable> checks) {
  return {.name = name,
          .caption = caption,
          .client_width = kFrameClientWidth,
          .client_height = kFrameClientHeight,
          .help_topic = help_topic,
          .controls = controls,
          .sizes = program_state::kInputWindowSizes,
          .highlight_fields = true,
          .lists_queue_tab = true,
          .checks = checks};
}

}  // namespace pellavan::systems
