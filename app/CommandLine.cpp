// Checking karvuto's arguments and environment before the window system.
#include "app/CommandLine.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

#include "TerminalText.h"

namespace {

// A Qt option, as QApplication and its platform plugins take them on Linux.
struct QtOption {
    std::string_view name;  // without its dashes
    enum Form { kFlag, kValue, kValueOrEquals, kEqualsOnly } form;
};

// Every option Qt 6 takes out of the command line of a widget program on
// X11 and Wayland (QGuiApplication, QApplication, the xcb plugin).
constexpr std::array<QtOption, 22> kQtOptions = {{
    {"platform", QtOption::kValue},
    {"platformpluginpath", QtOption::kValue},
    {"platformtheme", QtOption::kValue},
    {"plugin", QtOption::kValue},
    {"qwindowgeometry", QtOption::kValue},
    {"qwindowicon", QtOption::kValue},
    {"qwindowtitle", QtOption::kValue},
    {"session", QtOption::kValue},
    {"display", QtOption::kValue},
    {"geometry", QtOption::kValue},
    {"name", QtOption::kValue},
    {"title", QtOption::kValue},
    {"icon", QtOption::kValue},
    {"visual", QtOption::kValue},
    {"style", QtOption::kValueOrEquals},
    {"stylesheet", QtOption::kValueOrEquals},
    {"qmljsdebugger", QtOption::kEqualsOnly},
    {"reverse", QtOption::kFlag},
    {"widgetcount", QtOption::kFlag},
    {"nograb", QtOption::kFlag},
    {"dograb", QtOption::kFlag},
    {"testability", QtOption::kFlag},
}};

LaunchRequest Refuse(std::string message) {
    return {LaunchKind::kRefuse, std::move(message)};
}

std::string Quoted(std::string_view argument) {
    return "'" + platform::Echo(argument) + "'";
}

}  // namespace

LaunchRequest ParseLaunchArguments(const std::vector<std::string>& args) {
    const auto given = [&args](std::string_view a) { return std::ranges::find(args, a) != args.end(); };
    if (given("--help") || given("-h")) return {LaunchKind::kHelp, {}};
    if (given("--version")) return {LaunchKind::kVersion, {}};
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view arg = args[i];
        const std::size_t dashes = arg.starts_with("--") ? 2 : arg.starts_with("-") ? 1 : 0;
        std::string_view name = arg.substr(dashes);
        std::string_view equals;
        if (const auto at = name.find('='); at != std::string_view::npos) {
            equals = name.substr(at);
            name = name.substr(0, at);
        }
        const auto option = std::ranges::find(kQtOptions, name, &QtOption::name);
        if (dashes == 0 || option == kQtOptions.end())
            return Refuse("unknown argument " + Quoted(arg) + " (try --help)");
        const bool takesEquals =
            option->form == QtOption::kValueOrEquals || option->form == QtOption::kEqualsOnly;
        if (!equals.empty() && !takesEquals)
            return Refuse("unknown argument " + Quoted(arg) + " (try --help)");
        if (option->form == QtOption::kEqualsOnly && equals.empty())
            return Refuse(Quoted(arg) + " takes its value after '='");
        const bool needsNext =
            equals.empty() && (option->form == QtOption::kValue || option->form == QtOption::kValueOrEquals);
        if (needsNext && ++i == args.size()) return Refuse(Quoted(arg) + " needs a value");
    }
    return {};
}

const char* LaunchUsage() {
    return "usage: karvuto [--help | --version]\n"
           "Starts the Four Pillars reading program (八字论命) in a window: a name, a sex,\n"
           "a birth date in the Gregorian or the lunar calendar and an hour give a reading\n"
           "that can be previewed and printed. One instance runs per user; starting it\n"
           "again brings the running window forward.\n"
           "The interpretation database Karvuto.mdb is looked for beside the executable,\n"
           "then in ../share/karvuto/ relative to it. The options every Qt program takes\n"
           "are accepted too.\n"
           "  -h, --help   this text\n"
           "  --version    the version and the licence\n"
           "Exit status: 0 when the window was closed (or a start found the program\n"
           "running); 2 bad arguments; 3 this text or the version could not be written;\n"
           "4 no display to open the window on.\n";
}

std::string VersionText() {
    return std::string("karvuto ") + KARVUTO_VERSION +
           "\nLicence GPL-3.0-or-later: the GNU General Public License, version 3 or later.\n";
}

std::optional<std::string> ScaleFactorNote(const char* value) {
    if (value == nullptr || *value == '\0') return std::nullopt;
    const std::string_view text(value);
    double factor = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), factor);
    const bool number = ec == std::errc() && end == text.data() + text.size() && std::isfinite(factor);
    if (number && factor >= kMinScaleFactor && factor <= kMaxScaleFactor) return std::nullopt;
    return "QT_SCALE_FACTOR=" + platform::Echo(text) +
           " is ignored: the scale factor must be a number from 0.5 to 4; the screen's own is used";
}

std::string RuntimeFolderNote(const std::string& folder) {
    return "XDG_RUNTIME_DIR is not set; using " + platform::Echo(folder);
}

std::string NoDisplayMessage(const char* display, const char* waylandDisplay, const char* qpaPlatform) {
    const auto set = [](const char* value) { return value != nullptr && *value != '\0'; };
    const auto shown = [&set](const char* value, const char* unset) {
        return set(value) ? "=" + platform::Echo(value) : std::string(unset);
    };
    const std::string asked =
        set(qpaPlatform) ? "QT_QPA_PLATFORM=" + platform::Echo(qpaPlatform) : std::string();
    return "karvuto: 没有找到可用的显示，无法打开窗口（" + (asked.empty() ? "" : asked + "，") + "DISPLAY" +
           shown(display, " 未设置") + "，WAYLAND_DISPLAY" + shown(waylandDisplay, " 未设置") + "）。\n" +
           "karvuto: no display found; cannot open a window (" + (asked.empty() ? "" : asked + ", ") +
           "DISPLAY" + shown(display, " not set") + ", WAYLAND_DISPLAY" + shown(waylandDisplay, " not set") +
           ").\n";
}
