#pragma once
// The base of every window of the program (the main window over QMainWindow, the others over
// QDialog): its one DesignedForm, its size presets and its lifecycle.
//
//   - Form_Activate runs when the window itself is shown and when one of our windows that it
//     showed modally (show_modal) closes over it; Form_Deactivate when it is hidden and before
//     it shows such a window. Message boxes and file dialogs run neither, so no activation can
//     start another one.
//   - Form_QueryUnload may keep the window open when it is asked to close; Form_Unload runs
//     when it goes.
//   - Before the window's own parts are destroyed, its form stops calling its handlers and the
//     lifecycle stops: nothing runs on a half-destroyed window (the focus leaving a control while
//     the controls are deleted, for one).
// A window's constructor builds the form, wires its handler table and ends with its own load.

#include <QCloseEvent>
#include <QDialog>
#include <QHideEvent>
#include <QMainWindow>
#include <QShowEvent>
#include <QVBoxLayout>
#include <span>
#include <type_traits>

#include "platform/designed_form.h"
#include "platform/handler_table.h"
#include "platform/help_topic.h"
#include "platform/modal.h"
#include "platform/window_preset.h"

namespace pellavan::platform {

template <class Base>
class DesignedWindow : public Base {
  static_assert(std::is_base_of_v<QWidget, Base>);

 public:
  explicit DesignedWindow(const WindowDesign& design, QWidget* parent = nullptr)
      : Base(parent), form_(new DesignedForm(design, this)) {
    this->setObjectName(QString::fromUtf8(design.name));
    this->setWindowTitle(QString::fromUtf8(design.caption));
    set_help_topic(this, design.help_topic);
    if constexpr (std::is_base_of_v<QMainWindow, Base>) {
      this->setCentralWidget(form_);
    } else {
      auto* layout = new QVBoxLayout(this);
      layout->setContentsMargins(0, 0, 0, 0);
      layout->addWidget(form_);
    }
    this->resize(form_->design_pixels());
  }
  ~DesignedWindow() override {
    live_ = false;
    form_->stop_listening();
  }
  DesignedWindow(const DesignedWindow&) = delete;
  DesignedWindow& operator=(const DesignedWindow&) = delete;

  [[nodiscard]] DesignedForm& form() const { return *form_; }
  [[nodiscard]] const WindowDesign& design() const { return form_->design(); }

  virtual void Form_Activate() {}
  virtual void Form_Deactivate() {}
  [[nodiscard]] virtual bool Form_QueryUnload() { return true; }
  virtual void Form_Unload() {}

  // Shows one of our windows modally over this one, its parent from now on: deactivation
  // before, activation after.
  int show_modal(QDialog& window) {
    set_opener(window, *this);
    Form_Deactivate();
    const int result = run_modal(window);
    if (live_) Form_Activate();
    return result;
  }

  // The design's size and face for the layout.
  void apply_size(bool large_layout) {
    apply_window_preset(this, design().sizes.for_layout(large_layout));
  }

 protected:
  template <class W>
  void wire(std::span<const On<W>> rows) {
    platform::wire(*form_, static_cast<W&>(*this), rows);
  }
  [[nodiscard]] bool live() const { return live_; }

  void showEvent(QShowEvent* event) override {
    Base::showEvent(event);
    if (live_ && !event->spontaneous()) Form_Activate();
  }
  void hideEvent(QHideEvent* event) override {
    if (live_ && !event->spontaneous()) Form_Deactivate();
    Base::hideEvent(event);
  }
  void closeEvent(QCloseEvent* event) override {
    if (live_ && !Form_QueryUnload()) {
      event->ignore();
      return;
    }
    if (live_) Form_Unload();
    Base::closeEvent(event);
  }

 private:
  DesignedForm* form_;
  bool live_ = true;
};

extern template class DesignedWindow<QDialog>;
extern template class DesignedWindow<QMainWindow>;

}  // namespace pellavan::platform
