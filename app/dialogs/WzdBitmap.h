// CWzdBitmap: a bitmap resource loaded together with its size and, for a
// bitmap with a colour table, the palette made from that table.
#pragma once

#include <QList>
#include <QPixmap>
#include <QRgb>
#include <memory>

class CWzdBitmap {
public:
    CWzdBitmap();
    ~CWzdBitmap();
    CWzdBitmap(const CWzdBitmap&) = delete;
    CWzdBitmap& operator=(const CWzdBitmap&) = delete;

    // Loads bitmap resource `resourceId` (":/bitmaps/<id>.bmp"): its width and
    // height from the file's header, its colour table as the palette (with
    // `greyToButtonFace`, light grey RGB(192,192,192) entries become the
    // button-face colour), and its picture. On any failure the bitmap is null
    // and the size 0 x 0; an earlier bitmap is released either way.
    void LoadPaletteBitmap(int resourceId, bool greyToButtonFace);

    bool IsNull() const { return m_bitmap.isNull(); }
    const QPixmap& Bitmap() const { return m_bitmap; }
    // The colour table of the loaded bitmap; null when it has none.
    const QList<QRgb>* Palette() const { return m_pPalette.get(); }

    int m_nWidth = 0;   // pixels, from the bitmap's header
    int m_nHeight = 0;  // pixels

private:
    void Release();

    QPixmap m_bitmap;
    std::unique_ptr<QList<QRgb>> m_pPalette;
};
