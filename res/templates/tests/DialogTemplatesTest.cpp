#include <gtest/gtest.h>

#include <set>
#include <string>

#include "DialogTemplates.h"

using namespace res;

TEST(DialogTemplates, MainFormHasEveryControlInTabOrder) {
    const DialogTemplate* t = FindDialogTemplate(IDD_KARVUTO_DIALOG);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->cx, 495);
    EXPECT_EQ(t->cy, 343);
    EXPECT_EQ(t->style, WS_POPUP | WS_VISIBLE | DS_SETFONT);
    EXPECT_EQ(t->exStyle, WS_EX_APPWINDOW);
    EXPECT_STREQ(t->fontFace, "宋体");
    EXPECT_EQ(t->pointSize, 9);
    const int order[] = {IDC_NAME,   IDC_SEX,    IDC_CALENDAR_KIND, IDC_LEAP,    IDC_YEAR,
                         IDC_MONTH,  IDC_DAY,    IDC_HOUR,          IDC_READING, IDC_PREVIEW,
                         IDC_PRINT,  IDC_ABOUT,  IDC_MINIMIZE,      IDC_CLOSE,   IDC_REPORT,
                         IDC_STATIC, IDC_STATIC, IDC_LUNAR_TODAY,   IDC_STATIC,  IDC_STATIC,
                         IDC_STATIC, IDC_STATIC, IDC_SOLAR_TODAY,   IDC_STATIC,  IDC_CHART,
                         IDC_HELP};
    ASSERT_EQ(t->controls.size(), std::size(order));
    for (std::size_t i = 0; i < std::size(order); ++i) {
        EXPECT_EQ(t->controls[i].id, order[i]) << "position " << i;
    }
}

TEST(DialogTemplates, MainFormControlsKeepTheirPositionsAndTexts) {
    const DialogTemplate& t = *FindDialogTemplate(IDD_KARVUTO_DIALOG);
    struct Case {
        int id;
        ControlClass cls;
        int x, y, cx, cy;
        const char* text;
    };
    const Case cases[] = {
        {IDC_NAME, ControlClass::Edit, 153, 41, 63, 12, ""},
        {IDC_CALENDAR_KIND, ControlClass::ComboBox, 168, 59, 55, 51, ""},
        {IDC_LEAP, ControlClass::Button, 241, 62, 44, 10, "是否润月"},
        {IDC_YEAR, ControlClass::ComboBox, 131, 79, 32, 195, ""},
        {IDC_READING, ControlClass::Button, 309, 24, 44, 15, "八字论命"},
        {IDC_REPORT, ControlClass::Static, 7, 113, 481, 206, ""},
        {IDC_LUNAR_TODAY, ControlClass::Static, 21, 64, 87, 8, "阴历"},
        {IDC_SOLAR_TODAY, ControlClass::Static, 21, 45, 92, 8, "阳历"},
        {IDC_CHART, ControlClass::Button, 309, 78, 44, 15, "详细排盘"},
        {IDC_HELP, ControlClass::Button, 309, 96, 44, 15, "系统帮助"},
    };
    for (const Case& c : cases) {
        const ControlTemplate* ctl = FindControl(t, c.id);
        ASSERT_NE(ctl, nullptr) << c.id;
        EXPECT_EQ(ctl->cls, c.cls) << c.id;
        EXPECT_EQ(ctl->x, c.x) << c.id;
        EXPECT_EQ(ctl->y, c.y) << c.id;
        EXPECT_EQ(ctl->cx, c.cx) << c.id;
        EXPECT_EQ(ctl->cy, c.cy) << c.id;
        EXPECT_STREQ(ctl->text, c.text) << c.id;
    }
    EXPECT_EQ(FindControl(t, IDC_REPORT)->style, SS_WHITERECT);
    EXPECT_EQ(FindControl(t, IDC_LEAP)->style & 0xF, BS_AUTOCHECKBOX);
    EXPECT_TRUE(FindControl(t, IDC_CALENDAR_KIND)->style & CBS_SORT);
    EXPECT_FALSE(FindControl(t, IDC_SEX)->style & CBS_SORT);
}

TEST(DialogTemplates, AboutBoxTemplate) {
    const DialogTemplate* t = FindDialogTemplate(IDD_ABOUTBOX);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->cx, 278);
    EXPECT_EQ(t->cy, 159);
    EXPECT_EQ(t->style, WS_POPUP | DS_SETFONT);
    ASSERT_EQ(t->controls.size(), 6u);
    EXPECT_EQ(t->controls[0].id, IDC_CLOSE);
    EXPECT_EQ(t->controls[1].id, 1);
    EXPECT_EQ(t->controls[1].style & 0xF, BS_DEFPUSHBUTTON);
    EXPECT_STREQ(t->controls[1].text, "确定");
    EXPECT_STREQ(FindControl(*t, IDC_WEB_LINK)->text, "点击进入-> 弈澜坊-官方网站");
    EXPECT_EQ(std::string(FindControl(*t, IDC_EMAIL_LINK)->text).rfind("电邮: ", 0), 0u);
}

TEST(DialogTemplates, UnknownIdsAndStrings) {
    EXPECT_EQ(FindDialogTemplate(IDS_ABOUTBOX), nullptr);
    EXPECT_EQ(FindControl(*FindDialogTemplate(IDD_ABOUTBOX), IDC_READING), nullptr);
    EXPECT_STREQ(LoadResourceString(IDS_ABOUTBOX), "关于 Karvuto(&A)...");
    EXPECT_STREQ(LoadResourceString(999), "");
}
