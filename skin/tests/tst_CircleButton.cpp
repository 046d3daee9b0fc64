// The skinned push button protocol and the round button's geometry, shading and looks.
#include <QDialog>
#include <QLineEdit>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <cmath>

#include "skin/CircleButton.h"
#include "skin/SkinColours.h"

namespace {

// A palette whose four rim colours and face are all distinct and easy to find.
QPalette RimPalette() {
    QPalette pal;
    pal.setColor(QPalette::Light, QColor(250, 250, 250));     // highlight
    pal.setColor(QPalette::Midlight, QColor(200, 200, 200));  // 3D light
    pal.setColor(QPalette::Dark, QColor(120, 120, 120));      // shadow
    pal.setColor(QPalette::Shadow, QColor(10, 10, 10));       // dark shadow
    pal.setColor(QPalette::ButtonText, QColor(0, 0, 90));     // button text
    return pal;
}

QImage Grab(QWidget& w) {
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The bounding box of the pixels of one colour inside a rectangle.
QRect BoxOf(const QImage& image, const QRect& area, QRgb colour) {
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) == colour) box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

struct DialogWithButtons {
    QDialog dialog;
    QLineEdit* edit = new QLineEdit(&dialog);
    CCircleButton* ok = new CCircleButton(QStringLiteral("确定"), &dialog);
    CCircleButton* cancel = new CCircleButton(QStringLiteral("取消"), &dialog);
    DialogWithButtons() {
        edit->setGeometry(5, 5, 100, 20);
        ok->setGeometry(5, 40, 100, 20);
        cancel->setGeometry(5, 70, 100, 20);
        ok->PreSubclassWindow(kBsDefPushButton);
        cancel->PreSubclassWindow(kBsPushButton);
        dialog.resize(120, 100);
    }
    bool Show() {
        dialog.show();
        return QTest::qWaitForWindowActive(&dialog);
    }
};

}  // namespace

class tst_CircleButton : public QObject {
    Q_OBJECT

private slots:
    void shade_data();
    void shade();
    void halfRimPixelSet();
    void halfRimColoursFollowDirection();
    void geometry_data();
    void geometry();
    void ellipticMask();
    void raisedAndPressedRims();
    void pressedCaptionMovesByOne();
    void disabledCaptionIsEmbossed();
    void enabledCaptionReadsAsEnabled();
    void captionIsSharpAtTwiceTheDensity();
    void paletteChangeShowsAtNextPaint();
    void focusLooksLikeNoFocus();
    void defaultButtonAndEnter();
    void restylingKeepsOwnerDraw();
    void clickTakesFocusAndReachesDialog();
    void doubleClickIsTwoPresses();
    void disablingMovesFocus();
    void disablingLastControlFocusesDialog();
    void clickOutsideEllipseIsIgnored();
};

void tst_CircleButton::shade_data() {
    QTest::addColumn<double>("angle");
    QTest::addColumn<QRgb>("c1");
    QTest::addColumn<QRgb>("c2");
    QTest::addColumn<QRgb>("expected");
    const QRgb white = qRgb(255, 255, 255);
    const QRgb black = qRgb(0, 0, 0);
    const QRgb a = qRgb(200, 100, 50);
    const QRgb b = qRgb(10, 20, 30);
    QTest::newRow("light pole gives c1") << -1.88 << a << b << a;
    QTest::newRow("dark pole gives c2") << (-1.88 + M_PI) << a << b << b;
    QTest::newRow("dark pole truncates 254.99") << (-1.88 + M_PI) << black << white << qRgb(254, 254, 254);
    QTest::newRow("quarter turn is half way") << (-1.88 + M_PI / 2) << white << black << qRgb(127, 127, 127);
    QTest::newRow("quarter turn mixed") << (-1.88 + M_PI / 2) << a << b << qRgb(105, 60, 40);
    QTest::newRow("right, angle 0") << 0.0 << white << black << qRgb(88, 88, 88);
    QTest::newRow("wrap above pi") << -5.1 << black << white << qRgb(254, 254, 254);
}

