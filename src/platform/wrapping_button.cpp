#include "platform/wrapping_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace pellavan::platform {

void WrappingButton::paintEvent(QPaintEvent* /*event*/) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const QString caption = option.text;
  option.text.clear();
  painter.drawControl(QStyle::CE_PushButton, option);
  const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this) / 2;
  const QRect area = style()
                         ->subElementRect(QStyle::SE_PushButtonContents, &option, this)
                         .adjusted(margin, 0, -margin, 0);
  painter.drawItemText(area, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, palette(),
                       isEnabled(), caption, QPalette::ButtonText);
}

}  // namespace pellavan::platform
