#include "app/dialogs/HelpDlg.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "skin/SkinFonts.h"

namespace {

constexpr int kHelpWidth = 600;
constexpr int kHelpHeight = 560;
constexpr int kScreenMargin = 48;  // left free around the window on a small screen
// An entry's term ("子时：", "夏令时拨回：") is at most this long; a longer
// stretch before a "：" is a sentence, not a term.
constexpr qsizetype kMaxTermLength = 5;

// Chinese sentences take full-width punctuation: ，：；（）“” and 。 The
// sections follow what a user meets: the form, the report, the chart window,
// the analysis, the saved people, printing and export.
constexpr char kHelpText[] =
    "使用说明\n"
    "\n"
    "一、填写资料\n"
    "姓名：最多5个汉字（10个字节），不能为空。\n"
    "性别：男或女。\n"
    "出生日期：选择“按阳历日期”时，年、月、日为公历日期；选择“按阴历日期”时，"
    "年、月、日为农历日期。年份可选1900至2100年。\n"
    "是否润月：只在按阴历日期时可选；出生月份是该年的闰月时勾选。"
    "每次改变日期类型，这一选项都会清除。\n"
    "时：出生的钟点（00至23）。程序按钟点换算时辰，每个时辰两小时："
    "23点与00点为子时，01点与02点为丑时，依此类推。\n"
    "键盘：Tab键按填写次序移动，在姓名框中按Enter即论命。\n"
    "\n"
    "二、命理分析\n"
    "按“八字论命”生成报告。不存在的日期（如2月31日，或该年没有的闰月）会提示重新输入。\n"
    "报告上部是个人资料：农历与公历生日、时辰、四柱八字（年柱、月柱、日柱、时柱）、"
    "虚岁与论命时间。\n"
    "报告正文依次为：骨重（年、月、日、时四项之和，单位为钱）及其评语，"
    "日干与时柱、日柱与时柱的论断，年柱的论断，以及出生月、日、时的论断。\n"
    "出生在夏令时之内的，报告先把钟点拨回一小时，按标准时间论命，并在正文之首注明。\n"
    "\n"
    "三、八字排盘与大运\n"
    "论命之后按“详细排盘”，打开此人的“八字排盘与大运”窗口；再次论命时窗口随之更新。"
    "窗口上方各项一经改动，排盘即时重算：\n"
    "子时：23点至24点出生时的算法，有三家。“晚子时”（默认）：此时仍属当日，日柱不换，"
    "时柱取次日子时之干；“子初换日”：23点起即算次日，日柱随之更换；"
    "“子时取当日干”：仍属当日，时柱取当日子时之干，少有人用，备作参照。\n"
    "时间：“钟表时间”按北京时间（东经120度）排盘；“真太阳时”按出生地经度校正："
    "每差1度差4分钟，再加均时差，由标准时间算起。出生地可选各省会城市，"
    "也可选“自定经度”后填写经度。\n"
    "夏令时拨回：中国曾于1919年、1940至1949年、1986至1991年实行夏令时。"
    "默认勾选：夏令时内的钟点拨回一小时，按标准时间排盘；不勾选则按钟表所示排盘，盘中注明。\n"
    "出生分钟：主窗口只填钟点，这里可补分钟。四柱以立春与各节交接的时刻为界，"
    "出生在交节前后的，以分钟分辨月柱与年柱。\n"
    "范围：可排公历1900年1月31日（农历1900年正月初一）至2100年12月31日之间的出生。\n"
    "岁数：一律为虚岁，即公历年份减出生年份加一。\n"
    "大运与流年：列出起运时刻与各步大运，起运之前为小运；点选一步大运，列出其中各年流年；"
    "点选一年，列出该年十二个流月（月柱与交节时刻）及该年的论断。\n"
    "命局分析：窗口的“命局分析”一页逐节论断，每节先说方法，再列所据。"
    "日主旺衰以百分计，分得令（日主五行在月令的旺相休囚死，至多40分）、"
    "得地（四支藏干中比劫与印之根，至多35分）、得势（年、月、时三干中的印与比劫，至多25分）三项，"
    "不足36分为偏弱，52分以上为偏强，其间为中和；从弱、从强、专旺须合古法所定条件，"
    "不单凭分数。格局以月令定正格（月支藏干透出者取之，不透则取本气），"
    "合条件时另取从格、专旺格、化格，并按成、败、救应诸条论其成败。"
    "用神喜忌以扶抑为主：身弱取印、比劫生扶，身强取财、官杀、食伤抑泄；"
    "并查调候（按日干与出生之月），特殊格局取顺势，另有通关、病药之法；"
    "诸法所取不同时说明取舍，并列喜神与忌神。其后为月令、大运、流年、总评与神煞："
    "大运与流年以其干支十神对用神的喜忌论断（宜进、平稳、宜守），兼看与原局及太岁的冲合刑害；"
    "流年默认为今年与后两年，在大运与流年中点选的一年也一并论断。\n"
    "八字反推：输入年、月、日、时四柱，查出1900至2100年间（可限定起止年份）有此八字的出生时段，"
    "选定一个时段即可为之排盘。\n"
    "\n"
    "四、档案\n"
    "按“保存”（Ctrl+S）把当前论命之人存入档案：姓名、性别、生辰连同排盘窗口中的出生分钟、"
    "出生地与子时、真太阳时、夏令时各项，并可加备注与标签。按“档案”（Ctrl+O）打开档案列表，"
    "可按姓名、拼音首字母、日期或标签查找；按Enter在主窗口为此人论命，"
    "“排盘”按所存各项为此人排盘，Del删除，Ctrl+Z撤销删除。从档案打开的人再保存，即更新其档案；"
    "“另存为新档案”则原档案不变。档案只存在本机用户目录的 .local/share/karvuto/people.db"
    "（设有XDG_DATA_HOME时在其下的karvuto目录），首次使用档案时才建立。\n"
    "\n"
    "五、打印与导出\n"
    "生成报告后，“打印预览”与“打印文件”即可使用，报告打印为一页；"
    "打印到文件时默认文件名为“姓名-出生日期-报告.pdf”，存于“文档”文件夹。"
    "“导出PDF”（Ctrl+E）把报告存为PDF文件，可选同时导出排盘与命局分析；"
    "“复制全文”（Ctrl+Shift+C）把整篇报告作为文字复制。"
    "排盘窗口可“打印”“打印预览”，“导出PDF”与“导出图片”（PNG）把排盘页存为文件，"
    "默认文件名为“姓名-出生日期-排盘”。\n"
    "\n"
    "本程序所得结论仅供参考娱乐。";

}  // namespace

