// pellavan-loads-screenshots PROGRAM_FOLDER OUTPUT_FOLDER
//
// Shows the project-information window (both pages) and the utility-rates window on a sample
// project, in the imperial and the metric display and in the normal and the large layout, with
// a state and a city clicked by mouse, and saves a picture of each window in OUTPUT_FOLDER.
// Message boxes are printed, not shown, but for the entries typed as people type them (a decimal
// comma in a price and a load, "1.500" as a load in Btu/h, Escape with a figure or a half-typed
// date still in its box, dates in British and German form), whose messages are drawn and the
// screen saved, and the window after a refusal, the cursor back in the refused box.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <cstdio>

#include "program_state/app_state.h"
#include "app/project_window.h"
#include "app/rates_window.h"
#include "platform/designed_form.h"
#include "screenshots/screen_shot.h"
#include "program_state/analysis_session.h"

namespace {

using namespace pellavan;

using tools::settle;
using tools::shoot;

void sample_project(model::ProjectRec& p) {
  p.Client_Name = "Jordan Ellis";
  p.Client_Address = "418 Maple Grove Road";
  p.Client_City = "Kirkwood";
  p.Client_State = "MO";
  p.Client_Zip = "63122";
  p.Client_HomePhone = "(314) 555-0110";
  p.Project_Title = "Ellis Residence";
  p.Project_Number = "2026-114";
  p.Project_Date = model::OleDate{46300};
  p.Project_Notes = "Two-storey house, full basement; replace the 20-year-old furnace.";
  p.Loads_CityId = 7;
  p.Loads_HeatLoad = 80000;
  p.Loads_HeatDeltaT = 65;
  p.Loads_CoolLoad = 45000;
  p.Loads_CoolDeltaT = 20;
  p.Loads_DhwTemp = 130;
  p.Loads_DhwUsers = 4;
  p.Loads_HeatSetPoint = 70;
  p.Loads_CoolSetPoint = 75;
  p.Loads_CoolStart = 65;
  p.Loads_SensibleMode = 1;
  p.Loads_SensibleRatio = model::Currency::from_double_saturated(0.75);
  p.Loads_SolarGain = 3;
  p.Loads_OccupancyGain = 4;
  p.Loads_ElecGain = 2;
  p.Loads_Construction = 3;
  const double prices[] = {0.085, 0.085, 0.09, 0.09, 0.08, 0.08, 1.1, 1.25, 2.1, 2.3, 3.2, 3.4};
  model::Currency* fields[] = {
      &p.Rates_GeoElecSummer,      &p.Rates_GeoElecWinter,    &p.Rates_HeatPumpElecSummer,
      &p.Rates_HeatPumpElecWinter, &p.Rates_FossilElecSummer, &p.Rates_FossilElecWinter,
      &p.Rates_GasSummer,          &p.Rates_GasWinter,        &p.Rates_PropaneSummer,
      &p.Rates_PropaneWinter,      &p.Rates_OilSummer,        &p.Rates_OilWinter};
  for (std::size_t i = 0; i < std::size(prices); ++i)
    *fields[i] = model::Currency::from_double_saturated(prices[i]);
  for (model::Currency* f :
       {&p.Rates_GeoElecInflation, &p.Rates_GasInflation, &p.Rates_OilInflation})
    *f = model::Currency::from_double_saturated(0.03);
  p.Rates_ElecUtility = "Gateway Electric";
  p.Rates_GasUtility = "River Valley Gas";
  p.Rates_Description = "Residential rates, 2026";
  p.Rates_FileName = "No Rate File Saved";
  p.Rates_CurrencyId = "CAD";
}

// Clicks the first row of `list` that starts with `text` with the mouse, scrolled into view as
// a user would; returns the microseconds the window took to answer the click.
qint64 click_row(QListWidget& list, const char* text) {
  const auto found = list.findItems(QString::fromLatin1(text), Qt::MatchStartsWith);
  if (found.isEmpty()) {
    std::printf("no row %s\n", text);
    return -1;
  }
  list.scrollToItem(found.front());
  settle(50);
  QElapsedTimer timer;
  timer.start();
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                    list.visualItemRect(found.front()).center());
  return timer.nsecsElapsed() / 1000;
}

// A contractor in Philadelphia: Pennsylvania and then Texas, the longest list, clicked in the
// state list, Pennsylvania again and Philadelphia clicked in its city list.
void pick_philadelphia(app::ProjectWindow& project, const QDir& out, const QString& tag) {
  auto& states = *project.form().get<QListWidget>("comboState");
  auto& cities = *project.form().get<QListWidget>("comboCity");
  const qint64 pa = click_row(states, "PA ");
  const int pa_cities = cities.count();
  shoot(project, out, QStringLiteral("pick-1-pennsylvania-") + tag);
  const qint64 tx = click_row(states, "TX ");
  const int tx_cities = cities.count();
  cities.scrollToBottom();
  shoot(project, out, QStringLiteral("pick-2-texas-") + tag);
  (void)click_row(states, "PA ");
  const qint64 city = click_row(cities, "Philadelphia");
  shoot(project, out, QStringLiteral("pick-3-philadelphia-") + tag);
  std::printf(
      "%s: %d states; Pennsylvania, %d cities, in %lld us; Texas, %d cities, in %lld us; "
      "Philadelphia in %lld us: %s, id %d\n",
      qPrintable(tag), states.count(), pa_cities, static_cast<long long>(pa), tx_cities,
      static_cast<long long>(tx), static_cast<long long>(city),
      qPrintable(cities.currentItem()->text().trimmed()),
      cities.currentItem()->data(Qt::UserRole).toInt());
}

