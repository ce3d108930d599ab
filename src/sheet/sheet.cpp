#include "sheet/sheet.h"

#include <algorithm>

#include "sheet/errors.h"

namespace pellavan::sheet {

namespace {

double size_or(const std::vector<double>& sizes, int i, double fallback) {
  return i >= 0 && static_cast<std::size_t>(i) < sizes.size() && sizes[i] > 0.0 ? sizes[i]
                                                                                : fallback;
}

void set_size(std::vector<double>& sizes, int i, int limit, double value, const char* what) {
  if (i < 0 || i >= limit)
    throw BadCall(std::string("no such ") + what + ": " + std::to_string(i + 1));
  if (value < 0.0) throw BadCall(std::string("negative ") + what + " size");
  if (static_cast<std::size_t>(i) >= sizes.size()) sizes.resize(i + 1, 0.0);
  sizes[i] = value;
}

}  // namespace

double Sheet::column_width(int col) const { return size_or(widths_, col, default_width_); }
double Sheet::row_height(int row) const { return size_or(heights_, row, default_height_); }
void Sheet::set_column_width(int col, double chars) {
  set_size(widths_, col, kMaxCols, chars, "column");
}
void Sheet::set_row_height(int row, double points) {
  set_size(heights_, row, kMaxRows, points, "row");
}

void Sheet::set_flag(std::vector<bool>& v, int i, bool on) {
  if (i < 0) throw BadCall("negative row or column");
  if (static_cast<std::size_t>(i) >= v.size()) {
    if (!on) return;
    v.resize(i + 1, false);
  }
  v[i] = on;
}

void Sheet::set_column_hidden(int col, bool hidden) {
  if (col >= kMaxCols) throw BadCall("no such column: " + std::to_string(col + 1));
  set_flag(hidden_cols_, col, hidden);
}

void Sheet::set_row_hidden(int row, bool hidden) {
  if (row >= kMaxRows) throw BadCall("no such row: " + std::to_string(row + 1));
  set_flag(hidden_rows_, row, hidden);
}

std::uint32_t Sheet::add_picture(GridPoint top_left, GridPoint bottom_right,
                                 std::vector<std::uint8_t> data, PictureFormat format) {
  pictures_.push_back(Picture{next_picture_id_, top_left, bottom_right, std::move(data), format});
  return next_picture_id_++;
}

bool Sheet::remove_picture(std::uint32_t id) {
  const auto it = std::find_if(pictures_.begin(), pictures_.end(),
                               [&](const Picture& p) { return p.id == id; });
  if (it == pictures_.end()) return false;
  pictures_.erase(it);
  return true;
}

}  // namespace pellavan::sheet
