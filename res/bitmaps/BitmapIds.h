// Resource ids of the skin bitmaps compiled into karvuto_res, and where each is found.
#pragma once

#include <QString>
#include <array>

namespace art {

inline constexpr int kIconId = 128;           // :/bitmaps/128.ico and 128.png
inline constexpr int kMainFaceId = 130;       // 800 x 580, the main form
inline constexpr int kAboutFaceId = 131;      // 420 x 240, the About box
inline constexpr int kSplashId = 149;         // 420 x 270, 24 bits
inline constexpr int kCommandNormalId = 232;  // 82 x 18
inline constexpr int kCommandPressedId = 233;
inline constexpr int kCommandMaskId = 236;
inline constexpr int kAboutNormalId = 244;  // 11 x 10 title-bar buttons
inline constexpr int kAboutPressedId = 245;
inline constexpr int kTitleMaskId = 246;
inline constexpr int kMinimiseNormalId = 247;
inline constexpr int kMinimisePressedId = 248;
inline constexpr int kCloseNormalId = 249;
inline constexpr int kClosePressedId = 250;
inline constexpr int kBlankPictureId = 255;  // 160 x 120
inline constexpr int kDragonPictureId = 256;
inline constexpr int kChartFaceId = 257;  // 860 x 760, the chart window
inline constexpr int kPeopleFaceId = 270;  // 720 x 540, the people window (档案)
inline constexpr int kPersonFaceId = 271;  // 440 x 350, the person dialog (保存档案, 编辑档案)

// Every bitmap id the library holds, in ascending order.
inline constexpr std::array kBitmapIds{
    kMainFaceId,     kAboutFaceId,    kSplashId,        kCommandNormalId,  kCommandPressedId,  kCommandMaskId,
    kAboutNormalId,  kAboutPressedId, kTitleMaskId,     kMinimiseNormalId, kMinimisePressedId, kCloseNormalId,
    kClosePressedId, kBlankPictureId, kDragonPictureId, kChartFaceId,      kPeopleFaceId,      kPersonFaceId};

// ":/bitmaps/<id>.bmp".
QString BitmapResourcePath(int id);
// ":/bitmaps/<id>@2x.png": the same picture at twice the size, for screens of two
// device pixels a logical pixel (Qt's @2x naming).
QString HiDpiBitmapResourcePath(int id);
// The program icon, ":/bitmaps/128.ico" or, with suffix ".png", "128.png".
QString IconResourcePath(const char* suffix = ".ico");

}  // namespace art
