// The bitmap state button: kinds from the template style, pictures by state drawn through
// the mask, the mask as shape and hit area, and hover tracking.
#include "skin/StateBitmapButton.h"

#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "skin/SkinBitmaps.h"
#include "skin/SkinColours.h"

namespace {

constexpr QRgb kRgbMask = 0x00FFFFFF;
// Gap between the text rectangle and the focus inset.
constexpr int kTextMargin = 2;

// A 3D edge of two one-pixel rings: outer and inner, each a top-left and a bottom-right colour.
void DrawEdge(QPainter& painter, const QRect& r, const QPalette& pal, bool sunken) {
    auto ring = [&painter](const QRect& box, const QColor& topLeft, const QColor& bottomRight) {
        if (box.width() <= 0 || box.height() <= 0) return;
        painter.fillRect(QRect(box.left(), box.top(), box.width(), 1), topLeft);
        painter.fillRect(QRect(box.left(), box.top(), 1, box.height()), topLeft);
        painter.fillRect(QRect(box.left(), box.bottom(), box.width(), 1), bottomRight);
        painter.fillRect(QRect(box.right(), box.top(), 1, box.height()), bottomRight);
    };
    const QColor light = SysColor(pal, SysColour::ThreeDLight);
    const QColor highlight = SysColor(pal, SysColour::BtnHighlight);
    const QColor shadow = SysColor(pal, SysColour::BtnShadow);
    const QColor dark = SysColor(pal, SysColour::ThreeDDkShadow);
    if (sunken) {
        ring(r, shadow, highlight);
        ring(r.adjusted(1, 1, -1, -1), dark, light);
    } else {
        ring(r, light, dark);
        ring(r.adjusted(1, 1, -1, -1), highlight, shadow);
    }
}

// A dotted rectangle that shows on any background, as the system's focus rectangle does:
// light dots under dark ones, one pixel each.
void DrawFocusRect(QPainter& painter, const QRect& r) {
    if (r.width() < 2 || r.height() < 2) return;
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(r.adjusted(0, 0, -1, -1));
    QPen dots(Qt::black, 1, Qt::CustomDashLine);
    dots.setDashPattern({1, 1});
    painter.setPen(dots);
    painter.drawRect(r.adjusted(0, 0, -1, -1));
    painter.restore();
}

bool IsOpaque(const QImage& mask, int x, int y, QRgb key) {
    if (mask.isNull()) return true;
    if (!mask.valid(x, y)) return false;
    return (mask.pixel(x, y) & kRgbMask) != (key & kRgbMask);
}

}  // namespace

CStateBitmapButton::CStateBitmapButton(QWidget* parent) : QAbstractButton(parent) {
    setMouseTracking(true);
    m_textColour = SysColor(palette(), SysColour::BtnText);
}

void CStateBitmapButton::SetBitmaps(const BitmapIds& ids) {
    // Without a disabled picture the normal one is loaded a second time for it.
    SetBitmapImages(LoadBitmapResource(ids.normal), LoadBitmapResource(ids.down),
                    LoadBitmapResource(ids.hover),
                    LoadBitmapResource(ids.disabled != 0 ? ids.disabled : ids.normal),
                    LoadBitmapResource(ids.focus), LoadBitmapResource(ids.mask), Natural, 0, 0);
    const std::array<int, 6> sharpIds{
        ids.normal, ids.down, ids.hover, ids.disabled != 0 ? ids.disabled : ids.normal, ids.focus, ids.mask};
    std::array<QImage, 6> sharp;
    for (std::size_t i = 0; i < sharp.size(); ++i) {
        if (sharpIds[i] == 0) continue;
        sharp[i] = LoadBitmapResource(sharpIds[i], 2.0);
        if (sharp[i].devicePixelRatio() != 2.0) return;  // some picture only at 1x: draw all at 1x
    }
    m_sharpBitmaps = sharp;
}

