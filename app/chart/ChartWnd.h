// CChartWnd: the chart window (八字排盘与大运), a skinned, resizable window
// beside the main form. Its tabs show the chart page of one birth with the
// luck pillars, years and months to click (排盘), the analysis of that chart
// (命局分析), and 八字反推, whose results cast their own charts. The controls
// above set the conventions the chart is cast under and the birth minute; any
// change recomputes the chart and its analysis at once. It prints, previews
// and exports the chart's pages.
#pragma once

#include <QPointer>
#include <QWidget>
#include <optional>

#include "Analysis.h"
#include "Chart.h"
#include "ChartModel.h"
#include "PillarSearch.h"
#include "app/pages/PageSource.h"

class CLuckPanel;
class CPillarSearchPanel;
class CStateBitmapButton;
class CViewPrintPreview;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QScrollArea;
class QSizeGrip;
class QSpinBox;
class QSplitter;
class QTabWidget;
class QTextBrowser;

inline constexpr char kChartCaption[] = "八字排盘与大运";

class CChartWnd : public QWidget, public CPrintPageSource {
    Q_OBJECT
public:
    // The tabs, in their order.
    enum Tab { kChartTab, kAnalysisTab, kSearchTab };

    // The window of `birth`'s chart under the default conventions (its
    // minute goes into the minute field); `name` may be empty. The analysis
    // paragraphs come from `texts`, which must outlive the window or be
    // replaced first (SetTextSource). The window opens beside `parent` on
    // its screen (PlaceBeside).
    CChartWnd(const chart::BirthMoment& birth, const QString& name, const analysis::TextSource& texts,
              QWidget* parent = nullptr);
    ~CChartWnd() override;

    // Shows the chart of a new birth (its minute goes into the minute field);
    // the conventions stay as they are set. `name` may be empty.
    void SetBirth(const chart::BirthMoment& birth, const QString& name);
    // Casts with the birth minute `minute` and `conventions`, the birthplace
    // named `place` chosen when it is one of the list's and lies at the
    // conventions' longitude (else the longitude stands as typed in, as
    // 自定经度): what a saved person brings with it. One recomputation.
    void SetConventions(int minute, const chart::Conventions& conventions, const QString& place);
    // The conventions the controls give.
    chart::Conventions ConventionsNow() const;
    // Analyses with `texts` from now on (the database was opened again).
    void SetTextSource(const analysis::TextSource& texts);

    // Reads the controls and casts the chart again. When the controls give a
    // birth the engine refuses (true solar time moving it out of the
    // calendar's years), the previous chart stays and a message says why.
    void Recompute();

    // Sizes the window to the free area of `owner`'s screen (at most its
    // preferred size) and puts it beside `owner`, wholly on that screen.
    void PlaceBeside(const QWidget* owner);

    const chart::Chart& Chart() const { return m_chart; }
    // The chart as its page shows it (with the luck pillar picked).
    const chart::ChartModel& Model() const { return m_model; }
    // The analysis shown; null when it could not be made (AnalysisError says why).
    const analysis::Analysis* AnalysisShown() const { return m_analysis ? &*m_analysis : nullptr; }
    QString AnalysisError() const { return m_strAnalysisError; }
    // The name, the birthplace chosen and the current year the model is made with.
    chart::ModelInput ModelInputNow() const;

    // The luck pillar picked (an index into the model's luck, or kXiaoYunLuck)
    // and the year picked; picking one shows its years, months and judgement,
    // as a click in the luck panel does.
    int PickedLuck() const { return m_luck; }
    int PickedYear() const { return m_year; }
    void PickLuck(int luck);
    void PickYear(int year);

    // The controls, for the tests.
    QComboBox* ZiCombo() const { return m_pZiCombo; }
    QComboBox* BasisCombo() const { return m_pBasisCombo; }
    QComboBox* PlaceCombo() const { return m_pPlaceCombo; }
    QDoubleSpinBox* LongitudeSpin() const { return m_pLongitudeSpin; }
    QCheckBox* SummerBox() const { return m_pSummerBox; }
    QSpinBox* MinuteSpin() const { return m_pMinuteSpin; }
    QWidget* PageView() const { return m_pPageView; }
    QTabWidget* Tabs() const { return m_pTabs; }
    CLuckPanel* LuckPanel() const { return m_pLuckPanel; }
    CPillarSearchPanel* SearchPanel() const { return m_pSearchPanel; }
    QTextBrowser* AnalysisView() const { return m_pAnalysisView; }
    // 打印, 打印预览, 导出PDF, 导出图片.
    const std::vector<CStateBitmapButton*>& CommandButtons() const { return m_commandButtons; }

