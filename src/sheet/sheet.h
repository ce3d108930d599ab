#pragma once
// What a sheet holds besides its cells: name, column widths and row heights, hidden columns and
// rows, print area and page setup, and the pictures drawn over it. (The cells themselves live in
// the Book, in one array for all sheets.)

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sheet/address.h"

namespace pellavan::sheet {

struct PageSetup {
  bool landscape = false;
  // Inches.
  double margin_left = 0.75, margin_right = 0.75, margin_top = 1.0, margin_bottom = 1.0;
  int scale_percent = 100;
  int fit_pages_wide = 0;  // 0: no fitting, print at scale_percent
  int fit_pages_tall = 0;
  bool black_and_white = false;
  bool center_horizontally = false;  // the printed block centred between the side margins
  friend bool operator==(const PageSetup&, const PageSetup&) = default;
};

// A position over the grid in cell units: the whole part is a 0-based column (row), the fraction
// the part of that cell's width (height) from its left (top) edge.
struct GridPoint {
  double col = 0.0;
  double row = 0.0;
};

// How a picture's data are encoded. The engine only stores them; the view decodes and draws.
enum class PictureFormat : std::uint8_t {
  kPng,
  kRecorded,  // drawing commands recorded by the view layer, drawn as lines and texts at any size
};

// A picture anchored at two grid points, stretched to fill the rectangle between them.
struct Picture {
  std::uint32_t id = 0;
  GridPoint top_left;
  GridPoint bottom_right;
  std::vector<std::uint8_t> data;
  PictureFormat format = PictureFormat::kPng;
};

class Sheet {
 public:
  explicit Sheet(std::string name) : name_(std::move(name)) {}

  const std::string& name() const { return name_; }

  // Widths in characters of the default font, as spreadsheets give them; heights in points.
  double default_column_width() const { return default_width_; }
  double default_row_height() const { return default_height_; }
  void set_default_column_width(double chars) { default_width_ = chars; }
  void set_default_row_height(double points) { default_height_ = points; }
  double column_width(int col) const;
  double row_height(int row) const;
  void set_column_width(int col, double chars);
  void set_row_height(int row, double points);
  bool column_hidden(int col) const { return flag(hidden_cols_, col); }
  bool row_hidden(int row) const { return flag(hidden_rows_, row); }
  void set_column_hidden(int col, bool hidden);
  void set_row_hidden(int row, bool hidden);

  const std::optional<RangePos>& print_area() const { return print_area_; }
  void set_print_area(std::optional<RangePos> area) { print_area_ = area; }
  PageSetup& page_setup() { return page_; }
  const PageSetup& page_setup() const { return page_; }

  const std::vector<Picture>& pictures() const { return pictures_; }
  // Returns the new picture's id.
  std::uint32_t add_picture(GridPoint top_left, GridPoint bottom_right,
                            std::vector<std::uint8_t> data,
                            PictureFormat format = PictureFormat::kPng);
  bool remove_picture(std::uint32_t id);
  void clear_pictures() { pictures_.clear(); }

 private:
  static bool flag(const std::vector<bool>& v, int i) {
    return i >= 0 && static_cast<std::size_t>(i) < v.size() && v[i];
  }
  static void set_flag(std::vector<bool>& v, int i, bool on);

  std::string name_;
  double default_width_ = 8.43;
  double default_height_ = 12.75;
  std::vector<double> widths_;   // 0: default
  std::vector<double> heights_;  // 0: default
  std::vector<bool> hidden_cols_;
  std::vector<bool> hidden_rows_;
  std::optional<RangePos> print_area_;
  PageSetup page_;
  std::vector<Picture> pictures_;
  std::uint32_t next_picture_id_ = 1;
};

}  // namespace pellavan::sheet
