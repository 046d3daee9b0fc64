// CChartWnd: the chart window, painted with skin 257 composed at its size.
#include "app/chart/ChartWnd.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSizeGrip>
#include <QSpinBox>
#include <QSplitter>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "Analyze.h"
#include "Clock.h"
#include "app/CompactComboStyle.h"
#include "app/MessageBox.h"
#include "app/chart/AnalysisHtml.h"
#include "app/chart/ChartFace.h"
#include "app/chart/LuckPanel.h"
#include "app/chart/PillarQuery.h"
#include "app/chart/PillarSearchPanel.h"
#include "app/chart/PillarStrip.h"
#include "app/chart/WindowPlace.h"
#include "app/pages/ChartPage.h"
#include "app/pages/ChartPageLayout.h"
#include "app/pages/Documents.h"
#include "app/pages/PageWriter.h"
#include "app/pages/ReplaceFile.h"
#include "app/print/PrintFileName.h"
#include "app/print/PrintFront.h"
#include "res/bitmaps/BitmapIds.h"
#include "res/bitmaps/FaceLayout.h"
#include "skin/FrameSkin.h"
#include "skin/SkinBitmaps.h"
#include "skin/SkinFonts.h"
#include "skin/StateBitmapButton.h"

namespace {

// The window's size where the screen allows: the chart page at about its
// sheet's width beside the luck panel.
constexpr QSize kPreferredSize{1280, 860};
// Below this the tabs have no room to be read; a smaller screen's free area
// still bounds it.
constexpr QSize kMinimumSize{720, 520};
// The skin's bands: the title band the window is dragged and maximised by,
// the control band under it and the page area's frame, as skin 257 draws them.
constexpr int kTitleBandHeight = 24;
constexpr int kControlBandTop = 32;
constexpr int kControlBandHeight = 60;
constexpr int kPageAreaTop = 96;
constexpr int kPageAreaSide = 10;
constexpr int kPageAreaFoot = 20;  // from the page area's foot to the window's
constexpr int kSizeGripSize = 16;
// The chart page shrinks to this width before the page area scrolls
// sideways, and grows no wider than kPageMaxWidth.
constexpr int kPageMinWidth = 480;
constexpr int kPageMaxWidth = 1000;
constexpr int kLuckPanelWidth = 470;
constexpr int kLuckPanelMinWidth = 440;
constexpr int kMaxPlaces = 12;  // the birthplace list shows this many at a time
constexpr char kTitleSeparator[] = " — ";

constexpr CStateBitmapButton::BitmapIds kCommandBitmaps{
    .normal = art::kCommandNormalId, .down = art::kCommandPressedId, .mask = art::kCommandMaskId};

// A command of the control band that shows a dotted ring inside its border
// while it has the focus (the command art has no focused picture).
class CCommandButton : public CStateBitmapButton {
public:
    using CStateBitmapButton::CStateBitmapButton;

protected:
    void paintEvent(QPaintEvent* event) override {
        CStateBitmapButton::paintEvent(event);
        if (!hasFocus() || !isEnabled()) return;
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::ButtonText), 1, Qt::DotLine));
        painter.drawRect(
            rect().adjusted(kFocusRingInset, kFocusRingInset, -kFocusRingInset - 1, -kFocusRingInset - 1));
    }

private:
    static constexpr int kFocusRingInset = 2;  // inside the art's two-pixel border
};

// The chart page at the width of the page area, in the sheet's proportions.
class CChartPageView : public QWidget {
public:
    CChartPageView(const chart::ChartModel& model, QWidget* parent) : QWidget(parent), m_model(model) {
        QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        policy.setHeightForWidth(true);
        setSizePolicy(policy);
        setMinimumWidth(kPageMinWidth);
        setMaximumWidth(kPageMaxWidth);
        setAccessibleName(QStringLiteral("排盘页面"));
    }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override {
        return qRound(width * pages::chartlayout::kSheetHeight / pages::chartlayout::kSheetWidth);
    }
    QSize sizeHint() const override {
        const int width = qRound(pages::chartlayout::kSheetWidth);
        return {width, heightForWidth(width)};
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        pages::PaintChartPage(painter, QRectF(rect()), m_model);
    }

private:
    const chart::ChartModel& m_model;
};

