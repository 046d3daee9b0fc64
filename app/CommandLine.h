// What karvuto is started with: its command line, and the environment a
// window needs. The program takes no arguments of its own but --help and
// --version, and the options every Qt program accepts (-platform, -style, …),
// which QApplication takes out. Everything is checked before QApplication is
// made, since making it needs a display: --help and --version work without
// one, and a bad argument is refused before the display is ever looked for.
#pragma once

#include <optional>
#include <string>
#include <vector>

enum class LaunchKind { kRun, kHelp, kVersion, kRefuse };

// Exit statuses of karvuto besides 0.
inline constexpr int kExitBadArguments = 2;
inline constexpr int kExitOutputLost = 3;  // --help or --version could not be written
inline constexpr int kExitNoDisplay = 4;   // no window system to open the window on

struct LaunchRequest {
    LaunchKind kind = LaunchKind::kRun;
    std::string message;  // kRefuse: what is wrong, UTF-8, without the program name
};

// args excludes the program name. --help (or -h) anywhere wins, then
// --version; Qt's own options are passed over with their values (one or two
// leading dashes, "-style fusion" or "-style=fusion" where Qt takes both);
// any other argument is refused, echoed escaped and cut, as is a Qt option
// whose value is missing; no arguments run the program.
LaunchRequest ParseLaunchArguments(const std::vector<std::string>& args);

// The usage text (UTF-8), ending in a line feed.
const char* LaunchUsage();

// "karvuto 1.1.0\n" and the licence line.
std::string VersionText();

// QT_SCALE_FACTOR sizes every window. A value that is set but no number from
// kMinScaleFactor to kMaxScaleFactor (0, a negative, "nan", 100) would give a
// window of no size or one no screen holds: the note (UTF-8, one line,
// without the program name) saying it is ignored, or nullopt for a usable or
// unset value.
inline constexpr double kMinScaleFactor = 0.5;
inline constexpr double kMaxScaleFactor = 4.0;
std::optional<std::string> ScaleFactorNote(const char* value);

// The note, one line, that the runtime folder `folder` is used because
// XDG_RUNTIME_DIR was not set.
std::string RuntimeFolderNote(const std::string& folder);

// What the program says when no window can be opened: a line in Chinese and
// one in English, each ending in a line feed and starting with "karvuto: ",
// naming the displays it looked for (`display` and `waylandDisplay` are the
// variables' values, null when unset) and the platform asked for, when one
// was (QT_QPA_PLATFORM's value, null or empty when unset).
std::string NoDisplayMessage(const char* display, const char* waylandDisplay,
                             const char* qpaPlatform = nullptr);
