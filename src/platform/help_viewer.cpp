#include "platform/help_viewer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QtDebug>

#include "platform/help_location.h"

namespace pellavan::platform {

HelpViewer::HelpViewer(QString help_folder, QWidget* parent)
    : QWidget(parent, Qt::Window),
      folder_(std::move(help_folder)),
      browser_(new QTextBrowser(this)),
      back_(new QPushButton(QStringLiteral("&Back"), this)),
      close_(new QPushButton(QStringLiteral("&Close"), this)) {
  setWindowTitle(QStringLiteral("Pellavan Help"));
  browser_->setOpenExternalLinks(false);
  auto* contents = new QPushButton(QStringLiteral("C&ontents"), this);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(back_);
  buttons->addWidget(contents);
  buttons->addStretch();
  buttons->addWidget(close_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(browser_);
  resize(kHelpViewerSize);

  back_->setEnabled(false);
  connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
  connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(contents, &QPushButton::clicked, this, [this] { show_topic(0); });
  connect(close_, &QPushButton::clicked, this, &QWidget::close);

  // Without a map every topic opens the contents page.
  QFile file(QDir(folder_).filePath(QString::fromLatin1(kHelpTopicMapFile)));
  if (file.open(QIODevice::ReadOnly)) {
    const QByteArray text = file.readAll();
    map_ = HelpTopicMap::parse(
        std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    for (const auto& error : map_.errors())
      qWarning("%s: %s", qPrintable(file.fileName()), error.c_str());
  }
}

void HelpViewer::show_topic(int topic) {
  const HelpKey key = topic;
  show_keys(std::span(&key, 1));
}

void HelpViewer::show_keys(std::span<const HelpKey> chain) {
  show_page(map_.first_page(chain).value_or(kHelpIndexPage));
}

void HelpViewer::show_page(const std::string& page) {
  const QString entry = QString::fromStdString(page);
  const QString name = entry.section(QLatin1Char('#'), 0, 0);
  const QString anchor = entry.section(QLatin1Char('#'), 1);
  const QString path = QDir(folder_).filePath(name);
  if (!QFileInfo(path).isFile()) {
    show_missing(path);
    return;
  }
  QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
  if (!anchor.isEmpty()) url.setFragment(anchor);
  browser_->setSource(url);
}

void HelpViewer::show_missing(const QString& path) {
  browser_->clear();  // also forgets the page history, so page() is empty
  browser_->setPlainText(
      QStringLiteral("The help page was not found: %1").arg(QDir::toNativeSeparators(path)));
}

void HelpViewer::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

QUrl HelpViewer::page() const { return browser_->source(); }

QString HelpViewer::shown_text() const { return browser_->toPlainText(); }

}  // namespace pellavan::platform
