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
    const int order[] = {1055, 1072, 1071, 1075, 1067, 1068, 1069, 1070, 1057, 1065, 1066, 1032, 1034,
                         1033, 1054, -1,   -1,   1063, -1,   -1,   -1,   -1,   1076, -1,   1074};
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
        {1055, ControlClass::Edit, 153, 41, 63, 12, ""},
        {1071, ControlClass::ComboBox, 168, 59, 55, 51, ""},
        {1075, ControlClass::Button, 241, 62, 44, 10, "是否润月"},
        {1067, ControlClass::ComboBox, 131, 79, 32, 195, ""},
        {1057, ControlClass::Button, 309, 24, 44, 15, "八字论命"},
        {1054, ControlClass::Static, 7, 113, 481, 206, ""},
        {1063, ControlClass::Static, 21, 64, 87, 8, "阴历"},
        {1076, ControlClass::Static, 21, 45, 92, 8, "阳历"},
        {1074, ControlClass::Button, 309, 96, 44, 15, "系统帮助"},
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
    EXPECT_EQ(FindControl(t, 1054)->style, SS_WHITERECT);
    EXPECT_EQ(FindControl(t, 1075)->style & 0xF, BS_AUTOCHECKBOX);
    EXPECT_TRUE(FindControl(t, 1071)->style & CBS_SORT);
    EXPECT_FALSE(FindControl(t, 1072)->style & CBS_SORT);
}

TEST(DialogTemplates, AboutBoxTemplate) {
    const DialogTemplate* t = FindDialogTemplate(IDD_ABOUTBOX);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->cx, 278);
    EXPECT_EQ(t->cy, 159);
    EXPECT_EQ(t->style, WS_POPUP | DS_SETFONT);
    ASSERT_EQ(t->controls.size(), 6u);
    EXPECT_EQ(t->controls[0].id, 1033);
    EXPECT_EQ(t->controls[1].id, 1);
    EXPECT_EQ(t->controls[1].style & 0xF, BS_DEFPUSHBUTTON);
    EXPECT_STREQ(t->controls[1].text, "确定");
    EXPECT_STREQ(FindControl(*t, 315)->text, "点击进入-> 弈澜坊-官方网站");
    EXPECT_EQ(std::string(FindControl(*t, 327)->text).rfind("电邮: ", 0), 0u);
}

TEST(DialogTemplates, UnknownIdsAndStrings) {
    EXPECT_EQ(FindDialogTemplate(101), nullptr);
    EXPECT_EQ(FindControl(*FindDialogTemplate(IDD_ABOUTBOX), 1057), nullptr);
    EXPECT_STREQ(LoadResourceString(IDS_ABOUTBOX), "关于 Karvuto(&A)...");
    EXPECT_STREQ(LoadResourceString(999), "");
}
