// CChartWnd: the chart window, painted with skin 257 and its caption.
#include "app/chart/ChartWnd.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QSpinBox>
#include <QStandardPaths>

#include "Clock.h"
#include "app/MessageBox.h"
#include "app/pages/ChartPage.h"
#include "app/pages/ChartPageLayout.h"
#include "app/pages/PageWriter.h"
#include "app/pages/ReplaceFile.h"
#include "app/print/PrintFront.h"
#include "res/bitmaps/BitmapIds.h"
#include "res/bitmaps/FaceLayout.h"
#include "skin/FrameSkin.h"
#include "skin/SkinBitmaps.h"
#include "skin/SkinFonts.h"
#include "skin/StateBitmapButton.h"

namespace {

// The page as it stands in the window: 820 pixels wide.
constexpr int kViewPageWidth = 820;

constexpr CStateBitmapButton::BitmapIds kCommandBitmaps{
    .normal = art::kCommandNormalId, .down = art::kCommandPressedId, .mask = art::kCommandMaskId};

QRect FaceRect(const art::PixelRect& r) {
    return QRect(r.x, r.y, r.w, r.h);
}

// The page widget inside the scroll area: the chart page at the view's width.
class CChartPageView : public QWidget {
public:
    explicit CChartPageView(const chart::ChartModel& model, QWidget* parent)
        : QWidget(parent), m_model(model) {
        setFixedSize(kViewPageWidth, qRound(kViewPageWidth * pages::chartlayout::kSheetHeight /
                                            pages::chartlayout::kSheetWidth));
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

}  // namespace

CChartWnd::CChartWnd(const chart::BirthMoment& birth, const QString& name, QWidget* parent)
    : QWidget(parent), m_birth(birth), m_name(name) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8(kChartCaption));
    setFixedSize(art::kChartFaceWidth, art::kChartFaceHeight);
    ApplyFrameRegion(this, LoadBitmapResource(art::kChartFaceId));
    // The controls take their first values without casting a chart each.
    m_bUpdating = true;
    BuildControls();
    m_pMinuteSpin->setValue(birth.minute);
    m_bUpdating = false;
    Recompute();
}

CChartWnd::~CChartWnd() = default;

