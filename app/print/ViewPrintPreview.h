// CViewPrintPreview: the print preview window of the report. A frame of its
// own around Qt's preview widget, titled "打印预览", with the preview menu;
// every page it shows is drawn by the report view's print callbacks.
#pragma once

#include <QPointer>
#include <QPrintPreviewDialog>

class CReportView;
class QAction;
class QMenuBar;

class CViewPrintPreview : public QPrintPreviewDialog {
    Q_OBJECT
public:
    // The preview of `ownerView`'s page; `oldMainWnd` is the window that is
    // shown and activated again when the preview ends. Deletes itself when
    // it is closed.
    CViewPrintPreview(CReportView* ownerView, QWidget* oldMainWnd);
    ~CViewPrintPreview() override;

    QMenuBar* MenuBar() const { return m_pMenuBar; }
    QAction* PrintAction() const { return m_pPrintAction; }
    QAction* ExitAction() const { return m_pExitAction; }
    QAction* AboutAction() const { return m_pAboutAction; }

    QPointer<CReportView> m_pOwnerView;  // the report whose page is shown
    QPointer<QWidget> m_pOldMainWnd;     // the main window before the preview

private slots:
    void OnPaintRequested(QPrinter* printer);
    void OnFilePrint();
    void OnAppAbout();
    void OnEndPrintPreview();

private:
    void BuildMenu();

    QMenuBar* m_pMenuBar = nullptr;
    QAction* m_pPrintAction = nullptr;
    QAction* m_pExitAction = nullptr;
    QAction* m_pAboutAction = nullptr;
};
