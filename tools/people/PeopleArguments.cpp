// Parsing of karvuto-people's command line.
#include "PeopleArguments.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <set>

#include "PeopleFile.h"

namespace peopletool {
namespace {

using people::PersonId;

// What each command is called and which of the field options it takes.
struct VerbInfo {
    const char* word;
    Verb verb;
    const char* operand;  // "ID", "FILE" or nullptr
};
constexpr VerbInfo kVerbs[] = {
    {"add", Verb::Add, nullptr},      {"list", Verb::List, nullptr},  {"show", Verb::Show, "ID"},
    {"edit", Verb::Edit, "ID"},       {"remove", Verb::Remove, "ID"}, {"export", Verb::Export, "FILE"},
    {"import", Verb::Import, "FILE"},
};

enum class Takes { Flag, Value };

struct OptionInfo {
    Takes takes;
    std::set<Verb> verbs;  // empty: every command
};

const std::set<Verb> kFieldVerbs = {Verb::Add, Verb::Edit};

const std::map<std::string, OptionInfo, std::less<>> kOptions = {
    {"--store", {Takes::Value, {}}},
    {"--help", {Takes::Flag, {}}},
    {"-h", {Takes::Flag, {}}},
    {"--search", {Takes::Value, {Verb::List}}},
    {"--sort", {Takes::Value, {Verb::List}}},
    {"--json", {Takes::Flag, {Verb::List, Verb::Show}}},
    {"--name", {Takes::Value, kFieldVerbs}},
    {"--sex", {Takes::Value, kFieldVerbs}},
    {"--solar", {Takes::Value, kFieldVerbs}},
    {"--lunar", {Takes::Value, kFieldVerbs}},
    {"--leap", {Takes::Flag, kFieldVerbs}},
    {"--no-leap", {Takes::Flag, kFieldVerbs}},
    {"--hour", {Takes::Value, kFieldVerbs}},
    {"--minute", {Takes::Value, kFieldVerbs}},
    {"--place", {Takes::Value, kFieldVerbs}},
    {"--longitude", {Takes::Value, kFieldVerbs}},
    {"--zi", {Takes::Value, kFieldVerbs}},
    {"--true-solar", {Takes::Flag, kFieldVerbs}},
    {"--no-true-solar", {Takes::Flag, kFieldVerbs}},
    {"--dst-correct", {Takes::Flag, kFieldVerbs}},
    {"--no-dst-correct", {Takes::Flag, kFieldVerbs}},
    {"--note", {Takes::Value, kFieldVerbs}},
    {"--tag", {Takes::Value, kFieldVerbs}},
    {"--no-tags", {Takes::Flag, kFieldVerbs}},
};

// Digits only, at most this many: a number that always fits.
constexpr std::size_t kMaxSmallDigits = 5;
constexpr std::size_t kMaxIdDigits = 18;

std::optional<long long> Digits(std::string_view text, std::size_t maxDigits) {
    if (text.empty() || text.size() > maxDigits) return std::nullopt;
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    long long value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// Degrees as a plain decimal number ("116.4", "-73.5"), or a provincial
// capital's name.
std::optional<double> Longitude(std::string_view text) {
    double value = 0;
    const auto [end, ec] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (!text.empty() && ec == std::errc() && end == text.data() + text.size()) return value;
    if (const auto capital = chart::FindCapital(text)) return capital->longitude;
    return std::nullopt;
}

ParseResult Fail(std::string message) {
    return {std::nullopt, std::move(message)};
}

}  // namespace

bool FieldEdits::ApplyTo(people::Person& p, std::string& error) const {
    if (date && !people::ParseDateText(*date, p)) {
        error = "the date \"" + *date + "\" is not of the form YYYY-MM-DD";
        return false;
    }
    if (name) p.name = *name;
    if (sex) p.sex = *sex;
    if (calendar) p.calendar = *calendar;
    if (leap) p.leap = *leap;
    if (hour) p.hour = *hour;
    if (minute) p.minute = *minute;
    if (place) p.place = *place;
    if (longitude) p.longitude = *longitude;
    if (zi) p.zi = *zi;
    if (trueSolarTime) p.trueSolarTime = *trueSolarTime;
    if (dstCorrect) p.dstCorrect = *dstCorrect;
    if (note) p.note = *note;
    if (tags) p.tags = *tags;
    return true;
}

ParseResult ParsePeopleArguments(const std::vector<std::string>& args) {
    std::map<std::string, std::vector<std::string>> given;
    std::vector<std::string> words;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string option = args[i];
        if (!option.starts_with("-") || option == "-") {
            words.push_back(option);
            continue;
        }
        std::optional<std::string> value;
        if (const auto eq = option.find('='); option.starts_with("--") && eq != std::string::npos) {
            value = option.substr(eq + 1);
            option.resize(eq);
        }
        const auto known = kOptions.find(option);
        if (known == kOptions.end()) return Fail("unknown option \"" + option + "\"");
        if (given.contains(option) && option != "--tag") return Fail(option + " is given twice");
        if (known->second.takes == Takes::Value && !value) {
            if (i + 1 >= args.size()) return Fail(option + " needs a value");
            value = args[++i];
        }
        if (known->second.takes == Takes::Flag && value) return Fail(option + " takes no value");
        given[option].push_back(value.value_or(""));
    }