void CChartWnd::BuildControls() {
    setFont(DialogFont(QStringLiteral("宋体"), 9));
    const int row1 = 38, row2 = 68, h = 22;
    auto label = [this](const char* text, int x, int y, int w) {
        auto* l = new QLabel(QString::fromUtf8(text), this);
        l->setGeometry(x, y, w, h);
        return l;
    };
    label("子时", 16, row1, 30);
    m_pZiCombo = new QComboBox(this);
    for (chart::ZiHour zi : {chart::ZiHour::Late, chart::ZiHour::NextDay, chart::ZiHour::SameDay})
        m_pZiCombo->addItem(QString::fromUtf8(chart::ZiHourName(zi).data()), static_cast<int>(zi));
    m_pZiCombo->setGeometry(48, row1, 104, h);

    label("时间", 166, row1, 30);
    m_pBasisCombo = new QComboBox(this);
    m_pBasisCombo->addItem(QStringLiteral("钟表时间"));
    m_pBasisCombo->addItem(QStringLiteral("真太阳时"));
    m_pBasisCombo->setGeometry(198, row1, 92, h);

    label("出生地", 304, row1, 44);
    m_pPlaceCombo = new QComboBox(this);
    for (const chart::Place& place : chart::ProvincialCapitals())
        m_pPlaceCombo->addItem(
            QString::fromUtf8(place.name.data(), static_cast<qsizetype>(place.name.size())), place.longitude);
    m_pPlaceCombo->addItem(QStringLiteral("自定经度"));
    m_pPlaceCombo->setMaxVisibleItems(12);
    m_pPlaceCombo->setGeometry(350, row1, 92, h);
    m_pLongitudeSpin = new QDoubleSpinBox(this);
    m_pLongitudeSpin->setRange(-180.0, 180.0);
    m_pLongitudeSpin->setDecimals(2);
    m_pLongitudeSpin->setSuffix(QStringLiteral("°E"));
    m_pLongitudeSpin->setValue(chart::ProvincialCapitals()[0].longitude);
    m_pLongitudeSpin->setGeometry(448, row1, 96, h);
    m_pLongitudeSpin->setKeyboardTracking(false);

    m_pSummerBox = new QCheckBox(QStringLiteral("夏令时拨回"), this);
    m_pSummerBox->setGeometry(560, row1, 100, h);
    m_pSummerBox->setChecked(chart::Conventions{}.dstCorrect);

    label("出生分钟", 672, row1, 58);
    m_pMinuteSpin = new QSpinBox(this);
    m_pMinuteSpin->setRange(0, 59);
    m_pMinuteSpin->setGeometry(732, row1, 56, h);
    m_pMinuteSpin->setKeyboardTracking(false);

    const struct {
        const char* text;
        const char* tooltip;
        void (CChartWnd::*handler)();
    } commands[] = {
        {"打印", "打印排盘", &CChartWnd::OnPrint},
        {"打印预览", "打印预览", &CChartWnd::OnPreview},
        {"导出PDF", "导出为 PDF 文件", &CChartWnd::OnExportPdf},
        {"导出图片", "导出为 PNG 图片", &CChartWnd::OnExportPng},
    };
    int x = 16;
    for (const auto& c : commands) {
        auto* button = new CStateBitmapButton(this);
        button->setText(QString::fromUtf8(c.text));
        button->setGeometry(x, row2, art::kCommandButtonWidth, art::kCommandButtonHeight);
        button->SetTooltipText(QString::fromUtf8(c.tooltip));
        button->SetBitmaps(kCommandBitmaps);
        connect(button, &QAbstractButton::clicked, this, c.handler);
        x += art::kCommandButtonWidth + 10;
    }

    m_pCloseButton = new CStateBitmapButton(this);
    m_pCloseButton->setGeometry(FaceRect(art::kChartFaceCloseButton));
    m_pCloseButton->SetTooltipText(QStringLiteral("关闭"));
    m_pCloseButton->SetBitmaps(
        {.normal = art::kCloseNormalId, .down = art::kClosePressedId, .mask = art::kTitleMaskId});
    connect(m_pCloseButton, &QAbstractButton::clicked, this, &QWidget::close);

    m_pScroll = new QScrollArea(this);
    m_pScroll->setGeometry(FaceRect(art::kChartFacePageArea));
    m_pScroll->setFrameShape(QFrame::NoFrame);
    m_pScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pScroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette white = m_pScroll->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_pScroll->setPalette(white);
    m_pScroll->setAutoFillBackground(true);
    m_pPageView = new CChartPageView(m_model, m_pScroll);
    m_pScroll->setWidget(m_pPageView);

    OnBasisChanged();
    connect(m_pZiCombo, &QComboBox::currentIndexChanged, this, &CChartWnd::Recompute);
    connect(m_pBasisCombo, &QComboBox::currentIndexChanged, this, &CChartWnd::OnBasisChanged);
    connect(m_pPlaceCombo, &QComboBox::currentIndexChanged, this, &CChartWnd::OnPlaceChanged);
    connect(m_pLongitudeSpin, &QDoubleSpinBox::valueChanged, this, &CChartWnd::OnLongitudeEdited);
    connect(m_pSummerBox, &QCheckBox::toggled, this, &CChartWnd::Recompute);
    connect(m_pMinuteSpin, &QSpinBox::valueChanged, this, &CChartWnd::Recompute);
}

void CChartWnd::SetBirth(const chart::BirthMoment& birth, const QString& name) {
    m_birth = birth;
    m_name = name;
    m_bUpdating = true;
    m_pMinuteSpin->setValue(birth.minute);
    m_bUpdating = false;
    Recompute();
}

