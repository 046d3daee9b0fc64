#include "app/dialogs/HelpDlg.h"

#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "skin/SkinFonts.h"

namespace {

constexpr int kHelpWidth = 460;
constexpr int kHelpHeight = 420;

// Chinese sentences take full-width punctuation: ，：；（）“” and 。
constexpr char kHelpText[] =
    "使用说明\n"
    "\n"
    "一、填写资料\n"
    "姓名：最多5个汉字（10个字节），不能为空。\n"
    "性别：男或女。\n"
    "出生日期：选择“按阳历日期”时，年、月、日为公历日期；选择“按阴历日期”时，"
    "年、月、日为农历日期。\n"
    "是否润月：只在按阴历日期时可选；出生月份是该年的闰月时勾选。"
    "每次改变日期类型，这一选项都会清除。\n"
    "时：出生的钟点（00至23）。程序按钟点换算时辰，每个时辰两小时："
    "23点与00点为子时，01点与02点为丑时，依此类推。\n"
    "\n"
    "二、命理分析\n"
    "按“八字论命”生成报告。不存在的日期（如2月31日，或该年没有的闰月）会提示重新输入。\n"
    "报告上部是个人资料：农历与公历生日、时辰、四柱八字（年柱、月柱、日柱、时柱）、"
    "虚岁与论命时间。\n"
    "正文依次为：骨重（年、月、日、时四项之和，单位为钱）及其评语，"
    "日干与时柱、日柱与时柱的论断，年柱的论断，以及出生月、日、时的论断。\n"
    "\n"
    "三、打印\n"
    "生成报告后，“打印预览”与“打印文件”即可使用，报告打印为一页。\n"
    "\n"
    "本程序所得结论仅供参考娱乐。";

}  // namespace

QString CHelpDlg::HelpText() {
    return QString::fromUtf8(kHelpText);
}

CHelpDlg::CHelpDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("系统帮助"));
    setFont(DialogFont(QStringLiteral("宋体"), 9));
    resize(kHelpWidth, kHelpHeight);
    auto* layout = new QVBoxLayout(this);
    auto* text = new QTextBrowser(this);
    text->setPlainText(HelpText());
    text->setObjectName(QStringLiteral("helpText"));
    layout->addWidget(text);
    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
}
