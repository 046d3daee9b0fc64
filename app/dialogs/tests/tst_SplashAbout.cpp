// The splash window, its palette bitmap and the About box.
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

#include "app/dialogs/AboutDlg.h"
#include "app/dialogs/SplashWnd.h"
#include "app/dialogs/WzdBitmap.h"
#include "res/bitmaps/BitmapIds.h"
#include "skin/CircleButton.h"
#include "skin/LinkLabel.h"
#include "skin/SkinBitmaps.h"
#include "skin/StateBitmapButton.h"

namespace {

// Test bitmaps compiled into this test: 9001 is 4 x 2 with an 8-bit colour
// table of 4 entries (black, light grey, red, (10,20,30)); 9002 is cut off
// inside its colour table.
constexpr int kPaletteBitmap = 9001;
constexpr int kTruncatedBitmap = 9002;

}  // namespace

class tst_SplashAbout : public QObject {
    Q_OBJECT

private slots:
    void splashRect_data();
    void splashRect();
    void wzdBitmapReadsSizeAndPalette();
    void wzdBitmapGreyBecomesButtonFace();
    void wzdBitmapFailures_data();
    void wzdBitmapFailures();
    void splashStandsCentredWithItsPicture();
    void showSplashScreenTakesItDownAgain();

    void aboutLayout();
    void aboutMovesByItsBackground();
    void aboutCloses_data();
    void aboutCloses();

    void splashCornersAreTheBorders();
};

// The splash's lacquer border runs into its corners: no light paper shows
// there against the desktop.
void tst_SplashAbout::splashCornersAreTheBorders() {
    const QImage splash = LoadBitmapResource(art::kSplashId);
    QVERIFY(!splash.isNull());
    const int r = splash.width() - 1;
    const int b = splash.height() - 1;
    for (const QPoint corner : {QPoint(0, 0), QPoint(r, 0), QPoint(0, b), QPoint(r, b)}) {
        for (int dy = 0; dy < 3; ++dy) {
            for (int dx = 0; dx < 3; ++dx) {
                const QPoint at(corner.x() == 0 ? dx : r - dx, corner.y() == 0 ? dy : b - dy);
                QVERIFY2(qGray(splash.pixel(at)) < 100,
                         qPrintable(QStringLiteral("(%1, %2) is %3")
                                        .arg(at.x())
                                        .arg(at.y())
                                        .arg(QColor(splash.pixel(at)).name())));
            }
        }
    }
}

void tst_SplashAbout::splashRect_data() {
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QPoint>("topLeft");
    const QSize picture(420, 270);
    QTest::newRow("1280 x 1024") << QRect(0, 0, 1280, 1024) << QPoint(430, 377);
    QTest::newRow("picture size") << QRect(QPoint(0, 0), picture) << QPoint(0, 0);
    QTest::newRow("one pixel larger: halves truncate")
        << QRect(QPoint(0, 0), picture + QSize(1, 1)) << QPoint(0, 0);
    QTest::newRow("one pixel smaller: truncates toward zero")
        << QRect(QPoint(0, 0), picture - QSize(1, 1)) << QPoint(0, 0);
    QTest::newRow("smaller screen: negative edges") << QRect(0, 0, 320, 200) << QPoint(-50, -35);
    QTest::newRow("screen not at the origin") << QRect(1920, 0, 1280, 1024) << QPoint(2350, 377);
}

void tst_SplashAbout::splashRect() {
    QFETCH(QRect, screen);
    QFETCH(QPoint, topLeft);
    QCOMPARE(CSplashWnd::SplashRect(screen, QSize(420, 270)), QRect(topLeft, QSize(420, 270)));
}

void tst_SplashAbout::wzdBitmapReadsSizeAndPalette() {
    CWzdBitmap bitmap;
    bitmap.LoadPaletteBitmap(kPaletteBitmap, false);
    QVERIFY(!bitmap.IsNull());
    QCOMPARE(bitmap.m_nWidth, 4);
    QCOMPARE(bitmap.m_nHeight, 2);
    QVERIFY(bitmap.Palette() != nullptr);
    QCOMPARE(*bitmap.Palette(),
             (QList<QRgb>{qRgb(0, 0, 0), qRgb(192, 192, 192), qRgb(255, 0, 0), qRgb(10, 20, 30)}));
    const QImage pixels = bitmap.Bitmap().toImage();
    QCOMPARE(QColor(pixels.pixel(2, 0)), QColor(255, 0, 0));
    QCOMPARE(QColor(pixels.pixel(3, 0)), QColor(10, 20, 30));

    // A 24-bit picture has no colour table, so no palette.
    bitmap.LoadPaletteBitmap(CSplashWnd::kBitmapId, false);
    QVERIFY(!bitmap.IsNull());
    QCOMPARE(bitmap.m_nWidth, 420);
    QCOMPARE(bitmap.m_nHeight, 270);
    QVERIFY(bitmap.Palette() == nullptr);
}

void tst_SplashAbout::wzdBitmapGreyBecomesButtonFace() {
    CWzdBitmap bitmap;
    bitmap.LoadPaletteBitmap(kPaletteBitmap, true);
    QVERIFY(bitmap.Palette() != nullptr);
    const QRgb face = QApplication::palette().color(QPalette::Button).rgb();
    QCOMPARE(bitmap.Palette()->at(1), face);
    QCOMPARE(bitmap.Palette()->at(2), qRgb(255, 0, 0));
    QCOMPARE(bitmap.Bitmap().toImage().pixel(1, 0), face);
}

