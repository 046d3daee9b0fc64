// CViewPrintPreview: the print preview window of a page. A frame of its own
// around Qt's preview widget, titled "打印预览", with the preview menu in
// Chinese (文件: 打印, 退出; 帮助: 关于). It knows nothing of the page:
// whoever opens it (print::OpenPreview) draws the pages on paintRequested,
// prints on printRequested and learns of its end from QDialog::finished.
#pragma once

#include <QPrintPreviewDialog>

class QAction;
class QMenuBar;

// The preview's menu.
inline constexpr char kFileMenuText[] = "文件(&F)";
inline constexpr char kPrintItemText[] = "打印(&P)...\tCtrl+P";
inline constexpr char kExitItemText[] = "退出(&X)";
inline constexpr char kHelpMenuText[] = "帮助(&H)";
inline constexpr char kAboutItemText[] = "关于(&A)...";

class CViewPrintPreview : public QPrintPreviewDialog {
    Q_OBJECT
public:
    // A preview over `form` (its parent, whose icon it takes). Deletes itself
    // when it is closed.
    explicit CViewPrintPreview(QWidget* form);
    ~CViewPrintPreview() override;

    QMenuBar* MenuBar() const { return m_pMenuBar; }
    QAction* PrintAction() const { return m_pPrintAction; }
    QAction* ExitAction() const { return m_pExitAction; }
    QAction* AboutAction() const { return m_pAboutAction; }

signals:
    // File > Print: the print command with its dialog.
    void printRequested();

private slots:
    void OnAppAbout();

private:
    void BuildMenu();

    QMenuBar* m_pMenuBar = nullptr;
    QAction* m_pPrintAction = nullptr;
    QAction* m_pExitAction = nullptr;
    QAction* m_pAboutAction = nullptr;
};
