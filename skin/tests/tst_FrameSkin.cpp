// Frame shape from the colour-key bands, background painting and background dragging.
#include <QDialog>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include "skin/FrameSkin.h"

namespace {

constexpr int kW = 60;
constexpr int kH = 50;
constexpr QRgb kFace = 0xFF336699;

QImage Skin(int w = kW, int h = kH) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(kFace);
    return image;
}

// A frameless dialog wired the way the program's skinned dialogs are.
class SkinnedDialog : public QDialog {
public:
    explicit SkinnedDialog(const QImage& skin) : m_skin(skin) {
        resize(m_skin.size());
        ApplyFrameRegion(this, m_skin);
    }
    QPushButton* button = nullptr;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        PaintFrameBackground(this, painter, m_skin, QStringLiteral("关于本系统"));
    }
    void mousePressEvent(QMouseEvent* event) override { DragFrame(this, event); }

private:
    QImage m_skin;
};

}  // namespace

class tst_FrameSkin : public QObject {
    Q_OBJECT

private slots:
    void bandRule_data();
    void bandRule();
    void noKeyPixelsGivesRectangle();
    void nullSkinGivesRectangle();
    void cornerCutOutsAndBitmapLargerThanWindow();
    void applySetsMaskAndTranslucency();
    void paintLeavesCutOutsTransparent();
    void paintWithoutSkinDrawsNothing();
    void doubleSizeSkinGivesTheSameShape();
    void doubleSizeSkinPaintsAtItsLogicalSize();
    void dragBackgroundMovesWindow();
    void clickOnButtonDoesNotMove();
    void staleKnownPositionNeitherJumpsNorMisplaces();
    void pressAndRelease_data();
    void pressAndRelease();
};

namespace {

// Sends a left-button event to the window as the window system reports it: its point
// in the window and on the screen.
void SendMouse(QWindow* window, QEvent::Type type, QPoint local, QPoint global) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, local, local, global, button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &event);
}

}  // namespace

// A window manager may leave the toolkit believing the window is elsewhere than it
// is: the first drag still follows the pointer, and the first press puts the
// belief right, so a dialog over the window opens over it.
void tst_FrameSkin::staleKnownPositionNeitherJumpsNorMisplaces() {
    InstallWindowPositionCheck();
    InstallWindowPositionCheck();  // once is enough
    struct Case {
        const char* name;
        QPoint error;  // where the window really is, relative to where it is believed
    } const cases[] = {{"believed at the corner", {230, 182}}, {"believed right of it", {-50, -20}}};
    for (const Case& c : cases) {
        SkinnedDialog dialog(Skin());
        dialog.move(300, 250);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QWindow* window = dialog.windowHandle();
        const QPoint real = window->position() + c.error;
        const QPoint grip(30, 30);
        SendMouse(window, QEvent::MouseButtonPress, grip, real + grip);
        QVERIFY2(window->position() == real, c.name);  // the belief is put right
        QTRY_COMPARE(dialog.pos(), real);

        SendMouse(window, QEvent::MouseMove, grip + QPoint(10, 5), real + grip + QPoint(10, 5));
        QVERIFY2(dialog.pos() == real + QPoint(10, 5), c.name);  // no jump by the error
        SendMouse(window, QEvent::MouseButtonRelease, grip + QPoint(10, 5), real + grip + QPoint(10, 5));

        // A dialog over the window is centred on where the window really is.
        QDialog child(&dialog);
        child.resize(100, 60);
        child.show();
        QVERIFY(QTest::qWaitForWindowExposed(&child));
        const QPoint off = child.frameGeometry().center() - dialog.frameGeometry().center();
        QVERIFY2(off.manhattanLength() <= 2, qPrintable(QStringLiteral("%1: child at %2,%3, form at %4,%5")
                                                            .arg(QString::fromUtf8(c.name))
                                                            .arg(child.x())
                                                            .arg(child.y())
                                                            .arg(dialog.x())
                                                            .arg(dialog.y())));
    }
}

