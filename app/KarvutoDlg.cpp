#include "app/KarvutoDlg.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFile>
#include <QIcon>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QShortcut>
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "ChartBirth.h"
#include "Clock.h"
#include "ComposeDate.h"
#include "DatabaseTextSource.h"
#include "GbkCodec.h"
#include "MemoryTextSource.h"
#include "ReadingMessages.h"
#include "app/CompactComboStyle.h"
#include "app/MessageBox.h"
#include "app/NameEdit.h"
#include "app/chart/ChartWnd.h"
#include "app/dialogs/AboutDlg.h"
#include "app/dialogs/HelpDlg.h"
#include "app/dialogs/SplashWnd.h"
#include "app/pages/GbkText.h"
#include "res/bitmaps/BitmapIds.h"
#include "skin/FrameSkin.h"
#include "skin/SkinBitmaps.h"
#include "skin/StateBitmapButton.h"

namespace {

using namespace res;  // the IDC_* control ids of template 102

// The image buttons of the form: place, tooltip, pictures, initial state.
struct ImageButton {
    int id;
    int x, y, width, height;
    const char* tooltip;
    CStateBitmapButton::BitmapIds bitmaps;
    bool enabled;
};
constexpr CStateBitmapButton::BitmapIds kCloseBitmaps{
    .normal = art::kCloseNormalId, .down = art::kClosePressedId, .mask = art::kTitleMaskId};
constexpr CStateBitmapButton::BitmapIds kMinimiseBitmaps{
    .normal = art::kMinimiseNormalId, .down = art::kMinimisePressedId, .mask = art::kTitleMaskId};
constexpr CStateBitmapButton::BitmapIds kAboutBitmaps{
    .normal = art::kAboutNormalId, .down = art::kAboutPressedId, .mask = art::kTitleMaskId};
constexpr CStateBitmapButton::BitmapIds kCommandBitmaps{
    .normal = art::kCommandNormalId, .down = art::kCommandPressedId, .mask = art::kCommandMaskId};
constexpr ImageButton kImageButtons[] = {
    {IDC_CLOSE, 784, 6, 11, 10, "关闭", kCloseBitmaps, true},
    {IDC_MINIMIZE, 769, 6, 11, 10, "最小化", kMinimiseBitmaps, true},
    {IDC_ABOUT, 6, 6, 11, 10, "关于", kAboutBitmaps, true},
    {IDC_READING, 460, 35, 82, 18, "命理分析", kCommandBitmaps, true},
    {IDC_PREVIEW, 460, 60, 82, 18, "打印预览", kCommandBitmaps, false},
    {IDC_PRINT, 460, 85, 82, 18, "打印", kCommandBitmaps, false},
    {IDC_CHART, 460, 110, 82, 18, "八字排盘与大运", kCommandBitmaps, false},
    {IDC_HELP, 460, 135, 82, 18, "系统帮助", kCommandBitmaps, true},
};

// The keyboard's order through the form: the inputs in reading order, the
// commands, the report, then the window's own buttons, the close button last.
constexpr int kTabOrder[] = {IDC_NAME, IDC_SEX,    IDC_CALENDAR_KIND, IDC_LEAP,     IDC_YEAR,  IDC_MONTH,
                             IDC_DAY,  IDC_HOUR,   IDC_READING,       IDC_PREVIEW,  IDC_PRINT, IDC_CHART,
                             IDC_HELP, IDC_REPORT, IDC_ABOUT,         IDC_MINIMIZE, IDC_CLOSE};
// How far inside its edge a focused image button shows its focus ring: the
// command buttons inside their two-pixel border, the small title buttons
// inside their one-pixel one.
constexpr int kCommandFocusRing = 2;
constexpr int kTitleFocusRing = 1;
// The keys that open the title band's menu: the window menu's usual key and
// the menu key of a window without a menu bar.
constexpr QKeyCombination kTitleMenuKeys[] = {Qt::ALT | Qt::Key_Space, QKeyCombination(Qt::Key_F10)};

// The report view's final place and the calendar-kind and sex items.
constexpr int kReportRect[4] = {10, 170, 780, 386};  // x, y, width, height

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

void AddNumberItems(QComboBox* combo, int first, int last, const char* format) {
    for (int v = first; v <= last; ++v) {
        char text[8];
        std::snprintf(text, sizeof text, format, v);
        combo->addItem(QString::fromLatin1(text), v);
    }
}

// The analysis texts of a database; an empty source where there is none.
std::unique_ptr<analysis::TextSource> TextSourceOf(Connection* connection) {
    if (connection == nullptr) return std::make_unique<analysis::MemoryTextSource>();
    return std::make_unique<DatabaseTextSource>(connection);
}

int SelectedData(const QComboBox* combo) {
    const int index = combo->currentIndex();
    return index < 0 ? 0 : combo->itemData(index).toInt();
}

}  // namespace

