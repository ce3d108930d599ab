#pragma once
// The pictures of the Data folder by file name, and their rendering.

#include <QImage>
#include <span>
#include <string_view>

#include <QPainter>
#include <QSizeF>

namespace pellavan::mkpictures {

struct Picture {
  std::string_view name;  // file name in the Data folder
  int width;
  int height;
  void (*draw)(QPainter&, const QSizeF&);
};

[[nodiscard]] std::span<const Picture> all_pictures();

// nullptr for a name no picture has.
[[nodiscard]] const Picture* find_picture(std::string_view name);

// The picture drawn on a white canvas of its size.
[[nodiscard]] QImage render(const Picture& picture);

}  // namespace pellavan::mkpictures
