#include "app/pages/GbkText.h"

#include <string>

#include "GbkCodec.h"

QString FromGbk(std::string_view gbk) {
    QString out;
    while (!gbk.empty()) {
        std::size_t bad = 0;
        if (auto utf8 = platform::GbkToUtf8(gbk, &bad)) {
            out += QString::fromStdString(*utf8);
            break;
        }
        // Decode the part before the first bad byte, mark the byte, go on.
        out += QString::fromStdString(platform::GbkToUtf8(gbk.substr(0, bad)).value_or(std::string()));
        out += QChar(QChar::ReplacementCharacter);
        gbk.remove_prefix(bad + 1);
    }
    return out;
}
