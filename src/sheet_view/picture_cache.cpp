#include "sheet_view/picture_cache.h"

#include <QByteArray>
#include <QHash>
#include <algorithm>
#include <cmath>

namespace pellavan::sheet::view {

namespace {

// A grey copy of a recorded drawing is made as an image of at most this many pixels a side.
constexpr double kMostGreyPixels = 2400.0;

QByteArray bytes_of(const Picture& picture) {
  return QByteArray::fromRawData(reinterpret_cast<const char*>(picture.data.data()),
                                 static_cast<qsizetype>(picture.data.size()));
}

// Playing a recording scales it by the device's resolution over the screen's; the scale here
// undoes that, so that the frame fills `target` on screens, images and printers alike.
void play_stretched(QPainter& painter, const QRectF& target, const QPicture& drawing) {
  const QRect frame = drawing.boundingRect();
  const QPaintDevice* device = painter.device();
  if (frame.isEmpty() || device == nullptr) return;
  const double resolution_x = static_cast<double>(drawing.logicalDpiX()) / device->logicalDpiX();
  const double resolution_y = static_cast<double>(drawing.logicalDpiY()) / device->logicalDpiY();
  painter.save();
  painter.translate(target.topLeft());
  painter.scale(target.width() / frame.width(), target.height() / frame.height());
  painter.setClipRect(QRectF(0, 0, frame.width(), frame.height()), Qt::IntersectClip);
  painter.translate(-frame.topLeft());
  painter.scale(resolution_x, resolution_y);
  painter.drawPicture(0, 0, drawing);
  painter.restore();
}

// Grey needs the pixels: the drawing is played into an image of the target's size on the
// device (capped) and drawn in grey.
void play_grey(QPainter& painter, const QRectF& target, const QPicture& drawing) {
  const QRectF on_device = painter.transform().mapRect(target);
  const double cap = kMostGreyPixels / std::max({on_device.width(), on_device.height(), 1.0});
  const double scale = std::min(1.0, cap);
  QImage layer(std::max(1, static_cast<int>(std::ceil(on_device.width() * scale))),
               std::max(1, static_cast<int>(std::ceil(on_device.height() * scale))),
               QImage::Format_RGB32);
  layer.fill(Qt::white);
  {
    QPainter into(&layer);
    into.setRenderHint(QPainter::Antialiasing);
    into.setRenderHint(QPainter::TextAntialiasing);
    play_stretched(into, QRectF(0, 0, layer.width(), layer.height()), drawing);
  }
  painter.drawImage(target, layer.convertToFormat(QImage::Format_Grayscale8));
}

}  // namespace

QImage decode_picture(const Picture& picture, bool grey) {
  if (picture.format != PictureFormat::kPng) return {};
  QImage image =
      QImage::fromData(picture.data.data(), static_cast<int>(picture.data.size()), "PNG");
  if (grey && !image.isNull()) image = image.convertToFormat(QImage::Format_Grayscale8);
  return image;
}

QPicture decode_recording(const Picture& picture) {
  QPicture drawing;
  if (picture.format != PictureFormat::kRecorded || picture.data.empty()) return drawing;
  drawing.setData(reinterpret_cast<const char*>(picture.data.data()),
                  static_cast<uint>(picture.data.size()));
  // A stream that does not read as a recording has no frame.
  if (drawing.boundingRect().isEmpty()) return QPicture();
  return drawing;
}

std::vector<std::uint8_t> encode_recording(const QPicture& drawing) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(drawing.data());
  if (bytes == nullptr) return {};
  return std::vector<std::uint8_t>(bytes, bytes + drawing.size());
}

const QImage& PictureCache::image(const Picture& picture, bool grey) {
  const std::size_t key = qHash(bytes_of(picture)) * 2u + (grey ? 1u : 0u);
  auto it = images_.find(key);
  if (it != images_.end()) return it->second;
  if (images_.size() >= kMostKept) images_.clear();
  return images_.emplace(key, decode_picture(picture, grey)).first->second;
}

const QPicture& PictureCache::recording(const Picture& picture) {
  const std::size_t key = qHash(bytes_of(picture));
  auto it = recordings_.find(key);
  if (it != recordings_.end()) return it->second;
  if (recordings_.size() >= kMostKept) recordings_.clear();
  return recordings_.emplace(key, decode_recording(picture)).first->second;
}

void draw_picture(QPainter& painter, const QRectF& target, const Picture& picture,
                  bool black_and_white, PictureCache* cache) {
  if (picture.format == PictureFormat::kRecorded) {
    const QPicture drawing = cache ? cache->recording(picture) : decode_recording(picture);
    if (drawing.isNull()) return;
    if (black_and_white)
      play_grey(painter, target, drawing);
    else
      play_stretched(painter, target, drawing);
    return;
  }
  const QImage image =
      cache ? cache->image(picture, black_and_white) : decode_picture(picture, black_and_white);
  if (!image.isNull()) painter.drawImage(target, image);
}

}  // namespace pellavan::sheet::view
