#pragma once
// What the screenshot drivers share: the output folder, the quiet start, the sample project,
// letting the windows settle and saving a picture.

#include <QDir>
#include <QString>
#include <filesystem>
#include <optional>

#include "platform/message_box.h"

class QWidget;

namespace pellavan::program_state {
struct AppState;
}
namespace pellavan::reports {
class ReportsWindow;
}

namespace pellavan::tools {

// Lets the event loop run for `ms` milliseconds.
void settle(int ms);

// The screen as OUT/NAME.png, after the windows have settled.
void shoot(const QDir& out, const QString& name, int settle_ms = 400);
// Only `window`, drawn as OUT/NAME.png, after the windows have settled.
void shoot(QWidget& window, const QDir& out, const QString& name, int settle_ms = 400);

// The output folder of "TOOL PROGRAM_FOLDER OUTPUT_FOLDER", made and absolute (the program
// changes the current folder to its own); nothing, after the usage, for other arguments. A tool
// that takes one more argument names it in `optional` ("[optional]" in the usage).
std::optional<QDir> output_folder(int argc, char** argv, const char* optional = nullptr);
// PROGRAM_FOLDER of that command line, absolute (the program changes the current folder).
std::filesystem::path program_folder(char** argv);

// Ending the program does nothing, and every message box is printed ("message: TEXT") and
// answered by `answer` instead of being shown.
void start_quietly(platform::MessageHook answer);
// The same, with every box answered `answer`.
void start_quietly(platform::MessageResult answer);

// "Sample Project.pvn" of the Data folder in `program_folder`.
std::filesystem::path sample_project(const std::filesystem::path& program_folder);
// The project file read as the program opens it, with its loads worked out.
void load_project(program_state::AppState& state, const std::filesystem::path& project);
// The same for the sample project of the state's program folder.
void load_sample(program_state::AppState& state);
// The project file loaded as above, in the display the unit options of the settings file give;
// false, with the reason on stderr, when it cannot be read.
bool load_project_as_set(program_state::AppState& state, const std::filesystem::path& project);

// The reports window's print-options panel opened and every box the project's systems enable
// ticked.
void tick_every_box(reports::ReportsWindow& window);
// A click on the reports window's print button `button` ("Command12" the batch, "Command1" Print
// Screen), its printer prompt answered with the PDF file `pdf`.
void print_to(reports::ReportsWindow& window, const char* button, const QString& pdf);

}  // namespace pellavan::tools