void CStateBitmapButton::SetBitmapImages(const QImage& normal, const QImage& down, const QImage& hover,
                                         const QImage& disabled, const QImage& focus, const QImage& mask,
                                         short drawMode, int drawEdge, short focusInset) {
    m_sharpBitmaps = {};
    m_normalBitmap = normal;
    m_downBitmap = down;
    m_hoverBitmap = hover;
    m_disabledBitmap = disabled.isNull() ? normal : disabled;
    m_focusBitmap = focus;
    m_maskBitmap = mask;
    m_drawMode = drawMode >= Tile ? short(Tile) : (drawMode < 0 ? short(Natural) : drawMode);
    m_drawEdge = drawEdge;
    m_focusInset = focusInset < 0 ? short(0) : focusInset;

    if (!m_maskBitmap.isNull()) {
        const QRegion shape = RegionFromMaskBitmap(m_maskBitmap);
        // An all-white mask gives no shape at all; a widget mask cannot be empty, so the
        // button then keeps its rectangle (and paints nothing of its picture).
        if (!shape.isEmpty()) setMask(shape);
        if (m_drawMode == Natural) resize(m_maskBitmap.size());
    } else {
        clearMask();
    }
    updateGeometry();
    update();
}

void CStateBitmapButton::SetTooltipText(const QString& text) {
    setToolTip(text);
}

void CStateBitmapButton::SetFocusRing(int inset) {
    m_focusRing = inset < 0 ? 0 : inset;
    update();
}

std::vector<QRect> CStateBitmapButton::MaskRuns(const QImage& mask, QRgb key) {
    std::vector<QRect> runs;
    if (mask.isNull()) return runs;
    const QImage image = mask.convertToFormat(QImage::Format_RGB32);
    const QRgb wanted = key & kRgbMask;
    const int width = image.width();
    for (int y = image.height() - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        int x = 0;
        while (x < width) {
            if ((line[x] & kRgbMask) == wanted) {
                ++x;
                continue;
            }
            const int first = x;
            while (x < width && (line[x] & kRgbMask) != wanted) ++x;
            runs.emplace_back(first, y, x - first, 1);
        }
    }
    return runs;
}

QRegion CStateBitmapButton::RegionFromMaskBitmap(const QImage& mask, QRgb key) {
    std::vector<QRect> runs = MaskRuns(mask, key);
    if (runs.empty()) return QRegion();
    // QRegion wants its rectangles top row first; the runs come bottom row first.
    std::stable_sort(runs.begin(), runs.end(),
                     [](const QRect& a, const QRect& b) { return a.top() < b.top(); });
    QRegion region;
    region.setRects(runs.data(), static_cast<int>(runs.size()));
    return region;
}

QImage CStateBitmapButton::ComposePicture(const QImage& picture, const QImage& mask, QSize size,
                                          int drawMode) {
    QImage out(size, QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    if (picture.isNull() || size.isEmpty()) return out;
    if (drawMode >= Tile) {
        QPainter painter(&out);
        for (int y = 0; y < size.height(); y += picture.height()) {
            for (int x = 0; x < size.width(); x += picture.width()) painter.drawImage(QPoint(x, y), picture);
        }
        return out;
    }
    QImage source = picture.convertToFormat(QImage::Format_ARGB32);
    QImage shape = mask;
    if (drawMode == Stretch) {
        source = source.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        // The mask is stretched from the same source rectangle as the picture.
        if (!shape.isNull()) {
            shape = shape.copy(QRect(QPoint(0, 0), picture.size()))
                        .scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        }
    }
    const int w = std::min(size.width(), source.width());
    const int h = std::min(size.height(), source.height());
    for (int y = 0; y < h; ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            if (IsOpaque(shape, x, y, kMaskKeyColour)) to[x] = from[x];
        }
    }
    return out;
}

QSize CStateBitmapButton::sizeHint() const {
    if (!m_maskBitmap.isNull()) return m_maskBitmap.size();
    if (!m_normalBitmap.isNull()) return m_normalBitmap.size();
    return QSize(16, 16);
}

bool CStateBitmapButton::hitButton(const QPoint& pos) const {
    // A masked button takes clicks only inside its mask.
    const QRegion shape = mask();
    return shape.isEmpty() ? rect().contains(pos) : shape.contains(pos);
}

