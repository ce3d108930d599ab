#include <gtest/gtest.h>

#include <QAction>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "app/app_fixture.h"
#include "platform/layout_fonts.h"
#include "platform/picture_box.h"
#include "platform/text_editing_keys.h"
#include "platform/window_test_support.h"

namespace pellavan::app {
namespace {

using platform::MessageResult;
namespace pt = platform::testing;

class WindowBehaviourTest : public testing::AppFixture {};

TEST_F(WindowBehaviourTest, LayoutButtonsResizeAndKeepTheFace) {
  MainWindow& w = new_project();
  const QSize available = QGuiApplication::primaryScreen()->availableGeometry().size();
  w.Command3_Click();
  const QSize normal = w.frameGeometry().size();
  EXPECT_EQ(normal, platform::outer_size_pixels(&w, 15250, 10500));
  w.Command2_Click();
  EXPECT_EQ(state->LargeLayout, -1);
  EXPECT_EQ(w.frameGeometry().size(), platform::outer_size_pixels(&w, 22100, 13650));
  EXPECT_LE(w.frameGeometry().width(), available.width());
  EXPECT_LE(w.frameGeometry().height(), available.height());
  EXPECT_GE(w.frameGeometry().top(), QGuiApplication::primaryScreen()->availableGeometry().top());
  EXPECT_EQ(w.form().font_face(), platform::kLargeLayoutFace);
  EXPECT_TRUE(w.isVisible());
  w.Command3_Click();
  EXPECT_EQ(state->LargeLayout, 0);
  EXPECT_EQ(w.frameGeometry().size(), normal);
  EXPECT_EQ(w.form().font_face(), platform::kLargeLayoutFace);  // in both sizes
}

TEST_F(WindowBehaviourTest, LayoutSwitchKeepsTheRowsTheUserChose) {
  MainWindow& w = new_project();
  w.form().option("opGeoB3")->click();
  w.Command2_Click();
  EXPECT_TRUE(w.form().option("opGeoB3")->isChecked());
  EXPECT_EQ(state->model.ProjectRec.System3_Type, 2);
}

TEST_F(WindowBehaviourTest, EditingKeysInATextBoxDoNotRunMenuCommands) {
  platform::keep_text_editing_keys();
  int update_checks = 0;
  state->services.Check_ForUpdate = [&] { ++update_checks; };
  MainWindow& w = new_project();
  ASSERT_TRUE(pt::show_and_activate(&w));
  QLineEdit* box = w.form().text_box("txtSelect1");
  box->setFocus();
  const QString text = box->text();
  QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);  // select all, not Save As
  QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);  // copy, not the update check
  QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);  // cut, not Exit
  EXPECT_EQ(ends, 0);
  EXPECT_EQ(update_checks, 0);
  EXPECT_TRUE(dialogs.empty());
  EXPECT_TRUE(box->text().isEmpty());
  QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(box->text(), text);

  w.form().button("btnHelp")->setFocus();
  QTest::keyClick(w.form().button("btnHelp"), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(update_checks, 1);
  QTest::keyClick(w.form().button("btnHelp"), Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(dialogs.size(), 1u);  // Save As asked for a name
}

// The version check holds the program until the server answers: the wait text shows meanwhile,
// and goes after.
TEST_F(WindowBehaviourTest, TheUpdateCheckShowsTheWaitText) {
  MainWindow& w = new_project();
  ASSERT_TRUE(pt::show_and_activate(&w));
  QLabel* wait = w.form().label("Label2");
  std::vector<QString> during;
  state->services.Check_ForUpdate = [&] {
    during.push_back(wait->isVisible() ? wait->text() : QString());
  };
  QTest::keyClick(w.form().button("btnHelp"), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(during, std::vector<QString>{QStringLiteral("Processing Request...Please Wait")});
  EXPECT_FALSE(wait->isVisible());
  EXPECT_EQ(wait->text(), QStringLiteral("Creating Reports...Please Wait"));
}

TEST_F(WindowBehaviourTest, MessageBoxesAndDialogsDoNotActivateTheWindow) {
  MainWindow& w = new_project();
  ASSERT_TRUE(pt::show_and_activate(&w));
  QSignalSpy activations(&w, &MainWindow::activated);

  // A real box over the window: Qt activates the main window again when it closes.
  const auto hook = platform::set_message_hook({});
  QTimer::singleShot(50, [] {
    if (QWidget* box = QApplication::activeModalWidget()) box->close();
  });
  platform::message_box(&w, QStringLiteral("A box"));
  platform::set_message_hook(hook);
  QEvent activate(QEvent::WindowActivate);
  QApplication::sendEvent(&w, &activate);
  answers[testing::kSaveQuestion] = MessageResult::No;
  w.mnuSave_Click();  // a question box and nothing else
  QApplication::processEvents();
  EXPECT_EQ(activations.count(), 0);

  w.mnuAbout_Click();  // one of our windows closes over it
  EXPECT_EQ(activations.count(), 1);
}

// The focus leaves the box while the controls are deleted; a handler run then would work on a
// half-destroyed window (an error under the sanitizers, README).
TEST_F(WindowBehaviourTest, DestroyingTheWindowWithAFocusedDescriptionRunsNoHandler) {
  MainWindow& w = new_project();
  ASSERT_TRUE(pt::show_and_activate(&w));
  QLineEdit* box = w.form().text_box("txtSelect1");
  box->setFocus();
  ASSERT_EQ(QApplication::focusWidget(), box);
  w.Store_Selections();
  const model::ProjectRec stored = state->model.ProjectRec;
  window.reset();
  EXPECT_EQ(state->model.ProjectRec, stored);
}

TEST_F(WindowBehaviourTest, ActivationRestoresTheRowsFromTheRecord) {
  MainWindow& w = new_project();
  on_modal["Form14"] = [this](QDialog&) {
    state->model.ProjectRec.System2_Type = 2;  // as a system window may leave it
    return static_cast<int>(QDialog::Accepted);
  };
  w.mnuAbout_Click();
  EXPECT_TRUE(w.form().option("opGeoB2")->isChecked());
  EXPECT_TRUE(w.form().label("lblSystem")->text().isEmpty());
}

TEST_F(WindowBehaviourTest, HelpLineFollowsTheControls) {
  MainWindow& w = new_project();
  struct Row {
    const char* control;
    const char* text;
  };
  const Row rows[] = {
      {"btnProject", "Enter The Project Information"},
      {"btnFossil", "Select Electric or Fossil Equipment"},
      {"chkSave2", "Freeze/Edit System Description"},
      {"txtSelect1", "Description of Selected Equipment"},
      {"lblHelp", "Press F1 in Entry Field for Specific Help"},
  };
  for (const Row& r : rows) {
    pt::send_enter(w.form().control(r.control));
    EXPECT_EQ(w.form().help_line(), r.text) << r.control;
  }
  pt::send_mouse_move(w.form().frame("fraOptions3"));
  EXPECT_EQ(w.form().help_line(), "Choose System to Active Menu Option");
  pt::send_mouse_move(w.form().picture("picRegTo"));
  EXPECT_EQ(w.form().help_line(), "Dealer Name Can Be Changed Under Setup Menu");
  pt::send_mouse_move(w.form().frame("frmNotes"));
  EXPECT_EQ(w.form().help_line(), "");

  pt::send_enter(w.form().text_box("txtSelect2"));  // rebuilds row 2 into the preview line
  EXPECT_EQ(w.form().label("lblSystem")->text(), "Gas Furnace 95 System");
  pt::send_enter(w.form().button("btnReport"));
  EXPECT_TRUE(w.form().label("lblSystem")->text().isEmpty());
  pt::send_mouse_move(w.form().frame("FrmSystems"));
  EXPECT_TRUE(w.form().label("lblSystem")->text().isEmpty());
}

// The pointer moved onto a control as the window system moves it, and on by a pixel after a
// click: the help line shows the control's text and keeps it.
TEST_F(WindowBehaviourTest, HelpLineFollowsTheMouse) {
  MainWindow& w = new_project();
  ASSERT_TRUE(pt::show_and_activate(&w));
  for (const char* name : {"chkSave1", "chkSave2", "chkSave3"}) {
    SCOPED_TRACE(name);
    QWidget* box = w.form().control(name);
    QWidget* frame = w.form().frame("FrmSystems");
    QTest::mouseMove(frame, QPoint(3, frame->height() - 3));  // its own area: emptied
    EXPECT_EQ(w.form().help_line(), "");
    QTest::mouseMove(box);
    EXPECT_EQ(w.form().help_line(), "Freeze/Edit System Description");
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::mouseMove(box, box->rect().center() + QPoint(1, 0));
    EXPECT_EQ(w.form().help_line(), "Freeze/Edit System Description");
  }

  // A disabled button gets no mouse: its area is the frame's, which empties both lines.
  struct Row {
    const char* button;
    bool enabled;
    const char* help;
  };
  const Row rows[] = {{"btnFossil", true, "Select Electric or Fossil Equipment"},
                      {"btnAir", false, ""},
                      {"btnGeoT", false, ""},
                      {"btnGeo", true, "Select Geothermal Equipment"}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.button);
    QTest::mouseMove(w.form().text_box("txtSelect1"));
    ASSERT_FALSE(w.form().label("lblSystem")->text().isEmpty());
    QPushButton* button = w.form().button(r.button);
    ASSERT_EQ(button->isEnabled(), r.enabled);
    QTest::mouseMove(button);
    QTest::mouseMove(button, button->rect().center() + QPoint(1, 0));
    EXPECT_EQ(w.form().help_line().toStdString(), r.help);
    EXPECT_TRUE(w.form().label("lblSystem")->text().isEmpty());
  }
}

TEST_F(WindowBehaviourTest, ReportRunWaitsThenFillsAndShowsTheReports) {
  int fills = 0;
  state->services.Fill_ReportWorkbook = [&] { ++fills; };
  state->windows.add(program_state::WindowId::Reports,
                     program_state::make_window<testing::StandInWindow>);
  MainWindow& w = new_project();
  ASSERT_TRUE(w.form().button("btnReport")->isEnabled());
  w.form().text_box("txtSelect1")->setText("typed");
  w.btnReport_Click();
  EXPECT_FALSE(w.form().label("Label2")->isHidden());
  EXPECT_EQ(w.form().help_line(), "Processing Request...Please Wait");
  EXPECT_EQ(fills, 0);
  EXPECT_EQ(state->model.ProjectRec.System1_Description.trimmed(),
            "RKD036 / Vert 1 U-Tube - 0.75\"");  // rebuilt and stored first
  QSignalSpy shown(&w, &MainWindow::activated);
  ASSERT_TRUE(shown.wait(3000));
  EXPECT_EQ(fills, 1);
  EXPECT_TRUE(w.form().label("Label2")->isHidden());
  EXPECT_EQ(w.form().help_line(), "");
  EXPECT_EQ(modal_windows.back(), "StandIn");
}

TEST_F(WindowBehaviourTest, WindowsOfLaterPartsOpenWhenRegistered) {
  struct Row {
    const char* name;
    program_state::WindowId id;
    void (MainWindow::*command)();
    const char* button;
  };
  const Row rows[] = {{"project", program_state::WindowId::ProjectInfo,
                       &MainWindow::btnProject_Click, "btnProject"},
                      {"rates", program_state::WindowId::UtilityRates,
                       &MainWindow::btnUtility_Click, "btnUtility"}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    state->windows.add(r.id, program_state::make_window<testing::StandInWindow>);
  }
  MainWindow& w = new_project();
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_TRUE(w.form().button(r.button)->isEnabled());
    const auto before = modal_windows.size();
    (w.*r.command)();
    EXPECT_EQ(modal_windows.size(), before + 1);
  }
}

}  // namespace
}  // namespace pellavan::app
