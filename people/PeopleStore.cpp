// The people store over SQLite: opening with its checks, the schema's
// derived columns, and one transaction per change.
#include "PeopleStore.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

#include "Clock.h"
#include "NameKeys.h"
#include "PersonCheck.h"
#include "SqliteConnection.h"
#include "StoreError.h"
#include "WriteTransaction.h"

namespace people {
namespace {

namespace fs = std::filesystem;

// The first 16 bytes of every SQLite 3 file, and the header they start.
constexpr std::string_view kSqliteMagic{"SQLite format 3\0", 16};
constexpr std::size_t kSqliteHeaderBytes = 100;

constexpr mode_t kStoreFileMode = 0600;  // the people are the user's own business
constexpr char kTagJoin = '\n';          // tags hold no control characters
constexpr char kSearchSeparator = '\x1f';
constexpr const char kReadTuning[] = "PRAGMA mmap_size = 268435456; PRAGMA cache_size = -65536";
// At most this many words of a search are looked for; the rest are ignored.
constexpr std::size_t kMaxSearchWords = 16;

// The columns a person is read from, in ReadPerson's order.
constexpr const char kPersonColumns[] =
    "id, name, sex, calendar, year, month, day, leap, hour, minute, place, longitude, zi, true_solar, "
    "dst_correct, tags, created, changed, note";
constexpr int kPersonColumnCount = 19;
// Parameters ?1 … ?22 as BindRow binds them.
constexpr const char kInsert[] =
    "INSERT INTO person (id, name, sex, calendar, year, month, day, leap, hour, minute, place, longitude, "
    "zi, "
    "true_solar, dst_correct, tags, created, changed, sort_name, birth_key, search, note) "
    "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17, ?18, ?19, ?20, ?21, "
    "?22)";
constexpr const char kUpdate[] =
    "UPDATE person SET name = ?2, sex = ?3, calendar = ?4, year = ?5, month = ?6, day = ?7, leap = ?8, "
    "hour = ?9, minute = ?10, place = ?11, longitude = ?12, zi = ?13, true_solar = ?14, dst_correct = ?15, "
    "tags = ?16, created = ?17, changed = ?18, sort_name = ?19, birth_key = ?20, search = ?21, note = ?22 "
    "WHERE id = ?1";

std::int64_t NowSeconds() {
    return std::chrono::duration_cast<std::chrono::seconds>(platform::Now().time_since_epoch()).count();
}

std::string JoinTags(const std::vector<std::string>& tags) {
    std::string joined;
    for (const std::string& tag : tags) {
        if (!joined.empty()) joined += kTagJoin;
        joined += tag;
    }
    return joined;
}

std::vector<std::string> SplitTags(std::string_view joined) {
    std::vector<std::string> tags;
    while (!joined.empty()) {
        const std::size_t end = joined.find(kTagJoin);
        tags.emplace_back(joined.substr(0, end));
        if (end == std::string_view::npos) break;
        joined.remove_prefix(end + 1);
    }
    return tags;
}

std::string IsoDate(const SYSTEMTIME& d) {
    Person p;
    p.year = d.wYear;
    p.month = d.wMonth;
    p.day = d.wDay;
    return DateText(p);
}

// Where search looks: the folded name, its initials, the entered date and
// the Gregorian one when they differ, the folded tags; one separator
// between them, which no search word holds.
std::string SearchText(const Person& p, const SYSTEMTIME& gregorian) {
    std::string text = FoldCase(p.name);
    text += kSearchSeparator;
    text += PinyinInitials(p.name);
    text += kSearchSeparator;
    text += DateText(p);
    if (p.calendar == CalendarKind::Lunar) {
        text += kSearchSeparator;
        text += IsoDate(gregorian);
    }
    for (const std::string& tag : p.tags) {
        text += kSearchSeparator;
        text += FoldCase(tag);
    }
    return text;
}

// The Gregorian moment of birth as the number YYYYMMDDhhmm.
std::int64_t BirthKey(const SYSTEMTIME& g) {
    constexpr std::int64_t kShift = 100;  // two decimal digits a field
    return (((std::int64_t{g.wYear} * kShift + g.wMonth) * kShift + g.wDay) * kShift + g.wHour) * kShift +
           g.wMinute;
}

Person ReadPerson(const SqliteStatement& s) {
    Person p;
    p.id = s.Int(0);
    p.name = s.Text(1);
    p.sex = ParseSex(s.TextView(2)).value_or(Sex::Male);
    p.calendar = ParseCalendar(s.TextView(3)).value_or(CalendarKind::Solar);
    p.year = static_cast<int>(s.Int(4));
    p.month = static_cast<int>(s.Int(5));
    p.day = static_cast<int>(s.Int(6));
    p.leap = s.Int(7) != 0;
    p.hour = static_cast<int>(s.Int(8));
    p.minute = static_cast<int>(s.Int(9));
    p.place = s.Text(10);
    p.longitude = s.Real(11);
    p.zi = chart::ParseZiHour(s.TextView(12)).value_or(chart::ZiHour::Late);
    p.trueSolarTime = s.Int(13) != 0;
    p.dstCorrect = s.Int(14) != 0;
    p.tags = SplitTags(s.TextView(15));
    p.created = s.Int(16);
    p.changed = s.Int(17);
    p.note = s.Text(18);
    return p;
}

// The words of a search, folded as the search column is; white space
// includes the ideographic space U+3000, and no word holds the separator.
std::vector<std::string> SearchWords(std::string_view search) {
    std::string text = FoldCase(search);
    for (std::size_t at = text.find("\u3000"); at != std::string::npos; at = text.find("\u3000", at)) {
        text.replace(at, 3, " ");
    }
    std::replace(text.begin(), text.end(), kSearchSeparator, ' ');
    std::vector<std::string> words;
    for (std::size_t at = 0; at < text.size() && words.size() < kMaxSearchWords;) {
        const std::size_t begin = text.find_first_not_of(" \t\r\n", at);
        if (begin == std::string::npos) break;
        const std::size_t end = std::min(text.find_first_of(" \t\r\n", begin), text.size());
        words.push_back(text.substr(begin, end - begin));
        at = end;
    }
    return words;
}

// " WHERE instr(search, ?1) > 0 AND …" for `count` words; "" for none.
std::string WhereAllWords(std::size_t count) {
    std::string where;
    for (std::size_t i = 0; i < count; ++i) {
        where += i == 0 ? " WHERE " : " AND ";
        where += "instr(search, ?" + std::to_string(i + 1) + ") > 0";
    }
    return where;
}

void BindWords(SqliteStatement& statement, const std::vector<std::string>& words) {
    for (std::size_t i = 0; i < words.size(); ++i) statement.Bind(static_cast<int>(i + 1), words[i]);
}

// The column Find sorts by, with a comma in front.
const char* SortColumn(SortKey sort) {
    switch (sort) {
        case SortKey::Name:
            return ", sort_name";
        case SortKey::Birth:
            return ", birth_key";
        case SortKey::Changed:
            return ", changed";
        case SortKey::Added:
            return ", id";
    }
    return ", id";
}

// Binds every column of kInsert and kUpdate; `p` has passed CheckPerson.
void BindRow(SqliteStatement& s, const Person& p) {
    const SYSTEMTIME gregorian = GregorianBirth(p).value_or(SYSTEMTIME{});
    if (p.id > 0) {
        s.Bind(1, p.id);
    } else {
        s.BindNull(1);
    }
    s.Bind(2, p.name)
        .Bind(3, SexKey(p.sex))
        .Bind(4, CalendarKey(p.calendar))
        .Bind(5, std::int64_t{p.year})
        .Bind(6, std::int64_t{p.month})
        .Bind(7, std::int64_t{p.day})
        .Bind(8, std::int64_t{p.leap})
        .Bind(9, std::int64_t{p.hour})
        .Bind(10, std::int64_t{p.minute})
        .Bind(11, p.place)
        .Bind(12, p.longitude)
        .Bind(13, chart::ZiHourKey(p.zi))
        .Bind(14, std::int64_t{p.trueSolarTime})
        .Bind(15, std::int64_t{p.dstCorrect})
        .Bind(16, JoinTags(p.tags))
        .Bind(17, p.created)
        .Bind(18, p.changed)
        .BindBlob(19, NameSortKey(p.name))
        .Bind(20, BirthKey(gregorian))
        .Bind(21, SearchText(p, gregorian))
        .Bind(22, p.note);
}

Person Checked(const Person& person, const std::string& label = {}) {
    Person p = Normalized(person);
    if (const auto problems = CheckPerson(p); !problems.empty())
        throw StoreError(StoreErrorKind::Invalid,
                         (label.empty() ? "" : label + "：") + DescribeProblems(problems));
    return p;
}

// The file before SQLite sees it: an existing file must be a regular file
// that starts like an SQLite database (an empty one will become a store).
// Returns whether it exists.
bool CheckFileBeforeOpening(const fs::path& path) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (!fs::exists(status)) return false;
    if (!fs::is_regular_file(status))
        throw StoreError(StoreErrorKind::CannotOpen, "档案库 " + path.string() + " 不是一个文件");
    std::ifstream in(path, std::ios::binary);
    if (!in) throw StoreError(StoreErrorKind::CannotOpen, "档案库 " + path.string() + " 不能读取");
    std::array<char, kSqliteHeaderBytes> header{};
    in.read(header.data(), header.size());
    const auto got = static_cast<std::size_t>(in.gcount());
    if (got == 0) return true;
    if (got < kSqliteHeaderBytes || std::string_view(header.data(), kSqliteMagic.size()) != kSqliteMagic)
        throw StoreError(StoreErrorKind::Damaged,
                         path.string() + " 不是档案库，或已损坏（不是 SQLite 数据库文件）；未作改动");
    return true;
}

// Creates an empty file that only its owner may read, before SQLite
// creates it with the default permissions (its -wal and -shm files take the
// same permissions).
void CreatePrivateFile(const fs::path& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kStoreFileMode);
    if (fd >= 0) {
        ::close(fd);
        return;
    }
    if (errno == EEXIST) return;  // another program was quicker
    throw StoreError(StoreErrorKind::CannotOpen,
                     "无法建立档案库 " + path.string() + "：" + std::strerror(errno));
}

}  // namespace

