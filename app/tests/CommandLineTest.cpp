// What karvuto does with its command line: help and version before anything
// else, a start without arguments, and a refusal of anything else.
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
    testing::Values(LaunchCase{"none", {}, LaunchKind::kRun},
                    LaunchCase{"help", {"--help"}, LaunchKind::kHelp},
                    LaunchCase{"short help", {"-h"}, LaunchKind::kHelp},
                    LaunchCase{
                        "help after Qt options", {"-platform", "offscreen", "--help"}, LaunchKind::kHelp},
                    LaunchCase{"help wins over version", {"--version", "--help"}, LaunchKind::kHelp},
                    LaunchCase{"version", {"--version"}, LaunchKind::kVersion},
                    LaunchCase{"a file", {"reading.txt"}, LaunchKind::kRefuse},
                    LaunchCase{"an unknown option", {"--chart"}, LaunchKind::kRefuse},
                    LaunchCase{"help as a value is still help", {"--name", "--help"}, LaunchKind::kHelp},
                    LaunchCase{"help spelled otherwise", {"--Help"}, LaunchKind::kRefuse},
                    LaunchCase{"an empty argument", {""}, LaunchKind::kRefuse}),
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
