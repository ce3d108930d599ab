#pragma once
// What one view keeps for each sheet of its book: the block it shows, its zoom, which parts of a
// spreadsheet's furniture it shows and lets the user use, where it is scrolled, and how the sheet
// prints. Two views of one book keep states of their own.

#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sheet/address.h"
#include "sheet/sheet.h"

namespace pellavan::sheet::view {

inline constexpr int kMinZoom = 25;
inline constexpr int kMaxZoom = 200;

// A zoom in percent as a view takes it: 25 to 200.
constexpr int clamp_zoom(int percent) {
  return percent < kMinZoom ? kMinZoom : percent > kMaxZoom ? kMaxZoom : percent;
}

// The parts of a view that the read-only state of the program's windows switches off.
enum class Feature : std::uint8_t { kHeadings, kGrid, kTabs, kEditing, kSelection };
inline constexpr int kFeatureCount = 5;

class Features {
 public:
  static Features all() { return Features(std::bitset<kFeatureCount>().set()); }
  static Features none() { return Features(std::bitset<kFeatureCount>()); }
  bool has(Feature f) const { return bits_.test(static_cast<std::size_t>(f)); }
  void set(Feature f, bool on) { bits_.set(static_cast<std::size_t>(f), on); }
  friend bool operator==(const Features&, const Features&) = default;

 private:
  explicit Features(std::bitset<kFeatureCount> bits) : bits_(bits) {}
  std::bitset<kFeatureCount> bits_;
};

// The block a view shows, 1-based as the control's calls set it. The corners are kept as set, one
// call at a time, so a caller may move the last column before the first; range() orders them.
struct Block {
  int first_row = 1;
  int last_row = kMaxRows;
  int first_col = 1;
  int last_col = kMaxCols;
  RangePos range(int sheet) const;
  friend bool operator==(const Block&, const Block&) = default;
};

// A 1-based row or column number as the control's calls give it, brought into the sheet.
int clamp_row(int row);
int clamp_col(int col);

struct PrintSettings {
  std::optional<RangePos> area;  // none: the sheet's used range
  int scale_percent = 100;
  // Shrink (never beyond scale_percent) to pages_wide by pages_tall pages; 0 leaves that way free.
  bool fit = false;
  int pages_wide = 1;
  int pages_tall = 1;
  bool black_and_white = false;
  bool grid_lines = false;
  bool centred = false;  // the area in the middle of the page's width
  // Lines printed under the area on its last page, at its scale, wrapped to its width.
  std::vector<std::string> notes;
  friend bool operator==(const PrintSettings&, const PrintSettings&) = default;
};

// Print settings as a sheet stores them in its book: the starting point of every view's own.
PrintSettings print_settings_of(const Sheet& sheet);

struct SheetViewState {
  Block block;
  int zoom = 100;
  Features features = Features::all();
  PrintSettings print;
  int scroll_x = 0;  // pixels at the view's zoom from the block's left edge
  int scroll_y = 0;
  int current_row = 0;  // the selected cell, 0-based in the sheet (used while selection is on)
  int current_col = 0;
};

// A fresh state for a sheet: the whole sheet at 100 %, every feature on, its stored print settings.
SheetViewState initial_state(const Sheet& sheet);

}  // namespace pellavan::sheet::view