    PeopleArguments parsed;
    if (given.contains("--help") || given.contains("-h")) {
        parsed.help = true;
        return {parsed, {}};
    }
    if (const auto store = given.find("--store"); store != given.end()) {
        if (store->second[0].empty()) return Fail("--store needs a path");
        parsed.storePath = store->second[0];
    }
    if (words.empty()) return Fail("no command: give add, list, show, edit, remove, export or import");
    const auto verb = std::find_if(std::begin(kVerbs), std::end(kVerbs),
                                   [&](const VerbInfo& v) { return words[0] == v.word; });
    if (verb == std::end(kVerbs)) return Fail("unknown command \"" + words[0] + "\"");
    parsed.verb = verb->verb;
    const std::size_t operands = verb->operand ? 1 : 0;
    if (words.size() - 1 < operands) return Fail(std::string(verb->word) + " needs " + verb->operand);
    if (words.size() - 1 > operands) return Fail("unexpected argument \"" + words[operands + 1] + "\"");
    if (verb->operand && std::string_view(verb->operand) == "ID") {
        const std::optional<long long> id = Digits(words[1], kMaxIdDigits);
        if (!id || *id == 0) return Fail("the ID \"" + words[1] + "\" is not a positive whole number");
        parsed.id = *id;
    } else if (verb->operand) {
        parsed.file = words[1];
        if (!people::FileFormatOf(parsed.file))
            return Fail(std::string(verb->word) + " needs a file name ending in .json or .csv");
    }
    for (const auto& [option, values] : given) {
        const std::set<Verb>& verbs = kOptions.at(option).verbs;
        if (!verbs.empty() && !verbs.contains(parsed.verb))
            return Fail(option + " does not go with " + verb->word);
    }
    auto value = [&](const char* option) -> const std::string* {
        const auto it = given.find(option);
        return it == given.end() ? nullptr : &it->second[0];
    };

    parsed.json = given.contains("--json");
    if (const std::string* search = value("--search")) parsed.search.text = *search;
    if (const std::string* sort = value("--sort")) {
        if (*sort == "name") {
            parsed.search.sort = people::SortKey::Name;
        } else if (*sort == "birth") {
            parsed.search.sort = people::SortKey::Birth;
        } else if (*sort == "changed") {
            parsed.search.sort = people::SortKey::Changed;
            parsed.search.descending = true;  // the latest change first
        } else if (*sort == "added") {
            parsed.search.sort = people::SortKey::Added;
        } else {
            return Fail("--sort must be name, birth, changed or added");
        }
    }

