#include "platform/text_area.h"

#include <QKeyEvent>
#include <QMimeData>
#include <limits>

namespace pellavan::platform {

TextArea::TextArea(QWidget* parent) : QPlainTextEdit(parent) {
  setTabChangesFocus(true);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

qsizetype TextArea::room() const {
  if (max_length_ <= 0) return std::numeric_limits<qsizetype>::max();
  const qsizetype selected = textCursor().selectedText().size();
  return std::max<qsizetype>(0, max_length_ - (toPlainText().size() - selected));
}

void TextArea::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->ignore();  // no line breaks
    return;
  }
  const QString typed = event->text();
  const bool character = !typed.isEmpty() && typed.at(0).isPrint();
  if (character && typed.size() > room()) return;
  QPlainTextEdit::keyPressEvent(event);
}

void TextArea::insertFromMimeData(const QMimeData* source) {
  QString text = source->text();
  text.replace(QLatin1String("\r\n"), QLatin1String(" "))
      .replace(QLatin1Char('\n'), QLatin1Char(' '));
  insertPlainText(text.left(room()));
}

void set_text(TextArea* box, const QString& text) {
  box->setPlainText(text);
  box->moveCursor(QTextCursor::Start);
}

}  // namespace pellavan::platform
