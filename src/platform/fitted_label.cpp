#include "platform/fitted_label.h"

#include <QPainter>
#include <QStyle>

#include "platform/text_fit.h"

namespace pellavan::platform {

void FittedLabel::paintEvent(QPaintEvent* event) {
  if (textFormat() == Qt::RichText || !pixmap().isNull() || text().isEmpty())
    return QLabel::paintEvent(event);
  const QRect room = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
  const FittedText fitted = fit_text(text(), font(), room.size(), this,
                                     wordWrap() ? Wrapping::kAnySize : Wrapping::kLastResort);
  QPainter painter(this);
  drawFrame(&painter);
  painter.setFont(fitted.font);
  const int flags = static_cast<int>(alignment()) | (fitted.wrapped ? Qt::TextWordWrap : 0);
  style()->drawItemText(&painter, room, flags, palette(), isEnabled(), fitted.text,
                        foregroundRole());
}

}  // namespace pellavan::platform