int CurrentYear() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now.wYear;
}

QLabel* BandLabel(const char* text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setBuddy(buddy);
    return label;
}

QString PillarsText(const calendar::PillarIndices& pillars) {
    QStringList names;
    for (int p : pillars) names << QString::fromStdString(chart::PillarName(p));
    return names.join(QLatin1Char(' '));
}

}  // namespace

CChartWnd::CChartWnd(const chart::BirthMoment& birth, const QString& name, const analysis::TextSource& texts,
                     QWidget* parent)
    : QWidget(parent), m_birth(birth), m_name(name), m_strTitleSubject(name), m_pTexts(&texts) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);
    resize(kPreferredSize);
    ApplyFrameRegion(this, QImage());  // frameless and translucent before the first show
    // The controls take their first values without casting a chart each.
    m_bUpdating = true;
    BuildControls();
    BuildShortcuts();
    SetTabOrder();
    m_pMinuteSpin->setValue(birth.minute);
    m_pSearchPanel->SetSex(birth.sex);
    m_bUpdating = false;
    PlaceBeside(parent);
    Recompute();
    UpdateTitle();
}

CChartWnd::~CChartWnd() = default;

void CChartWnd::BuildControls() {
    setFont(DialogFont(QStringLiteral("宋体"), 9));
    auto* comboStyle = new CCompactComboStyle();
    comboStyle->setParent(this);

    // The control band: the conventions on one row, the commands under them;
    // on a screen too narrow for it, it scrolls sideways.
    auto* bandScroll = new QScrollArea(this);
    bandScroll->setFrameShape(QFrame::NoFrame);
    bandScroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    bandScroll->setWidgetResizable(true);
    bandScroll->viewport()->setAutoFillBackground(false);
    bandScroll->setFocusPolicy(Qt::NoFocus);
    m_pBand = bandScroll;
    auto* band = new QWidget(bandScroll);
    band->setAutoFillBackground(false);
    auto* bandLayout = new QVBoxLayout(band);
    bandLayout->setContentsMargins(8, 2, 8, 2);
    bandLayout->setSpacing(4);
    auto* conventions = new QHBoxLayout;
    auto* commands = new QHBoxLayout;
    bandLayout->addLayout(conventions);
    bandLayout->addLayout(commands);

    m_pZiCombo = new QComboBox(band);
    for (chart::ZiHour zi : {chart::ZiHour::Late, chart::ZiHour::NextDay, chart::ZiHour::SameDay})
        m_pZiCombo->addItem(QString::fromUtf8(chart::ZiHourName(zi).data()), static_cast<int>(zi));
    m_pZiCombo->setAccessibleName(QStringLiteral("子时流派"));

    m_pBasisCombo = new QComboBox(band);
    m_pBasisCombo->addItem(QStringLiteral("钟表时间"));
    m_pBasisCombo->addItem(QStringLiteral("真太阳时"));
    m_pBasisCombo->setAccessibleName(QStringLiteral("排盘时间"));

    m_pPlaceCombo = new QComboBox(band);
    for (const chart::Place& place : chart::ProvincialCapitals())
        m_pPlaceCombo->addItem(
            QString::fromUtf8(place.name.data(), static_cast<qsizetype>(place.name.size())), place.longitude);
    m_pPlaceCombo->addItem(QStringLiteral("自定经度"));
    m_pPlaceCombo->setMaxVisibleItems(kMaxPlaces);
    m_pPlaceCombo->setAccessibleName(QStringLiteral("出生地"));
    m_pLongitudeSpin = new QDoubleSpinBox(band);
    m_pLongitudeSpin->setRange(-180.0, 180.0);
    m_pLongitudeSpin->setDecimals(2);
    m_pLongitudeSpin->setSuffix(QStringLiteral("°E"));
    m_pLongitudeSpin->setValue(chart::ProvincialCapitals()[0].longitude);
    m_pLongitudeSpin->setKeyboardTracking(false);
    m_pLongitudeSpin->setAccessibleName(QStringLiteral("出生地经度"));
    for (QComboBox* combo : {m_pZiCombo, m_pBasisCombo, m_pPlaceCombo}) combo->setStyle(comboStyle);

    m_pSummerBox = new QCheckBox(QStringLiteral("夏令时拨回"), band);
    m_pSummerBox->setChecked(chart::Conventions{}.dstCorrect);
    m_pSummerBox->setAccessibleName(QStringLiteral("夏令时拨回标准时间"));

    m_pMinuteSpin = new QSpinBox(band);
    m_pMinuteSpin->setRange(0, 59);
    m_pMinuteSpin->setKeyboardTracking(false);
    m_pMinuteSpin->setAccessibleName(QStringLiteral("出生分钟"));

    conventions->addWidget(BandLabel("子时", m_pZiCombo, band));
    conventions->addWidget(m_pZiCombo);
    conventions->addSpacing(10);
    conventions->addWidget(BandLabel("时间", m_pBasisCombo, band));
    conventions->addWidget(m_pBasisCombo);
    conventions->addSpacing(10);
    conventions->addWidget(BandLabel("出生地", m_pPlaceCombo, band));
    conventions->addWidget(m_pPlaceCombo);
    conventions->addWidget(m_pLongitudeSpin);
    conventions->addSpacing(10);
    conventions->addWidget(m_pSummerBox);
    conventions->addSpacing(10);
    conventions->addWidget(BandLabel("出生分钟", m_pMinuteSpin, band));
    conventions->addWidget(m_pMinuteSpin);
    conventions->addStretch(1);

    const struct {
        const char* text;
        const char* tooltip;
        void (CChartWnd::*handler)();
    } commandList[] = {
        {"打印", "打印排盘（Ctrl+P）", &CChartWnd::OnPrint},
        {"打印预览", "打印预览（Ctrl+Shift+P）", &CChartWnd::OnPreview},
        {"导出PDF", "导出为 PDF 文件（Ctrl+E）", &CChartWnd::OnExportPdf},
        {"导出图片", "导出为 PNG 图片（Ctrl+Shift+E）", &CChartWnd::OnExportPng},
    };
    for (const auto& c : commandList) {
        auto* button = new CCommandButton(band);
        button->setText(QString::fromUtf8(c.text));
        button->setFixedSize(art::kCommandButtonWidth, art::kCommandButtonHeight);
        button->SetTooltipText(QString::fromUtf8(c.tooltip));
        button->SetBitmaps(kCommandBitmaps);
        button->setAccessibleName(QString::fromUtf8(c.text));
        button->setFocusPolicy(Qt::StrongFocus);
        connect(button, &QAbstractButton::clicked, this, c.handler);
        commands->addWidget(button);
        commands->addSpacing(6);
        m_commandButtons.push_back(button);
    }
    commands->addStretch(1);
    bandScroll->setWidget(band);

    // The close button stays out of the Tab chain: Esc closes the window.
    m_pCloseButton = new CStateBitmapButton(this);
    m_pCloseButton->SetTooltipText(QStringLiteral("关闭（Esc）"));
    m_pCloseButton->SetBitmaps(
        {.normal = art::kCloseNormalId, .down = art::kClosePressedId, .mask = art::kTitleMaskId});
    m_pCloseButton->setAccessibleName(QStringLiteral("关闭"));
    m_pCloseButton->setFocusPolicy(Qt::NoFocus);
    connect(m_pCloseButton, &QAbstractButton::clicked, this, &QWidget::close);

    m_pTabs = new QTabWidget(this);
    m_pTabs->setDocumentMode(true);
    m_pTabs->setAutoFillBackground(true);
    m_pTabs->setAccessibleName(QStringLiteral("排盘、命局分析与八字反推"));
    m_pTabs->addTab(BuildChartTab(), QStringLiteral("排盘"));
    m_pAnalysisView = new QTextBrowser(m_pTabs);
    m_pAnalysisView->setAccessibleName(QStringLiteral("命局分析"));
    m_pAnalysisView->setTabChangesFocus(true);
    m_pAnalysisView->setFont(LogFont(QStringLiteral("宋体"), -15));
    m_pTabs->addTab(m_pAnalysisView, QStringLiteral("命局分析"));
    m_pSearchPanel = new CPillarSearchPanel(m_pTabs);
    m_pTabs->addTab(m_pSearchPanel, QStringLiteral("八字反推"));
    m_pTabs->setTabToolTip(kChartTab, QStringLiteral("排盘、大运、流年与流月（Ctrl+1）"));
    m_pTabs->setTabToolTip(kAnalysisTab, QStringLiteral("命局分析（Ctrl+2）"));
    m_pTabs->setTabToolTip(kSearchTab, QStringLiteral("由四柱八字查出生时段（Ctrl+3）"));

    m_pSizeGrip = new QSizeGrip(this);
    m_pSizeGrip->setFixedSize(kSizeGripSize, kSizeGripSize);
    m_pSizeGrip->setAccessibleName(QStringLiteral("调整窗口大小"));

    OnBasisChanged();
    connect(m_pZiCombo, &QComboBox::currentIndexChanged, this, &CChartWnd::Recompute);
    connect(m_pBasisCombo, &QComboBox::currentIndexChanged, this, &CChartWnd::OnBasisChanged);
    connect(m_pPlaceCombo, &QComboBox::currentIndexChanged, this, &CChartWnd::OnPlaceChanged);
    connect(m_pLongitudeSpin, &QDoubleSpinBox::valueChanged, this, &CChartWnd::OnLongitudeEdited);
    connect(m_pSummerBox, &QCheckBox::toggled, this, &CChartWnd::Recompute);
    connect(m_pMinuteSpin, &QSpinBox::valueChanged, this, &CChartWnd::Recompute);
    connect(m_pLuckPanel, &CLuckPanel::luckPicked, this, &CChartWnd::PickLuck);
    connect(m_pLuckPanel, &CLuckPanel::yearPicked, this, &CChartWnd::PickYear);
    connect(m_pSearchPanel, &CPillarSearchPanel::castRequested, this, &CChartWnd::OnCastRequested);
}

