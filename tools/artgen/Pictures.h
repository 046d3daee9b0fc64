// Every picture of the program's skin, each painted from scratch by one function.
#pragma once

#include <QImage>

namespace art {

QImage PaintMainFace();   // 130, 800 x 580
QImage PaintAboutFace();  // 131, 420 x 240
QImage PaintSplash();     // 149, 420 x 270
QImage PaintChartFace();  // 257, 860 x 760 (ChartFace.cpp)
QImage PaintPeopleFace();  // 270, 720 x 540 (PeopleFaces.cpp)
QImage PaintPersonFace();  // 271, 440 x 350

QImage PaintCommandButton(bool pressed);  // 232 normal, 233 pressed, 82 x 18
QImage PaintCommandButtonMask();          // 236

enum class TitleGlyph { About, Minimise, Close };
QImage PaintTitleButton(TitleGlyph glyph, bool pressed);  // 244/245, 247/248, 249/250, 11 x 10
QImage PaintTitleButtonMask();                            // 246

QImage PaintBlankPicture();  // 255, 160 x 120
// The pencil dragon at any size with the proportions 4:3; 256 is 160 x 120.
QImage PaintDragon(int width, int height);

QImage PaintIcon(int size);  // icon 128

// Draws the outline of every control of a face over a copy of it, to check the layout.
QImage OverlayMainFaceControls(const QImage& face);
QImage OverlayAboutFaceControls(const QImage& face);

}  // namespace art
