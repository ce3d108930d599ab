#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

#include "platform/designed_form.h"
#include "platform/help_topic.h"
#include "platform/layout_fonts.h"
#include "platform/picture_box.h"
#include "platform/twips.h"
#include "platform/window_test_support.h"

namespace pellavan::platform {
namespace {

constexpr ViewMask kFirst = 1;
constexpr ViewMask kSecond = 2;

// A window of 6000 x 3000 twips: a frame holding two text boxes (tab order reversed against the
// table), a labelled check box, a button shown only in the second view, a picture and the help
// line. Frame children are placed relative to the frame.
constexpr ControlDesign kControls[] = {
    {.name = "frmData",
     .kind = ControlKind::Frame,
     .caption = "Data",
     .rect = {300, 150, 3000, 1800},
     .help_topic = 560,
     .font = {.points = 8, .bold = true}},
    {.name = "txtFirst",
     .kind = ControlKind::TextBox,
     .rect = {150, 300, 1500, 300},
     .container = "frmData",
     .help_line = "First field",
     .tab_index = 2,
     .max_length = 5},
    {.name = "txtSecond",
     .kind = ControlKind::TextBox,
     .rect = {150, 900, 1500, 300},
     .container = "frmData",
     .help_topic = 610,
     .help_line = "Second field",
     .tab_index = 1},
    {.name = "chkKeep",
     .kind = ControlKind::CheckBox,
     .caption = "Keep",
     .rect = {3600, 300, 1500, 300},
     .help_line = "Keep it",
     .tab_index = 3},
    {.name = "btnGo",
     .kind = ControlKind::Button,
     .caption = "&Go",
     .rect = {3600, 900, 1500, 450},
     .views = kSecond},
    {.name = "picPanel",
     .kind = ControlKind::Picture,
     .rect = {3600, 1500, 1500, 600},
     .help_line = "A panel",
     .back = rgb(255, 255, 255)},
    {.name = "lblHelp",
     .kind = ControlKind::Label,
     .rect = {300, 2400, 5400, 300},
     .fore = rgb(0, 0, 255),
     .views = kFirst},
    {.name = "lblHidden", .kind = ControlKind::Label, .caption = "Wait", .views = kNoView},
};
constexpr WindowDesign kDesign{.name = "FormT",
                               .caption = "Test",
                               .client_width = 6000,
                               .client_height = 3000,
                               .help_topic = 20,
                               .help_label = "lblHelp",
                               .controls = kControls};

QRect expected_rect(const TwipRect& r, double scale) {
  const TwipScale t = twip_scale();
  const auto px = [](double v) { return static_cast<int>(std::lround(v)); };
  const int left = px(r.left * t.x * scale), top = px(r.top * t.y * scale);
  return {left, top, px((r.left + r.width) * t.x * scale) - left,
          px((r.top + r.height) * t.y * scale) - top};
}

TEST(DesignedFormTest, BuildsEveryControlInItsContainer) {
  DesignedForm form(kDesign);
  EXPECT_EQ(form.frame("frmData")->title(), "Data");
  EXPECT_EQ(form.text_box("txtFirst")->parentWidget(), form.frame("frmData"));
  EXPECT_EQ(form.check_box("chkKeep")->parentWidget(), &form);
  EXPECT_EQ(form.button("btnGo")->text(), "&Go");
  EXPECT_EQ(own_help_topic(form.frame("frmData")), 560);
  EXPECT_EQ(help_topic_for(form.text_box("txtFirst")), 560);
  EXPECT_EQ(help_topic_for(form.text_box("txtSecond")), 610);
  EXPECT_EQ(help_topic_for(form.check_box("chkKeep")), 20);  // the window's topic
  EXPECT_NE(form.picture("picPanel"), nullptr);
  EXPECT_EQ(form.name_of(form.check_box("chkKeep")), "chkKeep");
}

TEST(DesignedFormTest, UnknownNamesAndWrongKindsAreRefused) {
  DesignedForm form(kDesign);
  EXPECT_FALSE(form.has("txtThird"));
  EXPECT_THROW((void)form.control("txtThird"), std::out_of_range);
  EXPECT_THROW((void)form.button("txtFirst"), std::logic_error);
}

TEST(DesignedFormTest, DuplicateNamesAreRefused) {
  static constexpr ControlDesign twice[] = {{.name = "a"}, {.name = "a"}};
  EXPECT_THROW(DesignedForm(WindowDesign{.name = "X", .controls = twice}), std::logic_error);
}

TEST(DesignedFormTest, PlacesAndScalesInProportion) {
  struct Row {
    const char* name;
    double scale;
  };
  for (const Row& r : {Row{"design size", 1.0}, Row{"double", 2.0}, Row{"larger", 1.5}}) {
    SCOPED_TRACE(r.name);
    DesignedForm form(kDesign);
    form.show();
    form.resize(form.design_pixels() * r.scale);
    EXPECT_DOUBLE_EQ(form.scale_x(),
                     static_cast<double>(form.width()) / form.design_pixels().width());
    EXPECT_NEAR(form.scale_x(), r.scale, 0.01);
    EXPECT_EQ(form.frame("frmData")->geometry(), expected_rect(kControls[0].rect, form.scale_x()));
    EXPECT_EQ(form.text_box("txtSecond")->geometry(),
              expected_rect(kControls[2].rect, form.scale_x()));
  }
}

TEST(DesignedFormTest, FontsFollowTheScaleAndTheLayoutFace) {
  DesignedForm form(kDesign);
  form.show();
  const double design_points = form.frame("frmData")->font().pointSizeF();
  EXPECT_TRUE(form.frame("frmData")->font().bold());
  form.resize(form.design_pixels() * 2);
  EXPECT_NEAR(form.frame("frmData")->font().pointSizeF(), 2 * design_points, 0.1);
  EXPECT_EQ(form.text_box("txtFirst")->font().family(), drawn_face(kNormalLayoutFace).family);
  form.set_font_face(kLargeLayoutFace);
  EXPECT_EQ(form.font_face(), kLargeLayoutFace);
  EXPECT_EQ(form.text_box("txtFirst")->font().family(), drawn_face(kLargeLayoutFace).family);
  EXPECT_TRUE(form.frame("frmData")->font().bold());
}

TEST(DesignedFormTest, ViewsShowTheirControls) {
  DesignedForm form(kDesign);
  form.show();
  EXPECT_FALSE(form.label("lblHidden")->isVisible());
  form.show_view(kFirst);
  EXPECT_TRUE(form.label("lblHelp")->isVisible());
  EXPECT_FALSE(form.button("btnGo")->isVisible());
  EXPECT_TRUE(form.check_box("chkKeep")->isVisible());
  form.show_view(kSecond);
  EXPECT_FALSE(form.label("lblHelp")->isVisible());
  EXPECT_TRUE(form.button("btnGo")->isVisible());
  EXPECT_FALSE(form.label("lblHidden")->isVisible());
}

TEST(DesignedFormTest, HelpLineFollowsPointerAndFocus) {
  DesignedForm form(kDesign);
  ASSERT_TRUE(testing::show_and_activate(&form));
  QSignalSpy hovered(&form, &DesignedForm::hovered);

  testing::send_enter(form.check_box("chkKeep"));
  EXPECT_EQ(form.help_line(), "Keep it");
  testing::send_mouse_move(form.frame("frmData"));
  EXPECT_EQ(form.help_line(), "");
  testing::send_mouse_move(form.picture("picPanel"));
  EXPECT_EQ(form.help_line(), "A panel");
  testing::send_mouse_move(&form);
  EXPECT_EQ(form.help_line(), "");
  testing::send_enter(form.button("btnGo"));  // no text of its own: the line stays
  EXPECT_EQ(form.help_line(), "");

  ASSERT_EQ(hovered.count(), 5);
  EXPECT_EQ(hovered.at(0).at(0).toString(), "chkKeep");
  EXPECT_EQ(hovered.at(3).at(0).toString(), "FormT");

  form.text_box("txtFirst")->setFocus();
  QSignalSpy focused(&form, &DesignedForm::focused);
  form.text_box("txtSecond")->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(form.help_line(), "Second field");
  ASSERT_GE(focused.count(), 1);
  EXPECT_EQ(focused.last().at(0).toString(), "txtSecond");
}

TEST(DesignedFormTest, EnterMovesOnInTabOrder) {
  DesignedForm form(kDesign);
  ASSERT_TRUE(testing::show_and_activate(&form));
  form.text_box("txtSecond")->setFocus();
  testing::press(form.text_box("txtSecond"), Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), form.text_box("txtFirst"));
  testing::press(form.text_box("txtFirst"), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(QApplication::focusWidget(), form.check_box("chkKeep"));
}

// Enter whose handler refused an entry of its own window keeps the focus; a refusal in another
// window leaves it moving on.
TEST(DesignedFormTest, EnterStaysAfterARefusalOfItsOwnWindowOnly) {
  DesignedForm form(kDesign), other(kDesign);
  ASSERT_TRUE(testing::show_and_activate(&form));
  QLineEdit* const box = form.text_box("txtSecond");
  DesignedForm* refusing = &other;
  form.listen(form.control_of(box), Event::KeyDown,
              [&](ControlEvent&) { refusing->return_to_refused(refusing->text_box("txtSecond")); });
  for (const bool own : {false, true}) {
    refusing = own ? &form : &other;
    box->setFocus();
    testing::press(box, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), own ? box : form.text_box("txtFirst")) << own;
  }
}

TEST(DesignedFormTest, FocusSelectsTheWholeText) {
  DesignedForm form(kDesign);
  ASSERT_TRUE(testing::show_and_activate(&form));
  form.text_box("txtFirst")->setText("abc");
  form.text_box("txtFirst")->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(form.text_box("txtFirst")->selectedText(), "abc");
}

TEST(PictureBoxTest, PrintZonesAreFourteenCharactersApart) {
  PictureBox box;
  box.resize(400, 200);
  const int zone = 14 * QFontMetrics(box.font()).averageCharWidth();
  const QList<int> starts = box.part_positions(QStringLiteral(" Fax:\t556"));
  ASSERT_EQ(starts.size(), 2);
  EXPECT_EQ(starts[1] - starts[0], zone);
  const QList<int> long_first = box.part_positions(QString(20, u'W') + QStringLiteral("\tx"));
  EXPECT_EQ((long_first[1] - long_first[0]) % zone, 0);
  EXPECT_GT(long_first[1] - long_first[0], zone);
  box.print_line(QString::fromLatin1("a\0b", 3));
  EXPECT_EQ(box.printed_lines().constFirst(), "ab");
}

TEST(PictureBoxTest, ReplacesOneColourOnly) {
  QImage logo(2, 1, QImage::Format_RGB32);
  logo.setPixel(0, 0, qRgb(255, 255, 255));
  logo.setPixel(1, 0, qRgb(10, 20, 30));
  const QImage out = with_colour_replaced(logo, qRgb(255, 255, 255), qRgb(192, 192, 192));
  EXPECT_EQ(out.pixel(0, 0), qRgb(192, 192, 192));
  EXPECT_EQ(out.pixel(1, 0), qRgb(10, 20, 30));
}

}  // namespace
}  // namespace pellavan::platform
