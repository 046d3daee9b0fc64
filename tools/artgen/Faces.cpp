// The two window faces (main form and About box) and the splash picture.
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include "ArtKit.h"
#include "Pictures.h"
#include "res/bitmaps/FaceLayout.h"

namespace art {

namespace {

constexpr int kTitleBandHeight = 28;

// A lacquered title band with a gilt rule along its lower edge.
void PaintTitleBand(QPainter& p, int width, int height) {
    QLinearGradient band(0, 0, 0, height);
    band.setColorAt(0.0, QColor(136, 80, 42));
    band.setColorAt(0.45, kLacquer);
    band.setColorAt(1.0, kLacquerDark);
    p.fillRect(QRect(0, 0, width, height), band);
    p.fillRect(QRect(0, height - 3, width, 1), kGold);
    p.fillRect(QRect(0, height - 2, width, 1), QColor(120, 84, 40));
    p.fillRect(QRect(0, height - 1, width, 1), kLacquerDark);
}

// The outline of the whole window: a dark line just inside the rounded shape.
void PaintWindowOutline(QPainter& p, int width, int height) {
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kLacquerDark, 1.0));
    p.drawRoundedRect(QRectF(0.5, 0.5, width - 1, height - 1), kCornerRadius - 0.5, kCornerRadius - 0.5);
    p.restore();
}

}  // namespace

