// CChartWnd: the chart window (八字排盘与大运), a skinned window over the main
// form that shows the chart page of one birth, with controls for the
// conventions it is cast under and the birth minute; any change recomputes
// the chart at once. It prints its page and exports it as PDF or PNG.
#pragma once

#include <QPointer>
#include <QWidget>

#include "Chart.h"
#include "ChartModel.h"
#include "app/pages/PageSource.h"

class CStateBitmapButton;
class CViewPrintPreview;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QPrinter;
class QScrollArea;
class QSpinBox;

inline constexpr char kChartCaption[] = "八字排盘与大运";

class CChartWnd : public QWidget, public CPrintPageSource {
    Q_OBJECT
public:
    // The window of `birth`'s chart under the default conventions (its
    // minute goes into the minute field); `name` may be empty.
    CChartWnd(const chart::BirthMoment& birth, const QString& name, QWidget* parent = nullptr);
    ~CChartWnd() override;

    // Shows the chart of a new birth (its minute goes into the minute field);
    // the conventions stay as they are set. `name` may be empty.
    void SetBirth(const chart::BirthMoment& birth, const QString& name);

    // Casts with the birth minute `minute` and `conventions`, the birthplace
    // named `place` chosen when it is one of the list's and lies at the
    // conventions' longitude (else the longitude stands as typed in): what a
    // saved person brings with it. One recomputation.
    void SetConventions(int minute, const chart::Conventions& conventions, const QString& place);

    // Reads the controls and casts the chart again. When the controls give a
    // birth the engine refuses (true solar time moving it out of the
    // calendar's years), the previous chart stays and a message says why.
    void Recompute();

    const chart::Chart& Chart() const { return m_chart; }
    // The chart as its page shows it.
    const chart::ChartModel& Model() const { return m_model; }
    // The name, the birthplace chosen and the current year the model is made with.
    chart::ModelInput ModelInputNow() const;

    // The controls, for the tests.
    QComboBox* ZiCombo() const { return m_pZiCombo; }
    QComboBox* BasisCombo() const { return m_pBasisCombo; }
    QComboBox* PlaceCombo() const { return m_pPlaceCombo; }
    QDoubleSpinBox* LongitudeSpin() const { return m_pLongitudeSpin; }
    QCheckBox* SummerBox() const { return m_pSummerBox; }
    QSpinBox* MinuteSpin() const { return m_pMinuteSpin; }
    QWidget* PageView() const { return m_pPageView; }

    // The commands: the print dialog and one job; the preview; the exports
    // through a file dialog. ExportPdf/ExportPng write `path` directly and
    // say what went wrong in `error`.
    void OnPrint();
    void OnPreview();
    void OnExportPdf();
    void OnExportPng();
    bool ExportPdf(const QString& path, QString* error) const;
    bool ExportPng(const QString& path, QString* error) const;
    // "<name>-<yyyymmdd>-排盘.<suffix>".
    QString SuggestedFileName(const char* suffix) const;
    CViewPrintPreview* Preview() const;

    // The page callbacks of a print job: one page, the chart in the printer's
    // device units.
    void OnBeginPrinting(QPainter* pDC, CPrintInfo* pInfo) override;
    void OnPrint(QPainter* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(QPainter* pDC, CPrintInfo* pInfo) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void BuildControls();
    void OnBasisChanged();
    void OnPlaceChanged();
    void OnLongitudeEdited();

    chart::BirthMoment m_birth;
    QString m_name;
    chart::Chart m_chart;
    chart::ChartModel m_model;
    bool m_bUpdating = false;  // the controls are being set by the program, not the user

    QComboBox* m_pZiCombo = nullptr;
    QComboBox* m_pBasisCombo = nullptr;
    QComboBox* m_pPlaceCombo = nullptr;
    QDoubleSpinBox* m_pLongitudeSpin = nullptr;
    QCheckBox* m_pSummerBox = nullptr;
    QSpinBox* m_pMinuteSpin = nullptr;
    QScrollArea* m_pScroll = nullptr;
    QWidget* m_pPageView = nullptr;
    CStateBitmapButton* m_pCloseButton = nullptr;
    QPointer<CViewPrintPreview> m_pPreview;
};
