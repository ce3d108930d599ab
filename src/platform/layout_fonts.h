#pragma once
// The font faces the designs name and the faces drawn for them. The windows' two layouts name
// "new times roman" (large) and "MS Sans Serif" (normal), the workbooks and the charts "Arial";
// the designs also name "Times New Roman" and "Tahoma". None of them needs to exist here: each
// design face maps to a face that does, first to the face itself, then to its metric-compatible
// Liberation face (the same letter widths, so texts fit where they were designed to fit), and
// only when neither is installed to DejaVu, whose wider letters a size factor evens out. This
// is the one place that decides it, for the windows, the spreadsheet views and the charts.

#include <QFont>
#include <QString>

namespace pellavan::platform {

inline constexpr const char* kLargeLayoutFace = "new times roman";
inline constexpr const char* kNormalLayoutFace = "MS Sans Serif";

struct DrawnFace {
  QString family;
  double size_factor = 1.0;
};

// The family drawn for a design face: a serif family for "new times roman" and
// "Times New Roman", a sans family for every other name (matched without regard to case).
[[nodiscard]] DrawnFace drawn_face(const QString& design_face);

// A font of the drawn family at points (before the size factor), bold and italic as given.
[[nodiscard]] QFont layout_font(const QString& design_face, double points, bool bold = false,
                                bool italic = false);

}  // namespace pellavan::platform
