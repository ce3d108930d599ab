#include "platform/help_system.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWidget>

#include "platform/help_location.h"
#include "platform/help_placement.h"
#include "platform/help_topic.h"
#include "platform/help_viewer.h"

namespace pellavan::platform {

HelpSystem::HelpSystem(QString program_folder) : program_folder_(std::move(program_folder)) {
  if (program_folder_.isEmpty()) program_folder_ = QCoreApplication::applicationDirPath();
}

HelpSystem::~HelpSystem() { delete viewer_.data(); }

HelpViewer* HelpSystem::viewer() const { return static_cast<HelpViewer*>(viewer_.data()); }

void HelpSystem::Set_HelpFile(QWidget* owner) {
  owner_ = owner;
  help_path_ =
      QString::fromStdString(help_file_path(program_folder_.toStdString(), kHelpFolderName));
  qApp->removeEventFilter(this);
  qApp->installEventFilter(this);
}

void HelpSystem::Show_Help() {
  const QWidget* start = QApplication::focusWidget();
  if (start == nullptr) start = QApplication::activeWindow();
  open_for(start);
}

void HelpSystem::Close_Help() {
  if (viewer_ == nullptr) return;
  viewer_->close();
  viewer_->deleteLater();
  viewer_.clear();
}

bool HelpSystem::eventFilter(QObject* watched, QEvent* event) {
  // A window that hides does not hide the viewer it holds, and would destroy it with itself while
  // it may still be shown and active (Qt would then activate a window that is gone): the viewer
  // goes back to the owner, closed.
  if (event->type() == QEvent::Hide && viewer_ != nullptr && watched != owner_ &&
      watched == viewer_->parentWidget()) {
    viewer_->hide();
    viewer_->setParent(owner_.data(), Qt::Window);
  }
  // Key events reach the window object first and then the focused widget; act on the widget.
  if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_F1 && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
      open_for(static_cast<QWidget*>(watched));
      key->accept();
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

void HelpSystem::open_for(const QWidget* start) {
  if (help_path_.isEmpty()) return;
  const std::vector<HelpKey> keys = help_keys_for(start);
  if (viewer_ == nullptr) viewer_ = new HelpViewer(help_path_);
  QWidget* host = QApplication::activeModalWidget();
  if (host == nullptr) host = owner_.data();
  if (viewer_->parentWidget() != host) viewer_->setParent(host, Qt::Window);
  viewer()->show_keys(keys);
  // A viewer already open stays where the user left it; a closed one opens beside the window,
  // at its preferred size or narrowed to the room there.
  if (!viewer_->isVisible()) {
    const QWidget* beside = start != nullptr ? start->window() : host;
    if (beside == nullptr || beside == viewer_) beside = host;
    if (beside != nullptr && beside->screen() != nullptr) {
      // The viewer's own frame (title bar and border) counts in the room it takes.
      const QSize frame = viewer_->frameGeometry().size() - viewer_->size();
      const QRect place = help_viewer_geometry(beside->frameGeometry(), kHelpViewerSize + frame,
                                               beside->screen()->availableGeometry());
      viewer_->resize(place.size() - frame);
      viewer_->move(place.topLeft());
    }
  }
  viewer_->show();
  viewer_->raise();
  viewer_->activateWindow();
}

}  // namespace pellavan::platform
