// The analysis tables' declaration for the check at open.
#include "AnalysisKeys.h"

#include "TextTables.h"

std::vector<TableKeys> AnalysisTableKeys(Connection& /*connection*/) {
    std::vector<TableKeys> tables;
    for (const analysis::TextTableInfo& info : analysis::TextTables()) {
        TableKeys demand{info.name, {}, analysis::kTextColumn, analysis::KeysOf(info.table)};
        for (int i = 0; i < info.keyCount; ++i)
            demand.keyColumns.push_back(info.keys[static_cast<std::size_t>(i)]);
        tables.push_back(std::move(demand));
    }
    return tables;
}
