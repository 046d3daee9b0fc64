// Checks the art generator: its drawing pieces keep the colour-key and pencil rules,
// the committed bitmaps are what the sources paint today, and its command line
// fails loudly.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

#include "tools/artgen/ArtKit.h"
#include "tools/artgen/Pencil.h"
#include "tools/artgen/Pictures.h"

using namespace art;

namespace {

QRgb Opaque(QRgb c) {
    return c | 0xFF000000u;
}

}  // namespace

class ArtGenTest : public QObject {
    Q_OBJECT

private slots:
    void cutRoundCorners_data() {
        QTest::addColumn<int>("radius");
        for (int r : {1, 4, 10, 19}) QTest::addRow("radius %d", r) << r;
    }

    // The four cut-outs mirror each other, cover about the area outside a quarter
    // circle, and nothing outside the corner squares changes.
    void cutRoundCorners() {
        QFETCH(int, radius);
        const int w = 60;
        const int h = 50;
        const QRgb fill = qRgb(10, 120, 30);
        QImage image = NewCanvas(w, h, QColor(fill));
        CutRoundCorners(image, radius);
        const QRgb key = Opaque(kKeyRed.rgb());
        int cut = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const QRgb c = Opaque(image.pixel(x, y));
                const bool inCorner = (x < radius || x >= w - radius) && (y < radius || y >= h - radius);
                if (!inCorner) {
                    QVERIFY2(c == Opaque(fill), qPrintable(QString("(%1, %2) changed").arg(x).arg(y)));
                    continue;
                }
                QVERIFY(c == key || c == Opaque(fill));
                const int mx = x < w / 2 ? x : w - 1 - x;
                const int my = y < h / 2 ? y : h - 1 - y;
                QCOMPARE(c == key, Opaque(image.pixel(mx, my)) == key);  // mirrors the top-left corner
                if (x < radius && y < radius && c == key) ++cut;
            }
        QCOMPARE(Opaque(image.pixel(0, 0)) == key, radius > 1);
        const double expected = (1 - M_PI / 4) * radius * radius;
        QVERIFY2(std::abs(cut - expected) <= radius,
                 qPrintable(QString("%1 cut, about %2 expected").arg(cut).arg(expected)));
    }

    // At scale 2 a canvas has twice the device pixels and says so; the corner cut is
    // the 1x cut with every pixel doubled, so the window shape from the 1x face fits.
    void cutRoundCornersAtScaleTwo() {
        const QRgb fill = qRgb(10, 120, 30);
        QImage one = NewCanvas(40, 30, QColor(fill));
        CutRoundCorners(one, 9);
        QImage two;
        {
            const ScopedCanvasScale scaled(2);
            QCOMPARE(CanvasScale(), 2);
            two = NewCanvas(40, 30, QColor(fill));
            CutRoundCorners(two, 9);
        }
        QCOMPARE(CanvasScale(), 1);
        QCOMPARE(two.size(), QSize(80, 60));
        QCOMPARE(two.devicePixelRatio(), 2.0);
        QCOMPARE(LogicalWidth(two), 40);
        QCOMPARE(LogicalHeight(two), 30);
        for (int y = 0; y < two.height(); ++y)
            for (int x = 0; x < two.width(); ++x)
                QVERIFY2(Opaque(two.pixel(x, y)) == Opaque(one.pixel(x / 2, y / 2)),
                         qPrintable(QString("(%1, %2)").arg(x).arg(y)));
    }

    void picturesAtScaleTwo_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<QSize>("logical");
        const QStringList names{"main face",      "About face",    "splash",
                                "command button", "command mask",  "title button",
                                "title mask",     "blank picture", "dragon"};
        const QList<QSize> sizes{{800, 580}, {420, 240}, {420, 270}, {82, 18},  {82, 18},
                                 {11, 10},   {11, 10},   {160, 120}, {160, 120}};
        for (int i = 0; i < names.size(); ++i) QTest::newRow(qPrintable(names[i])) << i << sizes[i];
    }

    // Every picture painted at scale 2 comes out at twice its logical size, carrying
    // the device pixel ratio 2, without any picture asking for it.
    void picturesAtScaleTwo() {
        QFETCH(int, which);
        QFETCH(QSize, logical);
        const ScopedCanvasScale scaled(2);
        const QImage image = [which] {
            switch (which) {
                case 0:
                    return PaintMainFace();
                case 1:
                    return PaintAboutFace();
                case 2:
                    return PaintSplash();
                case 3:
                    return PaintCommandButton(false);
                case 4:
                    return PaintCommandButtonMask();
                case 5:
                    return PaintTitleButton(TitleGlyph::Close, true);
                case 6:
                    return PaintTitleButtonMask();
                case 7:
                    return PaintBlankPicture();
                default:
                    return PaintDragon(160, 120);
            }
        }();
        QCOMPARE(image.size(), logical * 2);
        QCOMPARE(image.devicePixelRatio(), 2.0);
    }

    // Graphite only darkens: strokes over a tinted patch never lighten a pixel and
    // leave no colour.
    void pencilOnlyDarkens() {
        QImage image(120, 80, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter p(&image);
            p.fillRect(QRect(40, 20, 40, 40), QColor(150, 150, 150));
        }
        const QImage before = image.copy();
        {
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            Pencil pen(p, 3);
            for (int k = 0; k < 6; ++k)
                pen.Stroke(Bezier({5.0, 10.0 + k * 12}, {50, 0}, {70, 80}, {115, 10.0 + k * 10}), 3, 1.0);
        }
        int darkened = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb a = before.pixel(x, y);
                const QRgb b = image.pixel(x, y);
                QVERIFY2(qGray(b) <= qGray(a), qPrintable(QString("(%1, %2) lightened").arg(x).arg(y)));
                QVERIFY(std::abs(qRed(b) - qBlue(b)) <= 8);
                if (qGray(b) < qGray(a)) ++darkened;
            }
        QVERIFY(darkened > 300);
    }

    void dragonAtAnySize_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("report picture") << 160 << 120;
        QTest::newRow("splash") << 208 << 156;
        QTest::newRow("preview") << 640 << 480;
    }

    // The drawing fills the size asked for, with paper at its edges and lines in
    // each quarter (head, arch, coil and tail).
    void dragonAtAnySize() {
        QFETCH(int, width);
        QFETCH(int, height);
        const QImage dragon = PaintDragon(width, height);
        QCOMPARE(dragon.size(), QSize(width, height));
        QCOMPARE(Opaque(dragon.pixel(0, 0)), qRgb(255, 255, 255));
        QCOMPARE(Opaque(dragon.pixel(width - 1, height - 1)), qRgb(255, 255, 255));
        for (int quarter = 0; quarter < 4; ++quarter) {
            const QRect area((quarter % 2) * width / 2, (quarter / 2) * height / 2, width / 2, height / 2);
            int lines = 0;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x) lines += qGray(dragon.pixel(x, y)) < 170;
            QVERIFY2(lines > area.width() * area.height() / 40,
                     qPrintable(QString("quarter %1 is empty").arg(quarter)));
        }
    }

    // Every committed file is byte for byte what the generator writes now, so no
    // picture's source and bitmap drift apart.
    void committedBitmapsAreCurrent() {
        QTemporaryDir out;
        QVERIFY(out.isValid());
        QProcess generator;
        const QString icons = out.filePath(QStringLiteral("icons"));
        generator.start(QStringLiteral(KARVUTO_ARTGEN), {out.path(), QStringLiteral("--icons"), icons});
        QVERIFY(generator.waitForFinished(120000));
        QCOMPARE(generator.exitCode(), 0);
        // The desktop icons at every size the hicolor theme is searched for.
        for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
            const QString name = QStringLiteral("%1x%1/apps/" KARVUTO_APP_ID ".png").arg(size);
            QImage made(QDir(icons).filePath(name));
            QCOMPARE(made.size(), QSize(size, size));
            QFile madeFile(QDir(icons).filePath(name));
            QFile committed(QDir(QStringLiteral(KARVUTO_ICON_DIR)).filePath(name));
            QVERIFY(madeFile.open(QIODevice::ReadOnly));
            QVERIFY2(committed.open(QIODevice::ReadOnly), qPrintable(name + " is not committed"));
            QVERIFY2(madeFile.readAll() == committed.readAll(),
                     qPrintable(name + " differs from its source: build the target karvuto_artgen_bitmaps"));
        }
        const QStringList written = QDir(out.path()).entryList(QDir::Files, QDir::Name);
        QCOMPARE(written.size(), 38);  // 18 bitmaps at 1x and at 2x, and the icon twice
        for (const QString& name : written) {
            QFile made(out.filePath(name));
            QFile committed(QDir(QStringLiteral(KARVUTO_BITMAP_DIR)).filePath(name));
            QVERIFY(made.open(QIODevice::ReadOnly));
            QVERIFY2(committed.open(QIODevice::ReadOnly), qPrintable(name + " is not committed"));
            QVERIFY2(made.readAll() == committed.readAll(),
                     qPrintable(name + " differs from its source: build the target karvuto_artgen_bitmaps"));
        }
    }

    void commandLineFailures_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("no directory") << QStringList{} << "usage:";
        QTest::newRow("unknown option") << QStringList{"out", "--preview", "x"} << "usage:";
        QTest::newRow("too many") << QStringList{"a", "b"} << "usage:";
        QTest::newRow("directory under a file") << QStringList{"@file/sub"} << "cannot create";
    }

    void commandLineFailures() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QTemporaryDir scratch;
        QFile blocker(scratch.filePath("file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        for (QString& argument : arguments) argument.replace("@", scratch.path() + "/");
        QProcess generator;
        generator.start(QStringLiteral(KARVUTO_ARTGEN), arguments);
        QVERIFY(generator.waitForFinished(60000));
        QCOMPARE(generator.exitCode(), 1);
        QVERIFY2(QString::fromUtf8(generator.readAllStandardError()).contains(message), qPrintable(message));
    }
};

QTEST_MAIN(ArtGenTest)
#include "tst_ArtGen.moc"
