// karvuto-textgen: the writers' and reviewers' tool for the reading texts in
// tools/dbdata.
//   facts [STEM | PILLAR]   the fact sheet of a day stem's 91 keys (of all ten
//                           without an argument), or of one day pillar's 13 hours
//   check [--stem STEM] [--pending STEMS] [--by-stem] [--data DIR]
//                           every rule over every text; exits 1 on a problem
//   measure [--readings N] [--seed S] [--data DIR]
//                           the figures of N random readings composed from the tables
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "Findings.h"
#include "KeyFacts.h"
#include "Measurement.h"
#include "TextScan.h"
#include "TextSources.h"

#ifndef KARVUTO_DBDATA_DIR
#define KARVUTO_DBDATA_DIR "tools/dbdata"
#endif

namespace {

constexpr int kUsage = 2;
constexpr int kDefaultReadings = 1200;
constexpr std::uint32_t kDefaultSeed = 20261208;

const char* const kUsageText =
    "usage: karvuto-textgen facts [STEM | PILLAR]\n"
    "       karvuto-textgen check [--stem STEM] [--pending STEMS] [--by-stem] [--data DIR]\n"
    "       karvuto-textgen measure [--readings N] [--seed S] [--data DIR]\n";

int Usage(const std::string& problem = "") {
    if (!problem.empty()) std::fprintf(stderr, "karvuto-textgen: %s\n", problem.c_str());
    std::fputs(kUsageText, stderr);
    return kUsage;
}

// The day stems a text names, in any order ("甲乙丙"); false for anything else.
bool ParseStems(const std::string& text, std::set<int>& stems) {
    for (const char32_t c : textgen::CodePoints(text)) {
        const int s = textgen::StemIndex(c);
        if (s < 0) return false;
        stems.insert(s);
    }
    return true;
}

bool Flush() {
    std::cout.flush();
    return static_cast<bool>(std::cout);
}

int Facts(const std::vector<std::string>& args) {
    if (args.size() > 1) return Usage();
    if (args.empty()) {
        for (int stem = 0; stem < 10; ++stem) std::cout << textgen::FactSheet(stem) << "\n";
    } else if (const int stem = textgen::StemOfName(args[0]); stem >= 0) {
        std::cout << textgen::FactSheet(stem) << "\n";
    } else if (const int pillar = textgen::PillarOfName(args[0]); pillar >= 0) {
        std::cout << textgen::PillarSheet(pillar);
    } else {
        return Usage("not a day stem or a day pillar: " + args[0]);
    }
    return Flush() ? 0 : 1;
}

int Check(const std::vector<std::string>& args) {
    textgen::CheckOptions options;
    std::string dir = KARVUTO_DBDATA_DIR;
    bool byStem = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if (args[i] == "--stem" && hasValue) {
            options.stem = textgen::StemOfName(args[++i]);
            if (options.stem < 0) return Usage("not a day stem: " + args[i]);
        } else if (args[i] == "--pending" && hasValue) {
            if (!ParseStems(args[++i], options.pendingStems)) return Usage("not day stems: " + args[i]);
        } else if (args[i] == "--data" && hasValue) {
            dir = args[++i];
        } else if (args[i] == "--by-stem") {
            byStem = true;
        } else {
            return Usage("unknown argument: " + args[i]);
        }
    }
    const std::vector<textgen::SourceText> texts = textgen::LoadTexts(dir);
    const std::vector<textgen::Finding> findings = textgen::CheckTexts(texts, options);
    std::cout << textgen::FindingsReport(findings);
    if (byStem)
        std::cout << "\npillar+hour rows to fix, by day stem and kind:\n"
                  << textgen::PillarRowsByStem(findings);
    const bool clean =
        std::none_of(findings.begin(), findings.end(), [](const textgen::Finding& f) { return !f.pending; });
    if (!Flush()) return 1;
    return clean ? 0 : 1;
}

int Measure(const std::vector<std::string>& args) {
    int readings = kDefaultReadings;
    std::uint32_t seed = kDefaultSeed;
    std::string dir = KARVUTO_DBDATA_DIR;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        try {
            if (args[i] == "--readings" && hasValue) {
                readings = std::stoi(args[++i]);
                if (readings <= 0) return Usage("--readings needs a positive number");
            } else if (args[i] == "--seed" && hasValue) {
                seed = static_cast<std::uint32_t>(std::stoul(args[++i]));
            } else if (args[i] == "--data" && hasValue) {
                dir = args[++i];
            } else {
                return Usage("unknown argument: " + args[i]);
            }
        } catch (const std::logic_error&) {
            return Usage("not a number: " + args[i]);
        }
    }
    std::cout << "measured over " << readings << " readings, seed " << seed << ", texts from " << dir << "\n"
              << textgen::FiguresReport(textgen::Measure(dir, readings, seed));
    return Flush() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const std::string command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    try {
        if (command == "facts") return Facts(args);
        if (command == "check") return Check(args);
        if (command == "measure") return Measure(args);
        if (command == "--help" || command == "-h") {
            std::fputs(kUsageText, stdout);
            return 0;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "karvuto-textgen: %s\n", e.what());
        return 1;
    }
    return Usage("unknown command: " + command);
}
