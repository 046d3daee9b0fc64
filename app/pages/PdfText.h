// Making the text of the program's PDF files extract as the characters shown.
//
// Qt's PDF writer gives every font subset a ToUnicode map that names, for each
// glyph, the first character found for it. A CJK font draws a Kangxi radical
// (U+2F00-U+2FD5) and the unified ideograph it stands for with one glyph, so
// "大", "女" or "辛" could be copied and searched as "⼤", "⼥", "⾟"; and it
// sets a run of two em dashes "——" as the glyph of the two-em dash, which
// then reads back as "⸺". The fix rewrites those maps so that they name the
// ideographs and the dashes.
#pragma once

#include <QByteArray>

namespace pages {

// The unified ideograph whose glyph a simplified-Chinese face draws for a
// Kangxi radical or a CJK radical-supplement character (for the Kangxi
// radicals Unicode's compatibility decomposition, except ⼾, drawn as 户),
// or `c` itself for any other character.
char32_t UnifiedIdeograph(char32_t c);

// The PDF with every ToUnicode map's radicals replaced by their ideographs
// and its two- and three-em dashes by two and three em dashes;
// the other objects are kept byte for byte, the cross-reference table is
// rebuilt. A PDF without such maps, or one it does not understand, comes
// back unchanged.
QByteArray FixToUnicodeMaps(const QByteArray& pdf);

}  // namespace pages
