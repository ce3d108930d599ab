#include "app/project_commands.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "model/catalogue/catalogue_files.h"
#include "model/catalogue/data_folder.h"
#include "model/project/comparison_columns.h"
#include "model/project/dealer_file.h"
#include "model/project/default_files.h"
#include "model/project/discontinued_units.h"
#include "model/project/project_file.h"
#include "platform/disk_error.h"
#include "platform/fatal_exit.h"
#include "platform/file_dialogs.h"
#include "platform/interrupted_save_notice.h"
#include "platform/message_box.h"
#include "program_state/analysis_session.h"
#include "sheet/format/date_serial.h"

namespace pellavan::app {
namespace {

using platform::MessageButtons;
using platform::MessageIcon;
using platform::MessageResult;

constexpr const char* kProjectFilter = "Icons(*.pvn)|*.pvn";
const QString kUnreadableProject =
    QStringLiteral("This File Could Not Be Read...It Cannot Be Opened");
constexpr const char* kRestoreDefaults =
    "Please Restore Original Defaults -- Restart and go to Setup Menu";

std::filesystem::path to_path(const QString& path) {
  return std::filesystem::path(path.toStdString());
}

}  // namespace

ProjectCommands::ProjectCommands(program_state::AppState& state, ProjectView& view)
    : state_(state), view_(view) {}

QString ProjectCommands::dialog_folder() const {
  if (!last_dialog_path_.isEmpty()) return QFileInfo(last_dialog_path_).absolutePath();
  if (!state_.ProjectFileName.isEmpty()) return QFileInfo(state_.ProjectFileName).absolutePath();
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return QDir(documents).exists() ? documents : QDir::homePath();
}

void ProjectCommands::take_file_name(const QString& path) {
  state_.ProjectFileName = path;
  state_.ProjectFileTitle = platform::file_title_of(path);
}

void ProjectCommands::Load_Defaults(model::ProjectRec& rec) {
  model::InterruptedSave interrupted;
  const auto status =
      model::load_default_project(state_.program_folder(), rec, state_.DefaultZoom, &interrupted);
  platform::tell_interrupted_save(view_.dialog_parent(),
                                  model::default_file_path(state_.program_folder()), interrupted);
  if (status == model::DefaultLoadStatus::kOk) return;
  // A missing or unreadable default file is reported as a damaged one is: either way the user
  // must restore the original defaults.
  platform::message_box(view_.dialog_parent(),
                        {QStringLiteral("The Default File is Damaged or the Wrong Version!"),
                         QStringLiteral("Warning!"), MessageIcon::Critical});
  platform::end_program(kRestoreDefaults);
}

bool ProjectCommands::Read_DealerFile() {
  model::InterruptedSave interrupted;
  const auto status = model::read_dealer_file(state_.program_folder(), state_.DealerRec,
                                              model::HideInactiveOnReset::kKeep, &interrupted);
  // The dealer window would only read the file again and tell the same failure.
  if (!platform::tell_interrupted_save(
          view_.dialog_parent(), model::dealer_file_path(state_.program_folder()), interrupted))
    return false;
  if (status == model::DealerReadStatus::kOk) return true;
  if (status == model::DealerReadStatus::kReset)
    platform::message_box(view_.dialog_parent(),
                          QStringLiteral("Dealer File Corrupt or Wrong Version...Resetting File"));
  platform::message_box(
      view_.dialog_parent(),
      QStringLiteral("No Dealer Data -- Enter Dealer Data--Save--then Choose New"));
  view_.show_dealer_window();
  return true;
}

void ProjectCommands::tell_unknown_systems() {
  // The record keeps the columns' codes until the rows are stored into it.
  if (const auto notice = model::unknown_systems_notice(state_.model.ProjectRec))
    platform::message_box(view_.dialog_parent(), {QString::fromStdString(*notice),
                                                  platform::kAppTitle, MessageIcon::Exclamation});
}

void ProjectCommands::tell_stored_figures() {
  if (state_.services.stored_figures == nullptr) return;
  const auto found = state_.services.stored_figures(state_.model);
  // One: the first that keeps a system out of the analysis, ahead of those only told; the
  // windows, the results warning and the printed notes tell the rest.
  if (const model::StoredFigure* told = model::told_first(found))
    platform::message_box(view_.dialog_parent(), {QString::fromStdString(told->message()),
                                                  platform::kAppTitle, MessageIcon::Exclamation});
}

void ProjectCommands::calculate_loads() {
  // Without its city file the program cannot go on: the project window that opens next ends it
  // with the file's message.
  std::error_code ec;
  if (!std::filesystem::is_regular_file(
          model::data_file_path(state_.program_folder(), model::kCityFile), ec))
    return;
  (void)state_.analysis().Calc_Project_Loads();  // a failure is marked on the loads
}

void ProjectCommands::New_Analysis() {
  if (view_.project_open() && !project_is_safe(Save_It())) return;
  state_.ProjectFileName.clear();
  state_.ProjectFileTitle.clear();
  view_.show_project_view();
  // Read before the default project is loaded: the dealer window this may open deactivates
  // the main window, which stores its rows into the record, and they must not land in the
  // new project.
  Read_DealerFile();
  model::ProjectRec& rec = state_.model.ProjectRec;
  Load_Defaults(rec);
  rec.Project_Date = model::OleDate{sheet::today_serial()};
  model::copy_dealer_into_project(state_.DealerRec, rec);
  state_.model.MetricFlag = model::metric_flags_from(state_.DealerRec);
  state_.model.CurrencyLabel = "CND";
  state_.ProjectFileName.clear();
  calculate_loads();
  view_.load_rows(false);
  tell_unknown_systems();
  tell_stored_figures();
  view_.show_project_window();
}

void ProjectCommands::Open_Analysis() {
  const bool dealer_read = Read_DealerFile();
  state_.model.MetricFlag = model::metric_flags_from(state_.DealerRec);
  if (dealer_read) Read_DealerFile();  // a file that cannot be restored is told once
  if (view_.project_open() && !project_is_safe(Save_It())) return;
  model::ProjectRec defaults;
  Load_Defaults(defaults);  // fixes the run's zoom levels; a broken default file ends here

  const auto chosen = platform::run_file_dialog(
      view_.dialog_parent(),
      {platform::FileDialogRequest::Mode::kOpen, {}, kProjectFilter, {}, {}, dialog_folder()});
  if (!chosen) return;
  last_dialog_path_ = *chosen;

  model::ProjectRead read = model::read_project_file(to_path(*chosen));
  if (!platform::tell_interrupted_save(view_.dialog_parent(), to_path(*chosen), read.interrupted))
    return;
  switch (read.status) {
    case model::ProjectReadStatus::kOk: break;
    case model::ProjectReadStatus::kUnreadable:  // a folder of that name, no permission
      platform::message_box(
          view_.dialog_parent(),
          {QDir::toNativeSeparators(*chosen) + QStringLiteral("\n") + kUnreadableProject,
           QStringLiteral("Warning!"), MessageIcon::Critical});
      return;
    case model::ProjectReadStatus::kNewer:
      platform::message_box(
          view_.dialog_parent(),
          {QStringLiteral("This File Was Created With a Newer Version of Pellavan--You Must "
                          "Update to the Current Revision to Open"),
           QStringLiteral("Warning!"), MessageIcon::Critical});
      return;
    case model::ProjectReadStatus::kDamaged:
    case model::ProjectReadStatus::kShort:
      platform::message_box(
          view_.dialog_parent(),
          {QStringLiteral("This File is Either Damaged or the Wrong Type...It Cannot Be Opened"),
           QStringLiteral("Warning!"), MessageIcon::Critical});
      return;
  }
  if (state_.DealerRec.HideInactive == 1 &&
      model::uses_discontinued_unit(state_.model, read.record)) {
    platform::message_box(
        view_.dialog_parent(),
        QStringLiteral("There is one or more inactive/discontinued units on the job being "
                       "opened.  To open this file please enable viewing of discontinued units "
                       "in the setup menu"));
    New_Analysis();  // the record still holds the previous project, which is what it offers
    return;
  }
  model::FileConversion(read.record, read.tag, state_.DefaultZoom);
  state_.model.ProjectRec = read.record;
  calculate_loads();
  take_file_name(*chosen);
  view_.Show_Summary();
  view_.show_project_view();
  view_.Show_Summary();
  state_.model.CurrencyLabel = state_.model.ProjectRec.Rates_CurrencyId;
  view_.load_rows(true);
  tell_unknown_systems();
  tell_stored_figures();
  view_.show_project_window();
}

bool ProjectCommands::choose_save_file(const QString& proposed, QString& path) {
  for (;;) {
    const auto chosen =
        platform::run_file_dialog(view_.dialog_parent(), {platform::FileDialogRequest::Mode::kSave,
                                                          {},
                                                          kProjectFilter,
                                                          proposed,
                                                          QStringLiteral("pvn"),
                                                          dialog_folder()});
    if (!chosen) return platform::Disk_Error(view_.dialog_parent(), platform::dialog_cancelled());
    last_dialog_path_ = *chosen;
    if (model::has_project_extension(platform::file_title_of(*chosen).toStdString())) {
      path = *chosen;
      return true;
    }
    platform::message_box(view_.dialog_parent(),
                          {QStringLiteral("File Extension Must be 'PVN' -- File Extension will "
                                          "Default to 'PVN' if Left Blank"),
                           QStringLiteral("Notice"), MessageIcon::Critical});
  }
}

bool ProjectCommands::write_with_retry(const std::function<model::WriteFailure()>& write) {
  for (;;) {
    const model::WriteFailure failure = write();
    if (!failure) return true;
    if (!platform::Disk_Error(view_.dialog_parent(), failure)) return false;
  }
}

bool ProjectCommands::write_project(const QString& path) {
  store_rows();
  return write_with_retry(
      [&] { return model::write_project_file(to_path(path), state_.model.ProjectRec); });
}

void ProjectCommands::store_rows() {
  view_.rebuild_descriptions();
  view_.Store_Selections();
}

SaveOutcome ProjectCommands::Save_It() {
  view_.Store_Selections();
  const auto answer = platform::message_box(
      view_.dialog_parent(),
      {QStringLiteral("Do You Wish to Save the Current Project"), QStringLiteral("Save Project"),
       MessageIcon::Question, MessageButtons::YesNo});
  if (answer != MessageResult::Yes) return SaveOutcome::kDeclined;
  QString path = state_.ProjectFileName;
  if (path.isEmpty() && !choose_save_file(QStringLiteral("Untitled.pvn"), path))
    return SaveOutcome::kCancelled;
  if (!write_project(path)) return SaveOutcome::kFailed;
  take_file_name(path);
  return SaveOutcome::kSaved;
}

void ProjectCommands::Save_As() {
  view_.Store_Selections();
  const QString proposed =
      state_.ProjectFileName.isEmpty()
          ? QStringLiteral("untitled.pvn")
          : platform::file_title_of(last_dialog_path_.isEmpty() ? state_.ProjectFileName
                                                                : last_dialog_path_);
  QString path;
  if (!choose_save_file(proposed, path) || !write_project(path)) return;
  take_file_name(path);
  view_.Show_Summary();
}

void ProjectCommands::Save_As_Default() {
  view_.Store_Selections();
  QWidget* parent = view_.dialog_parent();
  const auto write_default = [&] {
    store_rows();
    return write_with_retry([&] {
      return model::save_default_project(state_.program_folder(), state_.model.ProjectRec);
    });
  };
  std::error_code ec;
  if (!std::filesystem::exists(model::default_file_path(state_.program_folder()), ec)) {
    if (write_default())
      platform::message_box(parent, QStringLiteral("Your Default File Has Been Created"));
    return;
  }
  switch (platform::message_box(parent, {QStringLiteral("Do You Wish to Update the Default File"),
                                         QStringLiteral("Replace Default"), MessageIcon::None,
                                         MessageButtons::YesNoCancel})) {
    case MessageResult::Yes:
      if (write_default())
        platform::message_box(parent, QStringLiteral("Your Default File has been Updated"));
      return;
    case MessageResult::No:
      platform::message_box(parent, QStringLiteral("Your Defaults were not Updated"));
      return;
    default: return;
  }
}

void ProjectCommands::Load_Odefaults() {
  QWidget* parent = view_.dialog_parent();
  const auto answer = platform::message_box(
      parent, {QStringLiteral("This Will Overwrite Your Current Default File -- Are You Sure?"),
               QStringLiteral("Restore Original Defaults"), MessageIcon::Exclamation,
               MessageButtons::YesNo, MessageResult::No});
  if (answer != MessageResult::Yes) {
    platform::message_box(parent, {QStringLiteral("Your Default File Was NOT Updated"),
                                   QStringLiteral("Attention"), MessageIcon::Exclamation});
    return;
  }
  if (const auto failure = model::restore_original_defaults(state_.program_folder())) {
    platform::message_box(
        parent, QStringLiteral("An Error Occurred -- The Default File Was Not Updated\n\n") +
                    QString::fromStdString(model::failure_words(failure)));
    return;
  }
  platform::message_box(
      parent, {QStringLiteral("Your Default File Has Been Updated to the Original Defaults"),
               QStringLiteral("Attention"), MessageIcon::Exclamation});
}

}  // namespace pellavan::app
