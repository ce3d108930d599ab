#pragma once
// The poppler tools (pdfinfo, pdftotext, pdftoppm) that tests read printed PDF files with.

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <optional>

namespace pellavan::testing {

// What the tool wrote to its standard output, or nullopt when it is not installed.
inline std::optional<QString> run_poppler(const QString& tool, const QStringList& arguments) {
  if (QStandardPaths::findExecutable(tool).isEmpty()) return std::nullopt;
  QProcess process;
  process.start(tool, arguments);
  process.waitForFinished(30000);
  return QString::fromUtf8(process.readAllStandardOutput());
}

// The page count pdfinfo gives; -1 without pdfinfo, 0 for a file it cannot read.
inline int pdf_pages(const QString& pdf) {
  const auto info = run_poppler("pdfinfo", {pdf});
  if (!info) return -1;
  for (const QString& line : info->split('\n')) {
    if (line.startsWith("Pages:")) return line.mid(6).trimmed().toInt();
  }
  return 0;
}

}  // namespace pellavan::testing
