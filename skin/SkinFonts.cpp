// Face-name mapping and LOGFONT-style font construction for every window of the program.
#include "skin/SkinFonts.h"

#include <QFontMetricsF>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr const char* kSerifCjk = "Noto Serif CJK SC";
constexpr const char* kSansCjk = "Noto Sans CJK SC";
constexpr const char* kMonoCjk = "Noto Sans Mono CJK SC";
// Em height in pixels a LOGFONT with lfHeight 0 gets.
constexpr int kDefaultEmPixels = 12;
// A 96-dpi screen: points to pixels.
constexpr int kScreenDpi = 96;
constexpr int kPointsPerInch = 72;
// Size used to measure a face's cell-to-em ratio.
constexpr double kProbePixels = 100.0;

struct FaceMapping {
    const char* face;
    std::array<const char*, 3> families;  // best first; nullptr ends the list early
};

// Windows faces named by the program's fonts and dialog templates, with their stand-ins.
constexpr std::array kFaceMappings{
    FaceMapping{"宋体", {kSerifCjk, nullptr, nullptr}},
    FaceMapping{"新宋体", {kSerifCjk, nullptr, nullptr}},
    FaceMapping{"SimSun", {kSerifCjk, nullptr, nullptr}},
    FaceMapping{"NSimSun", {kSerifCjk, nullptr, nullptr}},
    FaceMapping{"仿宋", {kSerifCjk, nullptr, nullptr}},
    FaceMapping{"楷体", {kSerifCjk, nullptr, nullptr}},
    FaceMapping{"黑体", {kSansCjk, nullptr, nullptr}},
    FaceMapping{"SimHei", {kSansCjk, nullptr, nullptr}},
    FaceMapping{"微软雅黑", {kSansCjk, nullptr, nullptr}},
    FaceMapping{"Microsoft YaHei", {kSansCjk, nullptr, nullptr}},
    FaceMapping{"MS Sans Serif", {kSansCjk, nullptr, nullptr}},
    FaceMapping{"MS Shell Dlg", {kSansCjk, nullptr, nullptr}},
    FaceMapping{"System", {kSansCjk, nullptr, nullptr}},
    FaceMapping{"Arial", {"DejaVu Sans", kSansCjk, nullptr}},
    FaceMapping{"Tahoma", {"DejaVu Sans", kSansCjk, nullptr}},
    FaceMapping{"Verdana", {"DejaVu Sans", kSansCjk, nullptr}},
    FaceMapping{"Times New Roman", {"DejaVu Serif", kSerifCjk, nullptr}},
    FaceMapping{"Courier New", {"DejaVu Sans Mono", kMonoCjk, nullptr}},
};

}  // namespace

QStringList FamiliesForFace(const QString& face) {
    for (const FaceMapping& mapping : kFaceMappings) {
        if (face.compare(QString::fromUtf8(mapping.face), Qt::CaseInsensitive) != 0) continue;
        QStringList families;
        for (const char* family : mapping.families) {
            if (family != nullptr) families << QString::fromUtf8(family);
        }
        return families;
    }
    QStringList families;
    if (!face.isEmpty()) families << face;
    families << QString::fromUtf8(kSansCjk);
    return families;
}

QFont LogFont(const QString& face, int lfHeight, int lfWeight, bool underline) {
    QFont font;
    font.setFamilies(FamiliesForFace(face));
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setWeight(static_cast<QFont::Weight>(std::clamp(lfWeight == 0 ? 400 : lfWeight, 1, 1000)));
    font.setUnderline(underline);
    if (lfHeight < 0) {
        font.setPixelSize(-lfHeight);
    } else if (lfHeight == 0) {
        font.setPixelSize(kDefaultEmPixels);
    } else {
        // A positive height is the cell height: find the em size whose ascent + descent
        // come to it, from the face's own ratio measured at a large size.
        QFont probe = font;
        probe.setPixelSize(static_cast<int>(kProbePixels));
        const QFontMetricsF metrics(probe);
        const double cell = metrics.ascent() + metrics.descent();
        const double em = cell > 0 ? lfHeight * kProbePixels / cell : lfHeight;
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(em))));
    }
    return font;
}

QFont DialogFont(const QString& face, int pointSize) {
    // A template's point size becomes lfHeight = -MulDiv(points, dpi, 72).
    const int emPixels = (pointSize * kScreenDpi + kPointsPerInch / 2) / kPointsPerInch;
    return LogFont(face, -emPixels);
}

QFont CaptionFont() {
    return LogFont(QString::fromUtf8("宋体"), -12, 400);
}
