#include "platform/help_topic.h"

#include <QVariant>
#include <QWidget>

namespace pellavan::platform {
namespace {

constexpr const char* kTopicProperty = "helpTopic";

}  // namespace

void set_help_topic(QWidget* widget, int topic) {
  if (widget == nullptr) return;
  widget->setProperty(kTopicProperty, topic > 0 ? QVariant(topic) : QVariant());
}

int own_help_topic(const QWidget* widget) {
  if (widget == nullptr) return 0;
  const QVariant topic = widget->property(kTopicProperty);
  return topic.isValid() ? topic.toInt() : 0;
}

int help_topic_for(const QWidget* widget) {
  for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
    if (const int topic = own_help_topic(w); topic > 0) return topic;
    if (w->isWindow()) break;
  }
  return 0;
}

std::vector<HelpKey> help_keys_for(const QWidget* widget) {
  std::vector<HelpKey> keys;
  if (widget == nullptr) return keys;
  const std::string window = widget->window()->objectName().toStdString();
  for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
    const std::string name = w->objectName().toStdString();
    if (w->isWindow()) {
      if (!window.empty()) keys.emplace_back(window);
    } else if (!window.empty() && !name.empty()) {
      keys.emplace_back(window + "." + name);
    }
    if (const int topic = own_help_topic(w); topic > 0) keys.emplace_back(topic);
    if (w->isWindow()) break;
  }
  return keys;
}

}  // namespace pellavan::platform
