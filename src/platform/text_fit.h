#pragma once
// A text fitted into a box as a print designer fits it: as it is when it fits; else in a smaller
// face, down to kSmallestFace of its own size; else at that size wrapped onto more lines where
// the box is tall enough and every word fits its width; else on one line ending in "…".

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
FittedText fit_text(const QString& text, const QFont& font, QSizeF room,
                    const QPaintDevice* device = nullptr);

}  // namespace pellavan::platform
