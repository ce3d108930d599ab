#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>

#include "platform/designed_dialog.h"
#include "platform/layout_fonts.h"
#include "platform/twips.h"
#include "platform/window_preset.h"

namespace pellavan::platform {
namespace {

constexpr ControlDesign kControls[] = {
    {.name = "txtName", .kind = ControlKind::TextBox, .rect = {120, 120, 3000, 300}},
};
constexpr WindowDesign kDesign{.name = "FormP",
                               .caption = "Preset",
                               .client_width = 6000,
                               .client_height = 4000,
                               .controls = kControls};

TEST(WindowPresetTest, OuterSizeIsTheTwipSizeCutToTheScreen) {
  const QSize available = QGuiApplication::primaryScreen()->availableGeometry().size();
  const QSize per_screen = pixels_to_twips(available);
  struct Row {
    const char* name;
    QSize twips;
    QSize expected;
  };
  const Row rows[] = {
      {"fits", {6000, 4500}, twips_to_pixels({6000, 4500})},
      {"too wide",
       {per_screen.width() + 3000, 4500},
       {available.width(), twips_to_pixels({6000, 4500}).height()}},
      {"too large both ways", per_screen * 2, available},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    DesignedDialog dialog(kDesign);
    EXPECT_EQ(outer_size_pixels(&dialog, r.twips.width(), r.twips.height()), r.expected);
    set_outer_size(&dialog, r.twips.width(), r.twips.height());
    EXPECT_LE(dialog.frameGeometry().width(), available.width());
    EXPECT_LE(dialog.frameGeometry().height(), available.height());
  }
}

TEST(WindowPresetTest, PresetScalesTheFormAndSetsTheFace) {
  DesignedDialog dialog(kDesign);
  const QSize design = dialog.form().design_pixels();
  apply_window_preset(&dialog, {12000, 8000, kLargeLayoutFace});
  dialog.show();
  EXPECT_NEAR(dialog.form().scale_x(), 2.0, 0.05);
  EXPECT_NEAR(dialog.form().scale_y(), 2.0, 0.05);
  EXPECT_EQ(dialog.form().text_box("txtName")->width(),
            qRound(3000 * twip_scale().x * dialog.form().scale_x()));
  EXPECT_EQ(dialog.form().font_face(), kLargeLayoutFace);
  EXPECT_EQ(dialog.form().text_box("txtName")->font().family(),
            drawn_face(kLargeLayoutFace).family);
  EXPECT_GT(dialog.form().width(), design.width());
}

TEST(LayoutFontsTest, DesignFacesMapToInstalledFamilies) {
  EXPECT_FALSE(drawn_face(kLargeLayoutFace).family.isEmpty());
  EXPECT_EQ(drawn_face("NEW TIMES ROMAN").family, drawn_face(kLargeLayoutFace).family);
  EXPECT_EQ(drawn_face("Tahoma").family, drawn_face(kNormalLayoutFace).family);
  EXPECT_NE(drawn_face(kLargeLayoutFace).family, drawn_face(kNormalLayoutFace).family);
}

// With the Liberation faces installed (tools/install-deps.sh) every design face is drawn with
// the letter widths it was designed with.
TEST(LayoutFontsTest, DesignFacesGetTheirMetricCompatibleFaces) {
  const QStringList installed = QFontDatabase::families();
  for (const char* family : {"Liberation Sans", "Liberation Serif"})
    if (!installed.contains(QLatin1String(family))) GTEST_SKIP() << family << " is not installed";
  const struct {
    const char* design;
    const char* own;  // drawn instead when installed
    const char* compatible;
  } kFaces[] = {{"Arial", "Arial", "Liberation Sans"},
                {"MS Sans Serif", "Arial", "Liberation Sans"},
                {"Times New Roman", "Times New Roman", "Liberation Serif"},
                {"new times roman", "Times New Roman", "Liberation Serif"}};
  for (const auto& f : kFaces) {
    SCOPED_TRACE(f.design);
    const DrawnFace face = drawn_face(QLatin1String(f.design));
    EXPECT_EQ(face.family,
              QLatin1String(installed.contains(QLatin1String(f.own)) ? f.own : f.compatible));
    EXPECT_EQ(face.size_factor, 1.0);
    EXPECT_EQ(QFontInfo(layout_font(QLatin1String(f.design), 10)).family(), face.family);
  }
}

}  // namespace
}  // namespace pellavan::platform
