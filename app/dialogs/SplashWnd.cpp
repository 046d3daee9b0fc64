// CSplashWnd: the splash picture, centred on the primary screen.
#include "app/dialogs/SplashWnd.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "skin/SkinBitmaps.h"

CSplashWnd::CSplashWnd(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_ShowWithoutActivating);
}

CSplashWnd::~CSplashWnd() = default;

QRect CSplashWnd::SplashRect(const QRect& screen, QSize picture) {
    // Integer division truncates toward zero (see SplashRect in the header).
    const int left = (screen.width() - picture.width()) / 2;
    const int top = (screen.height() - picture.height()) / 2;
    return QRect(screen.x() + left, screen.y() + top, picture.width(), picture.height());
}

bool CSplashWnd::Create(int bitmapId) {
    m_bitmap.LoadPaletteBitmap(bitmapId, false);
    if (m_bitmap.IsNull()) {
        return false;
    }
    m_sharpBitmap = LoadBitmapResource(bitmapId, 2.0);
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen != nullptr ? screen->geometry() : QRect();
    setGeometry(SplashRect(area, QSize(m_bitmap.m_nWidth, m_bitmap.m_nHeight)));
    show();
    return true;
}

void CSplashWnd::ShowSplashScreen(int bitmapId, std::chrono::milliseconds duration) {
    CSplashWnd splash;
    if (!splash.Create(bitmapId)) {
        return;
    }
    // The window system maps the window before it can be painted; let that
    // happen (input stays queued), paint, then stand for the rest of the time.
    QEventLoop loop;
    QTimer::singleShot(std::max(std::chrono::milliseconds(0), duration), &loop, &QEventLoop::quit);
    splash.repaint();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    splash.hide();
}

void CSplashWnd::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    // A one-pixel border; the picture fills the client area inside it.
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setClipRect(rect().adjusted(1, 1, -1, -1));
    if (devicePixelRatioF() > 1.0 && m_sharpBitmap.devicePixelRatio() > 1.0) {
        painter.drawImage(QPoint(1, 1), m_sharpBitmap);  // the same logical size, sharper
    } else {
        painter.drawPixmap(1, 1, m_bitmap.Bitmap());
    }
}
