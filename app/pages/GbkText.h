// GBK text for Qt. Every GBK string the program shows or paints (report texts,
// calendar names, error texts, the name box) becomes a QString here.
#pragma once

#include <QString>
#include <string_view>

// GBK -> QString. A byte sequence that does not decode is shown as one
// replacement mark U+FFFD and the text goes on after it: nothing is dropped
// silently and nothing garbled is shown.
QString FromGbk(std::string_view gbk);
