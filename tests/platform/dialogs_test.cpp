#include <gtest/gtest.h>

#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <vector>

#include "platform/disk_error.h"
#include "platform/file_dialogs.h"
#include "platform/message_box.h"
#include "platform/single_instance.h"

namespace pellavan::platform {
namespace {

// Records every box and answers with `answer`.
class MessageRecorder {
 public:
  explicit MessageRecorder(MessageResult answer)
      : previous_(set_message_hook([this, answer](const MessageRequest& r) {
          seen.push_back(r);
          return answer;
        })) {}
  ~MessageRecorder() { set_message_hook(previous_); }
  std::vector<MessageRequest> seen;

 private:
  MessageHook previous_;
};

TEST(DiskErrorTest, MessagesButtonsAndResults) {
  struct Row {
    const char* name;
    DiskError error;
    MessageResult answer;
    const char* text;  // nullptr: no box
    MessageIcon icon;
    MessageButtons buttons;
    bool retry;
  };
  const Row rows[] = {
      {"disk full, retry",
       {DiskErrorKind::kDiskFull, 61},
       MessageResult::Retry,
       "Disk Full, Insert New Disk",
       MessageIcon::Critical,
       MessageButtons::RetryCancel,
       true},
      {"disk full, cancel",
       {DiskErrorKind::kDiskFull, 61},
       MessageResult::Cancel,
       "Disk Full, Insert New Disk",
       MessageIcon::Critical,
       MessageButtons::RetryCancel,
       false},
      {"not ready, retry",
       {DiskErrorKind::kDriveNotReady, 71},
       MessageResult::Retry,
       "Disk Drive Not Ready!",
       MessageIcon::Question,
       MessageButtons::RetryCancel,
       true},
      {"cancelled dialog", dialog_cancelled(), MessageResult::Ok, nullptr, MessageIcon::None,
       MessageButtons::Ok, false},
      {"other",
       {DiskErrorKind::kOther, 13},
       MessageResult::Ok,
       "General Error # 13 has occurred",
       MessageIcon::Critical,
       MessageButtons::Ok,
       false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    MessageRecorder boxes(r.answer);
    EXPECT_EQ(Disk_Error(nullptr, r.error), r.retry);
    if (r.text == nullptr) {
      EXPECT_TRUE(boxes.seen.empty());
      continue;
    }
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0].text, r.text);
    EXPECT_EQ(boxes.seen[0].title, "Pellavan");
    EXPECT_EQ(boxes.seen[0].icon, r.icon);
    EXPECT_EQ(boxes.seen[0].buttons, r.buttons);
  }
}

TEST(DiskErrorTest, AFailedWriteNamesItsPlaceAndCause) {
  MessageRecorder boxes(MessageResult::Ok);
  EXPECT_FALSE(Disk_Error(
      nullptr, model::WriteFailure{std::make_error_code(std::errc::read_only_file_system),
                                   model::WriteFailure::Place::kFolder, "/jobs"}));
  ASSERT_EQ(boxes.seen.size(), 1u);
  EXPECT_EQ(boxes.seen[0].text, "The folder \"/jobs\" cannot be written: the disk is read-only");
  EXPECT_EQ(boxes.seen[0].icon, MessageIcon::Critical);
}

TEST(DiskErrorTest, SystemErrorsMapToKinds) {
  struct Row {
    std::errc error;
    DiskErrorKind kind;
  };
  const Row rows[] = {{std::errc::no_space_on_device, DiskErrorKind::kDiskFull},
                      {std::errc::file_too_large, DiskErrorKind::kDiskFull},
                      {std::errc::no_such_device, DiskErrorKind::kDriveNotReady},
                      {std::errc::permission_denied, DiskErrorKind::kOther}};
  for (const Row& r : rows) {
    const DiskError e = disk_error_from(std::make_error_code(r.error));
    EXPECT_EQ(e.kind, r.kind) << static_cast<int>(r.error);
  }
  EXPECT_EQ(disk_error_from(std::make_error_code(std::errc::no_space_on_device)).number, 61);
  EXPECT_EQ(disk_error_from(std::make_error_code(std::errc::permission_denied)).number, EACCES);
}

TEST(FileDialogsTest, FiltersAsQtWritesThem) {
  EXPECT_EQ(qt_name_filters("Icons(*.pvn)|*.pvn"), "Icons(*.pvn)");
  EXPECT_EQ(qt_name_filters("Rates|*.rat"), "Rates (*.rat)");
  EXPECT_EQ(qt_name_filters("Rates|*.rat;*.old|All|*.*"), "Rates (*.rat *.old);;All (*.*)");
  EXPECT_EQ(file_title_of("/home/pat/Smith.PVN"), "Smith.PVN");
}

TEST(FileDialogsTest, HookAnswersInsteadOfTheDialog) {
  FileDialogRequest seen;
  const auto previous = set_file_dialog_hook([&](const FileDialogRequest& r) {
    seen = r;
    return std::optional<QString>("/tmp/x.pvn");
  });
  const auto chosen = run_file_dialog(
      nullptr,
      {FileDialogRequest::Mode::kSave, {}, "Icons(*.pvn)|*.pvn", "Untitled.pvn", "pvn", "/tmp"});
  set_file_dialog_hook(previous);
  EXPECT_EQ(chosen, QString("/tmp/x.pvn"));
  EXPECT_EQ(seen.file_name, "Untitled.pvn");
  EXPECT_EQ(seen.default_suffix, "pvn");
}

TEST(SingleInstanceTest, OnlyOneCopyHoldsTheLock) {
  QTemporaryDir dir;
  const QString path = dir.filePath("p.lock");
  {
    SingleInstance first(path);
    ASSERT_TRUE(first.acquire());
    EXPECT_TRUE(first.acquire());  // asking again keeps it
    SingleInstance second(path);
    EXPECT_FALSE(second.acquire());
  }
  SingleInstance after(path);
  EXPECT_TRUE(after.acquire());
}

TEST(SingleInstanceTest, LockOfADeadCopyIsTakenOver) {
  QTemporaryDir dir;
  const QString path = dir.filePath("p.lock");
  QFile stale(path);
  ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
  // A process id that does not run, on this host.
  stale.write("999999\nplatform_window_tests\n" + QSysInfo::machineHostName().toUtf8() + "\n");
  stale.close();
  SingleInstance copy(path);
  EXPECT_TRUE(copy.acquire());
}

TEST(SingleInstanceTest, MessageNamesTheProgram) {
  EXPECT_EQ(already_running_message(), "platform_window_tests already running ");
}

}  // namespace
}  // namespace pellavan::platform
