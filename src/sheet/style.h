#pragma once
// How a cell looks: number format, font, alignment, borders, fill. Cells hold a StyleId into the
// book's StyleTable, where equal styles are stored once; id 0 is the default style.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sheet/cell.h"
#include "sheet/format/number_format.h"

namespace pellavan::sheet {

struct Colour {
  std::uint32_t rgb = 0;  // 0xRRGGBB
  friend bool operator==(const Colour&, const Colour&) = default;
};

struct Font {
  std::string name = "Arial";
  double size = 10.0;  // points
  bool bold = false;
  bool italic = false;
  bool underline = false;
  Colour colour;  // black
  friend bool operator==(const Font&, const Font&) = default;
};

enum class HAlign : std::uint8_t {
  kGeneral,
  kLeft,
  kCenter,
  kRight
};  // general: numbers right, texts left
enum class VAlign : std::uint8_t { kBottom, kCenter, kTop };
enum class BorderLine : std::uint8_t { kNone, kThin, kMedium, kThick, kDouble };

struct Border {
  BorderLine line = BorderLine::kNone;
  Colour colour;
  friend bool operator==(const Border&, const Border&) = default;
};

enum class Side : std::uint8_t { kLeft, kRight, kTop, kBottom };

struct Style {
  NumberFormat format;
  Font font;
  HAlign horizontal = HAlign::kGeneral;
  VAlign vertical = VAlign::kBottom;
  bool wrap = false;
  std::array<Border, 4> borders{};  // indexed by Side
  std::optional<Colour> fill;       // none: no fill

  Border& border(Side s) { return borders[static_cast<std::size_t>(s)]; }
  const Border& border(Side s) const { return borders[static_cast<std::size_t>(s)]; }

  friend bool operator==(const Style& a, const Style& b) {
    return a.format.code() == b.format.code() && a.font == b.font && a.horizontal == b.horizontal &&
           a.vertical == b.vertical && a.wrap == b.wrap && a.borders == b.borders &&
           a.fill == b.fill;
  }
};

class StyleTable {
 public:
  StyleTable() : styles_(1) {}
  // The id of an equal style already stored, or of this one newly added.
  StyleId intern(const Style& style);
  const Style& get(StyleId id) const { return styles_[id]; }
  std::size_t size() const { return styles_.size(); }

 private:
  std::vector<Style> styles_;
};

}  // namespace pellavan::sheet
