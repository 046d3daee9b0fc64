// Making the text of the program's PDF files extract as the characters shown.
//
// Qt's PDF writer gives every font subset a ToUnicode map that names, for each
// glyph, the first character found for it. A CJK font draws a Kangxi radical
// (U+2F00-U+2FD5) and the unified ideograph it stands for with one glyph, so
// "大", "女" or "辛" could be copied and searched as "⼤", "⼥", "⾟". The fix
// rewrites those maps so that they name the ideographs.
#pragma once

#include <QByteArray>

namespace pages {

// The unified ideograph a Kangxi radical or a CJK radical-supplement
// character is equivalent to (Unicode's compatibility decomposition), or
// `c` itself for any other character.
char32_t UnifiedIdeograph(char32_t c);

// The PDF with every ToUnicode map's radicals replaced by their ideographs;
// the other objects are kept byte for byte, the cross-reference table is
// rebuilt. A PDF without such maps, or one it does not understand, comes
// back unchanged.
QByteArray FixToUnicodeMaps(const QByteArray& pdf);

}  // namespace pages