void CStateBitmapButton::paintEvent(QPaintEvent* event) {
    Q_UNUSED(event);
    QPainter painter(this);
    const QPalette& pal = palette();
    const QRect r = rect();
    const int textInset = m_focusInset + kTextMargin;
    const QRect textRect = r.adjusted(textInset, 0, -textInset, 0);
    const bool disabled = !isEnabled();
    const bool pressed = isDown();
    const bool focused = hasFocus();

    const QImage* picture = &m_normalBitmap;
    if (disabled) {
        picture = &m_disabledBitmap;
    } else if (pressed) {
        picture = &m_downBitmap;
    } else if (m_bHover && !m_hoverBitmap.isNull()) {
        picture = &m_hoverBitmap;
    } else if (focused && !m_focusBitmap.isNull()) {
        picture = &m_focusBitmap;
    }
    if (picture->isNull()) {
        painter.fillRect(r, SysColor(pal, SysColour::BtnFace));
    } else {
        // The same picture at twice the size on a high-density screen, composed in device
        // pixels with the doubled mask.
        const std::array<const QImage*, 5> states{&m_normalBitmap, &m_downBitmap, &m_hoverBitmap,
                                                  &m_disabledBitmap, &m_focusBitmap};
        const auto state = std::size_t(std::find(states.begin(), states.end(), picture) - states.begin());
        const QImage& sharp = m_sharpBitmaps[state];  // picture is one of the states
        if (devicePixelRatioF() > 1.0 && m_drawMode == Natural && !sharp.isNull()) {
            QImage composed = ComposePicture(sharp, m_sharpBitmaps[5], r.size() * 2, m_drawMode);
            composed.setDevicePixelRatio(2.0);
            painter.drawImage(r.topLeft(), composed);
        } else {
            painter.drawImage(r.topLeft(), ComposePicture(*picture, m_maskBitmap, r.size(), m_drawMode));
        }
    }
    if (m_drawEdge != 0) DrawEdge(painter, r, pal, pressed && !disabled);
    const int focusInset = m_focusInset > 0 ? m_focusInset : m_focusRing;
    if (!disabled && focused && focusInset > 0) {
        DrawFocusRect(painter, r.adjusted(focusInset, focusInset, -focusInset, -focusInset));
    }

    const QString caption = text();
    if (caption.isEmpty()) return;
    const int flags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
    painter.setFont(font());
    painter.setBackgroundMode(Qt::TransparentMode);
    if (disabled) {
        painter.setPen(SysColor(pal, SysColour::BtnHighlight));
        painter.drawText(textRect, flags, caption);
        painter.setPen(SysColor(pal, SysColour::GrayText));
        painter.drawText(textRect.translated(-1, -1), flags, caption);
    } else {
        painter.setPen(m_textColour);
        painter.drawText(pressed ? textRect.translated(1, 1) : textRect, flags, caption);
    }
}

void CStateBitmapButton::mousePressEvent(QMouseEvent* event) {
    // A press ends the hover look until the mouse moves again.
    if (event->button() == Qt::LeftButton && m_bHover) {
        m_bHover = false;
        update();
    }
    QAbstractButton::mousePressEvent(event);
}

void CStateBitmapButton::mouseMoveEvent(QMouseEvent* event) {
    QAbstractButton::mouseMoveEvent(event);
    if (!(event->buttons() & Qt::LeftButton) && !m_bHover && hitButton(event->position().toPoint())) {
        m_bHover = true;
        update();
    }
}

void CStateBitmapButton::mouseDoubleClickEvent(QMouseEvent* event) {
    // Qt delivers the second press of a double click only as this event: handling it as
    // a press makes a double click two presses (and two clicks), never a double click.
    mousePressEvent(event);
}

void CStateBitmapButton::keyPressEvent(QKeyEvent* event) {
    // Enter on a focused command runs it, as Space does.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !event->isAutoRepeat() && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        animateClick();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void CStateBitmapButton::enterEvent(QEnterEvent* event) {
    QAbstractButton::enterEvent(event);
    if (!m_bHover) {
        m_bHover = true;
        update();
    }
}

void CStateBitmapButton::leaveEvent(QEvent* event) {
    QAbstractButton::leaveEvent(event);
    m_bHover = false;
    update();
}
