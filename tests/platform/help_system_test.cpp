#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <memory>

#include "platform/help_system.h"
#include "platform/help_topic.h"
#include "platform/help_viewer.h"
#include "platform/window_test_support.h"

namespace pellavan::platform {
namespace {

void press(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QKeyEvent event(QEvent::KeyPress, key, modifiers);
  QApplication::sendEvent(widget, &event);
}

void write_file(const QString& path, const QByteArray& content) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(content);
}

QByteArray page(const char* title) {
  return QByteArray("<html><head><title>") + title + "</title></head><body><h1>" + title +
         "</h1><a name=\"list\"></a></body></html>";
}

// A program folder with a help folder of four pages, and a window shaped like an input window:
// the window has topic 460, a frame 560 holding a field without topic, a field with its own topic
// 610, a field without topic directly on the window, and a Help button.
class HelpSystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(program_folder_.isValid());
    const QDir folder(program_folder_.path());
    ASSERT_TRUE(folder.mkdir(QStringLiteral("help")));
    const QString help = folder.filePath(QStringLiteral("help"));
    write_file(help + "/index.html", page("Contents"));
    write_file(help + "/project.html",
               "<html><body><h1>Project</h1><p>See <a href=\"client.html\">the client</a>."
               "</p></body></html>");
    write_file(help + "/client.html", page("Client"));
    write_file(help + "/city.html", page("City"));
    write_file(
        help + "/topics.txt",
        "# test map\n460 project.html\n560 client.html\n610 city.html#list\n777 missing.html\n");

    window_ = std::make_unique<QWidget>();
    set_help_topic(window_.get(), 460);
    auto* layout = new QVBoxLayout(window_.get());
    auto* frame = new QFrame;
    set_help_topic(frame, 560);
    client_ = new QLineEdit(frame);
    city_ = new QLineEdit;
    set_help_topic(city_, 610);
    loads_ = new QLineEdit;
    help_button_ = new QPushButton(QStringLiteral("&Help"));
    layout->addWidget(frame);
    layout->addWidget(city_);
    layout->addWidget(loads_);
    layout->addWidget(help_button_);

    help_ = std::make_unique<HelpSystem>(program_folder_.path());
  }

  void TearDown() override {
    help_.reset();
    window_.reset();
  }

  // The page file name the viewer shows, or "" when none is open.
  [[nodiscard]] QString shown_page() const {
    HelpViewer* viewer = help_->viewer();
    if (viewer == nullptr || !viewer->isVisible()) return {};
    return QFileInfo(viewer->page().toLocalFile()).fileName();
  }

  QTemporaryDir program_folder_;
  std::unique_ptr<QWidget> window_;
  QLineEdit* client_ = nullptr;
  QLineEdit* city_ = nullptr;
  QLineEdit* loads_ = nullptr;
  QPushButton* help_button_ = nullptr;
  std::unique_ptr<HelpSystem> help_;
};

TEST_F(HelpSystemTest, HelpFolderLiesBesideTheProgram) {
  EXPECT_TRUE(help_->help_path().isEmpty());
  help_->Set_HelpFile(window_.get());
  EXPECT_EQ(help_->help_path(), program_folder_.path() + "/help");
}

