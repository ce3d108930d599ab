// pellavan-walkthrough-shots PROGRAM_FOLDER OUTPUT_FOLDER
//
// A new user's round through the program, in the imperial and then the metric display: the
// sample opened and Done, a project in Atlanta opened over it (a range message, Escape) and its
// reports; a refused heating delta T left with Escape and the reports; a new project typed in
// Houston and left with Escape; a project in Miami, whose loads fail, and its reports; a job in
// Houston opened and its Geo A and heat-pump windows; prices typed as people type them into the
// utility-rates window. Saves the screen at every message (drawn as a real box) and at each step,
// and prints the figures each step leaves. Run it on a display of its own, e.g.
//   xvfb-run -a -s "-screen 0 1600x1000x24" build/tools/pellavan-walkthrough-shots build/bin shots

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "app/program.h"
#include "app/project_window.h"
#include "app/rates_window.h"
#include "model/project/dealer_file.h"
#include "model/project/project_file.h"
#include "platform/designed_dialog.h"
#include "platform/designed_form.h"
#include "platform/file_dialogs.h"
#include "platform/message_box.h"
#include "platform/modal.h"
#include "program_state/analysis_session.h"
#include "screenshots/screen_shot.h"

namespace {

using namespace pellavan;
using tools::settle;
using tools::shoot;

// A value typed into a box and the box left for the next one.
void type(platform::DesignedForm& form, const char* box, const char* text, const char* next) {
  form.text_box(box)->setFocus();
  form.text_box(box)->setText(QString::fromUtf8(text));
  form.text_box(next)->setFocus();
  settle(100);
}

QString text_of(const QWidget* w) {
  if (const auto* box = qobject_cast<const QLineEdit*>(w)) return box->text();
  if (const auto* label = qobject_cast<const QLabel*>(w)) return label->text();
  return {};
}

void pick_city(app::ProjectWindow& w, const char* state, const char* city) {
  auto* states = w.form().get<QListWidget>("comboState");
  const auto s = states->findItems(QString::fromLatin1(state), Qt::MatchStartsWith);
  if (!s.isEmpty()) states->setCurrentItem(s.front());
  auto* cities = w.form().get<QListWidget>("comboCity");
  const auto c = cities->findItems(QString::fromLatin1(city), Qt::MatchStartsWith);
  if (!c.isEmpty()) cities->setCurrentItem(c.front());
  w.comboCity_Click();
  settle(100);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const std::optional<QDir> made = tools::output_folder(argc, argv);
  if (!made) return 2;
  const QDir& out = *made;
  const std::filesystem::path folder = tools::program_folder(argv);
  const std::filesystem::path sample = tools::sample_project(folder);
  model::ProjectRead read = model::read_project_file(sample);
  if (read.status != model::ProjectReadStatus::kOk) return 1;
  struct Job {
    const char* file;
    model::Int16 city;
    model::Int32 heat_load;
    model::Int16 dhw_temp;
  };
  const Job jobs[] = {{"Atlanta.pvn", 2, 40000, 140},
                      {"Miami.pvn", 35, 80000, 130},
                      {"Houston.pvn", 16, 38000, 130}};
  for (const Job& j : jobs) {
    model::ProjectRec p = read.record;
    p.Loads_CityId = j.city;
    p.Loads_HeatLoad = j.heat_load;
    p.Loads_DhwTemp = j.dhw_temp;
    if (model::write_project_file(folder / "Data" / j.file, p)) return 1;
  }

  QString step;  // the name of the next shot
  int shots = 0;
  tools::start_quietly([&](const platform::MessageRequest& r) {
    QMessageBox box(QMessageBox::Warning, r.title, r.text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.show();
    shoot(out, QStringLiteral("%1-%2-message").arg(step).arg(++shots));
    std::printf("%s: message \"%s\"\n", qPrintable(step), qPrintable(r.text.left(60)));
    return r.buttons == platform::MessageButtons::YesNo ? platform::MessageResult::No
                                                        : platform::MessageResult::Ok;
  });
  std::filesystem::path next;
  platform::set_file_dialog_hook([&next](const platform::FileDialogRequest&) {
    return std::optional<QString>(QString::fromStdString(next.string()));
  });
  QTemporaryDir lock;
  app::Program program(folder, lock.filePath(QStringLiteral("shots.lock")));
  // What to do with the next window shown modally; it is closed afterwards if still open.
  std::function<void(QDialog&)> act;
  platform::set_modal_hook([&](QDialog& window) {
    if (!act) {
      window.hide();
      return static_cast<int>(window.objectName() == QLatin1String("Form15") ? QDialog::Accepted
                                                                             : QDialog::Rejected);
    }
    auto now = std::move(act);
    act = nullptr;
    QTimer::singleShot(1200, &window, [&window, now] {
      now(window);
      if (window.isVisible()) window.close();
    });
    return window.exec();
  });
  if (!program.start()) return 1;
  program.Timer1_Timer();
  app::MainWindow& main = *program.main_window();
  program_state::AppState& state = program.state();
  const auto figures = [&](const char* what) {
    const model::LoadCalcState& l = state.analysis().loads();
    const model::ProjectRec& p = state.model.ProjectRec;
    std::printf(
        "%s %s: city %d, heating %d / %d, cooling %d, annual heating %.1f, balance point %.1f, "
        "gains %.0f, minimum backup %d, loads %s\n",
        qPrintable(step), what, p.Loads_CityId, p.Loads_HeatLoad, p.Loads_HeatDeltaT,
        p.Loads_CoolLoad, l.AnnHtg.to_double(), l.BldgBalPt.to_double(), l.IntGains.to_double(),
        l.MinBackupHeat, l.LoadsInvalid != 0 ? "failed" : "valid");
  };
  const auto escape = [](QDialog& w) { w.reject(); };
  const auto shot_of = [&](const QString& name) {
    return [&, name](QDialog& w) { shoot(w, out, step + QStringLiteral("-") + name); };
  };
  const auto reports = [&] {
    act = shot_of(QStringLiteral("reports"));
    main.btnReport_Click();
    settle(3000);  // the report timer, the fill and the window
  };
  const auto open = [&](const std::filesystem::path& file, std::function<void(QDialog&)> then) {
    next = file;
    act = std::move(then);
    main.SSCOMMAND2_Click();
  };

  for (const bool metric : {false, true}) {
    model::DealerRec dealer = state.DealerRec;
    dealer.FileTag = "KX2";
    dealer.MetricMode = metric ? "1" : "0";
    if (model::write_dealer_file(folder, dealer)) return 1;
    const QString display = QString::fromLatin1(metric ? "metric" : "imperial");

    step = display + QStringLiteral("-1-atlanta");
    open(sample, [](QDialog& w) { dynamic_cast<app::ProjectWindow&>(w).Done_Click(); });
    open(folder / "Data" / "Atlanta.pvn", escape);
    figures("after Escape");
    reports();

    step = display + QStringLiteral("-2-delta-t-500");
    act = [&](QDialog& w) {
      auto& project = dynamic_cast<app::ProjectWindow&>(w);
      project.Command3_Click();
      type(project.form(), "txtHdt", "500", "txtCload");
      shoot(out, step + QStringLiteral("-typed"));
      project.reject();
    };
    main.btnProject_Click();
    figures("after Escape");
    reports();

    step = display + QStringLiteral("-3-new-houston");
    act = [&](QDialog& w) {
      auto& project = dynamic_cast<app::ProjectWindow&>(w);
      project.Command3_Click();
      pick_city(project, "TX", "Houston");
      type(project.form(), "txtHload", metric ? "11.1" : "38000", "txtHdt");
      type(project.form(), "txtHdt", metric ? "23" : "42", "txtCload");
      type(project.form(), "txtCload", metric ? "10.5" : "36000", "txtCdt");
      type(project.form(), "txtCdt", metric ? "11" : "20", "txtDhw");
      shoot(out, step + QStringLiteral("-typed"));
      project.reject();
    };
    main.SSCOMMAND1_Click();
    figures("after Escape");
    act = [&](QDialog& w) {
      dynamic_cast<app::ProjectWindow&>(w).Command3_Click();
      shoot(out, step + QStringLiteral("-shown-again"));
      w.reject();
    };
    main.btnProject_Click();

    step = display + QStringLiteral("-4-miami");
    open(folder / "Data" / "Miami.pvn", escape);
    figures("after Escape");
    reports();

    step = display + QStringLiteral("-5-houston-systems");
    open(folder / "Data" / "Houston.pvn",
         [](QDialog& w) { dynamic_cast<app::ProjectWindow&>(w).Done_Click(); });
    figures("after Done");
    // A backup furnace chosen: its minimum proposed, then Run on it.
    const auto backup = [&](const char* furnace, const char* input, const QString& name) {
      return [&, furnace, input, name](QDialog& w) {
        platform::DesignedForm& form = dynamic_cast<platform::DesignedDialog&>(w).form();
        QComboBox* list = form.combo("ComboFurnace");
        const int at = list->findText(QString::fromLatin1(furnace), Qt::MatchStartsWith);
        if (at < 0) return;
        list->setCurrentIndex(at == 0 ? 1 : 0);
        form.text_box(input)->setText(QStringLiteral("1"));  // below any minimum: it is proposed
        list->setCurrentIndex(at);
        shoot(w, out, step + QStringLiteral("-") + name + QStringLiteral("-proposed"));
        std::printf("%s %s: input %s, minimum shown %s\n", qPrintable(step), qPrintable(name),
                    qPrintable(form.text_box(input)->text()),
                    qPrintable(text_of(form.control("txtMinInput"))));
        form.button("cmdRun")->click();
        settle(4000);
        shoot(w, out, step + QStringLiteral("-") + name + QStringLiteral("-run"));
      };
    };
    act = backup("Gas Furnace-80 Single", "txtInputCap", QStringLiteral("geo-a"));
    main.btnGeo_Click();
    act = backup("Electric Furnace", "txtAAFinput", QStringLiteral("heat-pump"));
    main.btnAir_Click();

    step = display + QStringLiteral("-6-rates");
    act = [&](QDialog& w) {
      auto& rates = dynamic_cast<app::RatesWindow&>(w);
      type(rates.form(), "txtGS", "$1.90", "txtGW");
      rates.Command3_Click();
    };
    main.btnUtility_Click();
    std::printf("%s: geo electricity, summer, stored %.4f\n", qPrintable(step),
                state.model.ProjectRec.Rates_GeoElecSummer.to_double());
    act = [&](QDialog& w) {
      auto& rates = dynamic_cast<app::RatesWindow&>(w);
      shoot(out, step + QStringLiteral("-shown-again"));
      type(rates.form(), "txtGS", "1,90", "txtGW");
      rates.Command3_Click();
      shoot(out, step + QStringLiteral("-refused"));
      rates.Command4_Click();
    };
    main.btnUtility_Click();
  }
  return 0;
}
