#include "platform/picture_box.h"

#include <QFontMetrics>
#include <QImageReader>
#include <QPainter>

namespace pellavan::platform {
namespace {

constexpr int kZoneCharacters = 14;
constexpr int kTextMargin = 2;

}  // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

bool PictureBox::load_picture(const QString& path) {
  QImageReader reader(path);
  QImage image = reader.read();
  if (image.isNull()) return false;
  set_picture(image);
  return true;
}

void PictureBox::set_picture(const QImage& image) {
  picture_ = image;
  update();
}

void PictureBox::clear_picture() { set_picture(QImage()); }

void PictureBox::set_fit(Fit fit) {
  fit_ = fit;
  update();
}

void PictureBox::clear_text() {
  lines_.clear();
  update();
}

void PictureBox::print_line(const QString& line) {
  QString shown = line;
  shown.remove(QChar(u'\0'));  // a never-written field prints nothing
  lines_.append(shown);
  update();
}

QList<int> PictureBox::part_positions(const QString& line) const {
  const QFontMetrics metrics(font());
  const int zone = qMax(1, kZoneCharacters * metrics.averageCharWidth());
  QList<int> starts;
  int x = kTextMargin;
  const QStringList parts = line.split(QLatin1Char('\t'));
  for (qsizetype i = 0; i < parts.size(); ++i) {
    if (i > 0) x = ((x - kTextMargin) / zone + 1) * zone + kTextMargin;
    starts.append(x);
    x += metrics.horizontalAdvance(parts[i]);
  }
  return starts;
}

void PictureBox::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  if (!picture_.isNull()) {
    QSize size = picture_.size();
    size.scale(this->size(), fit_ == Fit::kStretch ? Qt::IgnoreAspectRatio : Qt::KeepAspectRatio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint(0, 0), size), picture_);
  }
  painter.setFont(font());
  painter.setPen(palette().color(QPalette::WindowText));
  const QFontMetrics metrics(font());
  int baseline = kTextMargin + metrics.ascent();
  for (const QString& line : lines_) {
    const QStringList parts = line.split(QLatin1Char('\t'));
    const QList<int> starts = part_positions(line);
    for (qsizetype i = 0; i < parts.size(); ++i) painter.drawText(starts[i], baseline, parts[i]);
    baseline += metrics.height();
  }
}

QImage with_colour_replaced(const QImage& picture, QRgb transparent, QRgb background) {
  QImage out = picture.convertToFormat(QImage::Format_RGB32);
  const QRgb key = transparent | 0xff000000u;
  for (int y = 0; y < out.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x)
      if ((row[x] | 0xff000000u) == key) row[x] = background | 0xff000000u;
  }
  return out;
}

}  // namespace pellavan::platform
