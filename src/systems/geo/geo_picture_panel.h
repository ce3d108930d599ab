#pragma once
// The picture panel of the geothermal windows: a background colour and one picture at its own
// size, centred (a picture larger than the panel overhangs it on every side), framed or plain.

#include <QImage>
#include <QWidget>

namespace pellavan::geo {

class GeoPicturePanel : public QWidget {
  Q_OBJECT

 public:
  explicit GeoPicturePanel(QWidget* parent = nullptr);

  void set_background(QRgb colour);
  [[nodiscard]] QRgb background() const { return background_; }
  // Loads the file as the picture on show; false (and the picture cleared) when it cannot be read.
  bool load(const QString& path);
  void clear_picture();
  void show_picture(bool shown);
  [[nodiscard]] bool picture_shown() const { return shown_ && !picture_.isNull(); }
  void set_framed(bool framed);
  [[nodiscard]] bool framed() const { return framed_; }
  [[nodiscard]] const QImage& picture() const { return picture_; }
  [[nodiscard]] QString picture_path() const { return path_; }
  // Where the picture's top left corner lies in the panel.
  [[nodiscard]] QPoint picture_origin() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QRgb background_ = 0xffffffff;
  QImage picture_;
  QString path_;
  bool shown_ = false;
  bool framed_ = false;
};

}  // namespace pellavan::geo
