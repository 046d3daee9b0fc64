// The builder of the interpretation database: reads the UTF-8 source tables
// bazi0.tsv ... bazi6.tsv and the analysis text tables (analysis_*.tsv) of a
// folder, checks every row, and writes the SQLite file the program reads. The
// same sources give the same bytes.
#pragma once

#include <filesystem>
#include <stdexcept>

// A refusal of the source data or a failure to write; what() names the file
// and, for a bad row, its line ("path:line: reason").
class DbBuildError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes `output` from the tables in `sourceDir`. bazi0.tsv must exist; a
// missing bazi1-6 or analysis file is an empty table. An analysis row whose
// key no finding of the analysis has is refused. The file is written whole under a
// temporary name and renamed over `output`, so a refusal or a failure leaves
// any earlier `output` as it was. Throws DbBuildError.
void BuildDatabase(const std::filesystem::path& sourceDir, const std::filesystem::path& output);
