// JSON and CSV files of people, read strictly and written atomically.
#include "PeopleFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <nlohmann/json.hpp>

#include "CsvReader.h"
#include "PersonCheck.h"
#include "PersonCsv.h"
#include "PersonJson.h"
#include "StoreError.h"

namespace people {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr int kJsonIndent = 2;

[[noreturn]] void Refuse(const std::string& message) {
    throw StoreError(StoreErrorKind::Invalid, message);
}

// Runs `parse` for record `number`; a refusal is said again with the
// record's label in front.
template <typename F>
Person ParseRecord(std::size_t number, std::string_view name, F&& parse) {
    try {
        return parse();
    } catch (const StoreError& e) {
        Refuse(RecordLabel(number, name) + "：" + e.what());
    }
}

// "第 12 行第 5 列" for a byte offset into `text`.
std::string Position(std::string_view text, std::size_t offset) {
    offset = std::min(offset, text.size());
    std::size_t line = 1;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < offset; ++i) {
        if (text[i] == '\n') {
            ++line;
            lineStart = i + 1;
        }
    }
    return "第 " + std::to_string(line) + " 行第 " + std::to_string(offset - lineStart + 1) + " 列";
}

std::vector<Person> PeopleFromJson(std::string_view text) {
    // The parser's callback follows which record (an object directly inside
    // the array) it is in and that record's name, so a fault can name them.
    std::size_t record = 0;
    bool inRecord = false;
    bool nameNext = false;
    std::string name;
    const Json::parser_callback_t follow = [&](int depth, Json::parse_event_t event, Json& parsed) {
        if (event == Json::parse_event_t::object_start && depth == 1) {
            ++record;
            inRecord = true;
            name.clear();
        } else if (event == Json::parse_event_t::object_end && depth == 1) {
            inRecord = false;
        } else if (event == Json::parse_event_t::key && depth == 2) {
            nameNext = parsed == "name";
        } else if (event == Json::parse_event_t::value && depth == 2 && nameNext) {
            if (parsed.is_string()) name = parsed.get<std::string>();
            nameNext = false;
        }
        return true;
    };
    Json document;
    try {
        document = Json::parse(text, follow);
    } catch (const Json::parse_error& e) {
        const bool atEnd = e.byte > text.size();  // the parser read past the last byte
        const std::string fault =
            atEnd ? "文件不完整，在结尾处中断" : "不是合法的 JSON（" + Position(text, e.byte - 1) + "）";
        if (inRecord) Refuse(RecordLabel(record, name) + "：" + fault);
        if (record > 0 && !atEnd) Refuse("第 " + std::to_string(record) + " 条之后：" + fault);
        Refuse(fault);
    }
    if (!document.is_array()) Refuse("JSON 文件须为一个数组，每人一个对象");
    std::vector<Person> people;
    people.reserve(document.size());
    for (std::size_t i = 0; i < document.size(); ++i) {
        const Json& object = document[i];
        const Json* nameValue = object.is_object() && object.contains("name") ? &object["name"] : nullptr;
        const std::string recordName =
            nameValue && nameValue->is_string() ? nameValue->get<std::string>() : "";
        people.push_back(ParseRecord(i + 1, recordName, [&] { return PersonFromJson(object); }));
    }
    return people;
}