QString CHelpDlg::HelpText() {
    return QString::fromUtf8(kHelpText);
}

// The text as the window shows it: the title and the numbered headings in
// bold, and in each entry the term before its first "：" in bold, one
// paragraph an entry with a little space between.
QString CHelpDlg::HelpHtml() {
    static const QRegularExpression heading(QStringLiteral("^[一二三四五六七八九十]+、"));
    const QString colon = QStringLiteral("：");
    const QStringList lines = HelpText().split(QLatin1Char('\n'));
    QString html;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.isEmpty()) continue;
        if (i == 0 || heading.match(line).hasMatch()) {
            html += QStringLiteral("<p style=\"margin-top:10px; margin-bottom:2px\"><b>%1</b></p>")
                        .arg(line.toHtmlEscaped());
            continue;
        }
        const qsizetype term = line.indexOf(colon);
        const QString body =
            term > 0 && term <= kMaxTermLength
                ? QStringLiteral("<b>%1</b>%2")
                      .arg(line.left(term + 1).toHtmlEscaped(), line.mid(term + 1).toHtmlEscaped())
                : line.toHtmlEscaped();
        html += QStringLiteral("<p style=\"margin-top:2px; margin-bottom:2px\">%1</p>").arg(body);
    }
    return html;
}

CHelpDlg::CHelpDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("系统帮助"));
    setFont(DialogFont(QStringLiteral("宋体"), 9));
    // As large as it is meant to be where the screen allows, else the
    // screen's available area less a margin (the text scrolls).
    QSize size(kHelpWidth, kHelpHeight);
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize() - QSize(kScreenMargin, kScreenMargin));
    resize(size);
    auto* layout = new QVBoxLayout(this);
    auto* text = new QTextBrowser(this);
    text->setHtml(HelpHtml());
    text->setObjectName(QStringLiteral("helpText"));
    layout->addWidget(text);
    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
}
