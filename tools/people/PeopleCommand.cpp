// Running one karvuto-people command against the store.
#include "PeopleCommand.h"

#include <nlohmann/json.hpp>
#include <ostream>

#include "PeopleArguments.h"
#include "PeopleFile.h"
#include "PeopleStore.h"
#include "PersonCheck.h"
#include "PersonJson.h"
#include "PersonText.h"
#include "StoreError.h"
#include "StoreLocation.h"
#include "TerminalText.h"

namespace peopletool {
namespace {

using people::Person;
using people::StoreError;
using people::StoreErrorKind;

constexpr std::string_view kProgram = "karvuto-people";
constexpr int kJsonIndent = 2;

// The option that sets each field, for messages.
const char* OptionOf(people::Field field) {
    switch (field) {
        case people::Field::Name:
            return "--name";
        case people::Field::Date:
            return "--solar/--lunar";
        case people::Field::Leap:
            return "--leap";
        case people::Field::Hour:
            return "--hour";
        case people::Field::Minute:
            return "--minute";
        case people::Field::Place:
            return "--place";
        case people::Field::Longitude:
            return "--longitude";
        case people::Field::TrueSolarTime:
            return "--true-solar";
        case people::Field::Note:
            return "--note";
        case people::Field::Tags:
            return "--tag";
    }
    return "";
}

int StatusOf(const StoreError& e, people::PersonId id) {
    switch (e.Kind()) {
        case StoreErrorKind::CannotOpen:
        case StoreErrorKind::Damaged:
        case StoreErrorKind::NotAStore:
        case StoreErrorKind::NewerVersion:
            return kExitStoreOpen;
        case StoreErrorKind::Invalid:
        case StoreErrorKind::FileError:
            return kExitInvalid;
        case StoreErrorKind::NotFound:
            return id > 0 ? kExitNoSuchPerson : kExitStoreFailed;
        case StoreErrorKind::IdInUse:
        case StoreErrorKind::Busy:
        case StoreErrorKind::Failed:
            return kExitStoreFailed;
    }
    return kExitStoreFailed;
}

class Command {
public:
    Command(const PeopleArguments& a, std::ostream& out, std::ostream& err)
        : m_a(a), m_out(out), m_err(err) {}

    int Run(people::PeopleStore& store) {
        switch (m_a.verb) {
            case Verb::Add:
                return Add(store);
            case Verb::List:
                return List(store);
            case Verb::Show:
                return Show(store);
            case Verb::Edit:
                return Edit(store);
            case Verb::Remove:
                store.Remove(m_a.id);
                return kExitDone;
            case Verb::Export:
                return Export(store);
            case Verb::Import:
                return Import(store);
        }
        return kExitBadArguments;
    }

    // A message on err, escaped: it may quote what the user or a file gave.
    void Say(const std::string& message) {
        m_err << kProgram << ": " << platform::EscapeForTerminal(message, message.size()) << "\n";
    }

private:
    // The person with the edits applied and checked; a message per broken
    // rule, naming its option, when it breaks any.
    std::optional<Person> Edited(Person p) {
        std::string error;
        if (!m_a.edits.ApplyTo(p, error)) {
            Say(error);
            return std::nullopt;
        }
        const std::vector<people::FieldProblem> problems = people::CheckPerson(people::Normalized(p));
        for (const people::FieldProblem& problem : problems)
            Say(std::string(OptionOf(problem.field)) + ": " + problem.message);
        if (!problems.empty()) return std::nullopt;
        return p;
    }

    void NoteReportName(const Person& p) {
        if (const std::string note = ReportNameNote(p); !note.empty()) Say(note);
    }

    int Finish(const char* what) {
        return platform::FlushOrReport(m_out, m_err, kProgram, what) ? kExitDone : kExitOutputLost;
    }

    int Add(people::PeopleStore& store) {
        const std::optional<Person> p = Edited(Person{});
        if (!p) return kExitInvalid;
        const people::PersonId id = store.Add(*p);
        NoteReportName(*p);
        m_out << id << "\n";
        return Finish("the id");
    }

    int Edit(people::PeopleStore& store) {
        std::optional<Person> p = store.Get(m_a.id);
        if (!p) return NoSuchPerson();
        p = Edited(*p);
        if (!p) return kExitInvalid;
        const Person stored = store.Update(*p);
        NoteReportName(stored);
        return kExitDone;
    }

    int List(people::PeopleStore& store) {
        const std::vector<Person> found = store.Find(m_a.search);
        if (m_a.json) {
            nlohmann::ordered_json array = nlohmann::ordered_json::array();
            for (const Person& p : found) array.push_back(people::PersonToJson(p, true));
            m_out << Dump(array);
        } else {
            for (const Person& p : found) m_out << ListLine(p);
        }
        return Finish("the list");
    }

    int Show(people::PeopleStore& store) {
        const std::optional<Person> p = store.Get(m_a.id);
        if (!p) return NoSuchPerson();
        m_out << (m_a.json ? Dump(people::PersonToJson(*p, true)) : ShowText(*p));
        return Finish("the person");
    }

    int Export(people::PeopleStore& store) {
        try {
            people::ExportPeopleFile(store, m_a.file);
        } catch (const StoreError& e) {
            if (e.Kind() != StoreErrorKind::FileError) throw;
            Say(e.what());
            return kExitOutputLost;
        }
        return kExitDone;
    }

    int Import(people::PeopleStore& store) {
        for (const people::PersonId id : people::ImportPeopleFile(store, m_a.file)) m_out << id << "\n";
        return Finish("the ids");
    }

    int NoSuchPerson() {
        Say("没有编号为 " + std::to_string(m_a.id) + " 的人");
        return kExitNoSuchPerson;
    }

    // JSON of texts the store checked as UTF-8; a store changed behind the
    // program's back may still hold other bytes, which are shown replaced.
    static std::string Dump(const nlohmann::ordered_json& json) {
        return json.dump(kJsonIndent, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
    }

    const PeopleArguments& m_a;
    std::ostream& m_out;
    std::ostream& m_err;
};

}  // namespace

int RunPeopleCommand(const std::vector<std::string>& args, const std::filesystem::path& defaultStore,
                     std::ostream& out, std::ostream& err) {
    const ParseResult parsed = ParsePeopleArguments(args);
    if (!parsed.arguments) {
        err << kProgram << ": " << platform::EscapeForTerminal(parsed.error)
            << "\nTry 'karvuto-people --help'.\n";
        return kExitBadArguments;
    }
    const PeopleArguments& a = *parsed.arguments;
    if (a.help) {
        out << PeopleUsage();
        return platform::FlushOrReport(out, err, kProgram, "the help") ? kExitDone : kExitOutputLost;
    }

    Command command(a, out, err);
    try {
        const bool own = a.storePath.empty();
        if (own) people::EnsureStoreFolder(defaultStore);
        people::StoreOptions options;
        options.create = own || a.verb == Verb::Add || a.verb == Verb::Import;
        people::PeopleStore store(own ? defaultStore : std::filesystem::path(a.storePath), options);
        return command.Run(store);
    } catch (const StoreError& e) {
        command.Say(e.what());
        return StatusOf(e, a.id);
    }
}

}  // namespace peopletool
