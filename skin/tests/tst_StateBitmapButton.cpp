// Mask runs, pictures by state, press tracking, clicks and hover.
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include "skin/SkinBitmaps.h"
#include "skin/StateBitmapButton.h"

namespace {

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kGreen = 0xFF00FF00;
constexpr QRgb kBlue = 0xFF0000FF;

// A mask from rows of '#' (opaque black) and '.' (white), top row first.
QImage Mask(const QStringList& rows) {
    QImage image(int(rows.front().size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < rows.size(); ++y) {
        for (int x = 0; x < rows[y].size(); ++x) image.setPixel(x, y, rows[y][x] == u'#' ? kBlack : kWhite);
    }
    return image;
}

QImage Solid(QSize size, QRgb colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QImage Grab(QWidget& w) {
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A parent with buttons of 20 x 10 whose mask leaves the left-most column out.
struct Panel {
    QWidget widget;
    Panel() { widget.resize(200, 60); }
    CStateBitmapButton* Add(int x) {
        auto* b = new CStateBitmapButton(&widget);
        b->move(x, 10);
        QStringList rows(10, QStringLiteral(".") + QString(19, u'#'));
        b->SetBitmapImages(Solid({20, 10}, kRed), Solid({20, 10}, kGreen), QImage(), QImage(), QImage(),
                           Mask(rows), 0, 0, 0);
        return b;
    }
    bool Show() {
        widget.show();
        return QTest::qWaitForWindowActive(&widget);
    }
};

}  // namespace

class tst_StateBitmapButton : public QObject {
    Q_OBJECT

private slots:
    void maskRuns_data();
    void maskRuns();
    void regionIsUnionOfRuns();
    void naturalModeTakesMaskSize();
    void stretchModeKeepsSize();
    void composeThroughMask();
    void pictureByState();
    void disabledWithoutPictureShowsNormal();
    void pressMoveOutAndBack();
    void clickOutsideMaskIsIgnored();
    void isACommandNeverChecked();
    void doubleClickIsTwoPresses();
    void hoverEnterLeave();
    void highDensityBitmaps_data();
    void highDensityBitmaps();
    void resourceButtonKeepsLogicalShape();
};

void tst_StateBitmapButton::maskRuns_data() {
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QList<QRect>>("runs");
    QTest::newRow("white right-most column after a run")
        << QStringList{"##."} << QList<QRect>{QRect(0, 0, 2, 1)};
    QTest::newRow("single black pixel in the last column, next row unaffected")
        << QStringList{"...", "..#"} << QList<QRect>{QRect(2, 1, 1, 1)};
    QTest::newRow("bottom row first, runs split by white")
        << QStringList{"#.#", "###"} << QList<QRect>{QRect(0, 1, 3, 1), QRect(0, 0, 1, 1), QRect(2, 0, 1, 1)};
    QTest::newRow("all white") << QStringList{"...", "..."} << QList<QRect>{};
    QTest::newRow("runs never continue into the next row")
        << QStringList{"..#", "#.."} << QList<QRect>{QRect(0, 1, 1, 1), QRect(2, 0, 1, 1)};
}

void tst_StateBitmapButton::maskRuns() {
    QFETCH(QStringList, rows);
    QFETCH(QList<QRect>, runs);
    const std::vector<QRect> got = CStateBitmapButton::MaskRuns(Mask(rows));
    QCOMPARE(QList<QRect>(got.begin(), got.end()), runs);
}

void tst_StateBitmapButton::regionIsUnionOfRuns() {
    const QImage mask = Mask({".##.", "####", ".##."});
    const QRegion region = CStateBitmapButton::RegionFromMaskBitmap(mask);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) QCOMPARE(region.contains(QPoint(x, y)), mask.pixel(x, y) == kBlack);
    }
    QVERIFY(CStateBitmapButton::RegionFromMaskBitmap(QImage()).isEmpty());
    // A grey pixel is not the key, so it is opaque.
    QImage grey = mask;
    grey.setPixel(0, 0, qRgb(254, 255, 255));
    QVERIFY(CStateBitmapButton::RegionFromMaskBitmap(grey).contains(QPoint(0, 0)));
}

void tst_StateBitmapButton::naturalModeTakesMaskSize() {
    QWidget parent;
    CStateBitmapButton button(&parent);
    button.setGeometry(30, 40, 82, 18);
    button.SetBitmapImages(Solid({11, 10}, kRed), Solid({11, 10}, kGreen), {}, {}, {},
                           Mask(QStringList(10, QString(11, u'#'))), 0, 0, 0);
    QCOMPARE(button.geometry(), QRect(30, 40, 11, 10));
}

void tst_StateBitmapButton::stretchModeKeepsSize() {
    QWidget parent;
    CStateBitmapButton button(&parent);
    button.setGeometry(30, 40, 82, 18);
    button.SetBitmapImages(Solid({11, 10}, kRed), {}, {}, {}, {}, Mask(QStringList(10, QString(11, u'#'))), 1,
                           0, 0);
    QCOMPARE(button.geometry(), QRect(30, 40, 82, 18));
    // Out-of-range modes are clamped.
    button.SetBitmapImages(Solid({11, 10}, kRed), {}, {}, {}, {}, {}, 7, 0, 0);
    QCOMPARE(button.DrawModeValue(), 2);
    button.SetBitmapImages(Solid({11, 10}, kRed), {}, {}, {}, {}, {}, -3, 0, 0);
    QCOMPARE(button.DrawModeValue(), 0);
}

void tst_StateBitmapButton::composeThroughMask() {
    const QImage picture = Solid({2, 2}, kRed);
    const QImage mask = Mask({"#.", ".#"});
    const QImage natural = CStateBitmapButton::ComposePicture(picture, mask, {2, 2}, 0);
    QCOMPARE(natural.pixel(0, 0), kRed);
    QCOMPARE(qAlpha(natural.pixel(1, 0)), 0);
    QCOMPARE(natural.pixel(1, 1), kRed);
    // Stretched, the mask is stretched with the picture.
    const QImage stretched = CStateBitmapButton::ComposePicture(picture, mask, {4, 4}, 1);
    QCOMPARE(stretched.pixel(1, 1), kRed);
    QCOMPARE(qAlpha(stretched.pixel(3, 0)), 0);
    QCOMPARE(stretched.pixel(3, 3), kRed);
    // Tiled, the mask is not used.
    const QImage tiled = CStateBitmapButton::ComposePicture(picture, mask, {5, 3}, 2);
    QCOMPARE(tiled.pixel(1, 0), kRed);
    QCOMPARE(tiled.pixel(4, 2), kRed);
}

void tst_StateBitmapButton::pictureByState() {
    CStateBitmapButton button;
    const QSize size(8, 8);
    button.SetBitmapImages(Solid(size, kRed), Solid(size, kGreen), Solid(size, kBlue), Solid(size, kBlack),
                           Solid(size, kWhite), QImage(), 0, 0, 0);
    button.resize(size);
    QCOMPARE(Grab(button).pixel(4, 4), kRed);
    button.setDown(true);
    QCOMPARE(Grab(button).pixel(4, 4), kGreen);
    button.setDown(false);
    button.setEnabled(false);
    QCOMPARE(Grab(button).pixel(4, 4), kBlack);
}

void tst_StateBitmapButton::disabledWithoutPictureShowsNormal() {
    CStateBitmapButton button;
    button.SetBitmapImages(Solid({8, 8}, kRed), Solid({8, 8}, kGreen), {}, {}, {}, {}, 0, 0, 0);
    button.resize(8, 8);
    button.setEnabled(false);
    QCOMPARE(Grab(button).pixel(4, 4), kRed);
    // No picture at all: the button face colour.
    CStateBitmapButton bare;
    bare.resize(8, 8);
    QCOMPARE(Grab(bare).pixel(4, 4), bare.palette().color(QPalette::Button).rgb());
}

void tst_StateBitmapButton::pressMoveOutAndBack() {
    Panel panel;
    CStateBitmapButton* b = panel.Add(10);
    QSignalSpy clicks(b, &QAbstractButton::clicked);
    QVERIFY(panel.Show());
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(10, 5));
    QVERIFY(b->isDown());
    QTest::mouseMove(b, QPoint(40, 5));  // out
    QVERIFY(!b->isDown());
    QCOMPARE(Grab(*b).pixel(10, 5), kRed);
    QTest::mouseMove(b, QPoint(12, 5));  // back in
    QVERIFY(b->isDown());
    QCOMPARE(Grab(*b).pixel(10, 5), kGreen);
    QTest::mouseMove(b, QPoint(40, 5));
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(40, 5));
    QCOMPARE(clicks.count(), 0);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(10, 5));
    QCOMPARE(clicks.count(), 1);
}

