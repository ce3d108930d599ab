#pragma once
// The pictures of sheets: decoding their data (kept decoded, so that a view does not decode at
// every paint) and drawing one stretched over its rectangle, in colour or in grey.

#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QRectF>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "sheet/sheet.h"

namespace pellavan::sheet::view {

class PictureCache {
 public:
  // A PNG picture's image, in grey when asked; a null image when its data do not decode.
  const QImage& image(const Picture& picture, bool grey);
  // A recorded picture's drawing; a null picture when its data do not decode.
  const QPicture& recording(const Picture& picture);

 private:
  static constexpr std::size_t kMostKept = 32;
  std::unordered_map<std::size_t, QImage> images_;  // by a hash of the data and the colour mode
  std::unordered_map<std::size_t, QPicture> recordings_;  // by a hash of the data
};

// Decoding without caching (printing, one-off renders).
QImage decode_picture(const Picture& picture, bool grey);
QPicture decode_recording(const Picture& picture);

// The data of a drawing for a picture of PictureFormat::kRecorded. The drawing's bounding
// rectangle is the frame that is stretched over the picture's anchors.
std::vector<std::uint8_t> encode_recording(const QPicture& drawing);

// Draws `picture` stretched over `target` (painter coordinates), in grey when black_and_white;
// nothing when its data do not decode.
void draw_picture(QPainter& painter, const QRectF& target, const Picture& picture,
                  bool black_and_white, PictureCache* cache = nullptr);

}  // namespace pellavan::sheet::view
