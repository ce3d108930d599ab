// The drawn pictures: each has a name a record's picture field can hold and draws a real
// image of its size.

#include <gtest/gtest.h>

#include <QImage>
#include <set>
#include <string>

#include "mkpictures/pictures.h"

namespace pellavan::mkpictures {
namespace {

TEST(MkpicturesTest, NamesAreUniqueBitmapsThatFitAPictureField) {
  std::set<std::string_view> names;
  for (const auto& picture : all_pictures()) {
    SCOPED_TRACE(std::string(picture.name));
    EXPECT_TRUE(names.insert(picture.name).second);
    EXPECT_TRUE(picture.name.ends_with(".bmp"));
    EXPECT_LE(picture.name.size(), 20u);  // the Picture field of the equipment records
    EXPECT_EQ(find_picture(picture.name), &picture);
  }
  EXPECT_EQ(find_picture("Missing.bmp"), nullptr);
}

TEST(MkpicturesTest, LoopPicturesFitTheLoopRecordsShorterField) {
  for (const char* name : {"Vert1U.bmp", "Vert2U.bmp", "Horz1P.bmp", "Horz2P.bmp", "Horz4P.bmp",
                           "Horz6P.bmp", "Slinky.bmp", "Pond.bmp", "PondSlk.bmp", "Well.bmp"}) {
    SCOPED_TRACE(name);
    ASSERT_NE(find_picture(name), nullptr);
    EXPECT_LE(std::string_view(name).size(), 12u);
  }
}

TEST(MkpicturesTest, EveryPictureDrawsSomethingOfItsSize) {
  for (const auto& picture : all_pictures()) {
    SCOPED_TRACE(std::string(picture.name));
    const QImage image = render(picture);
    ASSERT_EQ(image.width(), picture.width);
    ASSERT_EQ(image.height(), picture.height);
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); y += 4)
      for (int x = 0; x < image.width(); x += 4) colours.insert(image.pixel(x, y));
    EXPECT_GT(colours.size(), 8u);
  }
}

TEST(MkpicturesTest, TheDisclaimerLogoIsDrawnOnItsTransparentWhite) {
  // The disclaimer window copies Logook.bmp without its white pixels.
  const QImage logo = render(*find_picture("Logook.bmp"));
  EXPECT_EQ(logo.pixel(0, 0), qRgb(255, 255, 255));
  EXPECT_EQ(logo.pixel(logo.width() - 1, logo.height() - 1), qRgb(255, 255, 255));
}

}  // namespace
}  // namespace pellavan::mkpictures