std::vector<Person> PeopleFromCsv(std::string_view text) {
    CsvReader reader(text);
    std::vector<std::string> header;
    if (!reader.Next(header)) Refuse(reader.Error().empty() ? "CSV 文件是空的，须有标题行" : reader.Error());
    for (std::size_t i = 0; i < header.size(); ++i) {
        if (std::find(kPersonKeys.begin(), kPersonKeys.end(), header[i]) == kPersonKeys.end())
            Refuse("标题行有未知的列 \"" + header[i] + "\"");
        if (std::find(header.begin(), header.begin() + static_cast<std::ptrdiff_t>(i), header[i]) !=
            header.begin() + static_cast<std::ptrdiff_t>(i))
            Refuse("标题行的列 \"" + header[i] + "\" 重复");
    }
    const auto nameColumn = std::find(header.begin(), header.end(), "name") - header.begin();

    std::vector<Person> people;
    std::vector<std::string> cells;
    for (std::size_t number = 1;; ++number) {
        const bool read = reader.Next(cells);
        const std::string name = static_cast<std::size_t>(nameColumn) < cells.size()
                                     ? cells[static_cast<std::size_t>(nameColumn)]
                                     : "";
        if (!read) {
            if (!reader.Error().empty()) Refuse(RecordLabel(number, name) + "：" + reader.Error());
            break;
        }
        people.push_back(ParseRecord(number, name, [&] {
            if (cells.size() != header.size())
                Refuse("第 " + std::to_string(reader.Line()) + " 行有 " + std::to_string(cells.size()) +
                       " 栏，标题行有 " + std::to_string(header.size()) + " 栏（文件不完整？）");
            return PersonFromJson(CsvCellsToJson(header, cells));
        }));
    }
    return people;
}

std::string ReadWholeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw StoreError(StoreErrorKind::FileError,
                         "不能读取 " + path.string() + "：" + std::strerror(errno));
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw StoreError(StoreErrorKind::FileError, "读取 " + path.string() + " 时出错");
    return text;
}

FileFormat RequireFormat(const fs::path& path) {
    const std::optional<FileFormat> format = FileFormatOf(path);
    if (!format)
        throw StoreError(StoreErrorKind::FileError, path.string() + "：文件名须以 .json 或 .csv 结尾");
    return *format;
}

// Writes `text` to a new file beside `path`, flushed to the disk, and renames
// it to `path`; on any failure the new file is removed and `path` is as it was.
void WriteAtomically(const fs::path& path, std::string_view text) {
    const auto fail = [&](const std::string& what) {
        throw StoreError(StoreErrorKind::FileError, "不能写入 " + path.string() + "：" + what);
    };
    std::string temporary = path.string() + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) fail(std::strerror(errno));
    const auto discard = [&](int error) {
        ::close(fd);
        ::unlink(temporary.c_str());
        fail(std::strerror(error));
    };
    for (std::size_t written = 0; written < text.size();) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) discard(errno);
        written += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) discard(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        fail(std::strerror(error));
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        fail(std::strerror(error));
    }
}

}  // namespace

std::optional<FileFormat> FileFormatOf(const fs::path& path) {
    std::string extension = path.extension().string();
    for (char& c : extension) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    if (extension == ".json") return FileFormat::Json;
    if (extension == ".csv") return FileFormat::Csv;
    return std::nullopt;
}

std::string PeopleToText(const std::vector<Person>& people, FileFormat format) {
    if (format == FileFormat::Json) {
        nlohmann::ordered_json array = nlohmann::ordered_json::array();
        for (const Person& p : people) array.push_back(PersonToJson(p, false));
        try {
            return array.dump(kJsonIndent) + "\n";
        } catch (const nlohmann::json::type_error&) {
            // Only a store changed behind the program's back holds such text.
            throw StoreError(StoreErrorKind::Failed, "档案中有不是 UTF-8 的文字，无法写成 JSON");
        }
    }
    std::string text(kByteOrderMark);
    text += CsvRow(CsvHeader());
    for (const Person& p : people) text += CsvRow(PersonToCsvCells(p));
    return text;
}

std::vector<Person> PeopleFromText(std::string_view text, FileFormat format) {
    return format == FileFormat::Json ? PeopleFromJson(text) : PeopleFromCsv(text);
}

std::vector<PersonId> ImportPeopleFile(PeopleStore& store, const fs::path& path) {
    const FileFormat format = RequireFormat(path);
    return store.Import(PeopleFromText(ReadWholeFile(path), format));
}

std::size_t ExportPeopleFile(const PeopleStore& store, const fs::path& path) {
    const FileFormat format = RequireFormat(path);
    Search everyone;
    everyone.sort = SortKey::Added;
    const std::vector<Person> people = store.Find(everyone);
    WriteAtomically(path, PeopleToText(people, format));
    return people.size();
}

}  // namespace people