void tst_CircleButton::shade() {
    QFETCH(double, angle);
    QFETCH(QRgb, c1);
    QFETCH(QRgb, c2);
    QFETCH(QRgb, expected);
    QCOMPARE(CCircleButton::Shade(angle, c1, c2), expected);
}

void tst_CircleButton::halfRimPixelSet() {
    using Side = CCircleButton::RimSide;
    auto offsets = [](Side side) {
        QSet<QPair<int, int>> set;
        for (const auto& [p, colour] : CCircleButton::HalfRimPixels(QPoint(10, 10), 3, 0, 0, side)) {
            set.insert({p.x() - 10, p.y() - 10});
        }
        return set;
    };
    const QSet<QPair<int, int>> right{{3, 0},  {0, 3},  {0, -3}, {3, 1}, {1, 3},
                                      {1, -3}, {3, -1}, {2, 2},  {2, -2}};
    const QSet<QPair<int, int>> left{{-3, 0},  {0, 3},   {0, -3}, {-3, 1}, {-1, 3},
                                     {-1, -3}, {-3, -1}, {-2, 2}, {-2, -2}};
    QCOMPARE(offsets(Side::Right), right);
    QCOMPARE(offsets(Side::Left), left);
    // Four pixels per step of the midpoint walk: three steps for radius 3.
    QCOMPARE(CCircleButton::HalfRimPixels(QPoint(), 3, 0, 0, Side::Left).size(), size_t(12));
}

void tst_CircleButton::halfRimColoursFollowDirection() {
    // Every pixel is shaded for its own direction from the centre.
    const QRgb c1 = qRgb(255, 255, 255);
    const QRgb c2 = qRgb(0, 0, 0);
    for (auto side : {CCircleButton::RimSide::Left, CCircleButton::RimSide::Right}) {
        for (const auto& [p, colour] : CCircleButton::HalfRimPixels(QPoint(0, 0), 9, c1, c2, side)) {
            const QRgb exact = CCircleButton::Shade(std::atan2(double(p.y()), double(p.x())), c1, c2);
            QVERIFY2(qAbs(qRed(colour) - qRed(exact)) <= 1,
                     qPrintable(QStringLiteral("(%1,%2)").arg(p.x()).arg(p.y())));
        }
    }
}

void tst_CircleButton::geometry_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("radius");
    QTest::addColumn<int>("rightX");
    QTest::newRow("About OK 218 x 31") << QSize(218, 31) << 14 << 203;
    QTest::newRow("even height") << QSize(100, 20) << 9 << 90;
    QTest::newRow("odd height") << QSize(100, 19) << 8 << 91;
}

void tst_CircleButton::geometry() {
    QFETCH(QSize, size);
    QFETCH(int, radius);
    QFETCH(int, rightX);
    const CircleGeometry g = CircleGeometry::ForSize(size);
    QCOMPARE(g.radius, radius);
    QCOMPARE(g.centre.y() - g.radius, 1);  // the top rim row is always row 1
    QCOMPARE(g.leftCentre, QPoint(radius, size.height() / 2));
    QCOMPARE(g.rightCentre.x(), rightX);
    QVERIFY(g.wide);
}

void tst_CircleButton::ellipticMask() {
    CCircleButton button;
    button.resize(100, 20);
    button.show();  // a hidden widget gets its resize event when shown
    QVERIFY(!button.mask().contains(QPoint(0, 0)));
    QVERIFY(!button.mask().contains(QPoint(99, 19)));
    QVERIFY(button.mask().contains(QPoint(50, 10)));
    QVERIFY(button.mask().contains(QPoint(1, 10)));
}

