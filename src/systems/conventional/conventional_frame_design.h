#pragma once
// The controls both conventional system windows share: the right-hand picture panel with the
// attached result view, the wait label, the hidden zoom bar and the four buttons. A window's
// control table starts with PELLAVAN_CONVENTIONAL_FRAME(first button tab, run, bin, done topics).

#include "program_state/window_sizes.h"
#include "platform/control_handle.h"
#include "platform/window_design.h"

namespace pellavan::systems {

inline constexpr QRgb kPanelGrey = platform::rgb(128, 128, 128);
inline constexpr QRgb kWhite = platform::rgb(255, 255, 255);

#define PELLAVAN_CONVENTIONAL_FRAME(tab, run_topic, bin_topic, done_topic)               \
  platform::ControlDesign{.name = "Picture1",                                            \
                          .kind = platform::ControlKind::Picture,                        \
                          .rect = {5880, 240, 5775, 6570},                               \
                          .back = kPanelGrey},                                           \
      platform::ControlDesign{.name = "Picture2",                                        \
                              .kind = platform::ControlKind::Picture,                    \
                              .rect = {0, 0, 5775, 6570},                                \
                              .container = "Picture1",                                   \
                              .back = kPanelGrey},                                       \
      platform::ControlDesign{.name = "lblUnitDesc",                                     \
                              .kind = platform::ControlKind::Label,                      \
                              .rect = {120, 90, 5535, 300},                              \
                              .container = "Picture1",                                   \
                              .font = {.points = 9.75, .bold = true},                    \
                              .back = kWhite,                                            \
                              .views = platform::kNoView,                                \
                              .centred = true},                                          \
      platform::ControlDesign{.name = "F1Book1",                                         \
                              .kind = platform::ControlKind::Custom,                     \
                              .rect = {120, 120, 5535, 6315},                            \
                              .container = "Picture1"},                                  \
      platform::ControlDesign{.name = "HscrZoom",                                        \
                              .kind = platform::ControlKind::ScrollBar,                  \
                              .rect = {5880, 6840, 2400, 255},                           \
                              .views = platform::kNoView,                                \
                              .scroll = {100, 175, 100}},                                \
      platform::ControlDesign{.name = "lblWait",                                         \
                              .kind = platform::ControlKind::Label,                      \
                              .caption = "Processing Request...Please Wait",             \
                              .rect = {240, 6480, 5400, 300},                            \
                              .font = {.points = 9.75, .bold = true},                    \
                              .fore = platform::rgb(192, 0, 0),                          \
                              .views = platform::kNoView},                               \
      platform::ControlDesign{.name = "cmdRun",                                          \
                              .kind = platform::ControlKind::Button,                     \
                              .caption = "&Run",                                         \
                              .rect = {5880, 7020, 1300, 450},                           \
                              .help_topic = (run_topic),                                 \
                              .tab_index = (tab)},                                       \
      platform::ControlDesign{.name = "BtnBin",                                          \
                              .kind = platform::ControlKind::Button,                     \
                              .caption = "&Bin Analysis",                                \
                              .rect = {7305, 7020, 1500, 450},                           \
                              .help_topic = (bin_topic),                                 \
                              .tab_index = (tab) + 1},                                   \
      platform::ControlDesign{.name = "btnHelp",                                         \
                              .kind = platform::ControlKind::Button,                     \
                              .caption = "&Help",                                        \
                              .rect = {8930, 7020, 1300, 450},                           \
                              .tab_index = (tab) + 2},                                   \
      platform::ControlDesign {                                                          \
    .name = "cmdDone", .kind = platform::ControlKind::Button, .caption = "&Done",        \
    .rect = {10355, 7020, 1300, 450}, .help_topic = (done_topic), .tab_index = (tab) + 3 \
  }

// A caption above a field, and a list, in the left-hand column.
#define PELLAVAN_SYSTEM_CAPTION(label_name, text, top)                                   \
  platform::ControlDesign {                                                              \
    .name = label_name, .kind = platform::ControlKind::Label, .caption = text, .rect = { \
      240,                                                                               \
      top,                                                                               \
      5400,                                                                              \
      255                                                                                \
    }                                                                                    \
  }
// A list "Combo<name>" with its caption "lbl<name>" above it, and one with a hidden twin
// "Combo<name>2" of picture names as well.
#define PELLAVAN_SYSTEM_CHOICE(name, text, top, tab, topic) \
  PELLAVAN_SYSTEM_CAPTION("lbl" #name, text, (top)-260),    \
      PELLAVAN_SYSTEM_LIST("Combo" #name, top, tab, topic)
#define PELLAVAN_SYSTEM_PICTURED(name, text, top, tab, topic) \
  PELLAVAN_SYSTEM_CHOICE(name, text, top, tab, topic), PELLAVAN_SYSTEM_TWIN("Combo" #name "2", top)
#define PELLAVAN_SYSTEM_LIST(list_name, top, tab, topic)                                       \
  platform::ControlDesign {                                                                    \
    .name = list_name, .kind = platform::ControlKind::ComboBox, .rect = {240, top, 5400, 315}, \
    .help_topic = (topic), .tab_index = (tab)                                                  \
  }

// A caption, a text box and its unit caption on one line of the left-hand column.
#define PELLAVAN_SYSTEM_BOX(label_name, text, box, top, tab, topic, limit, unit, unit_text) \
  platform::ControlDesign{.name = label_name,                                               \
                          .kind = platform::ControlKind::Label,                             \
                          .caption = text,                                                  \
                          .rect = {240, (top) + 40, 2200, 255}},                            \
      platform::ControlDesign{.name = box,                                                  \
                              .kind = platform::ControlKind::TextBox,                       \
                              .rect = {2520, top, 1500, 315},                               \
                              .help_topic = (topic),                                        \
                              .tab_index = (tab),                                           \
                              .max_length = (limit)},                                       \
      platform::ControlDesign {                                                             \
    .name = unit, .kind = platform::ControlKind::Label, .caption = unit_text, .rect = {     \
      4140,                                                                                 \
      (top) + 40,                                                                           \
      1400,                                                                                 \
      255                                                                                   \
    }                                                                                       \
  }
// The furnace's input box and, below it, the calculated minimum, each with its unit caption.
#define PELLAVAN_SYSTEM_INPUT(top, tab, topic, unit, minimum_unit)                             \
  PELLAVAN_SYSTEM_BOX("lblInput", "Input Capacity", "txtAAFinput", top, tab, topic, 7, unit,   \
                      "Btu/hr"),                                                               \
      platform::ControlDesign{.name = "lblMin",                                                \
                              .kind = platform::ControlKind::Label,                            \
                              .caption = "Minimum Calculated Input Capacity",                  \
                              .rect = {240, (top) + 440, 3300, 255}},                          \
      platform::ControlDesign{.name = "txtMinInput",                                           \
                              .kind = platform::ControlKind::Label,                            \
                              .rect = {3540, (top) + 440, 1100, 255}},                         \
      platform::ControlDesign {                                                                \
    .name = minimum_unit, .kind = platform::ControlKind::Label, .caption = "Btu/hr", .rect = { \
      4680,                                                                                    \
      (top) + 440,                                                                             \
      900,                                                                                     \
      255                                                                                      \
    }                                                                                          \
  }
// The coil-combination list under its caption.
#define PELLAVAN_SYSTEM_COILS(caption, top, tab, topic)           \
  PELLAVAN_SYSTEM_CAPTION("textCoilQuality", caption, (top)-260), \
      PELLAVAN_SYSTEM_LIST("ComboCoilQuality", top, tab, topic)
// A list with its hidden twin of picture names.
#define PELLAVAN_SYSTEM_TWIN(twin_name, top)                                                   \
  platform::ControlDesign {                                                                    \
    .name = twin_name, .kind = platform::ControlKind::ComboBox, .rect = {240, top, 5400, 315}, \
    .views = platform::kNoView                                                                 \
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
consteval FrameControls frame_controls(const platform::ControlDesign (&t)[M]) {
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
consteval EquipmentControls equipment_controls(const platform::ControlDesign (&t)[M],
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
