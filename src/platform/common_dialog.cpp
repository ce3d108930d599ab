#include "platform/common_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>
#include <utility>

#include "platform/file_dialogs.h"
#include "platform/replaceable.h"

namespace pellavan::platform {
namespace {

Replaceable<std::optional<QString>(QFileDialog&)>& hook() {
  static Replaceable<std::optional<QString>(QFileDialog&)> h;
  return h;
}

std::optional<QString> run(QFileDialog& dialog) {
  if (hook()) return hook()(dialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst();
}

// The stored filter as Qt's name filters, "*.*" read as every file.
QStringList qt_filters(const QString& stored) {
  QStringList parts =
      QString(stored).replace(QChar(u'\0'), QLatin1Char('|')).split(QLatin1Char('|'));
  for (qsizetype i = 1; i < parts.size(); i += 2) {
    QStringList patterns = parts[i].split(QLatin1Char(';'));
    for (QString& p : patterns)
      if (p.trimmed() == QLatin1String("*.*")) p = QStringLiteral("*");
    parts[i] = patterns.join(QLatin1Char(';'));
  }
  return qt_name_filters(parts.join(QLatin1Char('|'))).split(QStringLiteral(";;"));
}

QString start_folder(const QString& dir) {
  return dir.compare(QLatin1String("C:\\"), Qt::CaseInsensitive) == 0 ? QDir::homePath() : dir;
}

QWidget* owner_widget(WId id) { return id == 0 ? nullptr : QWidget::find(id); }

}  // namespace

CommonDialogHook set_common_dialog_hook(CommonDialogHook h) { return hook().replace(std::move(h)); }

QString folder_of(const QString& path) {
  const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
  return slash < 0 ? QString() : path.left(slash + 1);
}

void cDialog::Filter(const QString& FilterList) {
  filter_ = QString(FilterList).replace(QLatin1Char('|'), QChar(u'\0'));
}

void cDialog::ApplyDefaults() {
  if (filter_.isEmpty()) Filter(QStringLiteral("All Files|*.*"));
  if (start_dir_.isEmpty()) start_dir_ = QStringLiteral("C:\\");
  if (filter_index_ == 0) filter_index_ = 1;
}

void cDialog::SetFileDir() { file_dir_ = folder_of(file_name_); }

QString cDialog::Action() {
  ApplyDefaults();
  QFileDialog dialog(owner_widget(owner_), title_, start_folder(start_dir_));
  const QStringList filters = qt_filters(filter_);
  dialog.setNameFilters(filters);
  if (filter_index_ <= filters.size()) dialog.selectNameFilter(filters[filter_index_ - 1]);
  const bool open = mode_ == 1;
  dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  QString extension = default_extension_;
  if (extension.startsWith(QLatin1Char('.'))) extension.remove(0, 1);
  dialog.setDefaultSuffix(extension);
  if (!file_name_.isEmpty()) dialog.selectFile(file_name_);
  const auto chosen = run(dialog);
  if (!chosen || chosen->isEmpty()) {
    file_name_.clear();
    return file_name_;
  }
  file_name_ = *chosen;
  file_title_ = QFileInfo(file_name_).fileName();
  SetFileDir();
  return file_name_;
}

QString cDialog::BrowseFolder(const QString& szDialogTitle) {
  QFileDialog dialog(owner_widget(owner_), szDialogTitle, QDir::homePath());
  dialog.setFileMode(QFileDialog::Directory);
  dialog.setOption(QFileDialog::ShowDirsOnly);
  return run(dialog).value_or(QString());
}

}  // namespace pellavan::platform