// The chart tab: the page, scrolled and scaled to the area's width, beside
// the luck panel.
QWidget* CChartWnd::BuildChartTab() {
    m_pSplitter = new QSplitter(Qt::Horizontal);
    m_pSplitter->setChildrenCollapsible(false);

    m_pScroll = new QScrollArea(m_pSplitter);
    m_pScroll->setFrameShape(QFrame::NoFrame);
    m_pScroll->setWidgetResizable(true);
    m_pScroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_pScroll->setFocusPolicy(Qt::StrongFocus);
    m_pScroll->setAccessibleName(QStringLiteral("排盘页面"));
    QPalette white = m_pScroll->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_pScroll->setPalette(white);
    m_pScroll->setAutoFillBackground(true);
    m_pPageView = new CChartPageView(m_model, m_pScroll);
    m_pScroll->setWidget(m_pPageView);

    m_pLuckScroll = new QScrollArea(m_pSplitter);
    m_pLuckScroll->setFrameShape(QFrame::NoFrame);
    m_pLuckScroll->setWidgetResizable(true);
    m_pLuckScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_pLuckScroll->setFocusPolicy(Qt::NoFocus);
    m_pLuckPanel = new CLuckPanel(m_pLuckScroll);
    m_pLuckPanel->setMinimumWidth(kLuckPanelMinWidth);
    m_pLuckScroll->setWidget(m_pLuckPanel);

    m_pSplitter->addWidget(m_pScroll);
    m_pSplitter->addWidget(m_pLuckScroll);
    m_pSplitter->setStretchFactor(0, 1);
    m_pSplitter->setStretchFactor(1, 0);
    m_pSplitter->setSizes({kPreferredSize.width() - kLuckPanelWidth, kLuckPanelWidth});
    return m_pSplitter;
}

