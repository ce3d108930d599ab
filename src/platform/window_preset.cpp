#include "platform/window_preset.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "platform/designed_form.h"
#include "platform/twips.h"

namespace pellavan::platform {
namespace {

const QScreen* screen_of(const QWidget* window) {
  const QScreen* screen = window != nullptr ? window->screen() : nullptr;
  return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

}  // namespace

QSize outer_size_pixels(const QWidget* window, int width_twips, int height_twips) {
  const QScreen* screen = screen_of(window);
  QSize size = twips_to_pixels(QSize(width_twips, height_twips), screen);
  if (screen != nullptr) size = size.boundedTo(screen->availableGeometry().size());
  return size;
}

void set_outer_size(QWidget* window, int width_twips, int height_twips) {
  if (window == nullptr) return;
  const QSize outer = outer_size_pixels(window, width_twips, height_twips);
  const QSize frame = window->frameGeometry().size() - window->geometry().size();
  window->resize((outer - frame).expandedTo(QSize(1, 1)));
}

void set_font_face(QWidget* window, const QString& face) {
  if (window == nullptr) return;
  if (auto* own = qobject_cast<DesignedForm*>(window)) own->set_font_face(face);
  for (DesignedForm* form : window->findChildren<DesignedForm*>()) form->set_font_face(face);
}

void apply_window_preset(QWidget* window, const WindowPreset& preset) {
  set_outer_size(window, preset.width, preset.height);
  if (preset.face != nullptr) set_font_face(window, QString::fromUtf8(preset.face));
}

}  // namespace pellavan::platform
