// CAboutDlg: the About box (template 100) in the program's skin, with the
// product line, the vendor's web and e-mail links and a round OK button.
#pragma once

#include <QDialog>

class CCircleButton;
class CLinkLabel;
class CStateBitmapButton;
class QLabel;

// Link targets of the About box (UTF-8).
inline constexpr char kVendorWebUrl[] = "https://karvuto.example.org/";
inline constexpr char kSupportMailTarget[] = "mailto:support@karvuto.example.org";

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    ~CAboutDlg() override;

    // The template's controls; the dialog owns them.
    CCircleButton* m_pOkButton = nullptr;          // IDOK, "确定"
    CLinkLabel* m_pEmailLink = nullptr;            // IDC_EMAIL_LINK
    CLinkLabel* m_pWebLink = nullptr;              // IDC_WEB_LINK
    CStateBitmapButton* m_pCloseButton = nullptr;  // IDC_CLOSE, the caption-band close image

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void BuildControls();
    void OnInitDialog();
};
