// CViewPrintPreview: the print preview window and its menu.
#include "app/print/ViewPrintPreview.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QKeySequence>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>

#include "app/dialogs/AboutDlg.h"
#include "app/print/PrintJob.h"
#include "res/bitmaps/BitmapIds.h"

namespace {

constexpr char kPreviewTitle[] = "打印预览";

}  // namespace

CViewPrintPreview::CViewPrintPreview(QWidget* form) : QPrintPreviewDialog(form) {
    // A window of its own over the report's form, not a modal dialog: the
    // form stays usable and pressing its preview button again brings this
    // window to the front.
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::NonModal);
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QString::fromUtf8(kPreviewTitle));
    // The program's own icon.
    setWindowIcon(form != nullptr && !form->windowIcon().isNull() ? form->windowIcon()
                                                                  : QIcon(art::IconResourcePath()));
    if (QPrinter* preview = printer()) {
        print::PreparePrinter(*preview);
    }
    BuildMenu();
}

CViewPrintPreview::~CViewPrintPreview() = default;

void CViewPrintPreview::BuildMenu() {
    // Menu 128 of the resources, in the program's language. Its Edit menu
    // had nothing to act on in a preview and is left out.
    m_pMenuBar = new QMenuBar(this);
    QMenu* file = m_pMenuBar->addMenu(QString::fromUtf8(kFileMenuText));
    m_pPrintAction = file->addAction(QString::fromUtf8(kPrintItemText));
    m_pPrintAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    file->addSeparator();
    m_pExitAction = file->addAction(QString::fromUtf8(kExitItemText));

    QMenu* help = m_pMenuBar->addMenu(QString::fromUtf8(kHelpMenuText));
    m_pAboutAction = help->addAction(QString::fromUtf8(kAboutItemText));

    connect(m_pPrintAction, &QAction::triggered, this, &CViewPrintPreview::printRequested);
    connect(m_pExitAction, &QAction::triggered, this, &QWidget::close);
    connect(m_pAboutAction, &QAction::triggered, this, &CViewPrintPreview::OnAppAbout);
    if (layout() != nullptr) {
        layout()->setMenuBar(m_pMenuBar);
    }
}

void CViewPrintPreview::OnAppAbout() {
    CAboutDlg about(this);
    about.exec();
}
