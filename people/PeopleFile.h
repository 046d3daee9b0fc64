// People in files: export to and import from JSON (an array of the objects
// of PersonJson.h, without id) and CSV (PersonCsv.h, a header row first),
// told apart by the file name's extension, .json or .csv in any case.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "PeopleStore.h"
#include "Person.h"

namespace people {

enum class FileFormat { Json, Csv };

// The format a file name's extension names, or nothing.
std::optional<FileFormat> FileFormatOf(const std::filesystem::path& path);

// The file's text for `people`: JSON indented by two spaces; CSV in UTF-8
// with a byte-order mark (so spreadsheets read the hanzi right) and CRLF.
std::string PeopleToText(const std::vector<Person>& people, FileFormat format);

// The people a file's text holds, each record parsed, none checked against
// the rules yet (the store's Import does that). Throws StoreError(Invalid)
// naming the record by number and, where it has one, name: a malformed or
// truncated file, a missing or unknown field, a value of the wrong type.
std::vector<Person> PeopleFromText(std::string_view text, FileFormat format);

// Imports the file into the store, all or nothing, and returns the new ids.
// StoreError(FileError) when the file cannot be read or its extension is
// neither .json nor .csv; StoreError(Invalid) as above and as Import says.
std::vector<PersonId> ImportPeopleFile(PeopleStore& store, const std::filesystem::path& path);

// Writes everyone in the store, in the order they were added, to the file
// and returns how many. The file is written beside its final name and
// renamed over it when complete, so a failure never leaves half a file.
// StoreError(FileError) when it cannot be written.
std::size_t ExportPeopleFile(const PeopleStore& store, const std::filesystem::path& path);

}  // namespace people