void CChartWnd::BuildShortcuts() {
    const struct {
        QKeySequence keys;
        void (CChartWnd::*handler)();
    } shortcuts[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_P), &CChartWnd::OnPrint},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), &CChartWnd::OnPreview},
        {QKeySequence(Qt::CTRL | Qt::Key_E), &CChartWnd::OnExportPdf},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E), &CChartWnd::OnExportPng},
    };
    for (const auto& s : shortcuts)
        connect(new QShortcut(s.keys, this), &QShortcut::activated, this, s.handler);
    const Qt::Key tabKeys[] = {Qt::Key_1, Qt::Key_2, Qt::Key_3};
    for (int tab = kChartTab; tab <= kSearchTab; ++tab)
        connect(new QShortcut(QKeySequence(Qt::CTRL | tabKeys[tab]), this), &QShortcut::activated, this,
                [this, tab] { m_pTabs->setCurrentIndex(tab); });
}

// Tab runs in reading order: the conventions left to right, the commands,
// the tabs, then the open tab's contents top to bottom, left to right.
void CChartWnd::SetTabOrder() {
    std::vector<QWidget*> chain = {m_pZiCombo,       m_pBasisCombo, m_pPlaceCombo,
                                   m_pLongitudeSpin, m_pSummerBox,  m_pMinuteSpin};
    chain.insert(chain.end(), m_commandButtons.begin(), m_commandButtons.end());
    chain.push_back(m_pTabs);
    chain.push_back(m_pScroll);
    chain.push_back(m_pLuckPanel->LuckStrip());
    chain.push_back(m_pLuckPanel->YearStrip());
    chain.push_back(m_pLuckPanel->MonthTable());
    chain.push_back(m_pLuckPanel->Judgement());
    chain.push_back(m_pAnalysisView);
    const CPillarSearchPanel& search = *m_pSearchPanel;
    chain.insert(chain.end(), {search.PillarsEdit(), search.FromSpin(), search.ToSpin(), search.SexCombo(),
                               search.SearchButton(), search.Results(), search.CastButton()});
    for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void CChartWnd::SetBirth(const chart::BirthMoment& birth, const QString& name) {
    ShowBirth(birth, name, name);
}

void CChartWnd::ShowBirth(const chart::BirthMoment& birth, const QString& name, const QString& title) {
    m_birth = birth;
    m_name = name;
    m_strTitleSubject = title;
    m_year = 0;  // a new birth is shown from the present year
    m_bUpdating = true;
    m_pMinuteSpin->setValue(birth.minute);
    m_pSearchPanel->SetSex(birth.sex);
    m_bUpdating = false;
    Recompute();
    UpdateTitle();
}

void CChartWnd::SetConventions(int minute, const chart::Conventions& conventions, const QString& place) {
    const bool updating = m_bUpdating;
    m_bUpdating = true;
    m_pMinuteSpin->setValue(minute);
    SetConventionControls(conventions, place);
    m_bUpdating = updating;
    Recompute();
}

void CChartWnd::SetConventionControls(const chart::Conventions& conventions, const QString& place) {
    const bool updating = m_bUpdating;
    m_bUpdating = true;
    m_pZiCombo->setCurrentIndex(std::max(0, m_pZiCombo->findData(static_cast<int>(conventions.zi))));
    m_pSummerBox->setChecked(conventions.dstCorrect);
    m_pBasisCombo->setCurrentIndex(conventions.longitude ? 1 : 0);
    if (conventions.longitude) {
        // A capital only by its name and at its own longitude; else the
        // longitude stands as typed in.
        const int named = m_pPlaceCombo->findText(place);
        const int custom = m_pPlaceCombo->count() - 1;
        const bool capital = named >= 0 && named < custom &&
                             m_pPlaceCombo->itemData(named).toDouble() == *conventions.longitude;
        m_pPlaceCombo->setCurrentIndex(capital ? named : custom);
        m_pLongitudeSpin->setValue(*conventions.longitude);
    }
    EnablePlaceControls();
    m_bUpdating = updating;
}

chart::Conventions CChartWnd::ConventionsNow() const {
    chart::Conventions conventions;
    conventions.zi = static_cast<chart::ZiHour>(m_pZiCombo->currentData().toInt());
    if (m_pBasisCombo->currentIndex() == 1) conventions.longitude = m_pLongitudeSpin->value();
    conventions.dstCorrect = m_pSummerBox->isChecked();
    return conventions;
}

void CChartWnd::SetTextSource(const analysis::TextSource& texts) {
    m_pTexts = &texts;
    Reanalyse();
}

chart::ModelInput CChartWnd::ModelInputNow() const {
    chart::ModelInput input;
    input.name = m_name.toStdString();
    if (m_pBasisCombo->currentIndex() == 1 && m_pPlaceCombo->currentIndex() < m_pPlaceCombo->count() - 1)
        input.place = m_pPlaceCombo->currentText().toStdString();
    input.currentYear = CurrentYear();
    return input;
}

void CChartWnd::Recompute() {
    if (m_bUpdating) return;
    chart::BirthMoment birth = m_birth;
    birth.minute = m_pMinuteSpin->value();
    const chart::Conventions conventions = ConventionsNow();
    if (const std::string error = chart::CheckBirth(birth, conventions); !error.empty()) {
        ShowMessageBox(this, QStringLiteral("无法排盘：") + QString::fromStdString(error));
        return;
    }
    m_birth.minute = birth.minute;
    m_chart = chart::ComputeChart(birth, conventions);
    m_model = chart::MakeChartModel(m_chart, ModelInputNow());
    PickAfterRecast();
}

// After a new cast the year picked stays picked where the new luck still
// holds it; a new birth starts from the present year. A year no luck holds
// gives the model's own luck pillar (the present's, or the nearest).
void CChartWnd::PickAfterRecast() {
    const int year = m_year != 0 ? m_year : CurrentYear();
    for (int luck = m_model.xiaoyun.empty() ? 0 : kXiaoYunLuck; luck < static_cast<int>(m_model.luck.size());
         ++luck) {
        const std::vector<int> years = YearsOfLuck(luck);
        if (std::find(years.begin(), years.end(), year) != years.end()) {
            PickLuckAndYear(luck, year);
            return;
        }
    }
    PickLuck(m_model.shownLuck);
}

std::vector<int> CChartWnd::YearsOfLuck(int luck) const {
    std::vector<int> years;
    if (luck == kXiaoYunLuck) {
        for (const chart::XiaoYunText& x : m_model.xiaoyun) years.push_back(x.year);
    } else if (luck >= 0 && luck < static_cast<int>(m_model.luck.size())) {
        for (const chart::YearText& y : m_model.luck[static_cast<std::size_t>(luck)].years)
            years.push_back(y.year);
    }
    return years;
}

void CChartWnd::PickLuck(int luck) {
    PickLuckAndYear(luck, 0);
}

// Picks a luck pillar and `year` among its years; 0, or a year it does not
// hold, picks the present year if it holds it, else its first.
void CChartWnd::PickLuckAndYear(int luck, int year) {
    const std::vector<int> years = YearsOfLuck(luck);
    if (years.empty()) return;
    m_luck = luck;
    // The page shows this luck pillar's years and marks the present among them.
    const auto present = std::find(years.begin(), years.end(), CurrentYear());
    if (luck >= 0) {
        m_model.shownLuck = luck;
        m_model.currentYear = present == years.end() ? -1 : static_cast<int>(present - years.begin());
    }
    if (std::find(years.begin(), years.end(), year) == years.end())
        year = present == years.end() ? years.front() : *present;
    PickYear(year);
}

void CChartWnd::PickYear(int year) {
    m_year = year;
    Reanalyse();
    if (m_pPageView) m_pPageView->update();
}

// The analysis of the chart shown, with this year, the next two and the
// year picked; its face in the analysis tab and the picked year's judgement
// in the luck panel.
void CChartWnd::Reanalyse() {
    const int now = CurrentYear();
    std::vector<int> years = {now, now + 1, now + 2};
    if (std::find(years.begin(), years.end(), m_year) == years.end()) years.push_back(m_year);
    std::sort(years.begin(), years.end());
    try {
        m_analysis = analysis::Analyze(m_chart, years, *m_pTexts);
        m_strAnalysisError.clear();
    } catch (const std::exception& e) {
        m_analysis.reset();
        m_strAnalysisError = QStringLiteral("命局分析未能完成：") + QString::fromUtf8(e.what());
    }
    const int scrolled = m_pAnalysisView->verticalScrollBar()->value();
    m_pAnalysisView->setHtml(m_analysis ? chartwnd::AnalysisHtml(*m_analysis)
                                        : m_strAnalysisError.toHtmlEscaped());
    m_pAnalysisView->verticalScrollBar()->setValue(scrolled);
    ShowLuckPanel();
}

void CChartWnd::ShowLuckPanel() {
    QString judgement = m_strAnalysisError.toHtmlEscaped();
    if (m_analysis) {
        for (const analysis::FortuneFinding& f : m_analysis->years)
            if (f.year == m_year) judgement = chartwnd::FortuneHtml(f);
    }
    m_pLuckPanel->Show(m_model, m_chart.birth.year, CurrentYear(), m_luck, m_year, judgement);
}

void CChartWnd::OnBasisChanged() {
    EnablePlaceControls();
    Recompute();
}

// The birthplace matters only for true solar time.
void CChartWnd::EnablePlaceControls() {
    const bool trueSolar = m_pBasisCombo->currentIndex() == 1;
    m_pPlaceCombo->setEnabled(trueSolar);
    m_pLongitudeSpin->setEnabled(trueSolar);
}

void CChartWnd::OnPlaceChanged() {
    const int index = m_pPlaceCombo->currentIndex();
    if (index >= 0 && index < m_pPlaceCombo->count() - 1) {
        const bool updating = m_bUpdating;
        m_bUpdating = true;
        m_pLongitudeSpin->setValue(m_pPlaceCombo->itemData(index).toDouble());
        m_bUpdating = updating;
    }
    Recompute();
}

void CChartWnd::OnLongitudeEdited() {
    if (m_bUpdating) return;
    // A longitude typed in is no capital's any more.
    m_bUpdating = true;
    const int custom = m_pPlaceCombo->count() - 1;
    const int index = m_pPlaceCombo->currentIndex();
    if (index != custom && m_pPlaceCombo->itemData(index).toDouble() != m_pLongitudeSpin->value())
        m_pPlaceCombo->setCurrentIndex(custom);
    m_bUpdating = false;
    Recompute();
}

// A window found by 八字反推 is cast for its first whole minute, as the
// clock showed it, under the school it needs; its chart is no saved
// person's, and the title says so by naming the pillars.
void CChartWnd::OnCastRequested(const calendar::BirthWindow& window, const calendar::PillarIndices& pillars,
                                chart::Sex sex) {
    const std::optional<chartwnd::WindowCast> cast =
        chartwnd::CastOfWindow(window, pillars, sex, ConventionsNow());
    if (!cast) {
        m_pSearchPanel->ShowStatus(QStringLiteral("此时段不足一整分钟，无法按分钟排盘。"), true);
        return;
    }
    SetConventionControls(cast->conventions, QString());
    ShowBirth(cast->birth, QString(), QStringLiteral("反推 ") + PillarsText(pillars));
    m_pTabs->setCurrentIndex(kChartTab);
}

void CChartWnd::UpdateTitle() {
    const QString caption = QString::fromUtf8(kChartCaption);
    setWindowTitle(m_strTitleSubject.isEmpty()
                       ? caption
                       : caption + QString::fromUtf8(kTitleSeparator) + m_strTitleSubject);
    update(QRect(0, 0, width(), kTitleBandHeight));
}

void CChartWnd::PlaceBeside(const QWidget* owner) {
    const QRect available = chartwnd::AvailableAround(owner);
    if (available.isEmpty()) return;
    setMinimumSize(kMinimumSize.boundedTo(available.size()).expandedTo(chartwnd::kSmallestFace));
    const QRect ownerRect = owner ? owner->window()->frameGeometry() : QRect();
    setGeometry(chartwnd::PlaceOnScreen(ownerRect, kPreferredSize, available));
}

QString CChartWnd::SuggestedFileName(const char* suffix) const {
    // The print's name, with the file's own suffix.
    QString name = print::PdfFileName(m_name, QDate(m_birth.year, m_birth.month, m_birth.day),
                                      QString::fromUtf8(print::kChartFileKind));
    name.chop(QStringLiteral("pdf").size());
    return name + QString::fromLatin1(suffix);
}

QString CChartWnd::ProposedPrintFile() const {
    return print::ProposedPdfPath(m_name, QDate(m_birth.year, m_birth.month, m_birth.day),
                                  QString::fromUtf8(print::kChartFileKind));
}

// The pages the window prints and writes: the chart as the window shows it, then its analysis.
std::vector<pages::PagePainter> CChartWnd::Document() const {
    return pages::ChartDocument(m_model, AnalysisShown());
}

bool CChartWnd::ExportPdf(const QString& path, QString* error) const {
    return pages::WritePdf(pages::NativePath(path), Document(), error);
}

bool CChartWnd::ExportPng(const QString& path, QString* error) const {
    return pages::WritePng(pages::NativePath(path), Document(), error);
}

void CChartWnd::OnExportPdf() {
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("导出 PDF"),
                                                      dir + QLatin1Char('/') + SuggestedFileName("pdf"),
                                                      QStringLiteral("PDF 文件 (*.pdf)"));
    if (path.isEmpty()) return;
    QString error;
    if (!ExportPdf(path, &error)) ShowWriteFailure(this, path, error);
}