    // The commands: the print dialog and one job; the preview; the exports
    // through a file dialog. ExportPdf/ExportPng write `path` directly and
    // say what went wrong in `error`.
    void OnPrint();
    void OnPreview();
    void OnExportPdf();
    void OnExportPng();
    bool ExportPdf(const QString& path, QString* error) const;
    bool ExportPng(const QString& path, QString* error) const;
    // "<name>-<yyyy-MM-dd>-排盘.<suffix>" for the birth shown, the name as
    // the form's print names it: a "/" turned full-width so the file stays
    // in its folder, control characters blank, 未命名 for no name.
    QString SuggestedFileName(const char* suffix) const;
    // The file the print dialog proposes: the print's name in the documents folder.
    QString ProposedPrintFile() const;
    CViewPrintPreview* Preview() const;

    // The page callbacks of a print job: the chart document's pages in the
    // printer's device units.
    void OnBeginPrinting(QPainter* pDC, CPrintInfo* pInfo) override;
    void OnPrint(QPainter* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(QPainter* pDC, CPrintInfo* pInfo) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildControls();
    QWidget* BuildChartTab();
    void BuildShortcuts();
    void SetTabOrder();
    void SetConventionControls(const chart::Conventions& conventions, const QString& place);
    void EnablePlaceControls();
    void OnBasisChanged();
    void OnPlaceChanged();
    void OnLongitudeEdited();
    void OnCastRequested(const calendar::BirthWindow& window, const calendar::PillarIndices& pillars,
                         chart::Sex sex);
    void ShowBirth(const chart::BirthMoment& birth, const QString& name, const QString& title);
    void UpdateTitle();
    void UpdateFace();
    void PickAfterRecast();
    void PickLuckAndYear(int luck, int year);
    void Reanalyse();
    void ShowLuckPanel();
    std::vector<pages::PagePainter> Document() const;
    std::vector<int> YearsOfLuck(int luck) const;

    chart::BirthMoment m_birth;
    QString m_name;
    QString m_strTitleSubject;  // what the title names after the caption: the person, or the pillars searched
    const analysis::TextSource* m_pTexts;
    chart::Chart m_chart;
    chart::ChartModel m_model;
    std::optional<analysis::Analysis> m_analysis;
    QString m_strAnalysisError;
    int m_luck = 0;
    int m_year = 0;
    bool m_bUpdating = false;                   // the controls are being set by the program, not the user
    QImage m_face;                              // the skin composed at the window's size
    std::optional<pages::PageList> m_document;  // the pages of the print job under way

    QScrollArea* m_pBand = nullptr;
    QComboBox* m_pZiCombo = nullptr;
    QComboBox* m_pBasisCombo = nullptr;
    QComboBox* m_pPlaceCombo = nullptr;
    QDoubleSpinBox* m_pLongitudeSpin = nullptr;
    QCheckBox* m_pSummerBox = nullptr;
    QSpinBox* m_pMinuteSpin = nullptr;
    std::vector<CStateBitmapButton*> m_commandButtons;
    QTabWidget* m_pTabs = nullptr;
    QSplitter* m_pSplitter = nullptr;
    QScrollArea* m_pScroll = nullptr;
    QWidget* m_pPageView = nullptr;
    QScrollArea* m_pLuckScroll = nullptr;
    CLuckPanel* m_pLuckPanel = nullptr;
    QTextBrowser* m_pAnalysisView = nullptr;
    CPillarSearchPanel* m_pSearchPanel = nullptr;
    CStateBitmapButton* m_pCloseButton = nullptr;
    QSizeGrip* m_pSizeGrip = nullptr;
    QPointer<CViewPrintPreview> m_pPreview;
};
