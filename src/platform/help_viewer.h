#pragma once
// The help viewer: a window that shows the HTML pages of the help folder, opened at the page the
// topic map gives for a help topic. Topics without a page, and topic 0, open the contents page.
// A missing page shows which file is missing instead.

#include <QString>
#include <QUrl>
#include <QWidget>

#include "platform/help_topic_map.h"

class QTextBrowser;

namespace pellavan::platform {

class HelpViewer : public QWidget {
  Q_OBJECT

 public:
  explicit HelpViewer(QString help_folder, QWidget* parent = nullptr);

  void show_topic(int topic);

  // The page shown (with its anchor), empty while a message is shown instead.
  [[nodiscard]] QUrl page() const;
  [[nodiscard]] QString shown_text() const;

 private:
  void show_missing(const QString& path);

  QString folder_;
  HelpTopicMap map_;
  QTextBrowser* browser_ = nullptr;
};

}  // namespace pellavan::platform