void tst_StateBitmapButton::clickOutsideMaskIsIgnored() {
    Panel panel;
    CStateBitmapButton* b = panel.Add(10);
    QSignalSpy clicks(b, &QAbstractButton::clicked);
    QVERIFY(panel.Show());
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(0, 5));  // the white column
    QCOMPARE(clicks.count(), 0);
}

void tst_StateBitmapButton::isACommandNeverChecked() {
    Panel panel;
    CStateBitmapButton* b = panel.Add(10);
    QSignalSpy clicks(b, &QAbstractButton::clicked);
    QVERIFY(panel.Show());
    QVERIFY(!b->isCheckable());
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(10, 5));
    b->setFocus();
    QTest::keyClick(b, Qt::Key_Space);
    QCOMPARE(clicks.count(), 2);
    QVERIFY(!b->isChecked());
    QCOMPARE(Grab(*b).pixel(10, 5), kRed);  // the normal picture again after each click
}

void tst_StateBitmapButton::doubleClickIsTwoPresses() {
    Panel panel;
    CStateBitmapButton* b = panel.Add(10);
    QSignalSpy presses(b, &QAbstractButton::pressed);
    QSignalSpy clicks(b, &QAbstractButton::clicked);
    QVERIFY(panel.Show());
    QTest::mouseDClick(panel.widget.windowHandle(), Qt::LeftButton, {},
                       b->geometry().topLeft() + QPoint(10, 5));
    QCOMPARE(presses.count(), 2);
    QCOMPARE(clicks.count(), 2);
}

