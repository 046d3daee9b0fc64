#include "DialogTemplates.h"

#include <array>

namespace res {
namespace {

constexpr std::uint32_t kCombo = CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP;

// Template 102, the main form: 495 x 343 dialog units, 26 controls.
constexpr std::array<ControlTemplate, 26> kMainFormControls{{
    {IDC_NAME, ControlClass::Edit, WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP, 153, 41, 63, 12, ""},
    {IDC_SEX, ControlClass::ComboBox, kCombo, 247, 41, 35, 50, ""},
    {IDC_CALENDAR_KIND, ControlClass::ComboBox, kCombo | CBS_SORT, 168, 59, 55, 51, ""},
    {IDC_LEAP, ControlClass::Button, BS_AUTOCHECKBOX | WS_TABSTOP, 241, 62, 44, 10, "是否润月"},
    {IDC_YEAR, ControlClass::ComboBox, kCombo, 131, 79, 32, 195, ""},
    {IDC_MONTH, ControlClass::ComboBox, kCombo, 176, 79, 24, 174, ""},
    {IDC_DAY, ControlClass::ComboBox, kCombo, 211, 79, 24, 198, ""},
    {IDC_HOUR, ControlClass::ComboBox, kCombo, 250, 79, 23, 195, ""},
    {IDC_READING, ControlClass::Button, BS_PUSHBUTTON | WS_TABSTOP, 309, 24, 44, 15, "八字论命"},
    {IDC_PREVIEW, ControlClass::Button, BS_PUSHBUTTON | WS_TABSTOP, 309, 42, 44, 15, "打印预览"},
    {IDC_PRINT, ControlClass::Button, BS_PUSHBUTTON | WS_TABSTOP, 309, 60, 44, 15, "打印文件"},
    {IDC_ABOUT, ControlClass::Button, BS_PUSHBUTTON | WS_TABSTOP, 7, 24, 10, 9, ""},
    {IDC_MINIMIZE, ControlClass::Button, BS_PUSHBUTTON | WS_TABSTOP, 464, 24, 10, 9, ""},
    {IDC_CLOSE, ControlClass::Button, BS_PUSHBUTTON | WS_TABSTOP, 478, 24, 10, 9, ""},
    {IDC_REPORT, ControlClass::Static, SS_WHITERECT, 7, 113, 481, 206, ""},
    {IDC_STATIC, ControlClass::Static, SS_LEFT, 132, 43, 18, 10, "姓名"},
    {IDC_STATIC, ControlClass::Static, SS_LEFT, 131, 63, 33, 12, "出生日期"},
    {IDC_LUNAR_TODAY, ControlClass::Static, SS_LEFT, 21, 64, 87, 8, "阴历"},
    {IDC_STATIC, ControlClass::Static, SS_LEFT, 166, 81, 9, 8, "年"},
    {IDC_STATIC, ControlClass::Static, SS_LEFT, 202, 81, 9, 8, "月"},
    {IDC_STATIC, ControlClass::Static, SS_LEFT, 238, 82, 9, 8, "日"},
    {IDC_STATIC, ControlClass::Static, SS_LEFT, 277, 82, 9, 8, "时"},
    {IDC_SOLAR_TODAY, ControlClass::Static, SS_LEFT, 21, 45, 92, 8, "阳历"},
    {IDC_STATIC, ControlClass::Static, SS_LEFT, 225, 43, 17, 8, "性别"},
    {IDC_CHART, ControlClass::Button, BS_PUSHBUTTON | WS_TABSTOP, 309, 78, 44, 15, "详细排盘"},
    {IDC_HELP, ControlClass::Button, BS_PUSHBUTTON | WS_TABSTOP, 309, 96, 44, 15, "系统帮助"},
}};

// Template 100, the About box: 278 x 159 dialog units, 6 controls.
constexpr std::array<ControlTemplate, 6> kAboutControls{{
    {IDC_CLOSE, ControlClass::Button, BS_PUSHBUTTON | WS_TABSTOP, 261, 7, 10, 10, ""},
    {IDOK, ControlClass::Button, BS_DEFPUSHBUTTON | WS_TABSTOP, 67, 117, 145, 19, "确定"},
    {IDC_WEB_LINK, ControlClass::Static, SS_LEFT, 84, 57, 107, 8, "点击进入-> 弈澜坊-官方网站"},
    {IDC_EMAIL_LINK, ControlClass::Static, SS_LEFT, 87, 77, 102, 8, "电邮: support@karvuto.example.org"},
    {IDC_STATIC, ControlClass::Static, SS_LEFT, 63, 99, 154, 8, "本软件仅供参考娱乐  弈澜坊 版权所有"},
    {IDC_STATIC, ControlClass::Static, SS_LEFT, 68, 33, 144, 8, "个人星衡命鉴 简体中文版 Ver1.0"},
}};

constexpr std::array<DialogTemplate, 2> kTemplates{{
    {IDD_ABOUTBOX, WS_POPUP | DS_SETFONT, 0, "宋体", 9, 278, 159, kAboutControls},
    {IDD_KARVUTO_DIALOG, WS_POPUP | WS_VISIBLE | DS_SETFONT, WS_EX_APPWINDOW, "宋体", 9, 495, 343,
     kMainFormControls},
}};

}  // namespace

const DialogTemplate* FindDialogTemplate(int id) {
    for (const DialogTemplate& t : kTemplates) {
        if (t.id == id) {
            return &t;
        }
    }
    return nullptr;
}

const ControlTemplate* FindControl(const DialogTemplate& dialog, int controlId) {
    for (const ControlTemplate& c : dialog.controls) {
        if (c.id == controlId) {
            return &c;
        }
    }
    return nullptr;
}

const char* LoadResourceString(int id) {
    if (id == IDS_ABOUTBOX) {
        return "关于 Karvuto(&A)...";
    }
    return "";
}

}  // namespace res
