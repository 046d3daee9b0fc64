// karvuto-artgen: paints every bitmap of the program's skin and writes them as BMP
// files named after their resource ids, again at twice the size for high-density
// screens (<id>@2x.png), plus the icon.
//
//   karvuto-artgen <bitmap-dir> [--previews <png-dir>] [--icons <hicolor-dir>]
//
// With --previews it also writes PNG views of the faces, the dragon, the buttons and
// the faces with the controls' places outlined, for looking at the art. With --icons
// it writes the program's icon at the desktop's sizes into a hicolor theme tree.
#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>
#include <cstdio>
#include <cstdlib>

#include "ArtKit.h"
#include "Pictures.h"

namespace {

bool Save(const QImage& image, const QString& path, const char* format) {
    QImageWriter writer(path, format);
    if (writer.write(image)) return true;
    std::fprintf(stderr, "karvuto-artgen: cannot write %s: %s\n", qPrintable(path),
                 qPrintable(writer.errorString()));
    return false;
}

// Every bitmap is stored with 24 bits a pixel, masks too: Qt's 1-bit BMP writer
// leaves the row padding unset, which would make the files differ from run to run.
// The 1x bitmap is <id>.bmp; a larger scale is <id>@<scale>x.png, as Qt names
// high-density images (PNG: lossless, so the colour keys stay exact, and a
// quarter of the size).
bool SaveBitmap(const QDir& dir, int id, const QImage& image) {
    const QImage stored = image.convertToFormat(QImage::Format_RGB32);
    const int scale = qRound(image.devicePixelRatio());
    if (scale == 1) return Save(stored, dir.filePath(QString::number(id) + ".bmp"), "bmp");
    return Save(stored, dir.filePath(QStringLiteral("%1@%2x.png").arg(id).arg(scale)), "png");
}

// Every bitmap of the skin, painted at the given canvas scale.
bool SaveBitmaps(const QDir& out, int scale) {
    using namespace art;
    const ScopedCanvasScale scaled(scale);
    return SaveBitmap(out, 130, PaintMainFace()) && SaveBitmap(out, 131, PaintAboutFace()) &&
           SaveBitmap(out, 149, PaintSplash()) && SaveBitmap(out, 232, PaintCommandButton(false)) &&
           SaveBitmap(out, 233, PaintCommandButton(true)) && SaveBitmap(out, 236, PaintCommandButtonMask()) &&
           SaveBitmap(out, 244, PaintTitleButton(TitleGlyph::About, false)) &&
           SaveBitmap(out, 245, PaintTitleButton(TitleGlyph::About, true)) &&
           SaveBitmap(out, 246, PaintTitleButtonMask()) &&
           SaveBitmap(out, 247, PaintTitleButton(TitleGlyph::Minimise, false)) &&
           SaveBitmap(out, 248, PaintTitleButton(TitleGlyph::Minimise, true)) &&
           SaveBitmap(out, 249, PaintTitleButton(TitleGlyph::Close, false)) &&
           SaveBitmap(out, 250, PaintTitleButton(TitleGlyph::Close, true)) &&
           SaveBitmap(out, 255, PaintBlankPicture()) && SaveBitmap(out, 256, PaintDragon(160, 120)) &&
           SaveBitmap(out, 257, PaintChartFace()) && SaveBitmap(out, 270, PaintPeopleFace()) &&
           SaveBitmap(out, 271, PaintPersonFace());
}

// What a masked button shows on its background: the picture where the mask is black.
QImage ThroughMask(const QImage& picture, const QImage& mask, const QColor& background) {
    QImage out = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            if (mask.pixel(x, y) == art::kMaskWhite.rgb()) out.setPixel(x, y, background.rgb());
    return out;
}

// The command buttons on the panel and the title-bar buttons on the title band, as
// they appear through their masks, with a caption where the button draws one;
// enlarged 4 times.
QImage ButtonSheet() {
    using namespace art;
    const int scale = 4;
    QImage sheet(2 * 96 * scale, 3 * 24 * scale, QImage::Format_RGB32);
    sheet.fill(kPanelGreen);
    QPainter p(&sheet);
    p.fillRect(QRect(0, 2 * 24 * scale, sheet.width(), 24 * scale), kLacquer);
    const QImage commandMask = PaintCommandButtonMask();
    for (bool pressed : {false, true}) {
        QImage button = ThroughMask(PaintCommandButton(pressed), commandMask, kPanelGreen);
        QPainter text(&button);
        text.setFont(SongFont(12));
        text.setPen(Qt::black);
        text.drawText(QRectF(pressed ? 1 : 0, pressed ? 1 : 0, button.width(), button.height()),
                      Qt::AlignCenter, QStringLiteral("八字论命"));
        text.end();
        p.drawImage(QRect((pressed ? 96 : 6) * scale, 3 * scale, 82 * scale, 18 * scale), button);
        p.drawImage(QRect((pressed ? 96 : 6) * scale, 27 * scale, 82 * scale, 18 * scale),
                    ThroughMask(PaintCommandButton(pressed), commandMask, kPanelGreen));
    }
    const QImage titleMask = PaintTitleButtonMask();
    int x = 6;
    for (TitleGlyph glyph : {TitleGlyph::About, TitleGlyph::Minimise, TitleGlyph::Close})
        for (bool pressed : {false, true}) {
            p.drawImage(QRect(x * scale, 53 * scale, 11 * scale, 10 * scale),
                        ThroughMask(PaintTitleButton(glyph, pressed), titleMask, kLacquer));
            x += pressed ? 22 : 15;
        }
    return sheet;
}

}  // namespace

