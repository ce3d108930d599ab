#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "platform/text_editing_keys.h"
#include "platform/window_test_support.h"

namespace pellavan::platform {
namespace {

// A window with a text box, a read-only text box, a button and shortcuts on the editing keys.
class TextEditingKeysTest : public ::testing::Test {
 protected:
  void SetUp() override {
    keep_text_editing_keys();
    auto* layout = new QVBoxLayout(&window_);
    text_ = new QLineEdit(QStringLiteral("hello"));
    read_only_ = new QLineEdit(QStringLiteral("fixed"));
    read_only_->setReadOnly(true);
    button_ = new QPushButton(QStringLiteral("Go"));
    layout->addWidget(text_);
    layout->addWidget(read_only_);
    layout->addWidget(button_);
    for (const char* keys : {"Ctrl+X", "Ctrl+C", "Ctrl+A", "Ctrl+Z"}) {
      auto* action = new QAction(&window_);
      action->setShortcut(QKeySequence(QString::fromLatin1(keys)));
      window_.addAction(action);
      spies_.push_back(std::make_unique<QSignalSpy>(action, &QAction::triggered));
    }
    ASSERT_TRUE(testing::show_and_activate(&window_));
  }

  [[nodiscard]] int triggered() const {
    int n = 0;
    for (const auto& spy : spies_) n += static_cast<int>(spy->count());
    return n;
  }

  QWidget window_;
  QLineEdit* text_ = nullptr;
  QLineEdit* read_only_ = nullptr;
  QPushButton* button_ = nullptr;
  std::vector<std::unique_ptr<QSignalSpy>> spies_;
};

TEST_F(TextEditingKeysTest, EditingKeysStayInTheTextBox) {
  text_->setFocus();
  QTest::keyClick(text_, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(text_->selectedText(), "hello");
  QTest::keyClick(text_, Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(text_->text(), "");
  QTest::keyClick(text_, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(text_->text(), "hello");
  QTest::keyClick(text_, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(triggered(), 0);
}

TEST_F(TextEditingKeysTest, ReadOnlyTextBoxAlsoKeepsThem) {
  read_only_->setFocus();
  QTest::keyClick(read_only_, Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(read_only_->text(), "fixed");
  EXPECT_EQ(triggered(), 0);
}

TEST_F(TextEditingKeysTest, ElsewhereTheShortcutsWork) {
  button_->setFocus();
  QTest::keyClick(button_, Qt::Key_X, Qt::ControlModifier);
  QTest::keyClick(button_, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(triggered(), 2);
}

}  // namespace
}  // namespace pellavan::platform