struct PeopleStore::Impl {
    std::unique_ptr<SqliteConnection> db;
    int version = 0;
};

PeopleStore::PeopleStore(const fs::path& path, const StoreOptions& options)
    : m_impl(std::make_unique<Impl>()) {
    const bool exists = CheckFileBeforeOpening(path);
    if (!exists) {
        if (!options.create) throw StoreError(StoreErrorKind::CannotOpen, "没有档案库 " + path.string());
        CreatePrivateFile(path);
    }
    m_impl->db = std::make_unique<SqliteConnection>(path, false);
    SqliteConnection& db = *m_impl->db;
    db.SetBusyTimeout(options.busyTimeout);

    // Only reads until the store is known to be ours, sound and not newer.
    const int known = static_cast<int>(options.migrations.size());
    const std::int64_t version = db.QueryInt("PRAGMA user_version");
    const std::int64_t applicationId = db.QueryInt("PRAGMA application_id");
    if (applicationId != kStoreApplicationId &&
        (applicationId != 0 || version != 0 || db.QueryInt("SELECT count(*) FROM sqlite_master") != 0))
        throw StoreError(StoreErrorKind::NotAStore, path.string() + " 是别的数据库，不是档案库；未作改动");
    if (version > known)
        throw StoreError(StoreErrorKind::NewerVersion, NewerVersionMessage(db, version, known));
    if (version > 0) {
        const std::string verdict = db.QueryText("PRAGMA quick_check(1)");
        if (verdict != "ok")
            throw StoreError(StoreErrorKind::Damaged,
                             "档案库 " + path.string() + " 已损坏（" + verdict + "）；未作改动");
    }

    // WAL lets a reader and a writer work at once; FULL makes a committed
    // change survive a power cut; secure_delete overwrites removed people.
    if (db.QueryText("PRAGMA journal_mode = WAL") != "wal")
        throw StoreError(StoreErrorKind::Failed, "档案库 " + path.string() + " 不能使用 WAL 日志");
    db.Exec("PRAGMA synchronous = FULL; PRAGMA secure_delete = ON");
    // Reads through a memory map and a larger page cache: a list of 100,000
    // people then costs no read calls.
    db.Exec(kReadTuning);
    if (version < known) Migrate(db, options.migrations);
    m_impl->version = static_cast<int>(db.QueryInt("PRAGMA user_version"));
}

