// Reading a saved person as typed arguments.
#include "ReadPerson.h"

#include <cstdio>

#include "GbkCodec.h"
#include "PeopleStore.h"
#include "PersonBirth.h"
#include "StoreError.h"
#include "StoreLocation.h"

namespace {

constexpr int kLongitudeDecimals = 6;

std::string Degrees(double longitude) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", kLongitudeDecimals, longitude);
    return text;
}

// The command line that types the person's birth, with the output options of `given`.
std::vector<std::string> Typed(const people::Person& p, const people::PersonBirth& birth,
                               const ReadArguments& given) {
    std::vector<std::string> args = {"--name",
                                     platform::Utf8(birth.reportName.gbk),
                                     "--sex",
                                     std::string(people::SexKey(p.sex)),
                                     p.calendar == people::CalendarKind::Solar ? "--solar" : "--lunar",
                                     people::DateText(p),
                                     "--hour",
                                     std::to_string(p.hour),
                                     "--minute",
                                     std::to_string(p.minute)};
    if (p.leap) args.emplace_back("--leap");
    if (!p.dstCorrect) args.emplace_back("--no-dst-correct");
    // The chart's conventions count where a chart is cast.
    if (given.chart || given.analysis || !given.exportPath.empty()) {
        args.insert(args.end(), {"--zi", std::string(chart::ZiHourKey(birth.conventions.zi))});
        if (birth.conventions.longitude)
            args.insert(args.end(), {"--longitude", Degrees(*birth.conventions.longitude)});
    }
    if (given.chart) args.emplace_back("--chart");
    if (given.analysis) args.emplace_back("--analysis");
    if (given.json) args.emplace_back("--json");
    if (!given.exportPath.empty()) args.insert(args.end(), {"--export", given.exportPath});
    if (!given.dbPath.empty()) args.insert(args.end(), {"--db", given.dbPath});
    return args;
}

}  // namespace

PersonReading ReadPerson(const ReadArguments& given) {
    const std::filesystem::path store =
        given.storePath.empty() ? people::DefaultStorePath() : std::filesystem::path(given.storePath);
    std::optional<people::Person> person;
    try {
        const people::PeopleStore opened(store, {.create = false});
        person = opened.Get(given.personId);
    } catch (const people::StoreError& e) {
        return {std::nullopt, e.what(), {}};
    }
    if (!person)
        return {std::nullopt,
                "no saved person has the id " + std::to_string(given.personId) + " in " + store.string(),
                {}};
    const people::PersonBirth birth = people::ToBirth(*person);
    ParseResult typed = ParseReadArguments(Typed(*person, birth, given));
    if (!typed.arguments)
        return {std::nullopt,
                "the saved person " + std::to_string(given.personId) + " cannot be read: " + typed.error,
                {}};
    ReadArguments& a = *typed.arguments;
    a.nameUtf8 = birth.nameUtf8;  // the chart and the JSON show the stored name whole
    if (birth.conventions.longitude) a.place = person->place;
    std::string note;
    if (birth.reportName.shortened || birth.reportName.replaced) {
        std::string why = birth.reportName.shortened ? "cut to 10 bytes of GBK" : "";
        if (birth.reportName.replaced)
            why += (why.empty() ? "" : "; ") + std::string("characters GBK lacks shown as ?");
        note = "the report shows the name as \"" + platform::Utf8(birth.reportName.gbk) + "\" (" + why + ")";
    }
    return {std::move(typed.arguments), {}, std::move(note)};
}
