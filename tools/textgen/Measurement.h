// The figures a careful reader meets, measured over random readings composed
// from the source tables (karvuto-textgen measure): how many readings show a
// strength verdict, a season rule, a restated paragraph, office words, a
// remark on the text, a promise, a partner read for the wrong sex, clashing
// descriptors or a claim that does not hold.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace textgen {

struct Figures {
    int readings = 0;
    int strengthOrTransform = 0;    // a strength verdict or an unconditional 化 in any text
    int strength = 0;               // of which a strength verdict
    int transform = 0;              // of which an unconditional 化
    int seasonMonth = 0;            // a lunar-month text with 当令 or 调候
    int sameStemGod = 0;            // the two day-and-hour paragraphs name the same stem and ten god
    int pillarKeys = 0;             // day-pillar + hour keys of the table
    int pillarKeysSameStemGod = 0;  // of which their two paragraphs name the same stem and ten god
    int textsShown = 0;             // texts shown in all readings (7 each)
    int jargonTexts = 0;            // of which with office vocabulary
    int dayHourShown = 0;           // day-and-hour texts shown
    int dayHourJargon = 0;          // of which with office vocabulary
    int designRemarks = 0;          // a remark on the text itself
    int promises = 0;               // a dated, longevity or fated promise
    int partnerWrongSex = 0;        // a partner read from 财 shown to a woman or from 官 shown to a man
    int descriptorClash = 0;        // both ends of a descriptor scale in two sections
    int factsWrong = 0;             // a claim that does not hold for its key or its object
};

// Composes count readings from the tables in dir, drawn from seed. Throws
// std::runtime_error when a table cannot be read.
Figures Measure(const std::filesystem::path& dir, int count, std::uint32_t seed);

// The figures as the command prints them: counts and percentages, one a line.
std::string FiguresReport(const Figures& f);

}  // namespace textgen
