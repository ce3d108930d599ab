#pragma once
// The program's help: the main window names the help folder at load (Set_HelpFile), from then on
// F1 in any window opens the help viewer at the help topic of the focused control, Help buttons
// do the same (Show_Help) and the main window's close shuts the viewer (Close_Help).
//
// The viewer is opened directly, never by sending keystrokes. While a modal window is up, the
// viewer becomes its child window so that the modal window does not block it; when that window
// hides, the viewer closes and goes back to the owner, so that it never dies with that window.

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

namespace pellavan::platform {

class HelpViewer;

class HelpSystem : public QObject {
  Q_OBJECT

 public:
  // program_folder: the folder the help folder lies in; empty means the program's own folder.
  explicit HelpSystem(QString program_folder = {});
  ~HelpSystem() override;
  HelpSystem(const HelpSystem&) = delete;
  HelpSystem& operator=(const HelpSystem&) = delete;

  // Keeps the owner (the main window) and names the help folder; F1 works from here on.
  void Set_HelpFile(QWidget* owner);
  // Opens the help at the topic of the focused control or of its window. A Help button has the
  // focus when clicked, so its window's topic applies.
  void Show_Help();
  // Closes the viewer if it is open.
  void Close_Help();

  // The help folder named by Set_HelpFile; empty before.
  [[nodiscard]] QString help_path() const { return help_path_; }
  // The open viewer, or nullptr.
  [[nodiscard]] HelpViewer* viewer() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void open_for(const QWidget* start);

  QString program_folder_;
  QString help_path_;
  QPointer<QWidget> owner_;
  // Held as a widget: the application's event filter may see it while its destructor runs, when
  // it is no longer a HelpViewer.
  QPointer<QWidget> viewer_;
};

}  // namespace pellavan::platform
