#include "platform/file_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>
#include <utility>

#include "platform/replaceable.h"

namespace pellavan::platform {
namespace {

Replaceable<std::optional<QString>(const FileDialogRequest&)>& hook() {
  static Replaceable<std::optional<QString>(const FileDialogRequest&)> h;
  return h;
}

}  // namespace

FileDialogHook set_file_dialog_hook(FileDialogHook h) { return hook().replace(std::move(h)); }

QString qt_name_filters(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString description = parts[i].trimmed();
    const QString patterns = parts[i + 1].trimmed().replace(QLatin1Char(';'), QLatin1Char(' '));
    filters.append(description.endsWith(QLatin1Char('(') + patterns + QLatin1Char(')'))
                       ? description
                       : description + QLatin1String(" (") + patterns + QLatin1Char(')'));
  }
  return filters.join(QLatin1String(";;"));
}

QString file_title_of(const QString& path) { return QFileInfo(path).fileName(); }

std::optional<QString> run_file_dialog(QWidget* parent, const FileDialogRequest& request) {
  if (hook()) return hook()(request);
  const bool open = request.mode == FileDialogRequest::Mode::kOpen;
  QString title = request.title;
  if (title.isEmpty()) title = open ? QStringLiteral("Open") : QStringLiteral("Save As");
  QFileDialog dialog(parent, title, request.folder, qt_name_filters(request.filter));
  dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setDefaultSuffix(request.default_suffix);
  if (!request.file_name.isEmpty()) dialog.selectFile(request.file_name);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst();
}

}  // namespace pellavan::platform