void tst_StateBitmapButton::hoverEnterLeave() {
    Panel panel;
    CStateBitmapButton* b = panel.Add(10);
    b->SetBitmapImages(Solid({20, 10}, kRed), Solid({20, 10}, kGreen), Solid({20, 10}, kBlue), {}, {}, {}, 0,
                       0, 0);
    QVERIFY(panel.Show());
    QTest::mouseMove(&panel.widget, QPoint(150, 40));
    QVERIFY(!b->IsHovering());
    QTest::mouseMove(&panel.widget, b->geometry().center());
    QTRY_VERIFY(b->IsHovering());
    QCOMPARE(Grab(*b).pixel(5, 5), kBlue);
    // A press ends the hover look; the pressed picture shows.
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!b->IsHovering());
    QCOMPARE(Grab(*b).pixel(5, 5), kGreen);
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(&panel.widget, QPoint(150, 40));
    QTRY_VERIFY(!b->IsHovering());
    QCOMPARE(Grab(*b).pixel(5, 5), kRed);
}

void tst_StateBitmapButton::highDensityBitmaps_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<double>("imageRatio");
    QTest::newRow("1x screen") << 232 << 1.0 << QSize(82, 18) << 1.0;
    QTest::newRow("150%") << 232 << 1.5 << QSize(164, 36) << 2.0;
    QTest::newRow("200%") << 236 << 2.0 << QSize(164, 36) << 2.0;
    QTest::newRow("300%: the largest there is") << 130 << 3.0 << QSize(1600, 1160) << 2.0;
    QTest::newRow("no id") << 0 << 2.0 << QSize(0, 0) << 1.0;
    QTest::newRow("unknown id") << 999 << 2.0 << QSize(0, 0) << 1.0;
}

// Above ratio 1 the picture made at twice the size, marked with ratio 2 so that it
// paints at the 1x picture's logical size.
void tst_StateBitmapButton::highDensityBitmaps() {
    QFETCH(int, id);
    QFETCH(double, ratio);
    QFETCH(QSize, pixels);
    QFETCH(double, imageRatio);
    const QImage image = LoadBitmapResource(id, ratio);
    QCOMPARE(image.size(), pixels);
    if (!image.isNull()) QCOMPARE(image.devicePixelRatio(), imageRatio);
}

// With its pictures from the resources the button takes the 1x mask's size and
// shape, whatever pictures it paints with.
void tst_StateBitmapButton::resourceButtonKeepsLogicalShape() {
    QWidget parent;
    CStateBitmapButton button(&parent);
    CStateBitmapButton::BitmapIds ids;
    ids.normal = 232;
    ids.down = 233;
    ids.mask = 236;
    button.SetBitmaps(ids);
    QCOMPARE(button.size(), QSize(82, 18));
    QCOMPARE(button.mask(), CStateBitmapButton::RegionFromMaskBitmap(LoadBitmapResource(236)));
    QVERIFY(!button.mask().contains(QPoint(0, 0)));
    QVERIFY(button.mask().contains(QPoint(41, 9)));
}

QTEST_MAIN(tst_StateBitmapButton)
#include "tst_StateBitmapButton.moc"
