#pragma once
// Catches the addresses the desktop would open in its browser.

#include <QObject>
#include <QUrl>
#include <vector>

namespace pellavan::update::testing {

class UrlCatcher : public QObject {
  Q_OBJECT

 public:
  std::vector<QUrl> urls;

 public slots:
  void open(const QUrl& url) { urls.push_back(url); }
};

}  // namespace pellavan::update::testing