void tst_CircleButton::raisedAndPressedRims() {
    CCircleButton button;
    button.setPalette(RimPalette());
    button.resize(100, 20);
    const CircleGeometry g = button.Geometry();
    const int bottom = g.centre.y() + g.radius;
    const QPalette pal = RimPalette();
    const QRgb highlight = pal.color(QPalette::Light).rgb();
    const QRgb light = pal.color(QPalette::Midlight).rgb();
    const QRgb shadow = pal.color(QPalette::Dark).rgb();
    const QRgb dark = pal.color(QPalette::Shadow).rgb();

    const QImage raised = Grab(button);
    QCOMPARE(raised.pixel(50, 5), kDialogFaceColour);
    // Straight edges continue the left rim's top and bottom pixels.
    QCOMPARE(raised.pixel(50, 1), CCircleButton::Shade(-M_PI / 2, highlight, dark));
    QCOMPARE(raised.pixel(50, 1), raised.pixel(g.leftCentre.x(), 1));
    QCOMPARE(raised.pixel(50, 2), CCircleButton::Shade(-M_PI / 2, light, shadow));
    QCOMPARE(raised.pixel(50, bottom), CCircleButton::Shade(M_PI / 2, highlight, dark));
    QCOMPARE(raised.pixel(50, bottom - 1), CCircleButton::Shade(M_PI / 2, light, shadow));
    // The straight edges stop before the right centre's column.
    QCOMPARE(raised.pixel(g.rightCentre.x() - 1, 1), raised.pixel(50, 1));

    button.setDown(true);
    const QImage pressed = Grab(button);
    QCOMPARE(pressed.pixel(50, 1), dark);
    QCOMPARE(pressed.pixel(50, 2), shadow);
    QCOMPARE(pressed.pixel(50, bottom - 1), light);
    QCOMPARE(pressed.pixel(50, bottom), highlight);
    // The rims swap light and dark: the left end is dark when pressed.
    // The left-most pixel is set twice; the later write, for the angle -pi, stays.
    QCOMPARE(pressed.pixel(0, g.centre.y()), CCircleButton::Shade(-3.141592654, dark, highlight));
    QCOMPARE(raised.pixel(0, g.centre.y()), CCircleButton::Shade(-3.141592654, highlight, dark));
}

void tst_CircleButton::pressedCaptionMovesByOne() {
    CCircleButton button(QStringLiteral("确定"));
    button.setPalette(RimPalette());
    button.resize(120, 30);
    const QRgb dark = RimPalette().color(QPalette::ButtonText).rgb();
    const QRect inside(20, 4, 80, 22);
    const QRect up = BoxOf(Grab(button), inside, dark);
    button.setDown(true);
    const QRect down = BoxOf(Grab(button), inside, dark);
    QVERIFY(!up.isEmpty());
    QCOMPARE(down, up.translated(1, 1));
}

void tst_CircleButton::disabledCaptionIsEmbossed() {
    CCircleButton button(QStringLiteral("确定"));
    button.setPalette(RimPalette());
    button.resize(120, 30);
    const QPalette pal = RimPalette();
    const QRect inside(20, 4, 80, 22);
    QFont font = button.font();
    font.setStyleStrategy(QFont::NoAntialias);  // exact colours only
    button.setFont(font);
    button.setEnabled(false);
    const QImage image = Grab(button);
    // No dark text; a shadow-coloured text with its highlight copy down-right.
    QVERIFY(BoxOf(image, inside, pal.color(QPalette::Shadow).rgb()).isEmpty());
    QVERIFY(BoxOf(image, inside, pal.color(QPalette::ButtonText).rgb()).isEmpty());
    const QRect shadowText = BoxOf(image, inside, pal.color(QPalette::Dark).rgb());
    const QRect lightText = BoxOf(image, inside, pal.color(QPalette::Light).rgb());
    QVERIFY(!shadowText.isEmpty());
    QCOMPARE(lightText.bottomRight(), shadowText.bottomRight() + QPoint(1, 1));
}

