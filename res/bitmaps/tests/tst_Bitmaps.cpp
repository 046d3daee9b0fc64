// Checks the compiled-in skin bitmaps against what the windows rely on: sizes, the
// colour key only in the corners the frame cuts away, exact masks that match their
// pictures, and room on the faces for every control.
#include <QFile>
#include <QImage>
#include <QtEndian>
#include <QtTest>

#include "res/bitmaps/BitmapIds.h"
#include "res/bitmaps/FaceLayout.h"

using namespace art;

namespace {

const QRgb kKey = qRgb(255, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kGreen = qRgb(191, 215, 107);

QImage Load(int id) {
    return QImage(BitmapResourcePath(id)).convertToFormat(QImage::Format_RGB32);
}

// The bitmap at scale 1 (<id>.bmp) or 2 (<id>@2x.png).
QImage Load(int id, int scale) {
    if (scale == 1) return Load(id);
    return QImage(HiDpiBitmapResourcePath(id)).convertToFormat(QImage::Format_RGB32);
}

QRgb At(const QImage& image, int x, int y) {
    return image.pixel(x, y) | 0xFF000000u;
}

// The frame examines rows 0-19 and H-19 .. H-1 only.
bool InScannedBand(int y, int h) {
    return y < kTopBandRows || y >= h - kBottomBandRows;
}

// Corner cut-outs may reach at most this far in from the side edges.
constexpr int kCornerReach = kBottomBandRows;

template <typename Rects>
void AddControlRows(const char* face, int id, const Rects& rects) {
    int n = 0;
    for (const PixelRect& r : rects)
        QTest::addRow("%s control %d", face, n++) << id << r.x << r.y << r.w << r.h;
}

}  // namespace

class BitmapsTest : public QObject {
    Q_OBJECT

private slots:
    void storedBitmap_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("bits");  // 0: not fixed
        QTest::newRow("130 main face") << 130 << 800 << 580 << 0;
        QTest::newRow("131 About face") << 131 << 420 << 240 << 0;
        QTest::newRow("149 splash") << 149 << 420 << 270 << 24;
        for (int id : {232, 233, 236}) QTest::addRow("%d command button", id) << id << 82 << 18 << 0;
        for (int id : {244, 245, 246, 247, 248, 249, 250})
            QTest::addRow("%d title button", id) << id << 11 << 10 << 0;
        for (int id : {255, 256}) QTest::addRow("%d report picture", id) << id << 160 << 120 << 0;
        QTest::newRow("257 chart face") << 257 << 860 << 760 << 0;
        QTest::newRow("270 people face") << 270 << 720 << 540 << 0;
        QTest::newRow("271 person face") << 271 << 440 << 350 << 0;
    }