void CChartWnd::OnExportPng() {
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("导出图片"),
                                                      dir + QLatin1Char('/') + SuggestedFileName("png"),
                                                      QStringLiteral("PNG 图片 (*.png)"));
    if (path.isEmpty()) return;
    QString error;
    if (!ExportPng(path, &error)) ShowWriteFailure(this, path, error);
}

void CChartWnd::OnPrint() {
    print::PrintWithDialog(m_pPreview ? static_cast<QWidget*>(m_pPreview.data()) : this, *this,
                           ProposedPrintFile());
}

CViewPrintPreview* CChartWnd::Preview() const {
    return m_pPreview.data();
}

void CChartWnd::OnPreview() {
    print::OpenPreview(this, *this, m_pPreview, ProposedPrintFile());
}

// A job prints the document as the window shows it when the job begins.
void CChartWnd::OnBeginPrinting(QPainter* pDC, CPrintInfo* pInfo) {
    m_document.emplace(Document());
    m_document->OnBeginPrinting(pDC, pInfo);
}

void CChartWnd::OnPrint(QPainter* pDC, CPrintInfo* pInfo) {
    if (m_document) m_document->OnPrint(pDC, pInfo);
}

void CChartWnd::OnEndPrinting(QPainter* pDC, CPrintInfo* pInfo) {
    if (m_document) m_document->OnEndPrinting(pDC, pInfo);
    m_document.reset();
}

