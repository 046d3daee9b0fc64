// karvuto-read --export: the report page and the chart page of one reading
// written to a PDF or PNG file, painted by the program's own page routines on
// an offscreen display.
#pragma once

#include <iosfwd>

#include "ChartModel.h"
#include "ReadArguments.h"
#include "ReadingComposer.h"

// Writes a.exportPath (".pdf": two A4 pages; ".png": one image, the pages one
// below the other); an existing file is replaced only by a complete one.
// Returns kExitReading, or kExitOutputLost with the reason on err.
int ExportReading(const ReadArguments& a, const ComposedReport& report, const chart::ChartModel& chart,
                  std::ostream& err);
