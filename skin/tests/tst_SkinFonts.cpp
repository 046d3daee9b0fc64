// Face-name mapping, LOGFONT heights and the bitmap look-up by id.
#include <QFontInfo>
#include <QFontMetrics>
#include <QTest>

#include "skin/SkinBitmaps.h"
#include "skin/SkinFonts.h"

class tst_SkinFonts : public QObject {
    Q_OBJECT

private slots:
    void families_data();
    void families();
    void installedFamilyIsUsed();
    void heights_data();
    void heights();
    void captionFont();
    void missingBitmaps_data();
    void missingBitmaps();
};

void tst_SkinFonts::families_data() {
    QTest::addColumn<QString>("face");
    QTest::addColumn<QString>("first");
    QTest::newRow("宋体") << QStringLiteral("宋体") << QStringLiteral("Noto Serif CJK SC");
    QTest::newRow("新宋体") << QStringLiteral("新宋体") << QStringLiteral("Noto Serif CJK SC");
    QTest::newRow("SimSun any case") << QStringLiteral("simsun") << QStringLiteral("Noto Serif CJK SC");
    QTest::newRow("黑体") << QStringLiteral("黑体") << QStringLiteral("Noto Sans CJK SC");
    QTest::newRow("Arial") << QStringLiteral("Arial") << QStringLiteral("DejaVu Sans");
    QTest::newRow("unknown keeps its name") << QStringLiteral("Foo") << QStringLiteral("Foo");
    QTest::newRow("empty") << QString() << QStringLiteral("Noto Sans CJK SC");
}

void tst_SkinFonts::families() {
    QFETCH(QString, face);
    QFETCH(QString, first);
    const QStringList families = FamiliesForFace(face);
    QVERIFY(!families.isEmpty());
    QCOMPARE(families.front(), first);
    // Every list ends in a CJK face, so Chinese text never falls to a Japanese glyph set.
    QVERIFY(families.back().contains(QStringLiteral("CJK SC")));
}

void tst_SkinFonts::installedFamilyIsUsed() {
    // A bare "SimSun" would resolve to some fallback; the mapped font is the Song face.
    QCOMPARE(QFontInfo(LogFont(QStringLiteral("宋体"), -12)).family(), QStringLiteral("Noto Serif CJK SC"));
    QCOMPARE(QFontInfo(LogFont(QStringLiteral("黑体"), -12)).family(), QStringLiteral("Noto Sans CJK SC"));
}

void tst_SkinFonts::heights_data() {
    QTest::addColumn<int>("lfHeight");
    QTest::newRow("cell 13 (report font)") << 13;
    QTest::newRow("cell 40 (print font at 288 dpi)") << 40;
    QTest::newRow("em 12 (caption)") << -12;
    QTest::newRow("em 20") << -20;
}

void tst_SkinFonts::heights() {
    QFETCH(int, lfHeight);
    const QFont font = LogFont(QStringLiteral("新宋体"), lfHeight);
    if (lfHeight < 0) {
        QCOMPARE(font.pixelSize(), -lfHeight);
    } else {
        // A positive height is ascent + descent, to the pixel.
        const QFontMetrics metrics(font);
        QVERIFY2(qAbs(metrics.ascent() + metrics.descent() - lfHeight) <= 1,
                 qPrintable(QString::number(metrics.ascent() + metrics.descent())));
    }
}

void tst_SkinFonts::captionFont() {
    const QFont font = CaptionFont();
    QCOMPARE(font.pixelSize(), 12);
    QCOMPARE(font.weight(), QFont::Normal);
    QCOMPARE(font.families().front(), QStringLiteral("Noto Serif CJK SC"));
    QCOMPARE(DialogFont(QStringLiteral("宋体"), 9).pixelSize(), 12);
}

void tst_SkinFonts::missingBitmaps_data() {
    QTest::addColumn<int>("id");
    QTest::newRow("zero") << 0;
    QTest::newRow("negative") << -1;
    QTest::newRow("absent") << 9999;
}

void tst_SkinFonts::missingBitmaps() {
    QFETCH(int, id);
    QVERIFY(LoadBitmapResource(id).isNull());
    QCOMPARE(art::BitmapResourcePath(art::kMainFaceId), QStringLiteral(":/bitmaps/130.bmp"));
}

QTEST_MAIN(tst_SkinFonts)
#include "tst_SkinFonts.moc"
