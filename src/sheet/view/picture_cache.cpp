#include "sheet/view/picture_cache.h"

#include <QByteArray>
#include <QHash>

namespace pellavan::sheet::view {

QImage decode_picture(const Picture& picture, bool grey) {
  QImage image = QImage::fromData(picture.png.data(), static_cast<int>(picture.png.size()), "PNG");
  if (grey && !image.isNull()) image = image.convertToFormat(QImage::Format_Grayscale8);
  return image;
}

const QImage& PictureCache::image(const Picture& picture, bool grey) {
  const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(picture.png.data()),
                                                   static_cast<qsizetype>(picture.png.size()));
  const std::size_t key = qHash(bytes) * 2u + (grey ? 1u : 0u);
  auto it = images_.find(key);
  if (it != images_.end()) return it->second;
  if (images_.size() >= kMostKept) images_.clear();
  return images_.emplace(key, decode_picture(picture, grey)).first->second;
}

}  // namespace pellavan::sheet::view
