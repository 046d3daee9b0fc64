// CSplashWnd: the splash picture that stands centred on the screen while the
// main form initialises.
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <chrono>

#include "app/dialogs/WzdBitmap.h"
#include "res/bitmaps/BitmapIds.h"

class CSplashWnd : public QWidget {
    Q_OBJECT
public:
    static constexpr int kBitmapId = art::kSplashId;             // 420 x 270, 24 bits
    static constexpr std::chrono::milliseconds kShowTime{3000};  // how long the splash stands

    explicit CSplashWnd(QWidget* parent = nullptr);
    ~CSplashWnd() override;

    // Loads bitmap `bitmapId`, places the window centred on the primary screen
    // at the picture's size and shows it. False (and nothing shown) when the
    // picture cannot be loaded.
    bool Create(int bitmapId);

    // Shows the splash for `duration`, painted before the wait starts, and
    // takes it down again; the main form calls this during its initialisation.
    // Input events that arrive meanwhile are held back until the wait is over.
    // Returns at once when the picture cannot be loaded.
    static void ShowSplashScreen(int bitmapId = kBitmapId, std::chrono::milliseconds duration = kShowTime);

    // The window rectangle of a `picture`-sized splash centred on `screen`:
    // left = (screen width - picture width) / 2, truncated toward zero, so on
    // a screen smaller than the picture the left or top edge is negative.
    static QRect SplashRect(const QRect& screen, QSize picture);

    const CWzdBitmap& Bitmap() const { return m_bitmap; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CWzdBitmap m_bitmap;
    QImage m_sharpBitmap;  // the picture at twice the size, painted on high-density screens
};
