// pellavan-window-memory PROGRAM_FOLDER [SHOWINGS [ROAD...]]
//
// Starts the program on a copy of PROGRAM_FOLDER's Data and help folders (with a settings file
// of its own where the copy has none), opens "Sample Project.pvn" through the Open button, and
// then takes each road SHOWINGS times (40 unless told) the way a user does: a click on the main
// window's button, in the window a click on Run where the road runs (its fill awaited), on Bin
// Analysis and in the viewer on Op and Done where it shows the bins, and a click on Done. Every
// window is activated when it shows, as a window manager does. Roads: "Geo A", "Geo A run",
// "Geo A bins", the same for "Geo B" and "Geo T", "Heat pump", "Heat pump run", "Furnace",
// "Furnace run", "Project", "Rates", "Reports"; every road unless named.
//
// Prints, per road, the resident memory and the bytes the allocator holds for the program after
// showings 1, 10, 20, 30 and the last, and the objects its windows hold after the tenth and the
// last; exits with 1 when from the tenth showing to the last the bytes held grow by 1 MB or more
// or the objects grow at all. Message boxes are printed and answered OK (No to a question).
// Run it on a display of its own or offscreen, e.g.
//   xvfb-run -a -s "-screen 0 1600x1000x24" build/tools/pellavan-window-memory build/bin

#include <malloc.h>
#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/main_window_design.h"
#include "app/program.h"
#include "model/project/dealer_file.h"
#include "platform/designed_dialog.h"
#include "platform/file_dialogs.h"
#include "platform/message_box.h"
#include "platform/program_end.h"

#if defined(__SANITIZE_ADDRESS__)
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

using namespace pellavan;
using namespace app::main_window;

long resident_kb() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0;
  long resident = 0;
  statm >> pages >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

long held_kb() {
#if defined(__SANITIZE_ADDRESS__)
  return static_cast<long>(__sanitizer_get_current_allocated_bytes() / 1024);
#else
  return static_cast<long>(mallinfo2().uordblks / 1024);
#endif
}

// The objects the program's windows and the application hold.
long live_objects() {
  auto n = static_cast<long>(qApp->findChildren<QObject*>().size());
  for (const QWidget* w : QApplication::topLevelWidgets())
    if (w->parent() == nullptr) n += 1 + static_cast<long>(w->findChildren<QObject*>().size());
  return n;
}

// Runs the event loop until `done` holds (looked at every 10 ms); false after a minute.
bool wait_for(const std::function<bool()>& done) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > 60000) return false;
    QEventLoop loop;
    QTimer::singleShot(10, &loop, &QEventLoop::quit);
    loop.exec();
  }
  return true;
}

void click(QWidget* w) {
  if (!w->isVisible() || !w->isEnabled()) {
    std::fprintf(stderr, "cannot click %s\n", qPrintable(w->objectName()));
    return;
  }
  QTest::mouseClick(w, Qt::LeftButton);
}

platform::DesignedForm& form_of(QDialog& w) {
  return dynamic_cast<platform::DesignedDialog&>(w).form();
}

struct Road {
  const char* name;
  platform::ButtonHandle button;  // on the main window
  const char* done = "cmdDone";   // the window's button that ends its showing
  bool run = false;
  bool bins = false;
};

const Road kRoads[] = {
    {"Geo A", btnGeo},
    {"Geo A run", btnGeo, "cmdDone", true},
    {"Geo A bins", btnGeo, "cmdDone", true, true},
    {"Geo B", btnGeoB},
    {"Geo B run", btnGeoB, "cmdDone", true},
    {"Geo B bins", btnGeoB, "cmdDone", true, true},
    {"Geo T", btnGeoT},
    {"Geo T run", btnGeoT, "cmdDone", true},
    {"Geo T bins", btnGeoT, "cmdDone", true, true},
    {"Heat pump", btnAir},
    {"Heat pump run", btnAir, "cmdDone", true},
    {"Furnace", btnFossil},
    {"Furnace run", btnFossil, "cmdDone", true},
    {"Project", btnProject, "Command1"},
    {"Rates", btnUtility, "Command3"},
    {"Reports", btnReport, "Command2"},
};

// What the user does in each window once it shows, by the window's design name.
class User : public QObject {
 public:
  std::map<QString, std::function<void(QDialog&)>> acts;
  int shown = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* window = qobject_cast<QDialog*>(watched);
    if (event->type() != QEvent::Show || window == nullptr || !window->isWindow()) return false;
    const auto act = acts.find(window->objectName());
    if (act == acts.end()) return false;
    ++shown;
    QTimer::singleShot(0, window, [window, act = act->second] {
      window->activateWindow();
      // Without a window manager a window shown again gets no activation from the display.
      if (!QTest::qWaitForWindowActive(window) || !window->isActiveWindow())
        QApplication::setActiveWindow(window);
      act(*window);
    });
    return false;
  }
};

