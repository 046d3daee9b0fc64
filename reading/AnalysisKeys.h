// The analysis text tables in the completeness check at open: each must hold
// a paragraph for every key the analysis can look up there
// (analysis::KeysOf), or the database is refused naming the table, as an
// incomplete reading table is.
//
//   OpenInterpretationDatabase(connection, path, {ReadingTableKeys, AnalysisTableKeys});
#pragma once

#include <vector>

#include "DatabaseKeys.h"

// The keys of the seven analysis tables (analysis/TextTables.h), their text
// column the value read. The connection is not read: the keys come from the
// analysis engine alone.
std::vector<TableKeys> AnalysisTableKeys(Connection& connection);
