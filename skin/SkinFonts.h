// The one place that maps the Windows face names of the dialogs, the caption and the
// report (宋体, 新宋体, Arial, ...) to font families installed on this system.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

// Installed families standing for a Windows face name, best first; unknown faces keep
// their own name first and fall back to the CJK sans face.
QStringList FamiliesForFace(const QString& face);

// A font for a LOGFONT-style description: a negative lfHeight is the character (em)
// height in pixels, a positive one the cell height (ascent + descent), 0 the default 12.
QFont LogFont(const QString& face, int lfHeight, int lfWeight = 400, bool underline = false);

// A dialog template font given in points, as a 96-dpi dialog uses it (9 pt -> 12 px em).
QFont DialogFont(const QString& face, int pointSize);

// The caption font of every skinned frame: 宋体, lfHeight -12, weight 400.
QFont CaptionFont();
