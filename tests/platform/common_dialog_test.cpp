#include <gtest/gtest.h>

#include <QDir>
#include <QFileDialog>
#include <optional>
#include <vector>

#include "platform/common_dialog.h"
#include "platform/dialog_transfer_prompts.h"
#include "platform/message_box.h"

namespace pellavan::platform {
namespace {

// What a prepared dialog showed.
struct Seen {
  QString title;
  QString folder;
  QStringList filters;
  QString selected_filter;
  QString chosen_name;
  QString suffix;
  QFileDialog::AcceptMode accept = QFileDialog::AcceptOpen;
  QFileDialog::FileMode mode = QFileDialog::AnyFile;
};

// Records each dialog and answers with `answer`.
class DialogRecorder {
 public:
  explicit DialogRecorder(std::optional<QString> answer)
      : previous_(set_common_dialog_hook([this, answer](QFileDialog& d) {
          seen.push_back({d.windowTitle(), d.directory().absolutePath(), d.nameFilters(),
                          d.selectedNameFilter(), d.selectedFiles().value(0), d.defaultSuffix(),
                          d.acceptMode(), d.fileMode()});
          return answer;
        })) {}
  ~DialogRecorder() { set_common_dialog_hook(previous_); }
  std::vector<Seen> seen;

 private:
  CommonDialogHook previous_;
};

TEST(CommonDialogTest, DialogsAsPrepared) {
  struct Row {
    const char* name;
    bool open;
    QString filter, start, extension, preset;
    QStringList filters;
    QString folder, suffix;
  };
  const QString home = QDir::homePath();
  const QString temp = QDir::tempPath();
  const Row rows[] = {
      {"a fresh save dialog", false, "", "", "", "", {"All Files (*)"}, home, ""},
      {"C:\\ is the home folder", true, "", "C:\\", "", "", {"All Files (*)"}, home, ""},
      {"open with filters",
       true,
       "Text (*.txt)|*.txt|All Files|*.*",
       temp,
       ".txt",
       "a.txt",
       {"Text (*.txt)", "All Files (*)"},
       temp,
       "txt"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    DialogRecorder recorder(std::nullopt);
    cDialog dialog;
    dialog.Title(QStringLiteral("Pick one"));
    dialog.ModeOpen(row.open);
    if (!row.filter.isEmpty()) dialog.Filter(row.filter);
    if (!row.start.isEmpty()) dialog.StartDir(row.start);
    dialog.DefaultExtension(row.extension);
    dialog.FileName(row.preset);
    EXPECT_EQ(dialog.Action(), QString());
    EXPECT_EQ(dialog.FileName(), QString());
    ASSERT_EQ(recorder.seen.size(), 1u);
    const Seen& s = recorder.seen[0];
    EXPECT_EQ(s.title, "Pick one");
    EXPECT_EQ(s.accept, row.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    EXPECT_EQ(s.mode, row.open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    EXPECT_EQ(s.filters, row.filters);
    EXPECT_EQ(s.selected_filter, row.filters.value(0));
    EXPECT_EQ(s.folder, row.folder);
    EXPECT_EQ(s.suffix, row.suffix);
    if (!row.preset.isEmpty()) {
      EXPECT_TRUE(s.chosen_name.endsWith(row.preset)) << s.chosen_name.toStdString();
    }
  }
}

TEST(CommonDialogTest, ChoiceGivesTitleAndFolder) {
  struct Row {
    QString chosen, title, folder;
  };
  const Row rows[] = {
      {"/data/abc/abc.txt", "abc.txt", "/data/abc/"},
      {"/tmp/x.txt/x.txt", "x.txt", "/tmp/x.txt/"},  // the folder, not up to the first "x.txt"
      {"/X.TXT/x.txt", "x.txt", "/X.TXT/"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.chosen.toStdString());
    cDialog dialog;
    {
      DialogRecorder recorder(row.chosen);
      EXPECT_EQ(dialog.Action(), row.chosen);
    }
    EXPECT_EQ(dialog.FileTitle(), row.title);
    EXPECT_EQ(dialog.FileDir(), row.folder);
    DialogRecorder cancel(std::nullopt);
    EXPECT_EQ(dialog.Action(), QString());
    EXPECT_EQ(dialog.FileTitle(), row.title);  // kept from the last choice
  }
}

TEST(CommonDialogTest, BrowseFolder) {
  for (const std::optional<QString>& answer :
       {std::optional<QString>("/tmp"), std::optional<QString>()}) {
    DialogRecorder recorder(answer);
    cDialog dialog;
    EXPECT_EQ(dialog.BrowseFolder(QStringLiteral("Where?")), answer.value_or(QString()));
    ASSERT_EQ(recorder.seen.size(), 1u);
    EXPECT_EQ(recorder.seen[0].title, "Where?");
    EXPECT_EQ(recorder.seen[0].mode, QFileDialog::Directory);
    EXPECT_EQ(dialog.FileName(), QString());
  }
}

TEST(CommonDialogTest, TransferPromptsAskThroughTheDialog) {
  DialogRecorder recorder(QDir::tempPath() + "/new.txt");
  DialogTransferPrompts prompts;
  EXPECT_EQ(prompts.choose_file(
                {"Please select the file to upload.", 0, true, QDir::tempPath().toStdString()}),
            (QDir::tempPath() + "/new.txt").toStdString());
  ASSERT_EQ(recorder.seen.size(), 1u);
  EXPECT_EQ(recorder.seen[0].title, "Please select the file to upload.");
  EXPECT_EQ(recorder.seen[0].accept, QFileDialog::AcceptOpen);
  EXPECT_EQ(recorder.seen[0].folder, QDir::tempPath());

  std::vector<MessageRequest> boxes;
  const MessageHook previous = set_message_hook([&](const MessageRequest& r) {
    boxes.push_back(r);
    return MessageResult::Ok;
  });
  prompts.show_message("Attempting to reach the internet...");
  set_message_hook(previous);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "Attempting to reach the internet...");
  EXPECT_EQ(boxes[0].title, "Pellavan");
}

}  // namespace
}  // namespace pellavan::platform