int main(int argc, char** argv) {
    // Painting text needs a GUI application but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QStringList args = app.arguments();
    QString previewDir, iconDir;
    for (qsizetype i = 2; i + 1 < args.size(); i += 2) {
        if (args[i] == "--previews")
            previewDir = args[i + 1];
        else if (args[i] == "--icons")
            iconDir = args[i + 1];
        else
            args.clear();  // not an option: refuse below
    }
    if (args.size() < 2 || args.size() % 2 != 0) {
        std::fprintf(stderr,
                     "usage: karvuto-artgen <bitmap-dir> [--previews <png-dir>] [--icons <hicolor-dir>]\n");
        return EXIT_FAILURE;
    }
    const QDir out(args[1]);
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "karvuto-artgen: cannot create %s\n", qPrintable(out.path()));
        return EXIT_FAILURE;
    }

    using namespace art;
    bool ok = SaveBitmaps(out, 1) && SaveBitmaps(out, 2) &&
              Save(PaintIcon(32), out.filePath("128.ico"), "ico") &&
              Save(PaintIcon(256), out.filePath("128.png"), "png");

    if (ok && !iconDir.isEmpty()) {
        // The sizes desktops look for in the hicolor theme.
        for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
            const QDir dir(iconDir + QStringLiteral("/%1x%1/apps").arg(size));
            ok = ok && QDir().mkpath(dir.path()) &&
                 Save(PaintIcon(size), dir.filePath(QStringLiteral(KARVUTO_APP_ID ".png")), "png");
        }
    }
    if (ok && !previewDir.isEmpty()) {
        const QImage mainFace = PaintMainFace();
        const QImage aboutFace = PaintAboutFace();
        const QImage splash = PaintSplash();
        const QImage dragon = PaintDragon(160, 120);
        const QImage chartFace = PaintChartFace();
        const QDir previews(previewDir);
        QDir().mkpath(previews.path());
        ok = Save(mainFace, previews.filePath("130-main-face.png"), "png") &&
             Save(OverlayMainFaceControls(mainFace), previews.filePath("130-main-face-layout.png"), "png") &&
             Save(aboutFace, previews.filePath("131-about-face.png"), "png") &&
             Save(OverlayAboutFaceControls(aboutFace), previews.filePath("131-about-face-layout.png"),
                  "png") &&
             Save(splash, previews.filePath("149-splash.png"), "png") &&
             Save(chartFace, previews.filePath("257-chart-face.png"), "png") &&
             Save(PaintPeopleFace(), previews.filePath("270-people-face.png"), "png") &&
             Save(PaintPersonFace(), previews.filePath("271-person-face.png"), "png") &&
             Save(dragon, previews.filePath("256-dragon.png"), "png") &&
             Save(PaintDragon(640, 480), previews.filePath("256-dragon-large.png"), "png") &&
             Save(ButtonSheet(), previews.filePath("buttons.png"), "png") &&
             Save(PaintIcon(256), previews.filePath("128-icon.png"), "png");
    }
    return ok ? EXIT_SUCCESS : EXIT_FAILURE;
}