    // Each bitmap is a Windows BMP file of its size, found by its numeric id.
    void storedBitmap() {
        QFETCH(int, id);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, bits);
        QFile file(BitmapResourcePath(id));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        const QByteArray data = file.readAll();
        QVERIFY(data.size() >= 54);
        QCOMPARE(data.left(2), QByteArray("BM"));
        const auto* header = reinterpret_cast<const uchar*>(data.constData()) + 14;
        QCOMPARE(qFromLittleEndian<qint32>(header + 4), width);
        QCOMPARE(qFromLittleEndian<qint32>(header + 8), height);  // positive: stored bottom-up
        if (bits != 0) QCOMPARE(int(qFromLittleEndian<quint16>(header + 14)), bits);
        const QImage image(file.fileName());
        QCOMPARE(image.size(), QSize(width, height));
    }

    void iconIsCompiledIn() {
        for (const char* name : {":/bitmaps/128.ico", ":/bitmaps/128.png"}) {
            const QImage icon(QString::fromLatin1(name));
            QVERIFY2(!icon.isNull(), name);
            QVERIFY(icon.width() >= 32 && icon.width() == icon.height());
        }
        QVERIFY(!QFile::exists(BitmapResourcePath(258)));
    }

    void faceCutOuts_data() {
        QTest::addColumn<int>("id");
        QTest::newRow("130 main face") << 130;
        QTest::newRow("131 About face") << 131;
        QTest::newRow("257 chart face") << 257;
        QTest::newRow("270 people face") << 270;
        QTest::newRow("271 person face") << 271;
    }

    // Key red appears exactly in the four rounded corners inside the scanned bands,
    // each cut-out a solid staircase into its corner, and no blend of red next to it.
    void faceCutOuts() {
        QFETCH(int, id);
        const QImage face = Load(id);
        const int w = face.width();
        const int h = face.height();
        for (auto [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}})
            QVERIFY2(At(face, x, y) == kKey, "every corner is cut away");

        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const QRgb c = At(face, x, y);
                if (c == kKey) {
                    QVERIFY2(InScannedBand(y, h),
                             qPrintable(QString("key at (%1, %2) outside the bands").arg(x).arg(y)));
                    QVERIFY2(x < kCornerReach || x >= w - kCornerReach,
                             qPrintable(QString("key at (%1, %2) away from the corners").arg(x).arg(y)));
                    // Towards the nearest corner every pixel is cut as well.
                    const int towardX = x < w / 2 ? x - 1 : x + 1;
                    const int towardY = y < h / 2 ? y - 1 : y + 1;
                    if (towardX >= 0 && towardX < w)
                        QVERIFY2(At(face, towardX, y) == kKey,
                                 qPrintable(QString("hole at (%1, %2)").arg(towardX).arg(y)));
                    if (towardY >= 0 && towardY < h)
                        QVERIFY2(At(face, x, towardY) == kKey,
                                 qPrintable(QString("hole at (%1, %2)").arg(x).arg(towardY)));
                    continue;
                }
                // A kept pixel beside a cut one must not be a blend with the key.
                bool besideKey = false;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = x + dx;
                        const int ny = y + dy;
                        if (nx >= 0 && ny >= 0 && nx < w && ny < h && At(face, nx, ny) == kKey)
                            besideKey = true;
                    }
                if (besideKey) {
                    const int redness = qRed(c) - std::max(qGreen(c), qBlue(c));
                    QVERIFY2(redness < 96, qPrintable(QString("reddish pixel at (%1, %2)").arg(x).arg(y)));
                }
            }
        }
    }

    void noKeyInUncutPictures_data() {
        QTest::addColumn<int>("id");
        for (int id : kBitmapIds)
            if (id != kMainFaceId && id != kAboutFaceId && id != kChartFaceId && id != kPeopleFaceId &&
                id != kPersonFaceId)
                QTest::addRow("%d", id) << id;
    }

    void noKeyInUncutPictures() {
        QFETCH(int, id);
        const QImage image = Load(id);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) QVERIFY(At(image, x, y) != kKey);
    }

    void maskIsExact_data() {
        QTest::addColumn<int>("id");
        QTest::newRow("236 command button") << 236;
        QTest::newRow("246 title buttons") << 246;
    }

    // Only pure black and white; the corners transparent, the middle opaque, and
    // each row's opaque pixels one unbroken run.
    void maskIsExact() {
        QFETCH(int, id);
        const QImage mask = Load(id);
        const int w = mask.width();
        const int h = mask.height();
        QCOMPARE(At(mask, 0, 0), kWhite);
        QCOMPARE(At(mask, w - 1, h - 1), kWhite);
        QCOMPARE(At(mask, w / 2, h / 2), kBlack);
        for (int y = 0; y < h; ++y) {
            int runs = 0;
            for (int x = 0; x < w; ++x) {
                const QRgb c = At(mask, x, y);
                QVERIFY2(c == kWhite || c == kBlack, qPrintable(QString("grey at (%1, %2)").arg(x).arg(y)));
                if (c == kBlack && (x == 0 || At(mask, x - 1, y) != kBlack)) ++runs;
            }
            QCOMPARE(runs, 1);
        }
    }

    void pictureMatchesMask_data() {
        QTest::addColumn<int>("picture");
        QTest::addColumn<int>("mask");
        QTest::addColumn<int>("scale");
        for (int scale : {1, 2}) {
            for (int id : {232, 233}) QTest::addRow("%d at %dx", id, scale) << id << 236 << scale;
            for (int id : {244, 245, 247, 248, 249, 250})
                QTest::addRow("%d at %dx", id, scale) << id << 246 << scale;
        }
    }

    // The picture is the mask's key (white) exactly where the mask is transparent, at
    // either scale.
    void pictureMatchesMask() {
        QFETCH(int, picture);
        QFETCH(int, mask);
        QFETCH(int, scale);
        const QImage p = Load(picture, scale);
        const QImage m = Load(mask, scale);
        QCOMPARE(p.size(), m.size());
        for (int y = 0; y < p.height(); ++y)
            for (int x = 0; x < p.width(); ++x)
                QVERIFY2((At(p, x, y) == kWhite) == (At(m, x, y) == kWhite),
                         qPrintable(QString("shape differs at (%1, %2)").arg(x).arg(y)));
    }

    void doubleSizeBitmap_data() {
        QTest::addColumn<int>("id");
        for (int id : kBitmapIds) QTest::addRow("%d", id) << id;
    }

    // Every bitmap is there again at twice the size, in PNG, for high-density screens;
    // where the 1x bitmap is keyed or is a mask, the 2x one is keyed on exactly the
    // doubled pixels, so that shapes and hit tests made from the 1x bitmap fit the
    // 2x picture to the device pixel.
    void doubleSizeBitmap() {
        QFETCH(int, id);
        QFile file(HiDpiBitmapResourcePath(id));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        QCOMPARE(file.read(8), QByteArray("\x89PNG\r\n\x1a\n"));
        const QImage one = Load(id, 1);
        const QImage two = Load(id, 2);
        QCOMPARE(two.size(), one.size() * 2);
        const bool isMask = id == kCommandMaskId || id == kTitleMaskId;
        for (int y = 0; y < two.height(); ++y)
            for (int x = 0; x < two.width(); ++x) {
                const QRgb small = At(one, x / 2, y / 2);
                const QRgb large = At(two, x, y);
                QVERIFY2((large == kKey) == (small == kKey),
                         qPrintable(QString("key differs at (%1, %2)").arg(x).arg(y)));
                if (isMask)
                    QVERIFY2(large == small, qPrintable(QString("mask differs at (%1, %2)").arg(x).arg(y)));
            }
    }

    void doubleSizeIsPaintedNotStretched_data() {
        QTest::addColumn<int>("id");
        for (int id : {kMainFaceId, kAboutFaceId, kSplashId, kCommandNormalId, kDragonPictureId})
            QTest::addRow("%d", id) << id;
    }

    // The 2x pictures with text or curves are painted at their size: most 2 x 2 blocks
    // that hold an edge are not one colour, as a 1x picture blown up would be.
    void doubleSizeIsPaintedNotStretched() {
        QFETCH(int, id);
        const QImage two = Load(id, 2);
        int blocks = 0;
        int mixed = 0;
        for (int y = 0; y + 1 < two.height(); y += 2)
            for (int x = 0; x + 1 < two.width(); x += 2) {
                const QRgb c = At(two, x, y);
                const bool uniform =
                    At(two, x + 1, y) == c && At(two, x, y + 1) == c && At(two, x + 1, y + 1) == c;
                ++blocks;
                if (!uniform) ++mixed;
            }
        QVERIFY2(mixed > blocks / 20, qPrintable(QString("%1 of %2 blocks mixed").arg(mixed).arg(blocks)));
    }

    void pressedDiffersFromNormal() {
        for (auto [normal, pressed] : {std::pair{232, 233}, {244, 245}, {247, 248}, {249, 250}})
            QVERIFY2(Load(normal) != Load(pressed), qPrintable(QString::number(pressed)));
    }

    void roomForControls_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("w");
        QTest::addColumn<int>("h");
        AddControlRows("130", kMainFaceId, kMainFaceControls);
        AddControlRows("131", kAboutFaceId, kAboutFaceControls);
    }

    // Under each control and two pixels around it the face is plain panel green, so
    // no line or text of the artwork runs into a control.
    void roomForControls() {
        QFETCH(int, id);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, w);
        QFETCH(int, h);
        const QImage face = Load(id);
        const int margin = 2;
        for (int py = y - margin; py < y + h + margin; ++py)
            for (int px = x - margin; px < x + w + margin; ++px)
                QVERIFY2(At(face, px, py) == kGreen,
                         qPrintable(QString("(%1, %2) is not plain panel").arg(px).arg(py)));
    }

    void reportAreaIsWhite() {
        const QImage face = Load(kMainFaceId);
        const PixelRect r = kMainFaceReportArea;
        for (int y = r.y; y < r.y + r.h; ++y)
            for (int x = r.x; x < r.x + r.w; ++x) QVERIFY(At(face, x, y) == kWhite);
    }

    // The frame writes "关于本系统" in light yellow there: the band must stay dark.
    void aboutCaptionAreaIsDark() {
        const QImage face = Load(kAboutFaceId);
        const PixelRect r = kAboutFaceCaption;
        for (int y = r.y; y < r.y + r.h; ++y)
            for (int x = r.x; x < r.x + r.w; ++x) QVERIFY(qGray(At(face, x, y)) < 130);
    }

    // The chart window's page area is white, and its caption "八字排盘与大运" is
    // written on a dark band.
    void chartFacePageAreaAndCaption() {
        const QImage face = Load(kChartFaceId);
        const PixelRect page = kChartFacePageArea;
        for (int y = page.y; y < page.y + page.h; ++y)
            for (int x = page.x; x < page.x + page.w; ++x) QVERIFY(At(face, x, y) == kWhite);
        const PixelRect caption = kChartFaceCaption;
        for (int y = caption.y; y < caption.y + caption.h; ++y)
            for (int x = caption.x; x < caption.x + caption.w; ++x) QVERIFY(qGray(At(face, x, y)) < 130);
        const PixelRect band = kChartFaceControlBand;
        for (int y = band.y; y < band.y + band.h; ++y)
            for (int x = band.x; x < band.x + band.w; ++x) QVERIFY(At(face, x, y) == kGreen);
    }

    // The people window's list area is white; its search and command bands, and
    // the person dialog's controls, stand on plain panel; both captions on the
    // dark band.
    void peopleFacesAreasAndCaptions() {
        // The first pixel of `r` that fails `ok`, named; empty when all pass.
        const auto check = [](const QImage& face, const PixelRect& r, const char* what, auto ok) {
            for (int y = r.y; y < r.y + r.h; ++y)
                for (int x = r.x; x < r.x + r.w; ++x)
                    if (!ok(At(face, x, y))) return QString("%1 at (%2, %3)").arg(what).arg(x).arg(y);
            return QString();
        };
        const auto white = [](QRgb c) { return c == kWhite; };
        const auto green = [](QRgb c) { return c == kGreen; };
        const auto dark = [](QRgb c) { return qGray(c) < 130; };
        const QImage people = Load(kPeopleFaceId);
        const QImage person = Load(kPersonFaceId);
        for (const QString& problem : {check(people, kPeopleFaceListArea, "list area", white),
                                       check(people, kPeopleFaceSearchBand, "search band", green),
                                       check(people, kPeopleFaceCommandBand, "command band", green),
                                       check(people, kPeopleFaceCaption, "caption", dark),
                                       check(person, kPersonFaceControlBand, "control band", green),
                                       check(person, kPersonFaceCaption, "caption", dark)})
            QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }

    void blankPictureIsWhite() {
        const QImage blank = Load(kBlankPictureId);
        for (int y = 0; y < blank.height(); ++y)
            for (int x = 0; x < blank.width(); ++x) QVERIFY(At(blank, x, y) == kWhite);
    }

    // A pencil drawing: grey lines on white paper, enough of them to be a picture.
    void dragonIsAPencilDrawing() {
        const QImage dragon = Load(kDragonPictureId);
        int lines = 0;
        for (int y = 0; y < dragon.height(); ++y)
            for (int x = 0; x < dragon.width(); ++x) {
                const QRgb c = At(dragon, x, y);
                QVERIFY(std::abs(qRed(c) - qGreen(c)) <= 16 && std::abs(qGreen(c) - qBlue(c)) <= 16);
                if (qGray(c) < 170) ++lines;
            }
        const int pixels = dragon.width() * dragon.height();
        QVERIFY2(lines > pixels / 25, "too few pencil lines");
        QVERIFY2(lines < pixels / 2, "too dark for a line drawing");
        QCOMPARE(At(dragon, 0, 0), kWhite);
    }
};

QTEST_GUILESS_MAIN(BitmapsTest)
#include "tst_Bitmaps.moc"
