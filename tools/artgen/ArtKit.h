// Palette, fonts and the small drawing pieces that every picture of the skin shares.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRectF>

namespace art {

// The frame's colour key: pixels of exactly this colour are cut out of a window.
inline const QColor kKeyRed(255, 0, 0);
// The dialogs' background green; the static texts are painted on it.
inline const QColor kPanelGreen(191, 215, 107);
// The masks' key: white is transparent, black is opaque.
inline const QColor kMaskWhite(255, 255, 255);
inline const QColor kMaskBlack(0, 0, 0);

// The restrained palette of lacquer, bronze, ink and paper.
inline const QColor kLacquerDark(74, 40, 20);
inline const QColor kLacquer(118, 66, 34);
inline const QColor kBronze(168, 124, 62);
inline const QColor kGold(214, 180, 104);
inline const QColor kGoldPale(240, 222, 164);
inline const QColor kPaper(247, 240, 222);
inline const QColor kInk(46, 36, 28);
inline const QColor kOliveLine(92, 116, 42);
inline const QColor kOliveLight(222, 234, 172);
inline const QColor kOliveShade(168, 194, 88);
inline const QColor kCinnabar(170, 44, 32);  // seal red, far from the key red

// The scale pictures are painted at: 1 for the bitmaps, 2 for their @2x versions
// that high-density screens show. Every picture is designed in logical pixels;
// at scale 2 its canvas has two device pixels a logical pixel each way and
// carries that device pixel ratio, so a QPainter on it keeps drawing in logical
// coordinates while curves and text come out at the full resolution.
int CanvasScale();
// Sets the scale for the canvases made while it lives, and restores the previous one.
class ScopedCanvasScale {
public:
    explicit ScopedCanvasScale(int scale);
    ~ScopedCanvasScale();
    ScopedCanvasScale(const ScopedCanvasScale&) = delete;
    ScopedCanvasScale& operator=(const ScopedCanvasScale&) = delete;

private:
    int m_previous;
};

// A 24-bit-style opaque canvas of the given logical size filled with one colour, at
// the current canvas scale.
QImage NewCanvas(int width, int height, const QColor& fill);

// The size of an image in logical pixels (its pixels over its device pixel ratio).
int LogicalWidth(const QImage& image);
int LogicalHeight(const QImage& image);

// Sets logical pixel (x, y): the block of device pixels it covers. Pixel art and
// colour keys are drawn this way, so that at any scale they cover exactly the
// device pixels of their logical pixels.
void SetLogicalPixel(QImage& image, int x, int y, QRgb colour);

// The Song face and the sans face of the CJK fonts, sized in pixels.
QFont SongFont(int pixelSize, bool bold = false);
QFont SansFont(int pixelSize, bool bold = false);

// Paints kKeyRed, without antialiasing, on every logical pixel outside a rounded
// rectangle of the given radius in the four corners of the image; at scale 2 the
// cut is the 1x cut with each pixel doubled, so one window shape fits both. Call it last.
void CutRoundCorners(QImage& image, int radius);

// Text centred on a point, with an optional soft engraved shadow.
void DrawCentredText(QPainter& p, const QPointF& centre, const QString& text, const QColor& colour);
void DrawEngravedText(QPainter& p, const QRectF& box, const QString& text, const QColor& colour,
                      const QColor& shadow, int flags = Qt::AlignCenter);

// An auspicious cloud (祥云): a double spiral curl with a tail, drawn as lines.
// size is the curl's outer radius; mirror turns it to face left.
void DrawCloudScroll(QPainter& p, const QPointF& centre, double size, bool mirror, const QColor& colour,
                     double lineWidth);

// A band of key-fret (回纹) units along a rectangle, in one line colour.
void DrawKeyFret(QPainter& p, const QRectF& band, const QColor& colour);

// The eight trigrams around a yin-yang disc.
void DrawBagua(QPainter& p, const QPointF& centre, double radius, const QColor& ink, const QColor& paper);

// A square seal stamp with characters in relief (white on cinnabar), read in
// columns from right to left as seals are.
void DrawSeal(QPainter& p, const QRectF& box, const QString& characters);

// A framed box with a heading set into its top line, like an engraved panel.
void DrawHeadedBox(QPainter& p, const QRectF& box, const QString& heading, const QColor& fill);

}  // namespace art