PeopleStore::~PeopleStore() = default;

PersonId PeopleStore::Add(const Person& person) {
    Person p = Checked(person);
    p.id = 0;
    p.created = p.changed = NowSeconds();
    SqliteConnection& db = *m_impl->db;
    WriteTransaction transaction(db);
    SqliteStatement insert = db.Prepare(kInsert);
    BindRow(insert, p);
    insert.Run();
    const PersonId id = db.LastInsertId();
    transaction.Commit();
    return id;
}

Person PeopleStore::Update(const Person& person) {
    Person p = Checked(person);
    SqliteConnection& db = *m_impl->db;
    WriteTransaction transaction(db);
    const std::optional<Person> stored = Get(p.id);
    if (!stored) throw StoreError(StoreErrorKind::NotFound, "没有编号为 " + std::to_string(p.id) + " 的人");
    p.created = stored->created;
    p.changed = NowSeconds();
    SqliteStatement update = db.Prepare(kUpdate);
    BindRow(update, p);
    update.Run();
    transaction.Commit();
    return p;
}

Person PeopleStore::Remove(PersonId id) {
    SqliteConnection& db = *m_impl->db;
    WriteTransaction transaction(db);
    std::optional<Person> stored = Get(id);
    if (!stored) throw StoreError(StoreErrorKind::NotFound, "没有编号为 " + std::to_string(id) + " 的人");
    db.Prepare("DELETE FROM person WHERE id = ?1").Bind(1, id).Run();
    transaction.Commit();
    return *stored;
}

