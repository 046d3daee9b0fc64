// Message boxes wide enough for their caption: a window manager shortens a
// caption that does not fit the title bar ("弈… 鉴"), and a box with a short
// text is otherwise only as wide as that text.
#pragma once

class QMessageBox;

// Room the window manager's title bar takes besides the caption: the buttons
// at its ends and the margins, in pixels.
inline constexpr int kTitleBarExtra = 120;

// Makes `box` at least as wide as its caption in the title font plus the title
// bar's buttons. Call before showing it.
void FitToCaption(QMessageBox& box);