CKarvutoDlg::CKarvutoDlg(QWidget* parent, int splashMilliseconds, Connection* connection)
    : QDialog(parent), m_pConnection(connection), m_pTexts(TextSourceOf(connection)), m_reportView(this) {
    OnInitDialog(splashMilliseconds);
}

// The chart window goes first: it reads the texts this form owns.
CKarvutoDlg::~CKarvutoDlg() {
    delete m_pChartWnd.data();
}

void CKarvutoDlg::SetConnection(Connection* connection) {
    std::unique_ptr<analysis::TextSource> texts = TextSourceOf(connection);
    if (m_pChartWnd) m_pChartWnd->SetTextSource(*texts);
    m_pConnection = connection;
    m_pTexts = std::move(texts);
}

void CKarvutoDlg::OnInitDialog(int splashMilliseconds) {
    const res::DialogTemplate& form = *res::FindDialogTemplate(res::IDD_KARVUTO_DIALOG);
    m_controls =
        BuildDialogControls(this, form, [](const res::ControlTemplate& c, QWidget* parent) -> QWidget* {
            if (c.id == IDC_NAME) {
                return new CNameEdit(parent);
            }
            if (c.cls == res::ControlClass::Button && (c.style & 0xF) == res::BS_PUSHBUTTON) {
                auto* button = new CStateBitmapButton(parent);
                button->setText(QString::fromUtf8(c.text));
                return button;
            }
            return nullptr;
        });
    m_pNameEdit = m_controls.ItemAs<CNameEdit>(IDC_NAME);
    m_pLeapBox = m_controls.ItemAs<QCheckBox>(IDC_LEAP);
    m_pDayCombo = m_controls.ItemAs<QComboBox>(IDC_DAY);
    m_pMonthCombo = m_controls.ItemAs<QComboBox>(IDC_MONTH);
    m_pCalendarKindCombo = m_controls.ItemAs<QComboBox>(IDC_CALENDAR_KIND);
    m_pHourCombo = m_controls.ItemAs<QComboBox>(IDC_HOUR);
    m_pSexCombo = m_controls.ItemAs<QComboBox>(IDC_SEX);
    m_pYearCombo = m_controls.ItemAs<QComboBox>(IDC_YEAR);
    m_pComboStyle = new CCompactComboStyle();
    m_pComboStyle->setParent(this);
    for (QComboBox* combo :
         {m_pDayCombo, m_pMonthCombo, m_pCalendarKindCombo, m_pHourCombo, m_pSexCombo, m_pYearCombo}) {
        combo->setStyle(m_pComboStyle);
    }
    m_pPrintButton = m_controls.ItemAs<CStateBitmapButton>(IDC_PRINT);
    m_pPreviewButton = m_controls.ItemAs<CStateBitmapButton>(IDC_PREVIEW);
    m_pReadingButton = m_controls.ItemAs<CStateBitmapButton>(IDC_READING);
    m_pHelpButton = m_controls.ItemAs<CStateBitmapButton>(IDC_HELP);
    m_pMinimizeButton = m_controls.ItemAs<CStateBitmapButton>(IDC_MINIMIZE);
    m_pCloseButton = m_controls.ItemAs<CStateBitmapButton>(IDC_CLOSE);
    m_pAboutButton = m_controls.ItemAs<CStateBitmapButton>(IDC_ABOUT);
    m_pChartButton = m_controls.ItemAs<CStateBitmapButton>(IDC_CHART);

    // A frameless window has no system menu: the About item of string 101
    // goes into the context menu of the title band.
    const QString aboutItem = QString::fromUtf8(res::LoadResourceString(res::IDS_ABOUTBOX));
    if (!aboutItem.isEmpty()) {
        m_pTitleMenu = new QMenu(this);
        m_pTitleMenu->addSeparator();
        m_pTitleMenu->addAction(aboutItem, this, [this] { OnAbout(); });
    }
    for (const QKeyCombination keys : kTitleMenuKeys) {
        auto* shortcut = new QShortcut(QKeySequence(keys), this);
        connect(shortcut, &QShortcut::activated, this, &CKarvutoDlg::ShowTitleMenu);
    }

    QIcon icon;
    for (const char* suffix : {".ico", ".png"}) {
        const QString path = art::IconResourcePath(suffix);
        if (QFile::exists(path)) {
            icon.addFile(path);
        }
    }
    if (!icon.isNull()) {
        setWindowIcon(icon);  // big and small
    }

    if (splashMilliseconds > 0) {
        CSplashWnd::ShowSplashScreen(CSplashWnd::kBitmapId, std::chrono::milliseconds(splashMilliseconds));
    }

    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint);
    setFixedSize(kFormWidth, kFormHeight);
    setWindowTitle(Text(kFormTitle));
    ApplyFrameRegion(this, LoadBitmapResource(art::kMainFaceId));
    // The About box and the help window are placed relative to the form: its
    // known position must be its real one from the first click on.
    InstallWindowPositionCheck();

    SetUpImageButtons();

    if (m_reportView.CreateReportView(IDC_REPORT, this)) {
        m_reportView.setGeometry(kReportRect[0], kReportRect[1], kReportRect[2], kReportRect[3]);
        m_reportView.SetScrollSizes();
    }

    FillCombos();
    UpdateCalendarPanel();
    UpdateData(false);

    connect(m_pCalendarKindCombo, &QComboBox::currentIndexChanged, this, &CKarvutoDlg::OnCalendarKindChange);
    connect(m_pReadingButton, &QAbstractButton::clicked, this, &CKarvutoDlg::OnReading);
    connect(m_pPreviewButton, &QAbstractButton::clicked, this, &CKarvutoDlg::OnPreview);
    connect(m_pPrintButton, &QAbstractButton::clicked, this, &CKarvutoDlg::OnPrint);
    connect(m_pHelpButton, &QAbstractButton::clicked, this, &CKarvutoDlg::OnHelp);
    connect(m_pChartButton, &QAbstractButton::clicked, this, &CKarvutoDlg::OnChart);
    connect(m_pMinimizeButton, &QAbstractButton::clicked, this, &CKarvutoDlg::OnMinimize);
    connect(m_pCloseButton, &QAbstractButton::clicked, this, &CKarvutoDlg::OnClose);
    connect(m_pAboutButton, &QAbstractButton::clicked, this, &CKarvutoDlg::OnAbout);
    // Enter in the name box asks for the reading.
    connect(m_pNameEdit, &QLineEdit::returnPressed, this, &CKarvutoDlg::OnReading);

    SetTabOrder();
    m_pNameEdit->setFocus();
}