void PeopleStore::Restore(const Person& removed) {
    if (removed.id <= 0) throw StoreError(StoreErrorKind::Invalid, "要恢复的人没有编号");
    const Person p = Checked(removed);
    SqliteConnection& db = *m_impl->db;
    WriteTransaction transaction(db);
    if (Get(p.id))
        throw StoreError(StoreErrorKind::IdInUse, "编号 " + std::to_string(p.id) + " 已有人在，不能恢复");
    SqliteStatement insert = db.Prepare(kInsert);
    BindRow(insert, p);
    insert.Run();
    transaction.Commit();
}

std::vector<PersonId> PeopleStore::Import(const std::vector<Person>& people) {
    std::vector<Person> checked;
    checked.reserve(people.size());
    for (std::size_t i = 0; i < people.size(); ++i) {
        checked.push_back(Checked(people[i], RecordLabel(i + 1, people[i].name)));
    }
    const std::int64_t now = NowSeconds();
    SqliteConnection& db = *m_impl->db;
    std::vector<PersonId> ids;
    ids.reserve(checked.size());
    WriteTransaction transaction(db);
    SqliteStatement insert = db.Prepare(kInsert);
    for (Person& p : checked) {
        p.id = 0;
        if (p.created <= 0) p.created = now;
        if (p.changed <= 0) p.changed = now;
        insert.Reset();
        BindRow(insert, p);
        insert.Run();
        ids.push_back(db.LastInsertId());
    }
    transaction.Commit();
    return ids;
}

std::optional<Person> PeopleStore::Get(PersonId id) const {
    SqliteStatement select =
        m_impl->db->Prepare(std::string("SELECT ") + kPersonColumns + " FROM person WHERE id = ?1");
    select.Bind(1, id);
    if (!select.Step()) return std::nullopt;
    return ReadPerson(select);
}

std::vector<Person> PeopleStore::Find(const Search& search) const {
    const std::vector<std::string> words = SearchWords(search.text);
    // The table is read in its own order and sorted here: reading it in an
    // index's order costs a lookup a row, several times the scan and sort.
    std::string sql = std::string("SELECT ") + kPersonColumns;
    sql += SortColumn(search.sort);
    sql += " FROM person" + WhereAllWords(words.size());
    SqliteStatement select = m_impl->db->Prepare(sql);
    BindWords(select, words);
    // Rows are sorted by small keys pointing at them, never moved themselves.
    struct Key {
        std::string text;
        std::int64_t number;
        PersonId id;
        std::size_t row;
    };
    std::vector<Person> rows;
    std::vector<Key> keys;
    if (words.empty()) {
        rows.reserve(static_cast<std::size_t>(Count()));
        keys.reserve(rows.capacity());
    }
    constexpr int kSortColumn = kPersonColumnCount;  // after the columns ReadPerson reads
    const bool textKey = search.sort == SortKey::Name;
    while (select.Step()) {
        rows.push_back(ReadPerson(select));
        keys.push_back({textKey ? select.Text(kSortColumn) : std::string(),
                        textKey ? 0 : select.Int(kSortColumn), rows.back().id, rows.size() - 1});
    }
    const auto before = [](const Key& a, const Key& b) {
        if (a.text != b.text) return a.text < b.text;
        if (a.number != b.number) return a.number < b.number;
        return a.id < b.id;
    };
    if (search.descending) {
        std::sort(keys.begin(), keys.end(), [&](const Key& a, const Key& b) { return before(b, a); });
    } else {
        std::sort(keys.begin(), keys.end(), before);
    }
    std::vector<Person> people;
    people.reserve(keys.size());
    for (const Key& key : keys) people.push_back(std::move(rows[key.row]));
    return people;
}

std::vector<PersonId> PeopleStore::FindIds(const Search& search) const {
    const std::vector<std::string> words = SearchWords(search.text);
    // Everyone: the sort column's index holds the order and the ids. A
    // search: the table read in its own order, the matches sorted after
    // (the + keeps SQLite from walking the index and looking up each row).
    const char* hint = words.empty() ? "" : "+";
    const char* direction = search.descending ? " DESC" : "";
    std::string sql = "SELECT id FROM person" + WhereAllWords(words.size()) + " ORDER BY ";
    if (search.sort != SortKey::Added)
        sql += hint + std::string(SortColumn(search.sort) + 2) + direction + ", ";
    sql += hint + std::string("id") + direction;
    SqliteStatement select = m_impl->db->Prepare(sql);
    BindWords(select, words);
    std::vector<PersonId> ids;
    while (select.Step()) ids.push_back(select.Int(0));
    return ids;
}

int PeopleStore::Count() const {
    return static_cast<int>(m_impl->db->QueryInt("SELECT count(*) FROM person"));
}

int PeopleStore::Version() const {
    return m_impl->version;
}

const fs::path& PeopleStore::Path() const {
    return m_impl->db->Path();
}

}  // namespace people
