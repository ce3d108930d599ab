#pragma once
// A text box several lines high: its text wraps at the box's width. It offers the line box's
// text(), setText() and typing limit; Tab moves on and Enter types no line break (the form may
// make it move on). Like the line box's limit, maxLength() cuts only what the user
// types or pastes, never a text the program sets.

#include <QPlainTextEdit>

namespace pellavan::platform {

class TextArea : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit TextArea(QWidget* parent = nullptr);

  [[nodiscard]] QString text() const { return toPlainText(); }
  void setText(const QString& text) { setPlainText(text); }
  void setMaxLength(int length) { max_length_ = length; }  // 0: no limit
  [[nodiscard]] int maxLength() const { return max_length_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  // The characters that may still be typed in place of the selection.
  [[nodiscard]] qsizetype room() const;

  int max_length_ = 0;
};

// A text the program puts into the box, shown from its beginning.
void set_text(TextArea* box, const QString& text);

}  // namespace pellavan::platform
