#pragma once
// The Geo A and Geo B windows and the bin viewer on the built Data folder with the sample
// project and its loads; message boxes are recorded and answered OK, modal windows closed.

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <vector>

#include "program_state/app_state.h"
#include "platform/designed_form.h"
#include "platform/message_box.h"
#include "platform/modal.h"
#include "systems/geo/geo_window.h"
#include "tools/sample_data_fixture.h"
#include "workbook/analysis_run.h"
#include "program_state/analysis_session.h"
#include "reports/chart_view.h"
#include "systems/system_windows.h"

namespace pellavan::geo::testing {

class GeoWindowTest : public pellavan::testing::SampleDataTest {
 protected:
  void SetUp() override {
    SampleDataTest::SetUp();
    previous_message_ = platform::set_message_hook([this](const platform::MessageRequest& r) {
      messages.push_back(r.text.toStdString());
      if (on_message) on_message();
      return platform::MessageResult::Ok;
    });
    previous_modal_ = platform::set_modal_hook([this](QDialog& w) {
      modal_shown.push_back(w.objectName().toStdString());
      return 0;
    });
    start(model.program_folder);
  }
  // The program on the Data folder of that program folder, with the sample and its loads.
  void start(const std::filesystem::path& program_folder) {
    state = std::make_unique<program_state::AppState>(program_folder);
    state->LogoFile = QStringLiteral("GeoLogo.bmp");
    systems::register_system_windows(*state);
    state->services.make_charts = &reports::make_report_charts;  // as the program hands them in
    state->model.ProjectRec = workbook::read_project_for_analysis(path_of("Sample Project.pvn"));
    state->analysis().Calc_Loads();
  }
  void TearDown() override {
    state.reset();
    platform::set_modal_hook(previous_modal_);
    platform::set_message_hook(previous_message_);
    SampleDataTest::TearDown();
  }

  // The window loaded afresh in the display given and restored from its block.
  GeoWindow& open(program_state::WindowId id, bool metric) {
    state->model.MetricFlag(model::kMetricDisplay) = metric ? -1 : 0;
    for (int i = 1; i <= 4; ++i) state->model.MetricFlag(i) = 0;
    state->windows.unload(id);
    auto& w = *static_cast<GeoWindow*>(state->windows.window(id, *state));
    w.Form_Activate();
    messages.clear();
    return w;
  }
  static QLineEdit* box(GeoWindow& w, platform::TextBoxHandle h) { return w.form()[h]; }
  static void type(GeoWindow& w, platform::TextBoxHandle h, const char* text) {
    w.form()[h]->setText(QString::fromUtf8(text));
  }
  model::ProjectRec& rec() { return state->model.ProjectRec; }
  // The entry with that id chosen as a user does: the list dropped down, a click on its row.
  static void pick(QComboBox* list, model::Int16 id) {
    const int row = list->findData(QVariant(int{id}));
    ASSERT_GE(row, 0) << id;
    list->showPopup();
    QAbstractItemView* view = list->view();
    const QModelIndex index = view->model()->index(row, list->modelColumn());
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    ASSERT_EQ(list->currentIndex(), row);
  }

  std::unique_ptr<program_state::AppState> state;
  std::vector<std::string> messages;
  std::function<void()> on_message;  // run while a message is answered
  std::vector<std::string> modal_shown;

 private:
  platform::MessageHook previous_message_;
  platform::ModalHook previous_modal_;
};

}  // namespace pellavan::geo::testing