// The Data and help folders of `from` in `to`, and a settings file there if it has none.
bool copy_program_folder(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::error_code failed;
  for (const char* folder : {"Data", "help"})
    std::filesystem::copy(from / folder, to / folder, std::filesystem::copy_options::recursive,
                          failed);
  if (failed) return false;
  model::DealerRec dealer;
  if (model::read_dealer_file(to, dealer, model::HideInactiveOnReset::kKeep) ==
      model::DealerReadStatus::kOk)
    return true;
  dealer.Name = "Dealer";
  for (auto* option :
       {&dealer.MetricMode, &dealer.UseDegF, &dealer.UseBtuh, &dealer.UseFeet, &dealer.GasGJ})
    *option = "0";
  return !model::write_dealer_file(to, dealer);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s PROGRAM_FOLDER [SHOWINGS [ROAD...]]\n", argv[0]);
    return 2;
  }
  const int showings = argc >= 3 ? std::atoi(argv[2]) : 40;
  std::vector<const Road*> roads;
  for (const Road& road : kRoads)
    if (argc <= 3 || std::find_if(argv + 3, argv + argc, [&road](const char* name) {
                       return road.name == std::string(name);
                     }) != argv + argc)
      roads.push_back(&road);
  if (showings < 10 || roads.empty()) {
    std::fprintf(stderr, "at least 10 showings of a known road\n");
    return 2;
  }
  QTemporaryDir temporary;
  const std::filesystem::path folder = temporary.path().toStdString();
  if (!copy_program_folder(QString::fromLocal8Bit(argv[1]).toStdString(), folder)) {
    std::fprintf(stderr, "cannot copy the program folder\n");
    return 2;
  }
  platform::set_end_handler([] {});
  platform::set_message_hook([](const platform::MessageRequest& r) {
    std::printf("message: %s\n", qPrintable(r.text));
    return r.buttons == platform::MessageButtons::YesNo ? platform::MessageResult::No
                                                        : platform::MessageResult::Ok;
  });
  platform::set_file_dialog_hook([&folder](const platform::FileDialogRequest&) {
    return std::optional<QString>(
        QString::fromStdString((folder / "Data" / "Sample Project.pvn").string()));
  });
  User user;
  app.installEventFilter(&user);
  user.acts[QStringLiteral("Form15")] = [](QDialog& w) { w.accept(); };
  user.acts[QStringLiteral("Form3")] = [](QDialog& w) { click(form_of(w).button("Command1")); };
  app::Program program(folder, QString::fromStdString((folder / "memory.lock").string()));
  bool stuck = false;  // a showing did not end
  bool grew = false;
  QTimer::singleShot(0, [&] {
    if (!program.start()) {
      app.exit(1);
      return;
    }
    program.Timer1_Timer();
    app::MainWindow& main = *program.main_window();
    // Every showing ends with the main window alone again.
    const auto show = [&](platform::ButtonHandle button) {
      const int before = user.shown;
      click(main.form()[button]);
      return wait_for(
          [&] { return user.shown > before && QApplication::activeModalWidget() == nullptr; });
    };
    stuck = !show(SSCOMMAND2);
    std::printf("%-14s %8s %8s %8s %8s %8s | %8s %8s | %6s %6s  (KB, objects)\n", "road", "rss@1",
                "rss@10", "rss@20", "rss@30", "rss@last", "held@10", "held@last", "obj@10",
                "obj@last");
    for (const Road* road : roads) {
      if (stuck) break;
      for (const char* id : {"Form8", "Form9", "Form18", "Form2", "Form6", "Form7", "Form5"}) {
        user.acts[QString::fromLatin1(id)] = [road](QDialog& w) {
          platform::DesignedForm& f = form_of(w);
          if (road->run) {
            click(f.button("cmdRun"));
            wait_for([&f] { return f.button("cmdDone")->isEnabled(); });
            if (road->bins) click(f.button("BtnBin"));
          }
          click(f.button(road->done));
        };
      }
      user.acts[QStringLiteral("Form12")] = [](QDialog& w) {
        platform::DesignedForm& f = form_of(w);
        if (f.button("cmdGeoOp")->isVisible()) click(f.button("cmdGeoOp"));
        click(f.button("cmdDone"));
      };
      // Geo T and the heat pump are not in the sample's rows: into the third and the second.
      if (!main.form()[road->button]->isEnabled()) {
        click(main.form()[opGeoT[3]]);
        click(main.form()[opElec[2]]);
      }
      std::vector<long> resident;
      std::vector<long> held;
      std::vector<long> objects;
      for (int i = 1; i <= showings && !stuck; ++i) {
        if (!show(road->button)) {
          std::printf("%s: showing %d did not end\n", road->name, i);
          stuck = true;
        }
        resident.push_back(resident_kb());
        held.push_back(held_kb());
        objects.push_back(live_objects());
      }
      if (stuck) break;
      const auto at = [](const std::vector<long>& v, int i) {
        return v[static_cast<std::size_t>(std::min(i, static_cast<int>(v.size())) - 1)];
      };
      const long growth = held.back() - at(held, 10);
      const long more_objects = objects.back() - at(objects, 10);
      std::printf(
          "%-14s %8ld %8ld %8ld %8ld %8ld | %8ld %8ld | %6ld %6ld  %+ld KB held, %+ld KB "
          "resident%s\n",
          road->name, at(resident, 1), at(resident, 10), at(resident, 20), at(resident, 30),
          resident.back(), at(held, 10), held.back(), at(objects, 10), objects.back(), growth,
          resident.back() - at(resident, 10), growth >= 1024 || more_objects > 0 ? "  GROWS" : "");
      std::fflush(stdout);
      grew = grew || growth >= 1024 || more_objects > 0;
    }
    app.exit(stuck || grew ? 1 : 0);
  });
  return QApplication::exec();
}
