#pragma once
// The open and save file dialogs, with the filter, default name and default extension the
// commands give. Filters are written as the designs have them, "Icons(*.pvn)|*.pvn" (pairs of
// description and patterns joined by "|"). Tests install a hook that answers instead.

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace pellavan::platform {

struct FileDialogRequest {
  enum class Mode { kOpen, kSave };
  Mode mode = Mode::kOpen;
  QString title;           // empty: "Open" or "Save As"
  QString filter;          // "Icons(*.pvn)|*.pvn"
  QString file_name;       // proposed name without folder
  QString default_suffix;  // added to a name typed without extension
  QString folder;          // where the dialog opens; empty: the current folder
};
// Open: the file and its folder must exist. Save: its folder must exist, and an existing file
// is only replaced after the user agrees.

// The chosen full file name; nothing when the user cancelled.
using FileDialogHook = std::function<std::optional<QString>(const FileDialogRequest&)>;
FileDialogHook set_file_dialog_hook(FileDialogHook hook);

[[nodiscard]] std::optional<QString> run_file_dialog(QWidget* parent,
                                                     const FileDialogRequest& request);

// "Icons(*.pvn)|*.pvn" -> "Icons(*.pvn)"; "Rates|*.rat;*.old" -> "Rates (*.rat *.old)".
[[nodiscard]] QString qt_name_filters(const QString& filter);

// The name without its folder.
[[nodiscard]] QString file_title_of(const QString& path);

}  // namespace pellavan::platform
