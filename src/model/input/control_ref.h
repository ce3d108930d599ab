#pragma once
// One control of a window design, so that tables below the windows (unit bindings, validation
// rows) can name the control they belong to. The model only keeps and hands back the reference;
// the design it points to is the windows' own type, declared here by name alone. An empty
// reference names no control.

namespace pellavan::platform {
struct ControlDesign;
}

namespace pellavan::model {

struct ControlRef {
  const platform::ControlDesign* design = nullptr;
  friend constexpr bool operator==(ControlRef, ControlRef) = default;
};

}  // namespace pellavan::model
