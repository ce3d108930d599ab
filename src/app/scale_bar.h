#pragma once
// The correction factor's scale: a red bar over a white scale, filled to a fraction of its width.

#include <QWidget>

namespace pellavan::app {

class ScaleBar : public QWidget {
 public:
  explicit ScaleBar(QWidget* parent = nullptr);
  // 0 empty .. 1 full; values outside are shown at the nearer end.
  void set_fraction(double fraction);
  [[nodiscard]] double fraction() const { return fraction_; }
  // The bar's width in pixels at the scale's present width.
  [[nodiscard]] int bar_width() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  double fraction_ = 0.0;
};

}  // namespace pellavan::app
