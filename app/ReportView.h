// CReportView: the report page inside the main form. Draws the header box,
// the picture box and the word-wrapped body from its text buffers; the same
// page is drawn on paper and in the preview by the print callbacks.
#pragma once

#include <QAbstractScrollArea>
#include <QFont>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <string>

#include "ReadingComposer.h"

class QPainter;
class QPrinter;
class QPrintPreviewDialog;

// The print job's page range and current page (the framework's print info).
struct CPrintInfo {
    int minPage = 1;
    int maxPage = 1;
    int currentPage = 1;
    QRect drawRect;  // (0, 0, HORZRES, VERTRES) in device pixels
};

class CReportView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit CReportView(QWidget* parent = nullptr);
    ~CReportView() override;

    // Takes the place of the placeholder control `placeholderId` (its
    // objectName is the decimal id) of `parent`; false when there is none.
    bool CreateReportView(int placeholderId, QWidget* parent);
    // Scroll extent 600 x 1020, page 600 x 1020, line 6 x 10.
    void SetScrollSizes();

    // Composes a reading from the application's m_birth and connection.
    // Shows the invalid-date or database-error message on failure and then
    // leaves every member as it was. Returns true when a new report is set.
    bool ComposeReading();

    // Paints the page in device units (the scroll offset already applied).
    void OnDraw(QPainter* pDC);

    // Printing and preview (implemented with the printing code).
    void PrintReport();
    void StartPrintPreview();
    void OnBeginPrinting(QPainter* pDC, CPrintInfo* pInfo);
    void OnPrint(QPainter* pDC, CPrintInfo* pInfo);
    void OnEndPrinting(QPainter* pDC, CPrintInfo* pInfo);
    // Draws a bitmap onto a printer or preview device at (x, y), scaled.
    void PrintBitmapAsDib(QPainter* painter, const QImage& bitmap, int x, int y, int width, int height);

    char m_szHeader[kHeaderBufferSize] = {};
    char m_szBody[kBodyBufferSize] = {};
    std::string m_strStarSign;  // GBK
    char m_szPillarChars[8][3] = {};
    QPointer<QPrintPreviewDialog> m_pPreview;  // the open preview, if any
    bool m_bPreviewOpen = false;

protected:
    void paintEvent(QPaintEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void resizeEvent(QResizeEvent* event) override;
};

// The screen font of the report ("新宋体", cell height 13 px); made once.
const QFont& ReportFont();