void CChartWnd::SetConventions(int minute, const chart::Conventions& conventions, const QString& place) {
    {
        const QSignalBlocker blockers[] = {QSignalBlocker(m_pMinuteSpin),    QSignalBlocker(m_pZiCombo),
                                           QSignalBlocker(m_pBasisCombo),    QSignalBlocker(m_pPlaceCombo),
                                           QSignalBlocker(m_pLongitudeSpin), QSignalBlocker(m_pSummerBox)};
        m_pMinuteSpin->setValue(minute);
        m_pZiCombo->setCurrentIndex(std::max(0, m_pZiCombo->findData(static_cast<int>(conventions.zi))));
        m_pBasisCombo->setCurrentIndex(conventions.longitude ? 1 : 0);
        if (conventions.longitude) {
            // A capital only at its own longitude; else the longitude typed in.
            const int named = m_pPlaceCombo->findText(place);
            const int custom = m_pPlaceCombo->count() - 1;
            const bool capital = named >= 0 && named < custom &&
                                 m_pPlaceCombo->itemData(named).toDouble() == *conventions.longitude;
            m_pPlaceCombo->setCurrentIndex(capital ? named : custom);
            m_pLongitudeSpin->setValue(*conventions.longitude);
        }
        m_pSummerBox->setChecked(conventions.dstCorrect);
    }
    OnBasisChanged();  // enables the place's controls and casts
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
    chart::Conventions conventions;
    conventions.zi = static_cast<chart::ZiHour>(m_pZiCombo->currentData().toInt());
    if (m_pBasisCombo->currentIndex() == 1) conventions.longitude = m_pLongitudeSpin->value();
    conventions.dstCorrect = m_pSummerBox->isChecked();
    if (const std::string error = chart::CheckBirth(birth, conventions); !error.empty()) {
        ShowMessageBox(this, QStringLiteral("无法排盘：") + QString::fromStdString(error));
        return;
    }
    m_birth.minute = birth.minute;
    m_chart = chart::ComputeChart(birth, conventions);
    m_model = chart::MakeChartModel(m_chart, ModelInputNow());
    if (m_pPageView) m_pPageView->update();
}

void CChartWnd::OnBasisChanged() {
    const bool trueSolar = m_pBasisCombo->currentIndex() == 1;
    m_pPlaceCombo->setEnabled(trueSolar);
    m_pLongitudeSpin->setEnabled(trueSolar);
    Recompute();
}

void CChartWnd::OnPlaceChanged() {
    const int index = m_pPlaceCombo->currentIndex();
    if (index >= 0 && index < m_pPlaceCombo->count() - 1) {
        m_bUpdating = true;
        m_pLongitudeSpin->setValue(m_pPlaceCombo->itemData(index).toDouble());
        m_bUpdating = false;
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

QString CChartWnd::SuggestedFileName(const char* suffix) const {
    QString name = m_name;
    for (QChar bad : QStringLiteral("/\\:*?\"<>|")) name.remove(bad);
    if (name.isEmpty()) name = QStringLiteral("八字");
    return name +
           QStringLiteral("-%1%2%3-排盘.")
               .arg(m_birth.year, 4, 10, QLatin1Char('0'))
               .arg(m_birth.month, 2, 10, QLatin1Char('0'))
               .arg(m_birth.day, 2, 10, QLatin1Char('0')) +
           QString::fromLatin1(suffix);
}

bool CChartWnd::ExportPdf(const QString& path, QString* error) const {
    return pages::WritePdf(pages::NativePath(path), pages::ChartPagePainters(m_model), error);
}

bool CChartWnd::ExportPng(const QString& path, QString* error) const {
    return pages::WritePng(pages::NativePath(path), pages::ChartPagePainters(m_model), error);
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
    print::PrintWithDialog(m_pPreview ? static_cast<QWidget*>(m_pPreview.data()) : this, *this);
}

CViewPrintPreview* CChartWnd::Preview() const {
    return m_pPreview.data();
}

void CChartWnd::OnPreview() {
    print::OpenPreview(this, *this, m_pPreview);
}

void CChartWnd::OnBeginPrinting(QPainter* /*pDC*/, CPrintInfo* pInfo) {
    if (pInfo == nullptr) return;
    pInfo->maxPage = pages::ChartPageCount(m_model);  // the natal chart, then the luck
    pInfo->currentPage = 1;
}

void CChartWnd::OnPrint(QPainter* pDC, CPrintInfo* pInfo) {
    if (pDC == nullptr || pInfo == nullptr) return;
    pages::PaintChartPage(*pDC, QRectF(pInfo->drawRect), m_model, pInfo->currentPage - 1);
}

void CChartWnd::OnEndPrinting(QPainter* /*pDC*/, CPrintInfo* /*pInfo*/) {}

void CChartWnd::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    PaintFrameBackground(this, painter, LoadBitmapResource(art::kChartFaceId),
                         QString::fromUtf8(kChartCaption));
}

void CChartWnd::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && DragFrame(this, event)) {
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}
