// The command line of karvuto. The program takes no arguments of its own but
// --help and --version; the options every Qt program accepts (-platform,
// -style, …) are taken out by QApplication. main() asks twice: before
// QApplication exists, so that --help and --version work without a display,
// and after, when whatever Qt left over is refused.
#pragma once

#include <string>
#include <vector>

enum class LaunchKind { kRun, kHelp, kVersion, kRefuse };

struct LaunchRequest {
    LaunchKind kind = LaunchKind::kRun;
    std::string message;  // kRefuse: what is wrong, UTF-8, without the program name
};

// args excludes the program name. --help (or -h) wins over everything, then
// --version; any other argument is refused; no arguments run the program.
LaunchRequest ParseLaunchArguments(const std::vector<std::string>& args);

// The usage text (UTF-8), ending in a line feed.
const char* LaunchUsage();

// "karvuto 1.1.0\n" and the licence line.
std::string VersionText();
