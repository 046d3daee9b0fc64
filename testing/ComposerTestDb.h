// A small interpretation database for the composer's tests: the test writes
// TSV files into a temporary folder and the builder turns them into a
// database there; the folder is removed again with the object. By default
// every key the files do not give is added with weight 0 or an empty text,
// which a reading shows exactly as it shows a missing row, so the database
// passes the completeness check of the programs' open.
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "Database.h"
#include "SystemTime.h"

class ComposerTestDb {
public:
    enum class Keys {
        kComplete,  // the keys the files lack, the analysis tables' too, are added (weight 0, empty text)
        kAsGiven,   // only the files' rows
    };

    // files: TSV file name -> its UTF-8 content, header row included.
    explicit ComposerTestDb(const std::map<std::string, std::string>& files, Keys keys = Keys::kComplete);
    ~ComposerTestDb();
    ComposerTestDb(const ComposerTestDb&) = delete;
    ComposerTestDb& operator=(const ComposerTestDb&) = delete;

    const std::filesystem::path& File() const { return m_file; }
    // A connection opened on the database the way the program opens it.
    std::unique_ptr<Connection> Open() const;
    // Runs SQLite statements (UTF-8) on the built file, writing: for the
    // cases the builder never writes (NULL values, odd stored texts, a
    // missing table).
    void Tamper(const std::string& sql) const;

private:
    void AddMissingKeys() const;

    std::filesystem::path m_dir;
    std::filesystem::path m_file;
};
