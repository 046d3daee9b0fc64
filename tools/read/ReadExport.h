// karvuto-read --export: a document's pages (app/pages/Documents.h) written
// to a PDF or PNG file, painted by the program's own page routines on an
// offscreen display.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "app/pages/PageSource.h"

// Writes `path` (".pdf": one A4 page a page; ".png": one image, the pages one
// below the other) with the pages `document` makes once Qt is ready to paint
// (the pages measure their text when they are made); an existing file is
// replaced only by a complete one. Returns kExitReading, or kExitOutputLost
// with the reason on err.
int ExportPages(const std::string& path, const std::function<std::vector<pages::PagePainter>()>& document,
                std::ostream& err);