void tst_FrameSkin::bandRule_data() {
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QRgb>("colour");
    QTest::addColumn<bool>("cut");
    const QRgb key = kFrameColourKey;
    QTest::newRow("row 0") << QPoint(10, 0) << key << true;
    QTest::newRow("row 19 is in the top band") << QPoint(10, 19) << key << true;
    QTest::newRow("row 20 is not") << QPoint(10, 20) << key << false;
    QTest::newRow("row H-20 is not") << QPoint(10, kH - 20) << key << false;
    QTest::newRow("row H-19 is in the bottom band") << QPoint(10, kH - 19) << key << true;
    QTest::newRow("last row") << QPoint(kW - 1, kH - 1) << key << true;
    QTest::newRow("first column") << QPoint(0, 5) << key << true;
    QTest::newRow("red one unit off") << QPoint(10, 0) << qRgb(254, 0, 0) << false;
    QTest::newRow("green one unit off") << QPoint(10, 0) << qRgb(255, 1, 0) << false;
    QTest::newRow("blue one unit off") << QPoint(10, 0) << qRgb(255, 0, 1) << false;
}

void tst_FrameSkin::bandRule() {
    QFETCH(QPoint, pixel);
    QFETCH(QRgb, colour);
    QFETCH(bool, cut);
    QImage skin = Skin();
    skin.setPixel(pixel, colour);
    const QRegion region = FrameRegionFromBitmap(skin, skin.size());
    QCOMPARE(region.contains(pixel), !cut);
    // Exactly that one pixel (or none) is gone.
    QRegion expected(0, 0, kW, kH);
    if (cut) expected -= QRegion(pixel.x(), pixel.y(), 1, 1);
    QCOMPARE(region, expected);
}

void tst_FrameSkin::noKeyPixelsGivesRectangle() {
    QCOMPARE(FrameRegionFromBitmap(Skin(), QSize(kW, kH)), QRegion(0, 0, kW, kH));
}

void tst_FrameSkin::nullSkinGivesRectangle() {
    QCOMPARE(FrameRegionFromBitmap(QImage(), QSize(kW, kH)), QRegion(0, 0, kW, kH));
}

void tst_FrameSkin::cornerCutOutsAndBitmapLargerThanWindow() {
    // Rounded corners of 3 x 3 key pixels and a key row in the middle, which stays.
    QImage skin = Skin(kW + 5, kH + 5);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 3; ++x) {
            skin.setPixel(x, y, kFrameColourKey);
            skin.setPixel(kW - 1 - x, kH - 1 - y, kFrameColourKey);
        }
    }
    for (int x = 0; x < kW; ++x) skin.setPixel(x, kH / 2, kFrameColourKey);
    // Column W and row H exist in this bitmap; cutting outside the window changes nothing.
    skin.setPixel(kW, 0, kFrameColourKey);
    const QRegion region = FrameRegionFromBitmap(skin, QSize(kW, kH));
    QRegion expected(0, 0, kW, kH);
    expected -= QRegion(0, 0, 3, 3);
    expected -= QRegion(kW - 3, kH - 3, 3, 3);
    QCOMPARE(region, expected);
}

void tst_FrameSkin::applySetsMaskAndTranslucency() {
    QImage skin = Skin();
    skin.setPixel(0, 0, kFrameColourKey);
    SkinnedDialog dialog(skin);
    QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(dialog.testAttribute(Qt::WA_TranslucentBackground));
    QVERIFY(!dialog.mask().contains(QPoint(0, 0)));
    QVERIFY(dialog.mask().contains(QPoint(1, 0)));
}

