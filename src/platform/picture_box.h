#pragma once
// A picture box: shows a bitmap, or text printed into it line by line. A tab character in a
// printed line moves to the next print zone; zones are 14 average character widths apart.

#include <QImage>
#include <QString>
#include <QStringList>
#include <QWidget>

namespace pellavan::platform {

class PictureBox : public QWidget {
  Q_OBJECT

 public:
  enum class Fit {
    kKeepAspect,  // scaled to fit the box, keeping its proportions
    kStretch,     // stretched to fill the box
  };

  explicit PictureBox(QWidget* parent = nullptr);

  // Loads a picture file; false (and the box unchanged) when it cannot be read.
  bool load_picture(const QString& path);
  void set_picture(const QImage& image);
  void clear_picture();
  [[nodiscard]] const QImage& picture() const { return picture_; }
  void set_fit(Fit fit);

  void clear_text();
  void print_line(const QString& line);
  [[nodiscard]] const QStringList& printed_lines() const { return lines_; }
  // Where a line's parts start, in pixels from the left edge, as painted with the box's font.
  [[nodiscard]] QList<int> part_positions(const QString& line) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
  Fit fit_ = Fit::kKeepAspect;
  QStringList lines_;
};

// The picture with every pixel of `transparent` replaced by `background`, other pixels kept.
[[nodiscard]] QImage with_colour_replaced(const QImage& picture, QRgb transparent, QRgb background);

}  // namespace pellavan::platform
