// karvuto-artgen: paints every bitmap of the program's skin and writes them as BMP
// files named after their resource ids, plus the icon.
//
//   karvuto-artgen <bitmap-dir> [--previews <png-dir>]
//
// With --previews it also writes PNG views of the faces, the dragon, the buttons and
// the faces with the controls' places outlined, for looking at the art.
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

// Colour pictures are stored with 24 bits a pixel; masks keep their 1-bit form.
bool SaveBitmap(const QDir& dir, int id, const QImage& image) {
    const QImage stored = image.depth() == 1 ? image : image.convertToFormat(QImage::Format_RGB32);
    return Save(stored, dir.filePath(QString::number(id) + ".bmp"), "bmp");
}

// The title-bar and command buttons, each state next to its mask, enlarged 6 times.
QImage ButtonSheet() {
    using namespace art;
    const QImage pictures[] = {
        PaintCommandButton(false),
        PaintCommandButton(true),
        PaintCommandButtonMask(),
        PaintTitleButton(TitleGlyph::About, false),
        PaintTitleButton(TitleGlyph::About, true),
        PaintTitleButton(TitleGlyph::Minimise, false),
        PaintTitleButton(TitleGlyph::Minimise, true),
        PaintTitleButton(TitleGlyph::Close, false),
        PaintTitleButton(TitleGlyph::Close, true),
        PaintTitleButtonMask(),
    };
    const int scale = 6;
    QImage sheet(3 * 90 * scale, 2 * 24 * scale, QImage::Format_RGB32);
    sheet.fill(kPanelGreen);
    QPainter p(&sheet);
    int i = 0;
    for (const QImage& picture : pictures) {
        const int row = i < 3 ? 0 : 1;
        const int column = i < 3 ? i : i - 3;
        const int x = row == 0 ? column * 90 * scale + 4 * scale : column * 18 * scale + 4 * scale;
        p.drawImage(QRect(x, row * 24 * scale + 3 * scale, picture.width() * scale, picture.height() * scale),
                    picture.convertToFormat(QImage::Format_RGB32));
        ++i;
    }
    return sheet;
}

}  // namespace

int main(int argc, char** argv) {
    // Painting text needs a GUI application but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments();
    if (args.size() != 2 && !(args.size() == 4 && args[2] == "--previews")) {
        std::fprintf(stderr, "usage: karvuto-artgen <bitmap-dir> [--previews <png-dir>]\n");
        return EXIT_FAILURE;
    }
    const QDir out(args[1]);
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "karvuto-artgen: cannot create %s\n", qPrintable(out.path()));
        return EXIT_FAILURE;
    }

    using namespace art;
    const QImage mainFace = PaintMainFace();
    const QImage aboutFace = PaintAboutFace();
    const QImage dragon = PaintDragon(160, 120);
    const QImage splash = PaintSplash();
    bool ok = SaveBitmap(out, 130, mainFace) && SaveBitmap(out, 131, aboutFace) &&
              SaveBitmap(out, 149, splash) && SaveBitmap(out, 232, PaintCommandButton(false)) &&
              SaveBitmap(out, 233, PaintCommandButton(true)) &&
              SaveBitmap(out, 236, PaintCommandButtonMask()) &&
              SaveBitmap(out, 244, PaintTitleButton(TitleGlyph::About, false)) &&
              SaveBitmap(out, 245, PaintTitleButton(TitleGlyph::About, true)) &&
              SaveBitmap(out, 246, PaintTitleButtonMask()) &&
              SaveBitmap(out, 247, PaintTitleButton(TitleGlyph::Minimise, false)) &&
              SaveBitmap(out, 248, PaintTitleButton(TitleGlyph::Minimise, true)) &&
              SaveBitmap(out, 249, PaintTitleButton(TitleGlyph::Close, false)) &&
              SaveBitmap(out, 250, PaintTitleButton(TitleGlyph::Close, true)) &&
              SaveBitmap(out, 255, PaintBlankPicture()) && SaveBitmap(out, 256, dragon) &&
              Save(PaintIcon(32), out.filePath("128.ico"), "ico") &&
              Save(PaintIcon(256), out.filePath("128.png"), "png");

    if (ok && args.size() == 4) {
        const QDir previews(args[3]);
        QDir().mkpath(previews.path());
        ok = Save(mainFace, previews.filePath("130-main-face.png"), "png") &&
             Save(OverlayMainFaceControls(mainFace), previews.filePath("130-main-face-layout.png"), "png") &&
             Save(aboutFace, previews.filePath("131-about-face.png"), "png") &&
             Save(OverlayAboutFaceControls(aboutFace), previews.filePath("131-about-face-layout.png"),
                  "png") &&
             Save(splash, previews.filePath("149-splash.png"), "png") &&
             Save(dragon, previews.filePath("256-dragon.png"), "png") &&
             Save(PaintDragon(640, 480), previews.filePath("256-dragon-large.png"), "png") &&
             Save(ButtonSheet(), previews.filePath("buttons.png"), "png") &&
             Save(PaintIcon(256), previews.filePath("128-icon.png"), "png");
    }
    return ok ? EXIT_SUCCESS : EXIT_FAILURE;
}