void CKarvutoDlg::SetUpImageButtons() {
    for (const ImageButton& b : kImageButtons) {
        auto* button = m_controls.ItemAs<CStateBitmapButton>(b.id);
        if (!button) {
            continue;
        }
        button->setGeometry(b.x, b.y, b.width, b.height);
        button->SetTooltipText(Text(b.tooltip));
        button->SetBitmaps(b.bitmaps);
        button->setEnabled(b.enabled);
        // The title buttons have no caption: their tooltips name them.
        const bool titleButton = button->text().isEmpty();
        button->SetFocusRing(titleButton ? kTitleFocusRing : kCommandFocusRing);
        button->setAccessibleName(titleButton ? Text(b.tooltip) : button->text());
        button->setAccessibleDescription(Text(b.tooltip));
    }
}

void CKarvutoDlg::SetTabOrder() {
    QWidget* previous = nullptr;
    for (const int id : kTabOrder) {
        QWidget* next = id == IDC_REPORT ? &m_reportView : m_controls.Item(id);
        if (next == nullptr) continue;
        if (previous != nullptr) QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

void CKarvutoDlg::ShowTitleMenu() {
    if (m_pTitleMenu != nullptr) m_pTitleMenu->popup(mapToGlobal(QPoint(0, kTitleBandHeight)));
}

void CKarvutoDlg::FillCombos() {
    m_pSexCombo->addItem(Text("男"), 0);
    m_pSexCombo->addItem(Text("女"), 1);
    m_pSexCombo->setCurrentIndex(0);

    m_pCalendarKindCombo->addItem(Text("按阳历日期"), kGregorianCalendar);
    m_pCalendarKindCombo->addItem(Text("按阴历日期"), kLunarCalendar);
    m_pCalendarKindCombo->setCurrentIndex(0);

    m_pLeapBox->setEnabled(false);
    m_bLeap = false;

    AddNumberItems(m_pYearCombo, kFirstYear, kLastYear, "%04d");
    m_pYearCombo->setCurrentIndex(kDefaultYear - kFirstYear);
    AddNumberItems(m_pMonthCombo, 1, 12, "%02d");
    m_pMonthCombo->setCurrentIndex(0);
    AddNumberItems(m_pDayCombo, 1, 31, "%02d");
    m_pDayCombo->setCurrentIndex(0);
    AddNumberItems(m_pHourCombo, 0, 23, "%02d");
    m_pHourCombo->setCurrentIndex(0);
}

void CKarvutoDlg::UpdateCalendarPanel() {
    // The user's own clock, the same one the reading's time line uses.
    SYSTEMTIME today;
    GetLocalTime(&today);
    char line[64];
    std::snprintf(line, sizeof line, "%04d年%02d月%02d日 ", today.wYear, today.wMonth, today.wDay);
    m_strSolarToday = QString::fromUtf8(line) + FromGbk(m_calendar.GetWeekdayName(today.wDayOfWeek));
    SYSTEMTIME lunar;
    int leap = 0;
    if (m_calendar.SolarToLunar(today, lunar, leap)) {
        m_strLunarToday = FromGbk(m_calendar.FormatLunarDate(lunar, leap));
    } else {
        m_strLunarToday = Text(kInvalidTodayText);
    }
}

void CKarvutoDlg::UpdateData(bool saveAndValidate) {
    auto* solar = m_controls.ItemAs<QLabel>(IDC_SOLAR_TODAY);
    auto* lunar = m_controls.ItemAs<QLabel>(IDC_LUNAR_TODAY);
    if (saveAndValidate) {
        m_strName = m_pNameEdit->GbkText();
        m_bLeap = m_pLeapBox->isChecked();
        m_strSolarToday = solar->text();
        m_strLunarToday = lunar->text();
        return;
    }
    solar->setText(m_strSolarToday);
    lunar->setText(m_strLunarToday);
    m_pNameEdit->setText(FromGbk(m_strName));
    m_pLeapBox->setChecked(m_bLeap);
}

void CKarvutoDlg::OnReading() {
    m_birth = BirthRecord{};
    UpdateData(true);
    if (m_strName.empty()) {
        ShowMessageBox(this, Text(kEmptyNameMessage));
        m_pNameEdit->setFocus();
        return;
    }
    m_birth.year = SelectedData(m_pYearCombo);
    m_birth.month = SelectedData(m_pMonthCombo);
    m_birth.day = SelectedData(m_pDayCombo);
    m_birth.hour = SelectedData(m_pHourCombo);
    m_birth.CalendarKind = SelectedData(m_pCalendarKindCombo);
    m_birth.sex = SelectedData(m_pSexCombo);
    m_birth.leap = m_bLeap ? 1 : 0;
    const std::size_t n = platform::GbkPrefixLength(m_strName, kNameMaxBytes);
    std::memcpy(m_birth.name, m_strName.data(), n);
    m_birth.name[n] = '\0';

    const bool shown = m_reportView.ComposeReading(m_birth, m_pConnection);
    m_pPrintButton->setEnabled(true);
    m_pPreviewButton->setEnabled(true);
    m_pChartButton->setEnabled(true);
    // An open chart window follows the form's reading.
    if (shown && m_pChartWnd) ShowChartOfReading(false);
    if (shown) emit ReadingComposed();
}

void CKarvutoDlg::ShowReadingOf(const BirthRecord& birth) {
    const auto select = [](QComboBox* combo, int value) {
        const int index = combo->findData(value);
        if (index >= 0) combo->setCurrentIndex(index);
        return index >= 0;
    };
    // The calendar kind first: choosing it clears the leap flag.
    if (!select(m_pSexCombo, birth.sex) || !select(m_pCalendarKindCombo, birth.CalendarKind) ||
        !select(m_pYearCombo, birth.year) || !select(m_pMonthCombo, birth.month) ||
        !select(m_pDayCombo, birth.day) || !select(m_pHourCombo, birth.hour)) {
        ShowMessageBox(this, Text(kInvalidDateText));
        return;
    }
    m_strName.assign(birth.name, platform::GbkPrefixLength(
                                     std::string_view(birth.name, ::strnlen(birth.name, sizeof birth.name)),
                                     kNameMaxBytes));
    m_bLeap = birth.CalendarKind == kLunarCalendar && birth.leap != 0;
    UpdateData(false);
    OnReading();
}

void CKarvutoDlg::OnCalendarKindChange() {
    m_pLeapBox->setEnabled(SelectedData(m_pCalendarKindCombo) != 0);
    m_bLeap = false;
    m_pLeapBox->setChecked(false);
}

void CKarvutoDlg::OnAbout() {
    CAboutDlg about(this);
    about.exec();
}

void CKarvutoDlg::OnHelp() {
    CHelpDlg help(this);
    help.exec();
}

void CKarvutoDlg::OnClose() {
    // The only way out: ends the modal loop and with it the program.
    m_bClosing = true;
    done(0);
}

void CKarvutoDlg::OnMinimize() {
    showMinimized();
}

void CKarvutoDlg::OnPreview() {
    m_reportView.StartPrintPreview();
}

void CKarvutoDlg::OnPrint() {
    m_reportView.PrintReport();
}

void CKarvutoDlg::OnChart() {
    ShowChartOfReading(true);
}

// The chart is cast for the Gregorian date, a lunar request converted as the
// reading converts it. A date that does not convert was already refused by
// the reading; only the chart command says so again.
void CKarvutoDlg::ShowChartOfReading(bool bringForward) {
    const CLunarCalendar calendar;
    const std::optional<BirthDates> dates = ConvertBirthDate(calendar, m_birth);
    if (!dates) {
        if (bringForward) ShowMessageBox(this, Text(kInvalidDateText));
        return;
    }
    const chart::BirthMoment birth = chart::BirthOfReading(m_birth, dates->solar, 0);
    const QString name = FromGbk(std::string_view(m_birth.name));
    const bool opened = !m_pChartWnd;
    if (m_pChartWnd) {
        m_pChartWnd->SetBirth(birth, name);
    } else {
        m_pChartWnd = new CChartWnd(birth, name, *m_pTexts, this);
    }
    if (!bringForward) return;
    m_pChartWnd->show();
    m_pChartWnd->raise();
    m_pChartWnd->activateWindow();
    if (opened) emit ChartWindowOpened(m_pChartWnd);
}

CChartWnd* CKarvutoDlg::ChartWindow() const {
    return m_pChartWnd.data();
}

void CKarvutoDlg::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    PaintFrameBackground(this, painter, LoadBitmapResource(art::kMainFaceId, devicePixelRatioF()));
}

void CKarvutoDlg::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        DragFrame(this, event);
        return;
    }
    QDialog::mousePressEvent(event);
}

void CKarvutoDlg::contextMenuEvent(QContextMenuEvent* event) {
    if (m_pTitleMenu && event->pos().y() < kTitleBandHeight) {
        m_pTitleMenu->popup(event->globalPos());
        return;
    }
    QDialog::contextMenuEvent(event);
}

void CKarvutoDlg::closeEvent(QCloseEvent* event) {
    // Alt+F4 and the window manager's close leave the form open.
    if (!m_bClosing) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}
