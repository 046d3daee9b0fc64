// Shaped skin frames: the band scan that cuts the colour-key pixels out of the window,
// the background painter and the background drag.
#include "skin/FrameSkin.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <functional>
#include <vector>

#include "skin/SkinFonts.h"

namespace {

constexpr QRgb kRgbMask = 0x00FFFFFF;

// The window system's move of a window, replaceable by tests.
std::function<bool(QWindow*)>& SystemMove() {
    static std::function<bool(QWindow*)> move;
    return move;
}

bool StartSystemMove(QWindow* window) {
    if (SystemMove()) return SystemMove()(window);
    return window->startSystemMove();
}

// A press on a frame's background, until it becomes a move or ends: an application-wide
// filter armed by the press. A release before the pointer has moved (a click, a touchpad
// tap) ends it with no move at all: some window managers, handed a move after the button
// is already up, keep the window glued to the pointer until the next click. Once the held
// button has moved the pointer kFrameDragStartDistance pixels, the window system is asked
// to move the window (and the filter ends: the release may never arrive), or, where it
// refuses, the window follows the pointer by hand until the release. It lives as a child
// of the dragged widget, so it goes with it.
class FrameDragger : public QObject {
public:
    FrameDragger(QWidget* dialog, QPoint grip, QPoint pressedAt, bool positionKnown)
        : QObject(dialog),
          m_window(dialog->window()),
          m_grip(grip),
          m_pressedAt(pressedAt),
          m_positionKnown(positionKnown) {
        setObjectName(QString::fromLatin1(kDraggerName));
        qApp->installEventFilter(this);
    }

    static constexpr const char* kDraggerName = "frameDragger";

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        Q_UNUSED(watched);
        const QEvent::Type type = event->type();
        if (type == QEvent::MouseMove) {
            auto* move = static_cast<QMouseEvent*>(event);
            if (!(move->buttons() & Qt::LeftButton) || !m_window) {
                Finish();
                return false;
            }
            const QPoint pointer = move->globalPosition().toPoint();
            if (!m_moving) {
                if ((pointer - m_pressedAt).manhattanLength() < kFrameDragStartDistance) return false;
                // The window system's move starts from where the toolkit believes the
                // window is; when that belief is stale the window would jump by the
                // error, so the pointer is followed by hand instead.
                QWindow* handle = m_window->windowHandle();
                if (m_positionKnown && handle != nullptr && StartSystemMove(handle)) {
                    Finish();
                    return true;
                }
                m_moving = true;
            }
            m_window->move(pointer - m_grip);
            return true;
        }
        if ((type == QEvent::MouseButtonRelease &&
             static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) ||
            type == QEvent::ApplicationDeactivate) {
            Finish();
        }
        return false;
    }

private:
    void Finish() {
        qApp->removeEventFilter(this);
        deleteLater();
    }

    QPointer<QWidget> m_window;
    QPoint m_grip;       // the press's point in the window
    QPoint m_pressedAt;  // the press's point on the screen
    bool m_positionKnown;
    bool m_moving = false;
};

// Keeps every top-level window's known position true: some window managers leave the
// toolkit with a stale position after mapping a window (it reads the window's place
// before the manager has put its frame there). A mouse press carries the truth: its
// point on the screen less its point in the window.
class WindowPositionCheck : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress && watched->isWindowType()) {
            auto* window = static_cast<QWindow*>(watched);
            const QPoint origin = TrueWindowOrigin(*static_cast<QMouseEvent*>(event));
            if (window->parent() == nullptr && window->position() != origin) {
                // Asking for the place it already has makes the window manager confirm it.
                window->setPosition(origin);
            }
        }
        return false;
    }
};

}  // namespace

QPoint TrueWindowOrigin(const QMouseEvent& event) {
    return event.globalPosition().toPoint() - event.scenePosition().toPoint();
}

void InstallWindowPositionCheck() {
    static QPointer<QObject> check;
    if (check || qApp == nullptr) return;
    check = new WindowPositionCheck;
    check->setParent(qApp);
    qApp->installEventFilter(check);
}

