#pragma once
// A text fitted into a box as a print designer fits it: as it is when it fits; else in a smaller
// face, down to kSmallestFace of its own size; else wrapped onto more lines, in the largest of
// those faces the box is tall enough for, where every word fits its width; else on one line in
// its own face, ending in "…". A text that may wrap at any size (a window's label) fits when its
// wrapped lines fit.

#include <QFont>
#include <QSizeF>
#include <QString>

class QPaintDevice;

namespace pellavan::platform {

inline constexpr double kSmallestFace = 0.75;

struct FittedText {
  QFont font;
  QString text;
  bool wrapped = false;  // drawn with word wrap
};

// `room` in the units of `device` (nullptr: the screen); a box of no height takes one line.
enum class Wrapping { kLastResort, kAnySize };
FittedText fit_text(const QString& text, const QFont& font, QSizeF room,
                    const QPaintDevice* device = nullptr,
                    Wrapping wrapping = Wrapping::kLastResort);

}  // namespace pellavan::platform
