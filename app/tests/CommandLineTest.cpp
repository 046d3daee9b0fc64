// What karvuto does with its command line: help and version before anything
// else, Qt's own options passed over, a start without arguments, a refusal of
// anything else; and the environment it checks before it opens a window.
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "app/CommandLine.h"

namespace {

struct LaunchCase {
    const char* name;
    std::vector<std::string> args;
    LaunchKind kind;
};

class LaunchArguments : public testing::TestWithParam<LaunchCase> {};

TEST_P(LaunchArguments, AreUnderstood) {
    EXPECT_EQ(ParseLaunchArguments(GetParam().args).kind, GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LaunchArguments,
    testing::Values(
        LaunchCase{"none", {}, LaunchKind::kRun}, LaunchCase{"help", {"--help"}, LaunchKind::kHelp},
        LaunchCase{"short help", {"-h"}, LaunchKind::kHelp},
        LaunchCase{"help after Qt options", {"-platform", "offscreen", "--help"}, LaunchKind::kHelp},
        LaunchCase{"help wins over version", {"--version", "--help"}, LaunchKind::kHelp},
        LaunchCase{"version", {"--version"}, LaunchKind::kVersion},
        LaunchCase{"a file", {"reading.txt"}, LaunchKind::kRefuse},
        LaunchCase{"an unknown option", {"--chart"}, LaunchKind::kRefuse},
        LaunchCase{"help as a value is still help", {"--name", "--help"}, LaunchKind::kHelp},
        LaunchCase{"help spelled otherwise", {"--Help"}, LaunchKind::kRefuse},
        LaunchCase{"an empty argument", {""}, LaunchKind::kRefuse},
        LaunchCase{"a lone dash", {"-"}, LaunchKind::kRefuse},
        LaunchCase{
            "Qt options with values", {"-platform", "xcb", "-style", "fusion", "-reverse"}, LaunchKind::kRun},
        LaunchCase{"Qt options with two dashes", {"--platform", "wayland", "--nograb"}, LaunchKind::kRun},
        LaunchCase{"Qt options with equals", {"-style=fusion", "--qmljsdebugger=port:1"}, LaunchKind::kRun},
        LaunchCase{"a value that looks like an option", {"-qwindowtitle", "--chart"}, LaunchKind::kRun},
        LaunchCase{"a Qt option without its value", {"-platform"}, LaunchKind::kRefuse},
        LaunchCase{"equals where Qt takes none", {"-platform=xcb"}, LaunchKind::kRefuse},
        LaunchCase{"equals missing where Qt needs it", {"-qmljsdebugger", "port:1"}, LaunchKind::kRefuse},
        LaunchCase{"a stray argument after Qt's", {"-display", ":0", "reading.txt"}, LaunchKind::kRefuse}),
    [](const testing::TestParamInfo<LaunchCase>& param) {
        std::string name = param.param.name;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        return name;
    });

TEST(LaunchArguments, TheRefusalNamesTheFirstStrayArgument) {
    const LaunchRequest r = ParseLaunchArguments({"--frobnicate", "x"});
    EXPECT_NE(r.message.find("'--frobnicate'"), std::string::npos) << r.message;
    EXPECT_NE(r.message.find("--help"), std::string::npos) << r.message;
}

TEST(LaunchArguments, TheRefusalEchoesTheArgumentEscapedAndCut) {
    const LaunchRequest control = ParseLaunchArguments({"a\x1B[2Jb"});
    EXPECT_EQ(control.message, "unknown argument 'a\\x1B[2Jb' (try --help)");
    const LaunchRequest huge = ParseLaunchArguments({"-" + std::string(5000, 'x')});
    EXPECT_LT(huge.message.size(), 300u);
    EXPECT_NE(huge.message.find("more bytes)"), std::string::npos);
}

TEST(LaunchEnvironment, OnlyAUsableScaleFactorIsKept) {
    struct Case {
        const char* value;
        bool ignored;
    } const cases[] = {
        {nullptr, false}, {"", false},   {"1", false},   {"2", false},   {"1.25", false}, {"0.5", false},
        {"4", false},     {"0", true},   {"0.49", true}, {"4.01", true}, {"-1", true},    {"100", true},
        {"1e9", true},    {"nan", true}, {"inf", true},  {"abc", true},  {"2x", true},    {" 2", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value ? c.value : "(unset)");
        const auto note = ScaleFactorNote(c.value);
        EXPECT_EQ(note.has_value(), c.ignored);
        if (note) {
            EXPECT_EQ(note->rfind(std::string("QT_SCALE_FACTOR=") + c.value + " is ignored", 0), 0u) << *note;
        }
    }
    EXPECT_EQ(*ScaleFactorNote("\x1B"),
              "QT_SCALE_FACTOR=\\x1B is ignored: the scale factor must be a number "
              "from 0.5 to 4; the screen's own is used");
}

TEST(LaunchEnvironment, NoDisplayIsSaidInChineseAndEnglish) {
    EXPECT_EQ(
        NoDisplayMessage(nullptr, ""),
        "karvuto: 没有找到可用的显示，无法打开窗口（DISPLAY 未设置，WAYLAND_DISPLAY 未设置）。\n"
        "karvuto: no display found; cannot open a window (DISPLAY not set, WAYLAND_DISPLAY not set).\n");
    EXPECT_EQ(
        NoDisplayMessage(":99", nullptr, "bogus"),
        "karvuto: 没有找到可用的显示，无法打开窗口（QT_QPA_PLATFORM=bogus，DISPLAY=:99，WAYLAND_DISPLAY "
        "未设置）。\n"
        "karvuto: no display found; cannot open a window (QT_QPA_PLATFORM=bogus, DISPLAY=:99, "
        "WAYLAND_DISPLAY not set).\n");
    const std::string named = NoDisplayMessage(":99", "wayland-\x1B");
    EXPECT_NE(named.find("DISPLAY=:99，WAYLAND_DISPLAY=wayland-\\x1B）"), std::string::npos) << named;
    EXPECT_NE(named.find("(DISPLAY=:99, WAYLAND_DISPLAY=wayland-\\x1B)"), std::string::npos) << named;
}

TEST(LaunchArguments, HelpNamesItsOptionsAndTheDatabasePlaces) {
    const std::string usage = LaunchUsage();
    for (const char* part : {"--help", "--version", "Karvuto.mdb", "../share/karvuto/"})
        EXPECT_NE(usage.find(part), std::string::npos) << part;
    EXPECT_EQ(usage.back(), '\n');
}

TEST(LaunchArguments, VersionIsTheProjectsWithTheLicence) {
    const std::string version = VersionText();
    EXPECT_EQ(version.rfind(std::string("karvuto ") + KARVUTO_VERSION + "\n", 0), 0u) << version;
    EXPECT_NE(version.find("GPL-3.0-or-later"), std::string::npos);
}

}  // namespace
