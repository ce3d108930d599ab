#pragma once
// Decoded pictures of sheets, so that a view does not decode a PNG at every paint.

#include <QImage>
#include <unordered_map>

#include "sheet/sheet.h"

namespace pellavan::sheet::view {

class PictureCache {
 public:
  // The picture's image, in grey when asked; a null image when its data do not decode.
  const QImage& image(const Picture& picture, bool grey);

 private:
  static constexpr std::size_t kMostKept = 32;
  std::unordered_map<std::size_t, QImage> images_;  // by a hash of the data and the colour mode
};

// Decodes without caching (printing, one-off renders).
QImage decode_picture(const Picture& picture, bool grey);

}  // namespace pellavan::sheet::view
