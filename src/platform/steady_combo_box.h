#pragma once
// A window's combo box that paints with one palette object per look, shared by every combo box
// of the program. The style keeps its pictures of combo boxes in the program-wide pixmap cache
// under the identity of the palette they were painted with, and every setPalette() makes a
// palette of a new identity, even for colours seen before: the focus highlight, which recolours
// a list at every focus, and every window loaded afresh would otherwise leave pictures in the
// cache that nobody asks for again, until it holds 10 MB.

#include <QComboBox>

namespace pellavan::platform {

class SteadyComboBox : public QComboBox {
 public:
  using QComboBox::QComboBox;

 protected:
  void initStyleOption(QStyleOptionComboBox* option) const override;
};

}  // namespace pellavan::platform
