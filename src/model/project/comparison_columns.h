#pragma once
// The three comparison columns of the main window, without the window: each row's system kind,
// its freeze flag and its description, the description preview line, and the rules that tie
// them together. A kind may be chosen in one row only; choosing it elsewhere sets the other row
// to "None". A frozen row keeps the user's description; an unfrozen one follows its choice.
//
// The window shows this state and forwards the user's choices; a change made here from code
// runs the same handling as the user's click (only when the value really changes), so one
// choice may rebuild up to three descriptions in a nest.

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "model/project/system_kinds.h"
#include "model/records/project_rec.h"

namespace pellavan::model {

// What a new or opened project tells of its columns whose code names no kind the program knows
// (load() shows them as "None"), in one sentence: "Option 3 Holds System Code 5, Which This
// Version of Pellavan Does Not Know -- It Is Shown as No System". nullopt when every code is known.
[[nodiscard]] std::optional<std::string> unknown_systems_notice(const ProjectRec& rec);

class ComparisonColumns {
 public:
  static constexpr int kRows = 3;

  // The name of the loop record with that id in the loop catalogue the unit options choose,
  // or nothing when there is none (the project's stored loop name is used instead).
  using LoopNameLookup = std::function<std::optional<std::string>(Int16 loop_id)>;

  struct Row {
    SystemType selected = SystemType::NoSystem;
    bool frozen = false;
    std::string description;  // UTF-8, as the description box shows it
  };

  explicit ComparisonColumns(LoopNameLookup lookup);

  // n is 1..3.
  [[nodiscard]] const Row& row(int n) const;
  // The last description built, of any row, until cleared.
  [[nodiscard]] const std::string& preview() const { return preview_; }
  void clear_preview() { preview_.clear(); }

  // The option button of `kind` in row n becomes selected; nothing happens when it already was.
  void select(int n, SystemType kind, const ProjectRec& rec);
  // The freeze box of row n changes; a change rebuilds the row's description.
  void set_frozen(int n, bool frozen, const ProjectRec& rec);
  // The user's own text in row n's box.
  void set_description(int n, std::string text);

  // Builds row n's description into the preview line and, unless the row is frozen, its box.
  // Row 1 first refreshes the three loop texts, which rows 2 and 3 then use as they are.
  void Show_Unit(int n, const ProjectRec& rec);

  // Builds every row's description (a frozen row keeps its text), then empties the preview
  // line: what the window background's mouse move, the reports and every save start with, so
  // that an unfrozen row describes the equipment the project holds now.
  void rebuild_descriptions(const ProjectRec& rec);

  // Whether some row has chosen the kind: its system button and menu entry are enabled.
  [[nodiscard]] bool chosen(SystemType kind) const;

  // Copies the rows into rec: descriptions cut or padded to 75 characters, freeze flags,
  // type codes, and the current file tag "KQ7".
  void Store_Selections(ProjectRec& rec) const;

  // The main window's activation: freeze flags, then each row's stored kind (a code naming no
  // kind keeps the row's choice), then the preview line is emptied.
  void restore(const ProjectRec& rec);

  // A new or opened project: descriptions from rec (trimmed when opened), then freeze flags and
  // kinds as restore() sets them, except that a code naming no kind (5, a damaged file's 99 or -1)
  // sets the row to "None", unfrozen, with the description of no system: no row keeps the choice
  // of the project before, nor a description of a system the program cannot compute.
  void load(const ProjectRec& rec, bool trim_descriptions);

 private:
  Row& row_ref(int n);
  void restore_rows(const ProjectRec& rec, bool unknown_is_none);
  void refresh_loop_texts(const ProjectRec& rec);
  [[nodiscard]] std::string built_description(SystemType kind, const ProjectRec& rec) const;

  LoopNameLookup lookup_;
  std::array<Row, kRows> rows_{};
  std::string preview_;
  std::array<std::string, kSystemKinds.size()> loop_texts_;  // by row of kSystemKinds; geo only
};

}  // namespace pellavan::model
