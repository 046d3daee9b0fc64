// The command line of karvuto-people, parsed into one command on the store.
//   karvuto-people [--store PATH] add --name N --sex male|female
//                  (--solar|--lunar) YYYY-MM-DD [--leap] [fields]
//   karvuto-people [--store PATH] list [--search TEXT] [--sort KEY] [--json]
//   karvuto-people [--store PATH] show ID [--json]
//   karvuto-people [--store PATH] edit ID [fields]
//   karvuto-people [--store PATH] remove ID
//   karvuto-people [--store PATH] export|import FILE.json|FILE.csv
// Options may come before or after the command, and be written --option=VALUE.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "PeopleStore.h"
#include "Person.h"

namespace peopletool {

enum class Verb { Add, List, Show, Edit, Remove, Export, Import };

// The fields given on the command line; each is set only when given, so an
// edit changes those and keeps the rest. Values are as typed: the store's
// rules judge them (an hour of 24 is refused there, with the store's words).
struct FieldEdits {
    std::optional<std::string> name;
    std::optional<people::Sex> sex;
    std::optional<people::CalendarKind> calendar;  // set with the date
    std::optional<std::string> date;               // "YYYY-MM-DD", parsed when applied
    std::optional<bool> leap;
    std::optional<int> hour;
    std::optional<int> minute;
    std::optional<std::string> place;                // "" removes it
    std::optional<std::optional<double>> longitude;  // an empty value removes it
    std::optional<chart::ZiHour> zi;
    std::optional<bool> trueSolarTime;
    std::optional<bool> dstCorrect;
    std::optional<std::string> note;
    std::optional<std::vector<std::string>> tags;  // --tag given (or --no-tags): the whole list

    // Writes the given fields into `p`; false, with `error`, when the date
    // is not of the form YYYY-MM-DD.
    bool ApplyTo(people::Person& p, std::string& error) const;
};

struct PeopleArguments {
    Verb verb = Verb::List;
    bool help = false;
    std::string storePath;       // empty: the user's own store
    people::PersonId id = 0;     // show, edit, remove
    std::filesystem::path file;  // export, import
    people::Search search;       // list
    bool json = false;           // list, show
    FieldEdits edits;            // add, edit
};

struct ParseResult {
    std::optional<PeopleArguments> arguments;
    std::string error;  // UTF-8, what is wrong with the command line
};

// args excludes the program name. Refuses unknown commands and options, an
// option the command does not take, a repeated option (but --tag), a missing
// value, an id that is not a positive whole number, an hour or minute that
// is not a whole number, a longitude that is neither degrees nor a
// provincial capital, and for add a missing --name, --sex or date.
ParseResult ParsePeopleArguments(const std::vector<std::string>& args);

// The usage text (UTF-8), ending in a line feed.
const char* PeopleUsage();

}  // namespace peopletool