void tst_FrameSkin::paintLeavesCutOutsTransparent() {
    QImage skin = Skin();
    skin.setPixel(0, 0, kFrameColourKey);
    skin.setPixel(5, kH / 2, kFrameColourKey);  // between the bands: stays painted
    SkinnedDialog dialog(skin);
    // Painted over an opaque ground, as a backing store that was not cleared would be.
    QImage out(dialog.size(), QImage::Format_ARGB32);
    out.fill(Qt::white);
    QPainter painter(&out);
    QVERIFY(PaintFrameBackground(&dialog, painter, skin, QStringLiteral("关于本系统")));
    painter.end();
    QCOMPARE(qAlpha(out.pixel(0, 0)), 0);
    QCOMPARE(out.pixel(1, 0), kFace);
    QCOMPARE(out.pixel(5, kH / 2), kFrameColourKey);
    // The caption is drawn in its light yellow somewhere right of x = 30 in the top band.
    bool captionSeen = false;
    for (int y = kCaptionTop; y < kCaptionTop + 14; ++y) {
        for (int x = kCaptionLeft; x < kW; ++x) captionSeen |= out.pixel(x, y) == kCaptionColour;
    }
    QVERIFY(captionSeen);
}

namespace {

// The skin at twice the size, each pixel a 2 x 2 block, marked as such.
QImage Doubled(const QImage& skin) {
    QImage two = skin.scaled(skin.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    two.setDevicePixelRatio(2.0);
    return two;
}

}  // namespace

void tst_FrameSkin::doubleSizeSkinGivesTheSameShape() {
    // Corners cut, a key run in the bottom band, a key pixel between the bands.
    QImage skin = Skin();
    for (int x = 0; x < 4; ++x) skin.setPixel(x, 0, kFrameColourKey);
    skin.setPixel(0, 1, kFrameColourKey);
    for (int x = 10; x < 20; ++x) skin.setPixel(x, kH - 1, kFrameColourKey);
    skin.setPixel(7, kH / 2, kFrameColourKey);
    QImage two = Doubled(skin);
    // Only the top-left device pixel of a logical pixel counts: a key dot elsewhere in
    // a block does not cut the logical pixel.
    two.setPixel(2 * 30 + 1, 2 * 3 + 1, kFrameColourKey);
    for (const QSize window : {QSize(kW, kH), QSize(kW - 7, kH + 4)})
        QCOMPARE(FrameRegionFromBitmap(two, window), FrameRegionFromBitmap(skin, window));
}

void tst_FrameSkin::doubleSizeSkinPaintsAtItsLogicalSize() {
    QImage skin = Skin();
    skin.setPixel(0, 0, kFrameColourKey);
    skin.setPixel(kW - 1, kH - 1, 0xFF00FF00);  // the far corner, to see it land there
    SkinnedDialog dialog(skin);
    // A device of two pixels a logical pixel, as a high-density screen's backing store.
    QImage out(dialog.size() * 2, QImage::Format_ARGB32);
    out.setDevicePixelRatio(2.0);
    out.fill(Qt::white);
    QPainter painter(&out);
    QVERIFY(PaintFrameBackground(&dialog, painter, Doubled(skin)));
    painter.end();
    QCOMPARE(qAlpha(out.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(out.pixel(1, 1)), 0);
    QCOMPARE(out.pixel(2, 0), kFace);
    QCOMPARE(out.pixel(2 * kW - 1, 2 * kH - 1), 0xFF00FF00u);
    QCOMPARE(out.pixel(2 * kW - 2, 2 * kH - 2), 0xFF00FF00u);
    QCOMPARE(out.pixel(2 * kW - 3, 2 * kH - 3), kFace);
}

void tst_FrameSkin::paintWithoutSkinDrawsNothing() {
    QWidget widget;
    widget.resize(10, 10);
    QImage out(10, 10, QImage::Format_RGB32);
    out.fill(Qt::green);
    QPainter painter(&out);
    QVERIFY(!PaintFrameBackground(&widget, painter, QImage(), QStringLiteral("x")));
    painter.end();
    QCOMPARE(out.pixel(5, 5), QColor(Qt::green).rgb());
}

void tst_FrameSkin::dragBackgroundMovesWindow() {
    SkinnedDialog dialog(Skin());
    dialog.move(100, 100);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QPoint start = dialog.pos();
    QTest::mousePress(&dialog, Qt::LeftButton, Qt::NoModifier, QPoint(30, 30));
    QTest::mouseMove(&dialog, QPoint(40, 35));
    QTRY_COMPARE(dialog.pos(), start + QPoint(10, 5));
    QTest::mouseRelease(&dialog, Qt::LeftButton, Qt::NoModifier, dialog.mapFromGlobal(QCursor::pos()));
    // After the release the window stays where it is when the mouse moves on.
    const QPoint end = dialog.pos();
    QTest::mouseMove(&dialog, QPoint(5, 5));
    QCOMPARE(dialog.pos(), end);
}

void tst_FrameSkin::clickOnButtonDoesNotMove() {
    SkinnedDialog dialog(Skin());
    auto* button = new QPushButton(QStringLiteral("ok"), &dialog);
    button->setGeometry(10, 25, 30, 15);
    dialog.move(100, 100);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QPoint start = dialog.pos();
    QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseMove(button, QPoint(15, 10));
    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(15, 10));
    QCOMPARE(dialog.pos(), start);
}

// The press and release path on the title band. A tap (press and release with no
// motion) must not hand the window system a move: a window manager that starts one
// after the button is up keeps the window glued to the pointer. A drag asks the window
// system once, and leaves nothing of its own behind that could follow the pointer later;
// where the window system refuses, the window follows by hand until the release.
void tst_FrameSkin::pressAndRelease_data() {
    QTest::addColumn<QPoint>("motion");         // pointer motion with the button held
    QTest::addColumn<bool>("systemAccepts");    // the window system takes the move
    QTest::addColumn<int>("systemMoves");       // moves asked of the window system
    QTest::addColumn<QPoint>("windowMovedBy");  // by the program itself
    QTest::newRow("a tap") << QPoint(0, 0) << true << 0 << QPoint(0, 0);
    QTest::newRow("a twitch short of the start distance") << QPoint(1, 1) << true << 0 << QPoint(0, 0);
    QTest::newRow("a drag the window system takes") << QPoint(10, 5) << true << 1 << QPoint(0, 0);
    QTest::newRow("a drag the window system refuses") << QPoint(10, 5) << false << 1 << QPoint(10, 5);
}

void tst_FrameSkin::pressAndRelease() {
    QFETCH(QPoint, motion);
    QFETCH(bool, systemAccepts);
    QFETCH(int, systemMoves);
    QFETCH(QPoint, windowMovedBy);
    int asked = 0;
    SetSystemMoveForTesting([&](QWindow*) {
        ++asked;
        return systemAccepts;
    });
    SkinnedDialog dialog(Skin());
    dialog.move(200, 150);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QWindow* window = dialog.windowHandle();
    const QPoint start = window->position();
    const QPoint grip(30, 8);  // on the title band
    SendMouse(window, QEvent::MouseButtonPress, grip, start + grip);
    QCOMPARE(asked, 0);  // a press alone asks nothing
    if (!motion.isNull()) SendMouse(window, QEvent::MouseMove, grip + motion, start + grip + motion);
    QCOMPARE(asked, systemMoves);
    SendMouse(window, QEvent::MouseButtonRelease, grip + motion, start + grip + motion);
    QCOMPARE(dialog.pos(), start + windowMovedBy);
    // Afterwards the window stays put while the pointer roams with no button held.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(dialog.findChildren<QObject*>(QStringLiteral("frameDragger")).isEmpty());
    QMouseEvent roam(QEvent::MouseMove, QPointF(50, 40), QPointF(50, 40), QPointF(start + QPoint(250, 190)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &roam);
    QCOMPARE(dialog.pos(), start + windowMovedBy);
    QCOMPARE(asked, systemMoves);
    SetSystemMoveForTesting({});
}

QTEST_MAIN(tst_FrameSkin)
#include "tst_FrameSkin.moc"
