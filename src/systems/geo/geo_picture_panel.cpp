#include "systems/geo/geo_picture_panel.h"

#include <QPainter>

namespace pellavan::geo {

GeoPicturePanel::GeoPicturePanel(QWidget* parent) : QWidget(parent) {}

void GeoPicturePanel::set_background(QRgb colour) {
  background_ = colour;
  update();
}

bool GeoPicturePanel::load(const QString& path) {
  QImage image(path);
  picture_ = image;
  path_ = image.isNull() ? QString() : path;
  update();
  return !image.isNull();
}

void GeoPicturePanel::clear_picture() {
  picture_ = QImage();
  path_.clear();
  update();
}

void GeoPicturePanel::show_picture(bool shown) {
  shown_ = shown;
  update();
}

void GeoPicturePanel::set_framed(bool framed) {
  framed_ = framed;
  update();
}

QPoint GeoPicturePanel::picture_origin() const {
  return {(width() - picture_.width()) / 2, (height() - picture_.height()) / 2};
}

void GeoPicturePanel::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), QColor::fromRgb(background_));
  if (!picture_shown()) return;
  const QPoint at = picture_origin();
  painter.drawImage(at, picture_);
  if (framed_) {
    painter.setPen(QPen(Qt::black, 2));
    painter.drawRect(QRect(at, picture_.size()).adjusted(-1, -1, 0, 0));
  }
}

}  // namespace pellavan::geo
