// CWzdBitmap: bitmap resources with their header size and colour table.
// A resource is a BMP file: a 14-byte file header, then a BITMAPINFOHEADER
// (at least 40 bytes), then the colour table of RGBQUADs (blue, green, red,
// reserved) and the bits.
#include "app/dialogs/WzdBitmap.h"

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QPalette>
#include <cstdint>
#include <cstdlib>

#include "res/bitmaps/BitmapIds.h"

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;  // BITMAPINFOHEADER
constexpr int kRgbQuadSize = 4;
constexpr int kMaxColourTableBits = 8;   // deeper bitmaps have no colour table of their own
constexpr QRgb kLightGrey = 0xFFC0C0C0;  // RGB(192,192,192)

std::uint32_t ReadU32(const QByteArray& data, int offset) {
    const auto* p = reinterpret_cast<const unsigned char*>(data.constData()) + offset;
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

std::uint16_t ReadU16(const QByteArray& data, int offset) {
    const auto* p = reinterpret_cast<const unsigned char*>(data.constData()) + offset;
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

}  // namespace

CWzdBitmap::CWzdBitmap() = default;

CWzdBitmap::~CWzdBitmap() {
    Release();
}

void CWzdBitmap::Release() {
    // The palette goes first, then the bitmap.
    m_pPalette.reset();
    m_bitmap = QPixmap();
    m_nWidth = 0;
    m_nHeight = 0;
}

void CWzdBitmap::LoadPaletteBitmap(int resourceId, bool greyToButtonFace) {
    Release();
    QFile file(art::BitmapResourcePath(resourceId));
    if (resourceId <= 0 || !file.open(QIODevice::ReadOnly)) {
        return;
    }
    const QByteArray data = file.readAll();
    const int info = kFileHeaderSize;
    if (data.size() < info + kInfoHeaderSize || data[0] != 'B' || data[1] != 'M') {
        return;
    }
    const std::uint32_t headerSize = ReadU32(data, info);
    const auto width = static_cast<std::int32_t>(ReadU32(data, info + 4));
    const auto height = static_cast<std::int32_t>(ReadU32(data, info + 8));
    const std::uint16_t bitCount = ReadU16(data, info + 14);
    const std::uint32_t coloursUsed = ReadU32(data, info + 32);
    if (headerSize < kInfoHeaderSize || width <= 0 || height == 0) {
        return;
    }
    std::uint32_t colours = coloursUsed;
    if (colours == 0 && bitCount <= kMaxColourTableBits) {
        colours = 1u << bitCount;
    }
    const qint64 tableEnd = qint64(info) + headerSize + qint64(colours) * kRgbQuadSize;
    if (colours > 256 || tableEnd > data.size()) {
        return;
    }

    QImage picture = QImage::fromData(data, "BMP");
    if (picture.isNull()) {
        return;
    }
    if (colours != 0) {
        auto palette = std::make_unique<QList<QRgb>>();
        palette->reserve(static_cast<qsizetype>(colours));
        const QRgb buttonFace = QApplication::palette().color(QPalette::Button).rgb();
        for (std::uint32_t i = 0; i < colours; ++i) {
            const int at = info + static_cast<int>(headerSize) + static_cast<int>(i) * kRgbQuadSize;
            const auto* q = reinterpret_cast<const unsigned char*>(data.constData()) + at;
            QRgb entry = qRgb(q[2], q[1], q[0]);
            if (greyToButtonFace && entry == kLightGrey) {
                entry = buttonFace;
            }
            palette->append(entry);
        }
        // An indexed picture is shown through the palette, so the button-face
        // substitution reaches its pixels too.
        if (picture.colorCount() > 0 && picture.colorCount() <= palette->size()) {
            picture.setColorTable(palette->mid(0, picture.colorCount()));
        }
        m_pPalette = std::move(palette);
    }
    m_bitmap = QPixmap::fromImage(picture);
    if (m_bitmap.isNull()) {
        Release();
        return;
    }
    m_nWidth = width;
    m_nHeight = std::abs(height);  // a negative height marks a top-down bitmap
}