void CChartWnd::UpdateFace() {
    m_face = chartwnd::ComposeChartFace(LoadBitmapResource(art::kChartFaceId, devicePixelRatioF()), size());
    ApplyFrameRegion(this, m_face);
}

void CChartWnd::paintEvent(QPaintEvent* /*event*/) {
    if (m_face.isNull() || m_face.devicePixelRatio() != devicePixelRatioF()) UpdateFace();
    QPainter painter(this);
    PaintFrameBackground(this, painter, m_face, windowTitle());
}

void CChartWnd::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int w = width(), h = height();
    // A band too narrow for its controls scrolls sideways; its scroll bar
    // goes under the controls, not over the commands, and the tabs move down.
    const int bandWidth = w - 2 * (kPageAreaSide - 2);
    const int scrollBar = m_pBand->widget()->minimumSizeHint().width() > bandWidth
                              ? m_pBand->horizontalScrollBar()->sizeHint().height()
                              : 0;
    m_pBand->setGeometry(kPageAreaSide - 2, kControlBandTop, bandWidth, kControlBandHeight + scrollBar);
    const int tabsTop = kPageAreaTop + scrollBar;
    m_pTabs->setGeometry(kPageAreaSide, tabsTop, w - 2 * kPageAreaSide, h - tabsTop - kPageAreaFoot);
    m_pCloseButton->setGeometry(w - (art::kChartFaceWidth - art::kChartFaceCloseButton.x),
                                art::kChartFaceCloseButton.y, art::kChartFaceCloseButton.w,
                                art::kChartFaceCloseButton.h);
    m_pSizeGrip->move(w - kSizeGripSize, h - kSizeGripSize);
    m_pSizeGrip->raise();
    UpdateFace();
}

void CChartWnd::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && DragFrame(this, event)) {
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

// A double click on the title band maximises the window, or gives it back its size.
void CChartWnd::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && event->position().y() < kTitleBandHeight) {
        if (isMaximized())
            showNormal();
        else
            showMaximized();
        event->accept();
        return;
    }
    QWidget::mouseDoubleClickEvent(event);
}

void CChartWnd::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}