TEST_F(HelpSystemTest, F1OpensTheTopicOfTheControlOrOfWhatEnclosesIt) {
  struct Row {
    const char* name;
    QWidget* control;
    const char* page;
  };
  help_->Set_HelpFile(window_.get());
  const Row rows[] = {
      {"control with its own topic", city_, "city.html"},
      {"control in a frame with a topic", client_, "client.html"},
      {"control on the window", loads_, "project.html"},
      {"the window itself", window_.get(), "project.html"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    press(r.control, Qt::Key_F1);
    EXPECT_EQ(shown_page(), r.page);
  }
  EXPECT_EQ(help_->viewer()->page().fragment(), "");  // the last page has no anchor
  press(city_, Qt::Key_F1);
  EXPECT_EQ(help_->viewer()->page().fragment(), "list");
}

TEST_F(HelpSystemTest, TopicsWithoutAPageOpenTheContents) {
  help_->Set_HelpFile(window_.get());
  QWidget other;  // a window without a topic of its own
  auto* field = new QLineEdit(&other);
  press(field, Qt::Key_F1);
  EXPECT_EQ(shown_page(), "index.html");
  set_help_topic(field, 12345);  // not in the map
  press(field, Qt::Key_F1);
  EXPECT_EQ(shown_page(), "index.html");
  press(city_, Qt::Key_F1);
  ASSERT_EQ(shown_page(), "city.html");
  QDialog dialog(window_.get());  // a window of its own: the owner's topic does not apply
  press(new QLineEdit(&dialog), Qt::Key_F1);
  EXPECT_EQ(shown_page(), "index.html");
}

TEST_F(HelpSystemTest, MissingPageSaysWhichFile) {
  help_->Set_HelpFile(window_.get());
  set_help_topic(loads_, 777);
  press(loads_, Qt::Key_F1);
  ASSERT_NE(help_->viewer(), nullptr);
  EXPECT_TRUE(help_->viewer()->isVisible());
  EXPECT_TRUE(help_->viewer()->page().isEmpty());
  EXPECT_TRUE(help_->viewer()->shown_text().contains(QStringLiteral("missing.html")));
}

TEST_F(HelpSystemTest, MissingHelpFolderSaysWhichFile) {
  HelpSystem elsewhere(program_folder_.path() + "/nowhere");
  elsewhere.Set_HelpFile(window_.get());
  press(city_, Qt::Key_F1);
  ASSERT_NE(elsewhere.viewer(), nullptr);
  EXPECT_TRUE(elsewhere.viewer()->shown_text().contains(QStringLiteral("nowhere/help/index.html")));
}

TEST_F(HelpSystemTest, NothingOpensBeforeTheHelpFileIsNamedOrWithModifiers) {
  press(city_, Qt::Key_F1);
  EXPECT_EQ(help_->viewer(), nullptr);
  help_->Show_Help();
  EXPECT_EQ(help_->viewer(), nullptr);
  help_->Set_HelpFile(window_.get());
  press(city_, Qt::Key_F1, Qt::ShiftModifier);
  EXPECT_EQ(help_->viewer(), nullptr);
}

TEST_F(HelpSystemTest, ShowHelpUsesTheFocusedControl) {
  help_->Set_HelpFile(window_.get());
  ASSERT_TRUE(testing::show_and_activate(window_.get()));
  city_->setFocus();
  ASSERT_EQ(QApplication::focusWidget(), city_);
  help_->Show_Help();
  EXPECT_EQ(shown_page(), "city.html");

  ASSERT_TRUE(testing::show_and_activate(window_.get()));
  help_button_->setFocus();  // a clicked Help button has the focus: the window's topic applies
  ASSERT_EQ(QApplication::focusWidget(), help_button_);
  help_->Show_Help();
  EXPECT_EQ(shown_page(), "project.html");
}

TEST_F(HelpSystemTest, CloseHelpClosesTheViewer) {
  help_->Set_HelpFile(window_.get());
  help_->Close_Help();  // nothing open: no effect
  press(city_, Qt::Key_F1);
  QPointer<HelpViewer> viewer = help_->viewer();
  ASSERT_NE(viewer, nullptr);
  help_->Close_Help();
  EXPECT_EQ(help_->viewer(), nullptr);
  EXPECT_FALSE(viewer->isVisible());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(viewer.isNull());
  press(city_, Qt::Key_F1);  // opens again
  EXPECT_EQ(shown_page(), "city.html");
}

TEST_F(HelpSystemTest, ViewerOpenedFromAModalWindowIsNotBlockedByIt) {
  help_->Set_HelpFile(window_.get());
  QDialog dialog(window_.get());
  dialog.setWindowModality(Qt::ApplicationModal);
  auto* field = new QLineEdit(&dialog);
  set_help_topic(&dialog, 560);
  dialog.show();
  ASSERT_EQ(QApplication::activeModalWidget(), &dialog);
  press(field, Qt::Key_F1);
  EXPECT_EQ(shown_page(), "client.html");
  EXPECT_EQ(help_->viewer()->parentWidget(), &dialog);
  EXPECT_TRUE(help_->viewer()->isWindow());
  dialog.hide();
  press(city_, Qt::Key_F1);  // back on the main window: the viewer moves to its owner
  EXPECT_EQ(help_->viewer()->parentWidget(), window_.get());
  EXPECT_EQ(shown_page(), "city.html");
}

// F1 in a box, then the box closes: the viewer opened over it closes and goes back to the owner
// instead of dying with the box while shown and active (Qt then activated the dead window).
TEST_F(HelpSystemTest, AViewerOpenedOverABoxOutlivesTheBox) {
  help_->Set_HelpFile(window_.get());
  ASSERT_TRUE(testing::show_and_activate(window_.get()));
  {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Attention"), QStringLiteral("A box"),
                    QMessageBox::Ok, window_.get());
    QTimer::singleShot(0, [&] {
      QTest::keyClick(&box, Qt::Key_F1);
      ASSERT_NE(help_->viewer(), nullptr);
      EXPECT_EQ(help_->viewer()->parentWidget(), &box);
      EXPECT_TRUE(testing::show_and_activate(help_->viewer()));
      QTest::keyClick(&box, Qt::Key_Return);
    });
    box.exec();
  }
  const QPointer<HelpViewer> viewer = help_->viewer();
  ASSERT_NE(viewer, nullptr);
  EXPECT_FALSE(viewer->isVisible());
  EXPECT_EQ(viewer->parentWidget(), window_.get());
  press(city_, Qt::Key_F1);
  EXPECT_EQ(shown_page(), "city.html");
}

