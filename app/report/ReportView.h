// CReportView: the report page inside the main form. Holds the report it was
// given and draws it: the header box, the picture box and the word-wrapped
// body. The same report is drawn on paper and in the preview by the page
// callbacks (ReportPrint.cpp), which read this view and nothing else.
#pragma once

#include <QAbstractScrollArea>
#include <QList>
#include <QPointer>
#include <QWidget>

#include "Database.h"
#include "ReadingComposer.h"
#include "app/pages/PageSource.h"
#include "app/pages/ReportPage.h"
#include "app/report/ReportTextLayout.h"

class QAction;
class QPainter;
class QPrintPreviewDialog;
class CViewPrintPreview;

class CReportView : public QAbstractScrollArea, public CPrintPageSource {
    Q_OBJECT
public:
    explicit CReportView(QWidget* parent = nullptr);
    ~CReportView() override;

    // Takes the place of the placeholder control `placeholderId` (its
    // objectName is the decimal id) of `parent`; false when there is none.
    bool CreateReportView(int placeholderId, QWidget* parent);
    // Scroll extent 600 x 1020, page 600 x 1020, line 6 x 10.
    void SetScrollSizes();

    // Composes the reading of `birth` from `connection` (null: no database)
    // at the clock's present time and shows it. Shows the invalid-date or
    // database-error message on failure and then keeps the report it had.
    // Returns true when a new report is shown.
    bool ComposeReading(const BirthRecord& birth, Connection* connection);

    // The report shown; all texts empty before the first reading.
    const ComposedReport& Report() const { return m_report; }
    void SetReport(ComposedReport report);
    // The report as its pages show it.
    pages::ReportPageText PageText() const;
    // The person the report is for, as the file name of a print shows it.
    void SetPersonName(const QString& name) { m_strPersonName = name; }
    // The PDF file printing proposes: "<name>-<birth date>-报告.pdf" in the
    // documents folder (print/PrintFileName.h).
    QString ProposedPdfFile() const;

    // Paints the page in device units (the scroll offset already applied).
    void OnDraw(QPainter* pDC);

    // The report's text, selected with the mouse (a drag, a double click for
    // a paragraph, Shift+click to extend) or the keys (Ctrl+A, Ctrl+C), and
    // copied as plain UTF-8 text (ReportSelect.cpp).
    // The report as plain text: the header, an empty line, the body; empty
    // before the first reading.
    QString PlainText() const { return m_layout.Text(); }
    QString SelectedText() const;
    bool HasSelection() const { return m_selectionAnchor != m_selectionCursor; }
    // Selects the plain text from `from` to `to` (either order, clamped).
    void Select(qsizetype from, qsizetype to);
    void SelectAll();
    // Puts the selection, or the whole report, on the clipboard.
    void CopySelection();
    void CopyAll();
    // Commands the context menu offers after 复制 and 全选 (not owned).
    void SetContextActions(const QList<QAction*>& actions) { m_contextActions = actions; }

    // The print command: the print dialog, then one job (ReportPrint.cpp).
    void PrintReport();
    // Opens the preview, or brings the open one to the front.
    void StartPrintPreview();
    // The open preview; null when none is open.
    QPrintPreviewDialog* Preview() const;
    // The window the print dialog stands over: the open preview, else the
    // view's own window.
    QWidget* DialogOwner() const;

    // The page callbacks of a print job: one page, the report in the
    // printer's device units.
    void OnBeginPrinting(QPainter* pDC, CPrintInfo* pInfo) override;
    void OnPrint(QPainter* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(QPainter* pDC, CPrintInfo* pInfo) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // The page's point under a point of the viewport.
    QPoint PagePoint(QPointF viewportPoint) const;
    // Marks the selection over the painted page.
    void PaintSelection(QPainter& painter) const;

    ComposedReport m_report{};
    QString m_strPersonName;
    ReportTextLayout m_layout;
    qsizetype m_selectionAnchor = 0;  // where the selection began
    qsizetype m_selectionCursor = 0;  // where it ends, the mouse's end
    bool m_bSelecting = false;        // the left button is held over the text
    QList<QAction*> m_contextActions;
    QPointer<CViewPrintPreview> m_pPreview;
};
