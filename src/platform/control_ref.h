#pragma once
// One control of a window design, Qt-free, so that tables below the windows (unit bindings,
// validation rows) can name the control they belong to. The typed handles of control_handle.h
// carry one; an empty reference names no control.

namespace pellavan::platform {

struct ControlDesign;

struct ControlRef {
  const ControlDesign* design = nullptr;
  friend constexpr bool operator==(ControlRef, ControlRef) = default;
};

}  // namespace pellavan::platform