// Under the palette the program runs with, an enabled caption stands out
// from the face as text does (4.5:1), where a mid-grey caption read as a
// disabled button; and it is darker than the disabled caption.
void tst_CircleButton::enabledCaptionReadsAsEnabled() {
    const auto luminance = [](QRgb rgb) {
        const auto channel = [](int v) {
            const double c = v / 255.0;
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
    };
    const auto darkest = [&](const QImage& image) {
        double least = 1;
        for (int y = 4; y < image.height() - 4; ++y)
            for (int x = 20; x < image.width() - 20; ++x)
                least = std::min(least, luminance(image.pixel(x, y)));
        return least;
    };
    CCircleButton button(QStringLiteral("确定"));
    button.resize(120, 30);
    const double enabled = darkest(Grab(button));
    const double face = luminance(kDialogFaceColour);
    QVERIFY2((face + 0.05) / (enabled + 0.05) >= 4.5,
             qPrintable(QString::number((face + 0.05) / (enabled + 0.05))));
    button.setEnabled(false);
    QVERIFY(darkest(Grab(button)) > enabled);
}

// At twice the density (run with QT_SCALE_FACTOR=2) the rims are the 1x
// rims doubled, while the caption is drawn at the density: some of its 2 x 2
// pixel blocks are not one colour, as they all are in a 1x caption blown up.
void tst_CircleButton::captionIsSharpAtTwiceTheDensity() {
    CCircleButton button(QStringLiteral("确定"));
    button.setPalette(RimPalette());
    button.resize(120, 30);
    if (button.devicePixelRatioF() != 2.0) QSKIP("run at QT_SCALE_FACTOR=2");
    const QImage image = Grab(button);
    QCOMPARE(image.size(), QSize(240, 60));
    for (int row = 0; row < 8; row += 2)  // the top rim's rows, each doubled
        QCOMPARE(image.pixel(120, row + 1), image.pixel(120, row));
    const int middle = button.Geometry().centre.y() * 2;
    int mixedBlocks = 0;
    for (int y = middle - 16; y < middle + 16; y += 2) {
        for (int x = 60; x < 180; x += 2) {
            const QRgb c = image.pixel(x, y);
            mixedBlocks +=
                image.pixel(x + 1, y) != c || image.pixel(x, y + 1) != c || image.pixel(x + 1, y + 1) != c;
        }
    }
    QVERIFY2(mixedBlocks > 20, qPrintable(QString::number(mixedBlocks)));
}

void tst_CircleButton::paletteChangeShowsAtNextPaint() {
    CCircleButton button;
    button.resize(100, 20);
    QPalette pal = RimPalette();
    button.setPalette(pal);
    const QRgb before = Grab(button).pixel(50, 1);
    pal.setColor(QPalette::Light, QColor(0, 0, 255));
    pal.setColor(QPalette::Shadow, QColor(0, 0, 255));
    button.setPalette(pal);
    const QImage after = Grab(button);
    QVERIFY(after.pixel(50, 1) != before);
    QCOMPARE(after.pixel(50, 1), qRgb(0, 0, 255));
    QCOMPARE(after.pixel(50, 6), kDialogFaceColour);
}

void tst_CircleButton::focusLooksLikeNoFocus() {
    DialogWithButtons d;
    QVERIFY(d.Show());
    d.edit->setFocus();
    const QImage unfocused = Grab(*d.cancel);
    d.cancel->setFocus();
    QVERIFY(d.cancel->hasFocus());
    QCOMPARE(Grab(*d.cancel), unfocused);
}

void tst_CircleButton::defaultButtonAndEnter() {
    DialogWithButtons d;
    QSignalSpy okClicks(d.ok, &QAbstractButton::clicked);
    QSignalSpy cancelClicks(d.cancel, &QAbstractButton::clicked);
    QVERIFY(d.Show());
    d.edit->setFocus();
    QCOMPARE(d.ok->DialogCode(), kDlgcDefPushButton);
    QCOMPARE(d.cancel->DialogCode(), kDlgcUndefPushButton);
    QTest::keyClick(d.edit, Qt::Key_Return);
    QCOMPARE(okClicks.count(), 1);
    // The focused push button becomes the default while it has the focus.
    d.cancel->setFocus();
    QCOMPARE(d.cancel->DialogCode(), kDlgcDefPushButton);
    QCOMPARE(d.ok->DialogCode(), kDlgcUndefPushButton);
    QTest::keyClick(d.cancel, Qt::Key_Return);
    QCOMPARE(cancelClicks.count(), 1);
    QCOMPARE(okClicks.count(), 1);
}

void tst_CircleButton::restylingKeepsOwnerDraw() {
    CCircleButton button;
    button.SetButtonStyle(kBsDefPushButton);
    QCOMPARE(button.DialogCode(), kDlgcDefPushButton);
    button.SetButtonStyle(0x02);  // a check box type leaves the default state alone
    QCOMPARE(button.DialogCode(), kDlgcDefPushButton);
    button.SetButtonStyle(kBsPushButton | 0x100);
    QCOMPARE(button.DialogCode(), kDlgcUndefPushButton);
    QCOMPARE(button.ButtonType(), kBsOwnerDraw);
    // A push button ignores a check.
    button.setChecked(true);
    QVERIFY(!button.isChecked());
}

void tst_CircleButton::clickTakesFocusAndReachesDialog() {
    DialogWithButtons d;
    d.cancel->setFocusPolicy(Qt::TabFocus);  // focus must come from the click handling itself
    QSignalSpy clicks(d.cancel, &QAbstractButton::clicked);
    QVERIFY(d.Show());
    d.edit->setFocus();
    QTest::mouseClick(d.cancel, Qt::LeftButton, Qt::NoModifier, QPoint(50, 10));
    QCOMPARE(clicks.count(), 1);
    QVERIFY(d.cancel->hasFocus());
}

void tst_CircleButton::doubleClickIsTwoPresses() {
    DialogWithButtons d;
    QSignalSpy presses(d.cancel, &QAbstractButton::pressed);
    QSignalSpy clicks(d.cancel, &QAbstractButton::clicked);
    QVERIFY(d.Show());
    // Through the window, as the window system delivers it: press, release, double
    // click (Qt's form of the second press), release.
    QTest::mouseDClick(d.dialog.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                       d.cancel->geometry().center());
    QCOMPARE(presses.count(), 2);
    QCOMPARE(clicks.count(), 2);
}

void tst_CircleButton::disablingMovesFocus() {
    DialogWithButtons d;
    QVERIFY(d.Show());
    d.ok->setFocus();
    d.ok->setEnabled(false);
    QVERIFY(d.cancel->hasFocus());
    // Even when the button did not have the focus, the next tab stop gets it.
    d.ok->setEnabled(true);
    d.edit->setFocus();
    d.ok->setEnabled(false);
    QVERIFY(d.cancel->hasFocus());
}

void tst_CircleButton::disablingLastControlFocusesDialog() {
    QDialog dialog;
    auto* only = new CCircleButton(QStringLiteral("确定"), &dialog);
    only->setGeometry(5, 5, 80, 20);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    only->setFocus();
    only->setEnabled(false);
    QCOMPARE(QApplication::focusWidget(), &dialog);
}

void tst_CircleButton::clickOutsideEllipseIsIgnored() {
    DialogWithButtons d;
    QSignalSpy clicks(d.cancel, &QAbstractButton::clicked);
    QVERIFY(d.Show());
    QTest::mouseClick(d.cancel, Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
    QCOMPARE(clicks.count(), 0);
}

QTEST_MAIN(tst_CircleButton)
#include "tst_CircleButton.moc"