    FieldEdits& edits = parsed.edits;
    if (const std::string* name = value("--name")) edits.name = *name;
    if (const std::string* sex = value("--sex")) {
        edits.sex = people::ParseSex(*sex);
        if (!edits.sex) return Fail("--sex must be male or female");
    }
    const std::string* solar = value("--solar");
    const std::string* lunar = value("--lunar");
    if (solar && lunar) return Fail("give only one of --solar and --lunar");
    if (solar || lunar) {
        edits.calendar = solar ? people::CalendarKind::Solar : people::CalendarKind::Lunar;
        edits.date = solar ? *solar : *lunar;
        edits.leap = given.contains("--leap");  // a new date says its leap flag whole
    }
    if (given.contains("--leap") && given.contains("--no-leap"))
        return Fail("--leap and --no-leap exclude each other");
    if (given.contains("--leap")) edits.leap = true;
    if (given.contains("--no-leap")) edits.leap = false;
    if (const std::string* hour = value("--hour")) {
        const auto h = Digits(*hour, kMaxSmallDigits);
        if (!h) return Fail("--hour must be a whole number (a clock hour 0-23)");
        edits.hour = static_cast<int>(*h);
    }
    if (const std::string* minute = value("--minute")) {
        const auto m = Digits(*minute, kMaxSmallDigits);
        if (!m) return Fail("--minute must be a whole number (0-59)");
        edits.minute = static_cast<int>(*m);
    }
    if (const std::string* place = value("--place")) edits.place = *place;
    if (const std::string* longitude = value("--longitude")) {
        if (longitude->empty()) {
            edits.longitude = std::optional<double>();
        } else if (const auto degrees = Longitude(*longitude)) {
            edits.longitude = degrees;
        } else {
            return Fail(
                "--longitude must be degrees east (west negative) or a provincial capital such as 北京");
        }
    }
    if (const std::string* zi = value("--zi")) {
        edits.zi = chart::ParseZiHour(*zi);
        if (!edits.zi) return Fail("--zi must be same-day, late or next-day");
    }
    for (const auto& [on, off, field] :
         {std::tuple{"--true-solar", "--no-true-solar", &edits.trueSolarTime},
          std::tuple{"--dst-correct", "--no-dst-correct", &edits.dstCorrect}}) {
        if (given.contains(on) && given.contains(off))
            return Fail(std::string(on) + " and " + off + " exclude each other");
        if (given.contains(on)) *field = true;
        if (given.contains(off)) *field = false;
    }
    if (const std::string* note = value("--note")) edits.note = *note;
    if (given.contains("--tag") && given.contains("--no-tags"))
        return Fail("--tag and --no-tags exclude each other");
    if (given.contains("--tag")) edits.tags = given["--tag"];
    if (given.contains("--no-tags")) edits.tags = std::vector<std::string>();

    if (parsed.verb == Verb::Add) {
        if (!edits.name) return Fail("add needs --name");
        if (!edits.sex) return Fail("add needs --sex male or --sex female");
        if (!edits.date) return Fail("add needs --solar YYYY-MM-DD or --lunar YYYY-MM-DD");
    }
    return {parsed, {}};
}

const char* PeopleUsage() {
    return "usage: karvuto-people [--store PATH] add --name NAME --sex male|female\n"
           "                      (--solar|--lunar) YYYY-MM-DD [--leap] [FIELDS]\n"
           "       karvuto-people [--store PATH] list [--search TEXT] [--sort name|birth|changed|added]\n"
           "                      [--json]\n"
           "       karvuto-people [--store PATH] show ID [--json]\n"
           "       karvuto-people [--store PATH] edit ID [FIELDS]\n"
           "       karvuto-people [--store PATH] remove ID\n"
           "       karvuto-people [--store PATH] export|import FILE.json|FILE.csv\n"
           "       karvuto-people --help\n"
           "FIELDS: --name NAME  --sex male|female  --solar|--lunar YYYY-MM-DD  --leap|--no-leap\n"
           "        --hour H  --minute M  --place PLACE  --longitude DEG|CITY\n"
           "        --zi same-day|late|next-day  --true-solar|--no-true-solar\n"
           "        --dst-correct|--no-dst-correct  --note TEXT  --tag TAG (repeatable)|--no-tags\n"
           "Keeps the saved people (档案) that the program's window keeps, in\n"
           "$XDG_DATA_HOME/karvuto/people.db (~/.local/share/karvuto/people.db), or in --store PATH.\n"
           "add prints the new person's id. list prints one line a person, or with --json a\n"
           "JSON array of people with their ids; --search keeps those whose name, pinyin\n"
           "initials, date or tags hold every word of TEXT. show prints one person. edit\n"
           "changes the fields given (an empty --place, --longitude or --note removes it;\n"
           "--tag replaces the tags). remove deletes a person for good. export writes everyone\n"
           "to a JSON or CSV file; import adds everyone in such a file, or no one when one\n"
           "record is bad, and prints the new ids.\n"
           "Exit status: 0 done, 1 invalid data (a field, or the file to import), 2 bad\n"
           "arguments, 3 the store cannot be opened (missing, damaged, not a store, or from a\n"
           "newer version), 4 the store failed or was busy, 5 the output or the export file\n"
           "could not be written, 6 no person has that ID.\n";
}

}  // namespace peopletool