TEST_F(HelpSystemTest, NamesInTheMapComeBeforeTopicsAtTheSameStep) {
  write_file(program_folder_.path() + "/help/topics.txt",
             "460 project.html\n610 city.html\nForm3.txtCity client.html#list\nForm3 index.html\n");
  help_->Set_HelpFile(window_.get());
  window_->setObjectName(QStringLiteral("Form3"));
  city_->setObjectName(QStringLiteral("txtCity"));
  press(city_, Qt::Key_F1);  // the control's name before its topic 610
  EXPECT_EQ(shown_page(), "client.html");
  EXPECT_EQ(help_->viewer()->page().fragment(), "list");
  press(loads_, Qt::Key_F1);  // the window's name before its topic 460
  EXPECT_EQ(shown_page(), "index.html");
}

TEST_F(HelpSystemTest, ALinkOpensItsPageAndBackReturns) {
  help_->Set_HelpFile(window_.get());
  press(window_.get(), Qt::Key_F1);
  HelpViewer* viewer = help_->viewer();
  ASSERT_EQ(shown_page(), "project.html");
  EXPECT_FALSE(viewer->back_button()->isEnabled());
  QTextBrowser* browser = viewer->browser();
  const QTextCursor link = browser->document()->find(QStringLiteral("the client"));
  ASSERT_FALSE(link.isNull());
  QTextCursor inside = link;
  inside.setPosition(link.selectionStart() + 2);
  QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, browser->cursorRect(inside).center());
  EXPECT_EQ(shown_page(), "client.html");
  ASSERT_TRUE(viewer->back_button()->isEnabled());
  QTest::mouseClick(viewer->back_button(), Qt::LeftButton);
  EXPECT_EQ(shown_page(), "project.html");
}

TEST_F(HelpSystemTest, EscapeAndTheCloseButtonCloseTheViewer) {
  help_->Set_HelpFile(window_.get());
  press(city_, Qt::Key_F1);
  ASSERT_TRUE(testing::show_and_activate(help_->viewer()));
  QTest::keyClick(help_->viewer()->browser(), Qt::Key_Escape);
  EXPECT_FALSE(help_->viewer()->isVisible());
  press(city_, Qt::Key_F1);  // opens again, at the field's page
  EXPECT_EQ(shown_page(), "city.html");
  QTest::mouseClick(help_->viewer()->close_button(), Qt::LeftButton);
  EXPECT_FALSE(help_->viewer()->isVisible());
}

TEST_F(HelpSystemTest, OpensBesideTheWindowAndStaysWhereMoved) {
  help_->Set_HelpFile(window_.get());
  window_->move(40, 30);
  ASSERT_TRUE(testing::show_and_activate(window_.get()));
  press(city_, Qt::Key_F1);
  HelpViewer* viewer = help_->viewer();
  const QRect window = window_->frameGeometry();
  const QRect shown = viewer->frameGeometry();
  EXPECT_EQ(shown.top(), window.top());  // level with the window, not at the screen's corner
  EXPECT_TRUE(shown.left() > window.left() || shown.right() < window.right());
  viewer->move(shown.topLeft() + QPoint(7, 9));
  const QPoint moved = viewer->pos();
  press(loads_, Qt::Key_F1);  // open already: the user's place is kept
  EXPECT_EQ(viewer->pos(), moved);
}

TEST(ShippedHelpFolderTest, ContentsOpenFromTheProgramFolder) {
  const QByteArray data_dir = qgetenv("PELLAVAN_DATA_DIR");
  ASSERT_FALSE(data_dir.isEmpty());
  const QString program_folder = QFileInfo(QString::fromLocal8Bit(data_dir)).absolutePath();
  HelpSystem help(program_folder);
  QWidget window;
  help.Set_HelpFile(&window);
  press(&window, Qt::Key_F1);
  ASSERT_NE(help.viewer(), nullptr);
  EXPECT_EQ(QFileInfo(help.viewer()->page().toLocalFile()).fileName(), "index.html");
  EXPECT_TRUE(help.viewer()->shown_text().contains(QStringLiteral("Pellavan Help")));
}

}  // namespace
}  // namespace pellavan::platform
