#include "platform/text_editing_keys.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace pellavan::platform {
namespace {

bool is_text_input(const QObject* o) {
  if (qobject_cast<const QLineEdit*>(o) || qobject_cast<const QTextEdit*>(o) ||
      qobject_cast<const QPlainTextEdit*>(o) || qobject_cast<const QAbstractSpinBox*>(o))
    return true;
  const auto* combo = qobject_cast<const QComboBox*>(o);
  return combo != nullptr && combo->isEditable();
}

bool is_editing_key(const QKeyEvent* key) {
  for (auto standard : {QKeySequence::Cut, QKeySequence::Copy, QKeySequence::Paste,
                        QKeySequence::SelectAll, QKeySequence::Undo, QKeySequence::Redo})
    if (key->matches(standard)) return true;
  return false;
}

}  // namespace

bool TextEditingKeys::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride && is_text_input(watched) &&
      is_editing_key(static_cast<QKeyEvent*>(event))) {
    event->accept();  // the key goes to the text input as a key press
    return true;
  }
  return QObject::eventFilter(watched, event);
}

void keep_text_editing_keys() {
  if (qApp == nullptr || qApp->findChild<TextEditingKeys*>(QString(), Qt::FindDirectChildrenOnly))
    return;
  qApp->installEventFilter(new TextEditingKeys(qApp));
}

}  // namespace pellavan::platform