QRegion FrameRegionFromBitmap(const QImage& skin, QSize windowSize, QRgb key) {
    const int width = windowSize.width();
    const int height = windowSize.height();
    const QRegion full(0, 0, width, height);
    if (skin.isNull()) return full;

    // One conversion, then direct row access: the scan reads the image's memory, never
    // a device, pixel by pixel.
    const QImage image = skin.convertToFormat(QImage::Format_RGB32);
    // The scan is in logical pixels: a high-density skin (device pixel ratio 2) is
    // read at the top-left device pixel of each logical pixel, which gives the 1x
    // skin's shape since its key cut-outs are the 1x ones doubled.
    const int scale = std::max(1, qRound(skin.devicePixelRatio()));
    // Columns 0..W and rows 0..H as a window of that size sees them; what lies outside
    // the bitmap never matches the key.
    const int lastColumn = std::min(width, image.width() / scale - 1);
    const int lastRow = std::min(height, image.height() / scale - 1);
    const QRgb wanted = key & kRgbMask;
    const auto keyed = [&](const QRgb* line, int x) { return (line[x * scale] & kRgbMask) == wanted; };

    std::vector<QRect> cutOuts;  // one-row runs of key pixels, top row first
    for (int y = 0; y <= lastRow; ++y) {
        if (!(y < kFrameBandHeight || y > height - kFrameBandHeight)) continue;
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y * scale));
        int x = 0;
        while (x <= lastColumn) {
            if (!keyed(line, x)) {
                ++x;
                continue;
            }
            const int first = x;
            while (x <= lastColumn && keyed(line, x)) ++x;
            cutOuts.emplace_back(first, y, x - first, 1);
        }
    }
    if (cutOuts.empty()) return full;
    QRegion removed;
    removed.setRects(cutOuts.data(), static_cast<int>(cutOuts.size()));
    return full.subtracted(removed);
}

void ApplyFrameRegion(QWidget* dialog, const QImage& skin, QRgb key) {
    if (dialog == nullptr) return;
    if (dialog->isWindow() && !dialog->isVisible()) {
        // Wayland shapes a window only by its alpha, X11 by its mask: set both up before
        // the window is first shown (a translucent surface cannot be had later).
        if (!(dialog->windowFlags() & Qt::FramelessWindowHint)) {
            dialog->setWindowFlags(dialog->windowFlags() | Qt::FramelessWindowHint);
        }
        dialog->setAttribute(Qt::WA_TranslucentBackground);
    }
    dialog->setMask(FrameRegionFromBitmap(skin, dialog->size(), key));
}

bool PaintFrameBackground(QWidget* dialog, QPainter& painter, const QImage& skin, const QString& caption,
                          QRgb key) {
    if (dialog == nullptr || skin.isNull()) return false;
    const QRect whole(QPoint(0, 0), dialog->size());
    const QRegion shape = FrameRegionFromBitmap(skin, dialog->size(), key);

    painter.save();
    if (dialog->testAttribute(Qt::WA_TranslucentBackground)) {
        // The cut-out pixels are fully transparent, so the desktop shows through them
        // where the window system shapes windows by alpha.
        painter.setClipRegion(QRegion(whole).subtracted(shape));
        painter.setCompositionMode(QPainter::CompositionMode_Clear);
        painter.fillRect(whole, Qt::transparent);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    painter.setClipRegion(shape);
    // The source rectangle is in the skin's device pixels; it paints over `whole`.
    const qreal ratio = skin.devicePixelRatio();
    painter.drawImage(QRectF(whole), skin, QRectF(0, 0, whole.width() * ratio, whole.height() * ratio));
    painter.restore();

    if (!caption.isEmpty()) {
        painter.save();
        painter.setFont(CaptionFont());
        painter.setPen(QColor::fromRgb(kCaptionColour));
        painter.setBackgroundMode(Qt::TransparentMode);
        const QRect textBox(kCaptionLeft, kCaptionTop, std::max(0, whole.width() - kCaptionLeft),
                            std::max(0, whole.height() - kCaptionTop));
        painter.drawText(textBox, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip,
                         caption);
        painter.restore();
    }
    return true;
}

bool DragFrame(QWidget* dialog, QMouseEvent* event) {
    if (dialog == nullptr || event == nullptr || event->button() != Qt::LeftButton) return false;
    if (dialog->findChild<QObject*>(QString::fromLatin1(FrameDragger::kDraggerName),
                                    Qt::FindDirectChildrenOnly)) {
        return true;
    }
    const QWindow* handle = dialog->window()->windowHandle();
    const bool positionKnown = handle != nullptr && handle->position() == TrueWindowOrigin(*event);
    // The grip is the press's point in the window, not the pointer less a position that
    // may be stale.
    new FrameDragger(dialog, event->scenePosition().toPoint(), event->globalPosition().toPoint(),
                     positionKnown);
    return true;
}

void SetSystemMoveForTesting(std::function<bool(QWindow*)> move) {
    SystemMove() = std::move(move);
}
