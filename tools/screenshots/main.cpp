// pellavan-screenshots PROGRAM_FOLDER OUTPUT_FOLDER
//
// Starts the program on PROGRAM_FOLDER (its Data folder is used as it is; the settings file may
// be written), walks through the start-up window, the disclaimer, the start view, a new project
// in the normal layout (also with the pointer on a freeze box) and the large one, and the dealer
// window, and saves the whole screen as a PNG file in OUTPUT_FOLDER at each step. Message boxes
// are answered without being shown (No to questions). Run it on a display of its own, e.g.
//   xvfb-run -a -s "-screen 0 1600x1000x24" build/tools/pellavan-screenshots build/bin shots

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>

#include "app/dealer_window.h"
#include "app/program.h"
#include "platform/modal.h"
#include "platform/text_editing_keys.h"
#include "screenshots/screen_shot.h"

namespace {

using namespace pellavan;

using tools::settle;
using tools::shoot;

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const std::optional<QDir> made = tools::output_folder(argc, argv);
  if (!made) return 2;
  const QDir& out = *made;
  platform::keep_text_editing_keys();
  tools::start_quietly(platform::MessageResult::No);
  bool dealer_entered = false;
  platform::set_modal_hook([&out, &dealer_entered](QDialog& window) {
    window.show();
    if (auto* dealer = qobject_cast<app::DealerWindow*>(&window); dealer && !dealer_entered) {
      // The first time (no settings file yet): the dealer's details, saved.
      dealer_entered = true;
      const char* entries[][2] = {{"txtDname", "Northwind Comfort Systems"},
                                  {"txtDadd", "2210 Prairie Avenue"},
                                  {"txtDcity", "Springfield"},
                                  {"txtDstate", "IL"},
                                  {"txtDzip", "62704"},
                                  {"txtDphone", "(217) 555-0142"},
                                  {"txtDfax", "(217) 555-0143"},
                                  {"txtDcphone", "(217) 555-0199"},
                                  {"txtDemail", "sales@northwind.example"},
                                  {"txtDcontact", "Dana Whitfield"}};
      for (const auto& [box, text] : entries)
        dealer->form().text_box(box)->setText(QString::fromLatin1(text));
      shoot(out, QStringLiteral("05-dealer-first-use"));
      dealer->btnSave_Click();
      return dealer->result();
    }
    const QString name = window.objectName();
    shoot(out, name == QLatin1String("Form15")   ? QStringLiteral("01-disclaimer")
               : name == QLatin1String("Form13") ? QStringLiteral("06-dealer-setup")
               : name == QLatin1String("Form14") ? QStringLiteral("07-about")
                                                 : name);
    window.hide();
    return static_cast<int>(window.objectName() == QLatin1String("Form15") ? QDialog::Accepted
                                                                           : QDialog::Rejected);
  });

  QTemporaryDir lock;
  app::Program program(tools::program_folder(argv),
                       lock.filePath(QStringLiteral("screenshots.lock")));
  if (!program.start()) return 1;
  shoot(out, QStringLiteral("00-startup"));
  program.Timer1_Timer();  // disclaimer (Form15), then the main window
  app::MainWindow& main = *program.main_window();
  shoot(out, QStringLiteral("02-start-view"));

  main.SSCOMMAND1_Click();  // New
  main.form().option("opGeoT3")->click();
  shoot(out, QStringLiteral("03-project-normal"));
  QWidget* freeze = main.form().control("chkSave2");
  QCursor::setPos(freeze->mapToGlobal(freeze->rect().center()));  // the help line follows it
  shoot(out, QStringLiteral("03-project-freeze-box-help"));
  main.Command2_Click();  // Large
  shoot(out, QStringLiteral("04-project-large"));
  main.Command3_Click();      // Small
  main.CommandSetup_Click();  // the dealer window (Form13), at its preset size
  main.mnuAbout_Click();      // Form14
  return 0;
}