// Shown and active, so that the cursor can go into its boxes.
void show_active(QWidget& window) {
  window.show();
  window.activateWindow();
  for (int i = 0; i < 40 && !window.isActiveWindow(); ++i) settle(50);
}

// The cursor put into a box, its text typed over, and Escape or Tab pressed in it.
void type(QLineEdit* box, const char* text) {
  box->setFocus();
  box->setText(QString::fromUtf8(text));
  settle(50);
}
void press(QLineEdit* box, Qt::Key key) {
  QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(box, &event);
  settle(100);
}

// The name of the box the cursor is in.
const char* focused() {
  static QByteArray name;
  const QWidget* w = QApplication::focusWidget();
  name = w != nullptr ? w->objectName().toUtf8() : QByteArray("nothing");
  return name.constData();
}

// "1.500" typed as the heating load in Btu/h (kept in Btu/h in metric display) and left with
// Tab: the message, then the window after OK with the cursor back in the load box and its text
// selected, and the correction typed at once, which lands there.
void point_in_load(program_state::AppState& state, bool large, const QString& tag, const QDir& out,
                   QString& step) {
  model::Int16& keep = state.model.MetricFlag(model::kKeepBtuh);
  const model::Int16 kept = keep;
  keep = state.model.MetricFlag(model::kMetricDisplay) != 0 ? -1 : 0;
  {
    app::ProjectWindow project(state);
    project.apply_size(large);
    show_active(project);
    project.Command3_Click();
    QLineEdit* load = project.form().text_box("txtHload");
    step = QStringLiteral("point-load-") + tag;
    type(load, "1.500");
    press(load, Qt::Key_Tab);
    step.clear();
    show_active(project);  // as the window system does once the message box is closed
    shoot(project, out, QStringLiteral("point-load-after-ok-") + tag);
    std::printf("point-load-after-ok-%s: the cursor in %s\n", qPrintable(tag), focused());
    if (QWidget* cursor = QApplication::focusWidget()) QTest::keyClicks(cursor, "15000");
    shoot(project, out, QStringLiteral("point-load-corrected-") + tag);
    std::printf("point-load-corrected-%s: heating load \"%s\", delta T \"%s\"\n", qPrintable(tag),
                qPrintable(load->text()), qPrintable(project.form().text_box("txtHdt")->text()));
    press(load, Qt::Key_Escape);
  }
  keep = kept;
  settle(100);
}

// Entries typed as people type them, in one display and layout; `step` names the shots of the
// messages they bring.
void typed_entries(program_state::AppState& state, bool large, const QString& tag, const QDir& out,
                   QString& step) {
  model::ProjectRec& p = state.model.ProjectRec;
  const bool metric = state.model.MetricFlag(model::kMetricDisplay) != 0;
  {
    app::ProjectWindow project(state);
    project.apply_size(large);
    show_active(project);
    project.Command3_Click();
    step = QStringLiteral("comma-load-") + tag;
    type(project.form().text_box("txtHload"), metric ? "23,450" : "66,00");
    press(project.form().text_box("txtHload"), Qt::Key_Tab);
    step.clear();
    show_active(project);
    shoot(project, out, QStringLiteral("comma-load-after-ok-") + tag);
    std::printf("comma-load-after-ok-%s: the cursor in %s\n", qPrintable(tag), focused());
    step = QStringLiteral("escape-in-box-") + tag;
    type(project.form().text_box("txtHdt"), metric ? "39" : "70");
    press(project.form().text_box("txtHdt"), Qt::Key_Escape);
    std::printf("%s: window %s, heating load %d, heating delta T %d\n", qPrintable(step),
                project.isVisible() ? "open" : "closed", p.Loads_HeatLoad, p.Loads_HeatDeltaT);
    show_active(project);
    type(project.form().text_box("txtDate"), "3/1");
    press(project.form().text_box("txtDate"), Qt::Key_Escape);
    std::printf("%s: window %s after a half-typed date\n", qPrintable(step),
                project.isVisible() ? "open" : "closed");
  }
  auto* rates = new app::RatesWindow(state);
  rates->apply_size(large);
  show_active(*rates);
  for (const char* price : {"0,459", "1,234"}) {
    step = QStringLiteral("comma-price-%1-").arg(QString::fromLatin1(price).remove(u',')) + tag;
    type(rates->form().text_box("txtNS"), price);
    rates->form().button("Command3")->click();
    std::printf("%s: gas, summer, stored %.4f\n", qPrintable(step), p.Rates_GasSummer.to_double());
  }
  rates->Command4_Click();
  step.clear();
  settle(100);
}

