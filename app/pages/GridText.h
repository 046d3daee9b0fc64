// Report text on a character grid: every ASCII character (and a non-breaking
// space) takes half a cell, an invisible joiner none, every other character a
// whole one, so that texts aligned by spaces (the
// header's "(阳历)" under "(阴历)", the centred body title) line up on screen
// and on paper alike, whatever the widths of the face's Latin letters.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>

class QPainter;

namespace pages {

// The grid of one device: the em size of the characters (a whole cell's
// width), the line pitch and the baseline below a line's top, in pixels.
struct TextGrid {
    int cell = 0;
    int pitch = 0;
    int baseline = 0;
};

// Width of `text` in half cells.
int HalfCells(const QString& text);

// `line` broken into pieces of at most `halfCells` half cells, by the pages'
// one line-breaking rule (LineBreak.h).
QStringList WrapToGrid(const QString& line, int halfCells);

// The face for the ASCII characters: the report face's fixed-pitch sibling,
// whose Latin letters are exactly half an em wide.
QFont HalfWidthFont(const QFont& reportFont);

// The lines `text` ("\n" between paragraphs) takes on the grid: with `wrap`,
// each paragraph broken at `width` pixels; without, one line a paragraph.
QStringList GridLines(const QString& text, int width, const TextGrid& grid, bool wrap);

// Draws `text` ("\n" between lines) in `box` with the painter's font, one
// line every grid.pitch pixels from the box's top, clipped to the box;
// `wrap` breaks lines at the box's right edge.
void DrawGridText(QPainter* painter, const QString& text, const QRect& box, const TextGrid& grid, bool wrap);

}  // namespace pages
