// CAboutDlg: the About box, built from dialog template 100 and painted with
// skin 131 and its caption.
#include "app/dialogs/AboutDlg.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>

#include "DialogTemplates.h"
#include "app/DialogBuilder.h"
#include "app/MessageBox.h"
#include "res/bitmaps/BitmapIds.h"
#include "skin/CircleButton.h"
#include "skin/FrameSkin.h"
#include "skin/LinkLabel.h"
#include "skin/SkinBitmaps.h"
#include "skin/SkinFonts.h"
#include "skin/StateBitmapButton.h"

namespace {

constexpr int kSkinBitmapId = art::kAboutFaceId;  // 420 x 240: brown title band, green face, red corners
constexpr int kDialogWidth = 420;
constexpr int kDialogHeight = 240;
constexpr char kCaption[] = "关于本系统";
// The close image on the caption band: its place, tooltip and pictures.
constexpr QRect kCloseButtonRect{402, 6, 11, 10};
constexpr char kCloseTooltip[] = "关闭";

constexpr QRgb kDialogTextColour = 0xFF0000FF;  // blue text on the green face

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setWindowTitle(QString::fromUtf8(kCaption));
    BuildControls();
    OnInitDialog();
}

CAboutDlg::~CAboutDlg() = default;

void CAboutDlg::BuildControls() {
    const res::DialogTemplate* dialog = res::FindDialogTemplate(res::IDD_ABOUTBOX);
    if (dialog == nullptr) {
        return;
    }
    const QFont font = DialogFont(QString::fromUtf8(dialog->fontFace), dialog->pointSize);
    setFont(font);
    const res::DialogBaseUnits units = TemplateBaseUnits(*dialog);
    const res::PixelRect size = res::MapDialogRect(0, 0, dialog->cx, dialog->cy, units);
    resize(size.Width(), size.Height());

    QPalette textPalette = palette();
    textPalette.setColor(QPalette::WindowText, QColor::fromRgb(kDialogTextColour));

    for (const res::ControlTemplate& control : dialog->controls) {
        const QString text = QString::fromUtf8(control.text);
        QWidget* widget = nullptr;
        switch (control.id) {
            case res::IDC_CLOSE: {
                m_pCloseButton = new CStateBitmapButton(this);
                connect(m_pCloseButton, &QAbstractButton::clicked, this, &QDialog::accept);
                widget = m_pCloseButton;
                break;
            }
            case res::IDOK: {
                m_pOkButton = new CCircleButton(text, this);
                m_pOkButton->PreSubclassWindow(control.style);
                connect(m_pOkButton, &QAbstractButton::clicked, this, &QDialog::accept);
                widget = m_pOkButton;
                break;
            }
            case res::IDC_WEB_LINK:
            case res::IDC_EMAIL_LINK: {
                auto* link = new CLinkLabel(text, this);
                link->setGeometry(ControlRect(control, units));
                link->PreSubclassWindow(control.style);
                (control.id == res::IDC_WEB_LINK ? m_pWebLink : m_pEmailLink) = link;
                widget = link;
                break;
            }
            default: {
                auto* label = new QLabel(text, this);
                label->setPalette(textPalette);
                widget = label;
                break;
            }
        }
        if (widget != m_pWebLink && widget != m_pEmailLink) {
            widget->setGeometry(ControlRect(control, units));
        }
        widget->setFont(font);
    }
}

void CAboutDlg::OnInitDialog() {
    resize(kDialogWidth, kDialogHeight);
    ApplyFrameRegion(this, LoadBitmapResource(kSkinBitmapId));
    // A link that cannot be opened says so under the program's one caption.
    if (m_pWebLink != nullptr) {
        m_pWebLink->SetLinkTarget(QString::fromUtf8(kVendorWebUrl));
        m_pWebLink->SetMessageCaption(QString::fromUtf8(kMessageCaption));
    }
    if (m_pEmailLink != nullptr) {
        m_pEmailLink->SetLinkTarget(QString::fromUtf8(kSupportMailTarget));
        m_pEmailLink->SetMessageCaption(QString::fromUtf8(kMessageCaption));
    }
    if (m_pCloseButton != nullptr) {
        m_pCloseButton->setGeometry(kCloseButtonRect);
        m_pCloseButton->SetTooltipText(QString::fromUtf8(kCloseTooltip));
        m_pCloseButton->SetBitmaps(
            {.normal = art::kCloseNormalId, .down = art::kClosePressedId, .mask = art::kTitleMaskId});
    }
}

void CAboutDlg::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    PaintFrameBackground(this, painter, LoadBitmapResource(kSkinBitmapId, devicePixelRatioF()),
                         QString::fromUtf8(kCaption));
}

void CAboutDlg::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && DragFrame(this, event)) {
        event->accept();
        return;
    }
    QDialog::mousePressEvent(event);
}
