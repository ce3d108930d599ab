#pragma once
// A program folder with a small Data folder (default files, settings file, the unit, T-unit and
// loop catalogues), and hooks in place of every box, dialog and modal window, so that the
// windows can be driven by direct handler calls. Message boxes are answered from a table by
// their text (OK when not listed) and recorded; file dialogs take their answers from a queue;
// modal windows run a handler chosen by the window's design name (closed when none).

#include <gtest/gtest.h>

#include <QDialog>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "program_state/app_state.h"
#include "app/main_window.h"
#include "model/catalogue/catalogue_fixture.h"
#include "model/project/project_files_fixture.h"
#include "model/records/geo_unit_rec.h"
#include "model/records/loop_rec.h"
#include "model/records/t_unit_rec.h"
#include "platform/fatal_exit.h"
#include "platform/file_dialogs.h"
#include "platform/message_box.h"
#include "platform/modal.h"
#include "platform/program_end.h"

namespace pellavan::app::testing {

// "Ends the program", as an exception the test can catch.
struct ProgramEnded : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The default project of the fixture's Data folder.
inline model::ProjectRec default_project() {
  model::ProjectRec r{};
  r.FileTag = "KQ7";
  model::set_standard_zoom(r);
  r.Project_Title = "New Project";
  r.System1_Description = "Geothermal option";
  r.System1_Type = 1;
  r.System2_Type = 4;
  r.System3_Type = 0;
  r.GeoA_UnitId = 1;
  r.GeoA_UnitName = "RKD036";
  r.GeoA_LoopId = 23;
  r.GeoA_LoopName = "Vert 1 U-Tube - 0.75\"";
  r.GeoB_UnitId = 1;
  r.GeoB_UnitName = "RKD036";
  r.GeoB_LoopId = 28;
  r.GeoB_LoopName = "Horz 2 Pipe";
  r.GeoT_UnitId = 3;
  r.GeoT_UnitName = "JN 1860 Varistep";
  r.GeoT_LoopId = 23;
  r.HeatPump_UnitName = "AirPro 36";
  r.Furnace_UnitName = "Gas Furnace 95";
  r.Loads_DhwTemp = 120;
  r.Rates_CurrencyId = "USD";
  return r;
}

inline model::DealerRec default_dealer() { return model::testing::sample_dealer(); }

// A stand-in for a window that a later part of the program adds.
class StandInWindow : public QDialog {
 public:
  StandInWindow(program_state::AppState& /*state*/, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("StandIn"));
  }
};

inline const QString kSaveQuestion = QStringLiteral("Do You Wish to Save the Current Project");

class AppFixture : public model::testing::CatalogueFixture {
 protected:
  void SetUp() override {
    CatalogueFixture::SetUp();
    write_bytes("Default.dat", model::encode_record(default_project()));
    model::ProjectRec factory = default_project();
    factory.Project_Title = "Factory Project";
    write_bytes("ODefault.dat", model::encode_record(factory));
    write_bytes("Dsetfil.dat", model::encode_record(default_dealer()));
    model::GeoUnitRec active = model::testing::named_record<model::GeoUnitRec>(1, "RKD036");
    model::GeoUnitRec gone = model::testing::named_record<model::GeoUnitRec>(2, "RKF048");
    gone.Inactive = 1;
    write_catalogue("UnitData.CEA", {active, gone});
    write_catalogue("tUnitData.CEA",
                    {model::testing::named_record<model::TUnitRec>(3, "JN 1860 Varistep")});
    write_catalogue("LoopData.CEA",
                    {model::testing::named_record<model::LoopRec>(23, "Vert 1 U-Tube - 0.75\""),
                     model::testing::named_record<model::LoopRec>(28, "Horz 2 Pipe")});

    previous_messages_ = platform::set_message_hook([this](const platform::MessageRequest& r) {
      messages.push_back(r);
      if (answer_first)
        if (auto answer = answer_first(r)) return *answer;
      const auto it = answers.find(r.text);
      return it != answers.end() ? it->second : platform::MessageResult::Ok;
    });
    previous_dialogs_ =
        platform::set_file_dialog_hook([this](const platform::FileDialogRequest& r) {
          dialogs.push_back(r);
          if (dialog_answers.empty()) return std::optional<QString>();
          auto answer = dialog_answers.front();
          dialog_answers.pop_front();
          return answer;
        });
    previous_modal_ = platform::set_modal_hook([this](QDialog& dialog) {
      modal_windows.push_back(dialog.objectName());
      const auto it = on_modal.find(dialog.objectName());
      if (it != on_modal.end()) return it->second(dialog);
      return static_cast<int>(dialog.objectName() == "Form15" ? QDialog::Accepted
                                                              : QDialog::Rejected);
    });
    previous_end_ = platform::set_end_handler([this] { ++ends; });
    previous_fatal_ = platform::set_fatal_handler(
        [](const std::string& message) { throw ProgramEnded(message); });
    state = std::make_unique<program_state::AppState>(program_folder());
    state->VersionText = "1.0.00";
  }

  void TearDown() override {
    window.reset();
    state.reset();
    platform::set_fatal_handler(previous_fatal_);
    platform::set_end_handler(previous_end_);
    platform::set_modal_hook(previous_modal_);
    platform::set_file_dialog_hook(previous_dialogs_);
    platform::set_message_hook(previous_messages_);
    CatalogueFixture::TearDown();
  }

  // The main window after its load (disclaimer accepted) and shown.
  MainWindow& loaded_window() {
    window = std::make_unique<MainWindow>(*state);
    window->Form_Load();
    window->show();
    return *window;
  }

  // A project file path in the program folder.
  [[nodiscard]] QString project_path(const char* name) const {
    return QString::fromStdString((program_folder() / name).string());
  }

  [[nodiscard]] int times_shown(const QString& text) const {
    int n = 0;
    for (const auto& m : messages) n += m.text == text ? 1 : 0;
    return n;
  }
  [[nodiscard]] bool was_shown(const QString& text) const { return times_shown(text) > 0; }

  // The main window with a new project from the defaults.
  MainWindow& new_project() {
    MainWindow& w = loaded_window();
    w.SSCOMMAND1_Click();
    return w;
  }

  // Saves through the menu into path (the save question answered Yes).
  void save_as_new_file(MainWindow& w, const QString& path) {
    answers[kSaveQuestion] = platform::MessageResult::Yes;
    dialog_answers.push_back(path);
    w.mnuSave_Click();
  }

  std::unique_ptr<program_state::AppState> state;
  std::unique_ptr<MainWindow> window;
  std::vector<platform::MessageRequest> messages;
  std::map<QString, platform::MessageResult> answers;
  // Consulted before `answers`, for boxes whose answer changes from one showing to the next.
  std::function<std::optional<platform::MessageResult>(const platform::MessageRequest&)>
      answer_first;
  std::vector<platform::FileDialogRequest> dialogs;
  std::deque<std::optional<QString>> dialog_answers;
  std::vector<QString> modal_windows;
  std::map<QString, std::function<int(QDialog&)>> on_modal;
  int ends = 0;

 private:
  platform::MessageHook previous_messages_;
  platform::FileDialogHook previous_dialogs_;
  platform::ModalHook previous_modal_;
  platform::EndHandler previous_end_;
  platform::FatalHandler previous_fatal_;
};

}  // namespace pellavan::app::testing
