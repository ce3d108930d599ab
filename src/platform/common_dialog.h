#pragma once
// cDialog, the file dialog class the transfer classes ask with: the open or save dialog, or the
// folder browser, handing back the chosen path ("" on Cancel). Filters are pairs of description
// and pattern joined by "|" ("All Files|*.*"); "*.*" means every file. A start folder of "C:\"
// stands for the home folder. Tests install a hook that sees the prepared dialog and answers in
// its place.

#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

class QFileDialog;

namespace pellavan::platform {

class cDialog {
 public:
  // The folder browser; the chosen folder, "" on Cancel. Changes nothing of the instance.
  QString BrowseFolder(const QString& szDialogTitle);
  // The open or save dialog; the chosen path, "" on Cancel.
  QString Action();

  // Owner window by its native id; 0: no owner.
  void hwnd(WId SourcehWnd) { owner_ = SourcehWnd; }
  // True: the open dialog (the file must exist); false: the save dialog (asks before replacing).
  void ModeOpen(bool DialogMode) { mode_ = DialogMode ? 1 : 0; }
  void Title(const QString& DialogTitle) { title_ = DialogTitle; }
  void FileName(const QString& DefaultFile) { file_name_ = DefaultFile; }
  [[nodiscard]] const QString& FileName() const { return file_name_; }
  void Filter(const QString& FilterList);
  void StartDir(const QString& InitialDir) { start_dir_ = InitialDir; }
  void DefaultExtension(const QString& DefExt) { default_extension_ = DefExt; }
  // Name and extension of the last chosen file.
  [[nodiscard]] const QString& FileTitle() const { return file_title_; }
  // Folder of the last chosen file, with its closing "/".
  [[nodiscard]] const QString& FileDir() const { return file_dir_; }

 private:
  void ApplyDefaults();
  void SetFileDir();

  WId owner_ = 0;
  int mode_ = 0;  // 1: open, anything else: save
  QString title_;
  QString file_name_;
  QString filter_;  // "|" kept as NUL characters
  QString start_dir_;
  QString default_extension_;
  QString file_title_;
  QString file_dir_;
  int filter_index_ = 0;
};

// The prepared dialog goes to the hook instead of being shown; it answers the chosen path, or
// nothing for Cancel. Returns the previous hook.
using CommonDialogHook = std::function<std::optional<QString>(QFileDialog&)>;
CommonDialogHook set_common_dialog_hook(CommonDialogHook hook);

// The folder of `path` with its closing "/": "/data/x.txt" -> "/data/".
[[nodiscard]] QString folder_of(const QString& path);

}  // namespace pellavan::platform