void tst_SplashAbout::wzdBitmapFailures_data() {
    QTest::addColumn<int>("id");
    QTest::newRow("no such bitmap") << 9999;
    QTest::newRow("id 0") << 0;
    QTest::newRow("cut off in its colour table") << kTruncatedBitmap;
}

void tst_SplashAbout::wzdBitmapFailures() {
    QFETCH(int, id);
    CWzdBitmap bitmap;
    bitmap.LoadPaletteBitmap(kPaletteBitmap, false);
    bitmap.LoadPaletteBitmap(id, false);  // an earlier picture does not survive
    QVERIFY(bitmap.IsNull());
    QCOMPARE(bitmap.m_nWidth, 0);
    QCOMPARE(bitmap.m_nHeight, 0);
    QVERIFY(bitmap.Palette() == nullptr);
}

void tst_SplashAbout::splashStandsCentredWithItsPicture() {
    CSplashWnd splash;
    QVERIFY(splash.Create(CSplashWnd::kBitmapId));
    QVERIFY(splash.isVisible());
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(splash.geometry(), CSplashWnd::SplashRect(screen, QSize(420, 270)));
    const QImage shown = splash.grab().toImage();
    const QImage picture = splash.Bitmap().Bitmap().toImage();
    QCOMPARE(shown.pixel(10, 10), picture.pixel(9, 9));
    QCOMPARE(shown.pixel(200, 100), picture.pixel(199, 99));

    CSplashWnd missing;
    QVERIFY(!missing.Create(9999));
    QVERIFY(!missing.isVisible());
}

void tst_SplashAbout::showSplashScreenTakesItDownAgain() {
    QElapsedTimer timer;
    timer.start();
    CSplashWnd::ShowSplashScreen(CSplashWnd::kBitmapId, std::chrono::milliseconds(100));
    QVERIFY(timer.elapsed() >= 100);
    for (QWidget* w : QApplication::topLevelWidgets()) {
        QVERIFY(!(qobject_cast<CSplashWnd*>(w) && w->isVisible()));
    }
    timer.restart();
    CSplashWnd::ShowSplashScreen(9999, std::chrono::seconds(5));  // no picture: no splash and no wait
    QVERIFY(timer.elapsed() < 1000);
}

void tst_SplashAbout::aboutLayout() {
    CAboutDlg about;
    QCOMPARE(about.size(), QSize(420, 240));
    QVERIFY(about.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(!about.mask().isEmpty());
    QVERIFY(about.m_pCloseButton && about.m_pOkButton && about.m_pWebLink && about.m_pEmailLink);
    QCOMPARE(about.m_pCloseButton->geometry(), QRect(402, 6, 11, 10));
    QCOMPARE(about.m_pCloseButton->toolTip(), QStringLiteral("关闭"));
    QCOMPARE(about.m_pOkButton->text(), QStringLiteral("确定"));
    QVERIFY(about.m_pOkButton->isDefault());
    QCOMPARE(about.m_pWebLink->LinkTarget(), QString::fromUtf8(kVendorWebUrl));
    QCOMPARE(about.m_pEmailLink->LinkTarget(), QString::fromUtf8(kSupportMailTarget));
    QVERIFY(about.m_pEmailLink->LinkTarget().startsWith(QStringLiteral("mailto:")));
    QStringList texts;
    for (QLabel* label : about.findChildren<QLabel*>()) {
        texts << label->text();
    }
    QVERIFY(texts.contains(QStringLiteral("个人星衡命鉴 简体中文版 Ver1.0")));
}

void tst_SplashAbout::aboutMovesByItsBackground() {
    CAboutDlg about;
    about.move(100, 100);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    const QPoint start = about.pos();
    const QPoint grip(20, 120);  // bare green face, left of every control
    QVERIFY(about.childAt(grip) == nullptr);
    QTest::mousePress(&about, Qt::LeftButton, {}, grip);
    QTest::mouseMove(&about, grip + QPoint(40, 30));
    QTest::mouseRelease(&about, Qt::LeftButton, {}, grip + QPoint(40, 30));
    QTRY_COMPARE(about.pos(), start + QPoint(40, 30));
}

void tst_SplashAbout::aboutCloses_data() {
    QTest::addColumn<int>("way");
    QTest::newRow("OK button") << 0;
    QTest::newRow("close image button") << 1;
    QTest::newRow("Enter") << 2;
    QTest::newRow("Esc") << 3;
}

void tst_SplashAbout::aboutCloses() {
    QFETCH(int, way);
    QWidget form;
    form.show();
    CAboutDlg about(&form);
    QSignalSpy finished(&about, &QDialog::finished);
    about.open();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    switch (way) {
        case 0:
            QTest::mouseClick(about.m_pOkButton, Qt::LeftButton, {}, about.m_pOkButton->rect().center());
            break;
        case 1:
            QTest::mouseClick(about.m_pCloseButton, Qt::LeftButton, {}, QPoint(5, 5));
            break;
        case 2:
            QTest::keyClick(&about, Qt::Key_Return);
            break;
        default:
            QTest::keyClick(&about, Qt::Key_Escape);
            break;
    }
    QTRY_COMPARE(finished.count(), 1);
    QVERIFY(!about.isVisible());
}

QTEST_MAIN(tst_SplashAbout)
#include "tst_SplashAbout.moc"
