#include "app/CommandLine.h"

#include <algorithm>

LaunchRequest ParseLaunchArguments(const std::vector<std::string>& args) {
    const auto given = [&args](std::string_view a) { return std::ranges::find(args, a) != args.end(); };
    if (given("--help") || given("-h")) return {LaunchKind::kHelp, {}};
    if (given("--version")) return {LaunchKind::kVersion, {}};
    if (!args.empty()) return {LaunchKind::kRefuse, "unknown argument '" + args.front() + "' (try --help)"};
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
           "  --version    the version and the licence\n";
}

std::string VersionText() {
    return std::string("karvuto ") + KARVUTO_VERSION +
           "\nLicence GPL-3.0-or-later: the GNU General Public License, version 3 or later.\n";
}
