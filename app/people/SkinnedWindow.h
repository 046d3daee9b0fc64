// What the 档案 window and the person dialog share to look like the program's
// other windows: a frameless top-level shaped and painted by a face bitmap,
// with the caption on its title band, a close button and command buttons.
#pragma once

#include <QRect>
#include <QString>

#include "res/bitmaps/FaceLayout.h"

class CStateBitmapButton;
class QMouseEvent;
class QWidget;

namespace peopleui {

// Makes `window` (not yet shown) a frameless top-level of the face's size,
// shaped by the face's colour key, in the dialogs' font.
void SetUpSkinnedWindow(QWidget* window, int faceId);

// Paints the face and the caption; call it from the window's paintEvent.
void PaintSkinnedWindow(QWidget* window, int faceId, const QString& caption);

// A left press on the bare face moves the window; true when it did.
bool DragSkinnedWindow(QWidget* window, QMouseEvent* event);

// The title band's close button at `where`; it closes `window`.
CStateBitmapButton* AddCloseButton(QWidget* window, const art::PixelRect& where);

// A command button (the 82 x 18 picture with its caption) at `topLeft`.
CStateBitmapButton* AddCommandButton(QWidget* parent, const QString& text, const QString& tooltip,
                                     QPoint topLeft);

}  // namespace peopleui