QImage PaintMainFace() {
    const int w = kMainFaceWidth;
    const int h = kMainFaceHeight;
    QImage image = NewCanvas(w, h, kPanelGreen);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    PaintTitleBand(p, w, kTitleBandHeight);
    // Key-fret bands either side of the title, clear of the title-bar buttons.
    DrawKeyFret(p, QRectF(30, 8, 250, 11), QColor(160, 104, 56));
    DrawKeyFret(p, QRectF(520, 8, 236, 11), QColor(160, 104, 56));
    p.setFont(SongFont(17, true));
    DrawEngravedText(p, QRectF(0, 0, w, kTitleBandHeight - 2), QStringLiteral("弈澜坊-星衡命鉴"), kGoldPale,
                     kLacquerDark);

    // A darker rim of the panel under the band and along the sides.
    p.setPen(QPen(kOliveShade, 1.0));
    p.drawLine(QPointF(1, kTitleBandHeight + 0.5), QPointF(w - 1, kTitleBandHeight + 0.5));

    // The two framed boxes; their insides stay the plain panel green, which the static
    // texts are painted on.
    DrawHeadedBox(p, QRectF(14.5, 46.5, 168, 98), QStringLiteral("日历"), kPanelGreen);
    DrawHeadedBox(p, QRectF(188.5, 46.5, 254, 98), QStringLiteral("个人资料信息"), kPanelGreen);

    // A thin rule on each side of the command buttons' column.
    p.setPen(QPen(kOliveShade, 1.0));
    p.drawLine(QPointF(451.5, 40), QPointF(451.5, 150));
    p.drawLine(QPointF(550.5, 40), QPointF(550.5, 150));
    p.setPen(QPen(kOliveLight, 1.0));
    p.drawLine(QPointF(452.5, 40), QPointF(452.5, 150));
    p.drawLine(QPointF(551.5, 40), QPointF(551.5, 150));

    // The ornament: the eight trigrams with clouds, and the seal of the product.
    DrawCloudScroll(p, QPointF(600, 140), 9, false, kOliveLine, 1.3);
    DrawCloudScroll(p, QPointF(760, 60), 8, true, kOliveLine, 1.3);
    DrawBagua(p, QPointF(680, 98), 56, kLacquerDark, QColor(232, 238, 196));
    DrawSeal(p, QRectF(758, 104, 24, 44), QStringLiteral("命鉴"));

    // The tab above the report area and the report area's frame.
    const PixelRect report = kMainFaceReportArea;
    const QRectF tab(report.x, report.y - 20, 150, 21);
    QPainterPath tabPath;
    tabPath.moveTo(tab.left(), tab.bottom());
    tabPath.lineTo(tab.left(), tab.top() + 5);
    tabPath.quadTo(tab.left(), tab.top(), tab.left() + 5, tab.top());
    tabPath.lineTo(tab.right() - 14, tab.top());
    tabPath.quadTo(tab.right() - 8, tab.top(), tab.right() - 4, tab.top() + 8);
    tabPath.lineTo(tab.right(), tab.bottom());
    tabPath.closeSubpath();
    QLinearGradient tabFill(0, tab.top(), 0, tab.bottom());
    tabFill.setColorAt(0, QColor(136, 80, 42));
    tabFill.setColorAt(1, kLacquerDark);
    p.setPen(QPen(kLacquerDark, 1.0));
    p.setBrush(tabFill);
    p.drawPath(tabPath);
    p.setFont(SongFont(13, true));
    DrawEngravedText(p, tab.adjusted(0, 1, -6, 0), QStringLiteral("详细命理分析报告"), kGoldPale,
                     kLacquerDark);

    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(kLacquerDark, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(report.x - 1, report.y - 1, report.w + 1, report.h + 1);
    p.fillRect(QRect(report.x, report.y, report.w, report.h), Qt::white);
    p.setRenderHint(QPainter::Antialiasing);

    // The notice along the bottom edge, on a slim lacquer band that answers the title.
    const int noticeTop = report.y + report.h + 3;
    QLinearGradient notice(0, noticeTop, 0, h);
    notice.setColorAt(0, kLacquer);
    notice.setColorAt(1, kLacquerDark);
    p.fillRect(QRect(0, noticeTop, w, h - noticeTop), notice);
    p.fillRect(QRect(0, noticeTop, w, 1), kLacquerDark);
    p.fillRect(QRect(0, noticeTop + 1, w, 1), kGold);
    p.setFont(SansFont(12));
    p.setPen(kGoldPale);
    p.drawText(QRectF(0, noticeTop + 2, w, h - noticeTop - 2), Qt::AlignCenter,
               QStringLiteral("本系统所载命理内容源自传统典籍，仅供文化研究与娱乐参考  ·  弈澜坊 版权所有"));
    DrawKeyFret(p, QRectF(30, noticeTop + 6, 120, 9), QColor(150, 96, 52));
    DrawKeyFret(p, QRectF(w - 150, noticeTop + 6, 120, 9), QColor(150, 96, 52));

    PaintWindowOutline(p, w, h);
    p.end();
    CutRoundCorners(image, kCornerRadius);
    return image;
}

QImage PaintAboutFace() {
    const int w = kAboutFaceWidth;
    const int h = kAboutFaceHeight;
    const int band = 24;
    QImage image = NewCanvas(w, h, kPanelGreen);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    PaintTitleBand(p, w, band);
    // Two light bars between the caption and the close button.
    const QColor bar(226, 196, 140);
    const QColor barShade(92, 52, 26);
    for (int y : {8, 13}) {
        p.fillRect(QRect(108, y, 284, 2), bar);
        p.fillRect(QRect(108, y + 2, 284, 1), barShade);
    }

    // A double rule framing the face, with cloud scrolls in its lower corners.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kOliveLine, 1.0));
    p.drawRoundedRect(QRectF(8.5, band + 6.5, w - 17, h - band - 16), 5, 5);
    p.setPen(QPen(kOliveLight, 1.0));
    p.drawRoundedRect(QRectF(11.5, band + 9.5, w - 23, h - band - 22), 4, 4);
    DrawCloudScroll(p, QPointF(52, 198), 9, false, kOliveLine, 1.2);
    DrawCloudScroll(p, QPointF(368, 198), 9, true, kOliveLine, 1.2);
    DrawCloudScroll(p, QPointF(46, 62), 7, false, kOliveShade, 1.2);
    DrawCloudScroll(p, QPointF(374, 62), 7, true, kOliveShade, 1.2);
    DrawSeal(p, QRectF(358, 90, 26, 46), QStringLiteral("星衡"));
    DrawBagua(p, QPointF(52, 112), 22, kLacquerDark, QColor(232, 238, 196));

    // Fine rules with a lozenge at their middle between the product line, the links
    // and the notice.
    for (double y : {73.5, 137.5}) {
        p.setPen(QPen(kOliveLine, 1.0));
        p.drawLine(QPointF(120, y), QPointF(200, y));
        p.drawLine(QPointF(220, y), QPointF(300, y));
        QPainterPath lozenge;
        lozenge.moveTo(210, y - 4);
        lozenge.lineTo(214, y);
        lozenge.lineTo(210, y + 4);
        lozenge.lineTo(206, y);
        lozenge.closeSubpath();
        p.setBrush(kLacquer);
        p.setPen(QPen(kLacquerDark, 0.8));
        p.drawPath(lozenge);
        p.setBrush(Qt::NoBrush);
    }

    PaintWindowOutline(p, w, h);
    p.end();
    CutRoundCorners(image, kCornerRadius);
    return image;
}

QImage PaintSplash() {
    const int w = kSplashWidth;
    const int h = kSplashHeight;
    QImage image = NewCanvas(w, h, kPaper);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QRadialGradient paper(w * 0.5, h * 0.45, w * 0.7);
    paper.setColorAt(0, QColor(250, 245, 230));
    paper.setColorAt(1, QColor(234, 222, 194));
    p.fillRect(image.rect(), paper);

    // A brocade border: lacquer, gilt rule, key fret, gilt rule. The lacquer
    // band is mitred, so it fills the picture's corners too.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kLacquer, 6, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(QRectF(3, 3, w - 6, h - 6));
    p.setPen(QPen(kGold, 1));
    p.drawRect(QRectF(7.5, 7.5, w - 15, h - 15));
    p.setPen(QPen(kLacquer, 1));
    p.drawRect(QRectF(10.5, 10.5, w - 21, h - 21));

    // The dragon on the left, the title on the right.
    // Multiplied, so the drawing's white paper takes the splash's paper tone.
    const QImage dragon = PaintDragon(208, 156);
    p.setCompositionMode(QPainter::CompositionMode_Multiply);
    p.drawImage(QPointF(18, 58), dragon);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);

    p.setFont(SongFont(38, true));
    DrawEngravedText(p, QRectF(232, 42, 178, 56), QStringLiteral("星衡命鉴"), kInk, QColor(200, 184, 150));
    p.setFont(SongFont(15));
    p.setPen(kLacquer);
    p.drawText(QRectF(232, 100, 178, 22), Qt::AlignCenter, QStringLiteral("八字论命 · 四柱推演"));
    p.setPen(QPen(kGold, 1));
    p.drawLine(QPointF(250, 128.5), QPointF(392, 128.5));
    p.setFont(SansFont(11));
    p.setPen(kInk);
    p.drawText(QRectF(232, 134, 178, 18), Qt::AlignCenter, QStringLiteral("个人星衡命鉴 简体中文版 Ver1.0"));
    DrawSeal(p, QRectF(308, 162, 26, 44), QStringLiteral("弈澜"));

    DrawCloudScroll(p, QPointF(60, 44), 8, false, kBronze, 1.2);
    DrawCloudScroll(p, QPointF(384, 214), 8, true, kBronze, 1.2);

    p.setFont(SansFont(12));
    p.setPen(QColor(110, 84, 56));
    p.drawText(QRectF(14, h - 38, w - 28, 20), Qt::AlignCenter, QStringLiteral("正在载入命理数据，请稍候……"));
    p.setFont(SongFont(12));
    p.drawText(QRectF(14, h - 38, w - 36, 20), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("弈澜坊"));
    return image;
}

namespace {

template <typename Rects>
void OutlineRects(QPainter& p, const Rects& rects, const QColor& colour) {
    p.setPen(QPen(colour, 1));
    p.setBrush(Qt::NoBrush);
    for (const PixelRect& r : rects) p.drawRect(r.x, r.y, r.w - 1, r.h - 1);
}

}  // namespace

QImage OverlayMainFaceControls(const QImage& face) {
    QImage image = face.convertToFormat(QImage::Format_RGB32);
    QPainter p(&image);
    OutlineRects(p, kMainFaceControls, QColor(0, 0, 255));
    OutlineRects(p, kMainFaceTitleButtons, QColor(0, 255, 255));
    OutlineRects(p, std::array{kMainFaceReportArea}, QColor(255, 0, 255));
    return image;
}

QImage OverlayAboutFaceControls(const QImage& face) {
    QImage image = face.convertToFormat(QImage::Format_RGB32);
    QPainter p(&image);
    OutlineRects(p, kAboutFaceControls, QColor(0, 0, 255));
    OutlineRects(p, std::array{kAboutFaceCloseButton, kAboutFaceCaption}, QColor(0, 255, 255));
    return image;
}

}  // namespace art
