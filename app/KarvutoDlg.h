// CKarvutoDlg: the program's main window, a frameless dialog shaped and
// painted by skin 130. The user enters name, sex, birth date (Gregorian or
// lunar, with the leap-month flag) and hour, asks for a reading and reads it
// in the report view; a small panel shows today's date in both calendars.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QString>
#include <memory>
#include <string>

#include "BirthRecord.h"
#include "Database.h"
#include "LunarCalendar.h"
#include "app/DialogBuilder.h"
#include "app/report/ReportView.h"

class CChartWnd;
class CNameEdit;
class CStateBitmapButton;
class QMenu;
class QStyle;
namespace analysis {
class TextSource;
}

inline constexpr int kFormWidth = 800;
inline constexpr int kFormHeight = 580;
inline constexpr int kFirstYear = 1900;  // the year list: the calendar's span, 1900-01-31 … 2100-12-31
inline constexpr int kLastYear = 2100;
inline constexpr int kDefaultYear = 1975;
inline constexpr int kTitleBandHeight = 20;  // the band whose context menu holds the About item
inline constexpr char kFormTitle[] = "弈澜坊-星衡命鉴";
inline constexpr char kEmptyNameMessage[] = "     请输入您的姓名!";
inline constexpr char kInvalidTodayText[] = "无效的日期";

class CKarvutoDlg : public QDialog {
    Q_OBJECT
public:
    // `splashMilliseconds` is how long the splash stands during the
    // initialisation; 0 shows none. Readings are looked up on `connection`
    // (null: there is no database, and a reading reports that).
    explicit CKarvutoDlg(QWidget* parent = nullptr, int splashMilliseconds = 3000,
                         Connection* connection = nullptr);
    ~CKarvutoDlg() override;

    // The database the next reading is looked up on, and the chart window's
    // analysis texts with it.
    void SetConnection(Connection* connection);

    // Dialog data exchange: true reads the controls into the members, false
    // writes the members into the controls.
    void UpdateData(bool saveAndValidate);

    // The handlers. OnReading builds the birth record from the controls and
    // hands it with the connection to the report view, which composes and
    // shows the reading.
    void OnReading();
    void OnCalendarKindChange();
    virtual void OnAbout();
    virtual void OnHelp();
    void OnClose();
    void OnMinimize();
    void OnPreview();
    void OnPrint();
    // Opens the chart window for the birth of the last reading request, or
    // brings the open one forward with it; an invalid date opens nothing.
    // An open chart window follows every new reading.
    void OnChart();
    // The open chart window; null when none is open.
    CChartWnd* ChartWindow() const;
    // Puts `birth` into the inputs (name, sex, calendar, date, leap, hour)
    // and reads, as the reading button does.
    void ShowReadingOf(const BirthRecord& birth);
    // The database readings are looked up on (null: none).
    Connection* DatabaseConnection() const { return m_pConnection; }
    // The analysis texts of that database, one source kept for the form and its windows.
    const analysis::TextSource& AnalysisTexts() const { return *m_pTexts; }

    // OnOK / OnCancel: Enter and Esc leave the form open.
    void accept() override {}
    void reject() override {}

    // The template's controls, found by their IDC_* ids.
    const CDialogControls& Controls() const { return m_controls; }
    template <class T>
    T* Item(int id) const {
        return m_controls.ItemAs<T>(id);
    }
    CReportView& ReportView() { return m_reportView; }
    // The record of the last reading request (cleared when a request starts).
    const BirthRecord& LastRequest() const { return m_birth; }
    // The title band's context menu (it stands in for the system menu); its
    // right-click, Alt+Space and F10 open it.
    QMenu* TitleMenu() const { return m_pTitleMenu; }
    // Opens the title band's menu below the band's left end.
    void ShowTitleMenu();
    // Fills the calendar panel from the clock.
    void UpdateCalendarPanel();

signals:
    // A reading was composed and is shown.
    void ReadingComposed();
    // OnChart made a new chart window.
    void ChartWindowOpened(CChartWnd* window);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void OnInitDialog(int splashMilliseconds);
    void SetUpImageButtons();
    void SetTabOrder();
    void FillCombos();
    void ShowChartOfReading(bool bringForward);

    Connection* m_pConnection = nullptr;
    // The analysis texts of m_pConnection's database (none without one): one
    // source for the life of the connection, since a source keeps what it read.
    std::unique_ptr<analysis::TextSource> m_pTexts;
    BirthRecord m_birth{};
    CLunarCalendar m_calendar;
    CDialogControls m_controls;
    CNameEdit* m_pNameEdit = nullptr;
    QCheckBox* m_pLeapBox = nullptr;
    QComboBox* m_pDayCombo = nullptr;
    QComboBox* m_pMonthCombo = nullptr;
    QComboBox* m_pCalendarKindCombo = nullptr;
    QComboBox* m_pHourCombo = nullptr;
    QComboBox* m_pSexCombo = nullptr;
    QComboBox* m_pYearCombo = nullptr;
    CStateBitmapButton* m_pPrintButton = nullptr;
    CStateBitmapButton* m_pPreviewButton = nullptr;
    CStateBitmapButton* m_pReadingButton = nullptr;
    CStateBitmapButton* m_pHelpButton = nullptr;
    CStateBitmapButton* m_pMinimizeButton = nullptr;
    CStateBitmapButton* m_pCloseButton = nullptr;
    CStateBitmapButton* m_pAboutButton = nullptr;
    CStateBitmapButton* m_pChartButton = nullptr;
    QPointer<CChartWnd> m_pChartWnd;
    QString m_strSolarToday;
    QString m_strLunarToday;
    std::string m_strName;  // GBK
    bool m_bLeap = false;
    CReportView m_reportView;
    QMenu* m_pTitleMenu = nullptr;
    QStyle* m_pComboStyle = nullptr;
    bool m_bClosing = false;
};
