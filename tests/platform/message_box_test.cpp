// Escape and the close box on real message boxes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "platform/message_box.h"

namespace pellavan::platform {
namespace {

TEST(MessageBoxTest, OnlyABoxWithAnEscapeAnswerTakesEscapeOrTheCloseBox) {
  struct Row {
    const char* name;
    MessageButtons buttons;
    std::optional<MessageResult> escape;  // nullopt: Escape and the close box do nothing
  };
  const Row rows[] = {
      {"yes/no", MessageButtons::YesNo, std::nullopt},
      {"yes/no/cancel", MessageButtons::YesNoCancel, MessageResult::Cancel},
      {"ok/cancel", MessageButtons::OkCancel, MessageResult::Cancel},
      {"ok", MessageButtons::Ok, MessageResult::Ok},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    bool after_escape = false;
    bool after_close = false;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      QTest::keyClick(box->focusWidget() != nullptr ? box->focusWidget() : box, Qt::Key_Escape);
      after_escape = box->isVisible();
      if (!after_escape) return;
      box->close();
      after_close = box->isVisible();
      if (after_close) box->button(QMessageBox::No)->click();
    });
    const MessageResult answer = message_box(
        nullptr,
        MessageRequest{QStringLiteral("Question?"), kAppTitle, MessageIcon::Question, r.buttons});
    EXPECT_EQ(after_escape, !r.escape.has_value());
    EXPECT_EQ(after_close, !r.escape.has_value());
    EXPECT_EQ(answer, r.escape.value_or(MessageResult::No));
  }
}

}  // namespace
}  // namespace pellavan::platform
