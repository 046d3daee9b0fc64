// A person as a CSV record. The header row names the columns with the JSON
// keys (PersonJson.h), in any order; a record becomes the JSON object its
// cells describe, so both files follow one set of rules. Cells: texts as
// they are; leap, trueSolarTime and dstCorrect as true or false; hour,
// minute and longitude as numbers; tags joined by ';'; an empty cell of an
// optional column counts as missing.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "Person.h"

namespace people {

// The header row's cells, and a person's cells under it (no id).
std::vector<std::string> CsvHeader();
std::vector<std::string> PersonToCsvCells(const Person& p);

// The JSON object of one record under `header` (cells as many as columns).
// Throws StoreError(Invalid) for a cell that is not of its column's form.
nlohmann::json CsvCellsToJson(const std::vector<std::string>& header, const std::vector<std::string>& cells);

}  // namespace people
