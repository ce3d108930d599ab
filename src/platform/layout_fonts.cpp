#include "platform/layout_fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace pellavan::platform {
namespace {

struct Candidate {
  const char* family;
  double size_factor;
};

// In order of preference; the first installed one is drawn. The Liberation faces have the
// letter widths of Times New Roman and Arial.
constexpr Candidate kSerif[] = {
    {"Times New Roman", 1.0}, {"Liberation Serif", 1.0}, {"DejaVu Serif", 0.88}};
constexpr Candidate kSans[] = {{"Arial", 1.0}, {"Liberation Sans", 1.0}, {"DejaVu Sans", 0.88}};

template <std::size_t N>
DrawnFace first_installed(const Candidate (&candidates)[N], QFont::StyleHint hint) {
  const QStringList installed = QFontDatabase::families();
  for (const Candidate& c : candidates)
    if (installed.contains(QString::fromLatin1(c.family), Qt::CaseInsensitive))
      return {QString::fromLatin1(c.family), c.size_factor};
  QFont any;
  any.setStyleHint(hint);
  return {any.defaultFamily(), 1.0};
}

}  // namespace

DrawnFace drawn_face(const QString& design_face) {
  const QString face = design_face.trimmed();
  const bool serif = face.compare(QLatin1String(kLargeLayoutFace), Qt::CaseInsensitive) == 0 ||
                     face.compare(QLatin1String("Times New Roman"), Qt::CaseInsensitive) == 0;
  static const DrawnFace serif_face = first_installed(kSerif, QFont::Serif);
  static const DrawnFace sans_face = first_installed(kSans, QFont::SansSerif);
  return serif ? serif_face : sans_face;
}

QFont layout_font(const QString& design_face, double points, bool bold, bool italic) {
  const DrawnFace face = drawn_face(design_face);
  QFont font(face.family);
  font.setPointSizeF(points * face.size_factor);
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

}  // namespace pellavan::platform
