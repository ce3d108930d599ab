#pragma once
// The help viewer: a window that shows the HTML pages of the help folder, opened at the page the
// topic map gives for a help topic or a chain of help keys. Keys without a page, and topic 0, open
// the contents page. A missing page shows which file is missing instead.
//
// Links between the pages open in the viewer; Back returns to the page before, Contents opens the
// contents page, and Close or Escape closes the viewer.

#include <QSize>
#include <QString>
#include <QUrl>
#include <QWidget>
#include <span>

#include "platform/help_topic_map.h"

class QPushButton;
class QTextBrowser;

namespace pellavan::platform {

// The viewer's preferred size, without its window frame.
inline constexpr QSize kHelpViewerSize{720, 560};

class HelpViewer : public QWidget {
  Q_OBJECT

 public:
  explicit HelpViewer(QString help_folder, QWidget* parent = nullptr);

  void show_topic(int topic);
  void show_keys(std::span<const HelpKey> chain);

  // The page shown (with its anchor), empty while a message is shown instead.
  [[nodiscard]] QUrl page() const;
  [[nodiscard]] QString shown_text() const;
  [[nodiscard]] QTextBrowser* browser() const { return browser_; }
  [[nodiscard]] QPushButton* back_button() const { return back_; }
  [[nodiscard]] QPushButton* close_button() const { return close_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void show_page(const std::string& entry);
  void show_missing(const QString& path);

  QString folder_;
  HelpTopicMap map_;
  QTextBrowser* browser_ = nullptr;
  QPushButton* back_ = nullptr;
  QPushButton* close_ = nullptr;
};

}  // namespace pellavan::platform