// The job page in the short date form of a locale, before and after a date typed in it.
void dates_in(program_state::AppState& state, const char* locale, const char* typed,
              const QDir& out) {
  const QLocale before;
  QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
  app::ProjectWindow project(state);
  show_active(project);
  const QString tag = QString::fromLatin1(locale);
  shoot(project, out, QStringLiteral("date-shown-") + tag);
  type(project.form().text_box("txtDate"), typed);
  press(project.form().text_box("txtDate"), Qt::Key_Tab);
  shoot(project, out, QStringLiteral("date-typed-") + tag);
  project.Done_Click();
  std::printf("date %s: typed %s, shown %s, day %.0f\n", locale, typed,
              qPrintable(project.form().text_box("txtDate")->text()),
              state.model.ProjectRec.Project_Date.serial);
  QLocale::setDefault(before);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const std::optional<QDir> made = tools::output_folder(argc, argv);
  if (!made) return 2;
  const QDir& out = *made;
  QString step;  // while set, a message is drawn and the screen saved
  tools::start_quietly([&](const platform::MessageRequest& r) {
    if (!step.isEmpty()) {
      QMessageBox box(QMessageBox::Warning, r.title, r.text, QMessageBox::Ok,
                      QApplication::activeWindow());
      box.show();
      shoot(out, step + QStringLiteral("-message"));
    }
    return platform::MessageResult::No;
  });
  program_state::AppState state(tools::program_folder(argv));
  sample_project(state.model.ProjectRec);
  for (const bool metric : {false, true}) {
    state.model.MetricFlag(model::kMetricDisplay) = metric ? -1 : 0;
    for (const bool large : {false, true}) {
      state.LargeLayout = large ? -1 : 0;
      const QString tag = QString::fromLatin1(metric ? "metric" : "imperial") +
                          QString::fromLatin1(large ? "-large" : "-normal");
      app::ProjectWindow project(state);
      project.apply_size(large);
      project.show();
      shoot(project, out, QStringLiteral("project-job-") + tag);
      project.Command3_Click();
      shoot(project, out, QStringLiteral("project-load-") + tag);
      pick_philadelphia(project, out, tag);
      project.Done_Click();
      auto* rates = new app::RatesWindow(state);
      rates->apply_size(large);
      rates->show();
      shoot(*rates, out, QStringLiteral("rates-") + tag);
      rates->Command4_Click();
      settle(100);
      typed_entries(state, large, tag, out, step);
      point_in_load(state, large, tag, out, step);
    }
  }
  state.model.MetricFlag(model::kMetricDisplay) = 0;
  dates_in(state, "en_GB", "25/12/26", out);
  dates_in(state, "de_DE", "25.12.2026", out);
  dates_in(state, "en_US", "12/25/26", out);
  // A new user's round: a state and city picked, loads typed, a correction moved, one entry out
  // of range, then Done.
  state.model.MetricFlag(model::kMetricDisplay) = 0;
  state.LargeLayout = 0;
  app::ProjectWindow project(state);
  project.show();
  project.Command3_Click();
  project.form().get<QListWidget>("comboState")->setCurrentRow(0);
  settle(100);
  project.form().text_box("txtHload")->setText(QStringLiteral("64000"));
  project.txtHload_LostFocus();
  project.form().get<QScrollBar>("HscrStruc")->setValue(5);
  shoot(project, out, QStringLiteral("scenario-1-first-state-construction-high"));
  project.form().text_box("txtCset")->setText(QStringLiteral("95"));
  project.Done_Click();
  std::printf("after the refused set point the window is %s\n",
              project.isVisible() ? "open" : "closed");
  project.form().text_box("txtCset")->setText(QStringLiteral("76"));
  project.Done_Click();
  std::printf(
      "after Done: city %d, heating load %d, minimum backup %d, Geo A input %d, window %s\n",
      state.model.ProjectRec.Loads_CityId, state.model.ProjectRec.Loads_HeatLoad,
      state.analysis().loads().MinBackupHeat, state.model.ProjectRec.GeoA_AuxInput,
      project.isVisible() ? "open" : "closed");
  // A job in Lincoln, NE: Nebraska picked from the state list shows Omaha and its climate;
  // Florida shows a city with three stations; Ohio, Hawaii and Quebec the stations added last.
  project.show();
  project.Command3_Click();
  auto* states = project.form().get<QListWidget>("comboState");
  for (const auto& [state_code, name] :
       {std::pair{"NE ", "scenario-2-nebraska-omaha"}, std::pair{"FL ", "scenario-3-florida"},
        std::pair{"OH ", "scenario-4-ohio"}, std::pair{"HI ", "scenario-5-hawaii"},
        std::pair{"QC ", "scenario-6-quebec"}}) {
    const auto found = states->findItems(QString::fromLatin1(state_code), Qt::MatchStartsWith);
    if (!found.isEmpty()) states->setCurrentItem(found.front());
    settle(100);
    shoot(project, out, QString::fromLatin1(name));
  }
  std::printf("states listed: %d\n", states->count());
  return 0;
}
