// CViewPrintPreview: the report's print preview window and its menu.
#include "ViewPrintPreview.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QKeySequence>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>

#include "AboutDlg.h"
#include "KarvutoApp.h"
#include "PrintJob.h"
#include "ReportView.h"

namespace {

constexpr char kPreviewTitle[] = "打印预览";

}  // namespace

CViewPrintPreview::CViewPrintPreview(CReportView* ownerView, QWidget* oldMainWnd)
    : QPrintPreviewDialog(ownerView != nullptr ? ownerView->window() : oldMainWnd),
      m_pOwnerView(ownerView),
      m_pOldMainWnd(oldMainWnd) {
    // A window of its own over the report's form, not a modal dialog: the
    // form stays usable and pressing its preview button again brings this
    // window to the front.
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::NonModal);
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QString::fromUtf8(kPreviewTitle));
    // Icon 128, the program's own.
    setWindowIcon(oldMainWnd != nullptr && !oldMainWnd->windowIcon().isNull()
                      ? oldMainWnd->windowIcon()
                      : QIcon(QStringLiteral(":/bitmaps/128.ico")));
    if (QPrinter* preview = printer()) {
        print::PreparePrinter(*preview);
    }
    BuildMenu();
    connect(this, &QPrintPreviewDialog::paintRequested, this, &CViewPrintPreview::OnPaintRequested);
    connect(this, &QDialog::finished, this, &CViewPrintPreview::OnEndPrintPreview);
}

CViewPrintPreview::~CViewPrintPreview() {
    // A preview destroyed without being closed (its owner window went first)
    // must not leave the report view believing it is still open.
    if (m_pOwnerView && m_pOwnerView->m_pPreview == this) {
        m_pOwnerView->m_bPreviewOpen = false;
    }
    if (theApp().m_pMainWnd == this) {
        theApp().m_pMainWnd = m_pOldMainWnd.data();
    }
}

void CViewPrintPreview::BuildMenu() {
    // Menu 128 of the resources. The Edit items have nothing to act on in a
    // preview and stay disabled.
    m_pMenuBar = new QMenuBar(this);
    QMenu* file = m_pMenuBar->addMenu(QStringLiteral("&File"));
    m_pPrintAction = file->addAction(QStringLiteral("&Print...\tCtrl+P"));
    m_pPrintAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    file->addSeparator();
    m_pExitAction = file->addAction(QStringLiteral("E&xit"));

    QMenu* edit = m_pMenuBar->addMenu(QStringLiteral("&Edit"));
    for (const char* text : std::initializer_list<const char*>{
             "Cu&t\tCtrl+X", "&Copy\tCtrl+C", "&Paste\tCtrl+V", nullptr, "Select All\tCtrl-A"}) {
        if (text == nullptr) {
            edit->addSeparator();
            continue;
        }
        edit->addAction(QString::fromLatin1(text))->setEnabled(false);
    }

    QMenu* help = m_pMenuBar->addMenu(QStringLiteral("&Help"));
    m_pAboutAction = help->addAction(QStringLiteral("&About ..."));

    connect(m_pPrintAction, &QAction::triggered, this, &CViewPrintPreview::OnFilePrint);
    connect(m_pExitAction, &QAction::triggered, this, &QWidget::close);
    connect(m_pAboutAction, &QAction::triggered, this, &CViewPrintPreview::OnAppAbout);
    if (layout() != nullptr) {
        layout()->setMenuBar(m_pMenuBar);
    }
}

void CViewPrintPreview::OnPaintRequested(QPrinter* printer) {
    // The preview pages and the preview's own print button both come here:
    // the same job the print command runs.
    if (m_pOwnerView && printer != nullptr) {
        print::RunPrintJob(*m_pOwnerView, *printer);
    }
}

void CViewPrintPreview::OnFilePrint() {
    if (m_pOwnerView) {
        m_pOwnerView->PrintReport();
    }
}

void CViewPrintPreview::OnAppAbout() {
    CAboutDlg about(this);
    about.exec();
}

void CViewPrintPreview::OnEndPrintPreview() {
    if (theApp().m_pMainWnd == this) {
        theApp().m_pMainWnd = m_pOldMainWnd.data();
    }
    if (m_pOldMainWnd) {
        m_pOldMainWnd->show();
        m_pOldMainWnd->raise();
        m_pOldMainWnd->activateWindow();
    }
    if (m_pOwnerView && m_pOwnerView->m_pPreview == this) {
        m_pOwnerView->m_bPreviewOpen = false;
    }
}
