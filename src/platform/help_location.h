#pragma once
// Where the program's help lies: a folder of HTML pages beside the program, with a topic map
// that turns the help topic numbers of the windows into pages.

#include <string>
#include <string_view>

namespace pellavan::platform {

// The help folder's name beside the program (for every edition; it takes the place of a
// compiled help file).
inline constexpr const char* kHelpFolderName = "help";
// In the help folder: the contents page and the topic map.
inline constexpr const char* kHelpIndexPage = "index.html";
inline constexpr const char* kHelpTopicMapFile = "topics.txt";

// program_folder joined with name by one "/": none is added when the folder already ends in one
// (the root "/" gives "/help"); an empty folder gives the name alone.
[[nodiscard]] std::string help_file_path(std::string_view program_folder, std::string_view name);

}  // namespace pellavan::platform
