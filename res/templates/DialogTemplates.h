// The program's dialog templates as data: every control of templates 100
// (About box) and 102 (main form) with its id, window class, style, position
// in dialog units and text, in template order, which is also the tab order.
// Texts are UTF-8; the string table of the resources is here too.
#pragma once

#include <cstdint>
#include <span>

namespace res {

// Window styles the templates use: the bit values of the template format.
inline constexpr std::uint32_t WS_POPUP = 0x80000000u;
inline constexpr std::uint32_t WS_CHILD = 0x40000000u;
inline constexpr std::uint32_t WS_VISIBLE = 0x10000000u;
inline constexpr std::uint32_t WS_BORDER = 0x00800000u;
inline constexpr std::uint32_t WS_VSCROLL = 0x00200000u;
inline constexpr std::uint32_t WS_TABSTOP = 0x00010000u;
inline constexpr std::uint32_t WS_EX_APPWINDOW = 0x00040000u;
inline constexpr std::uint32_t DS_SETFONT = 0x00000040u;
inline constexpr std::uint32_t ES_AUTOHSCROLL = 0x0080u;
inline constexpr std::uint32_t CBS_DROPDOWN = 0x0002u;
inline constexpr std::uint32_t CBS_SORT = 0x0100u;
inline constexpr std::uint32_t BS_PUSHBUTTON = 0x0000u;
inline constexpr std::uint32_t BS_DEFPUSHBUTTON = 0x0001u;
inline constexpr std::uint32_t BS_AUTOCHECKBOX = 0x0003u;
inline constexpr std::uint32_t SS_LEFT = 0x0000u;
inline constexpr std::uint32_t SS_WHITERECT = 0x0006u;

enum class ControlClass { Button, Edit, Static, ComboBox };

inline constexpr int IDC_STATIC = -1;
inline constexpr int IDOK = 1;

// Control ids of template 100, the About box.
inline constexpr int IDC_WEB_LINK = 315;
inline constexpr int IDC_EMAIL_LINK = 327;

// Control ids of template 102, the main form (IDC_CLOSE also closes the About box).
inline constexpr int IDC_ABOUT = 1032;
inline constexpr int IDC_CLOSE = 1033;
inline constexpr int IDC_MINIMIZE = 1034;
inline constexpr int IDC_REPORT = 1054;
inline constexpr int IDC_NAME = 1055;
inline constexpr int IDC_READING = 1057;
inline constexpr int IDC_LUNAR_TODAY = 1063;
inline constexpr int IDC_PREVIEW = 1065;
inline constexpr int IDC_PRINT = 1066;
inline constexpr int IDC_YEAR = 1067;
inline constexpr int IDC_MONTH = 1068;
inline constexpr int IDC_DAY = 1069;
inline constexpr int IDC_HOUR = 1070;
inline constexpr int IDC_CALENDAR_KIND = 1071;
inline constexpr int IDC_SEX = 1072;
inline constexpr int IDC_HELP = 1074;
inline constexpr int IDC_LEAP = 1075;
inline constexpr int IDC_SOLAR_TODAY = 1076;
inline constexpr int IDC_CHART = 1077;  // 详细排盘: opens the chart window

struct ControlTemplate {
    int id;
    ControlClass cls;
    std::uint32_t style;  // besides WS_CHILD | WS_VISIBLE, which every control has
    int x, y, cx, cy;     // dialog units
    const char* text;     // UTF-8, "" for none
};

struct DialogTemplate {
    int id;
    std::uint32_t style;
    std::uint32_t exStyle;
    const char* fontFace;  // UTF-8
    int pointSize;
    int cx, cy;  // dialog units
    std::span<const ControlTemplate> controls;
};

inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDD_KARVUTO_DIALOG = 102;
inline constexpr int IDS_ABOUTBOX = 101;

// The template with this id, or nullptr.
const DialogTemplate* FindDialogTemplate(int id);
// The control of a template with this id (the first one for IDC_STATIC), or nullptr.
const ControlTemplate* FindControl(const DialogTemplate& dialog, int controlId);
// The string table entry with this id (UTF-8), or "" when there is none.
const char* LoadResourceString(int id);

}  // namespace res
