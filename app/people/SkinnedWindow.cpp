// The skinned look of the 档案 window and the person dialog.
#include "app/people/SkinnedWindow.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

#include "skin/FrameSkin.h"
#include "skin/SkinBitmaps.h"
#include "skin/SkinFonts.h"
#include "skin/StateBitmapButton.h"

namespace peopleui {

void SetUpSkinnedWindow(QWidget* window, int faceId) {
    const QImage face = LoadBitmapResource(faceId);
    window->setWindowFlag(Qt::FramelessWindowHint);
    window->setFont(DialogFont(QStringLiteral("宋体"), 9));
    window->setFixedSize(face.size());
    ApplyFrameRegion(window, face);
}

void PaintSkinnedWindow(QWidget* window, int faceId, const QString& caption) {
    QPainter painter(window);
    PaintFrameBackground(window, painter, LoadBitmapResource(faceId, window->devicePixelRatioF()), caption);
}

bool DragSkinnedWindow(QWidget* window, QMouseEvent* event) {
    return event->button() == Qt::LeftButton && DragFrame(window, event);
}

CStateBitmapButton* AddCloseButton(QWidget* window, const art::PixelRect& where) {
    auto* button = new CStateBitmapButton(window);
    button->setGeometry(where.x, where.y, where.w, where.h);
    button->SetTooltipText(QStringLiteral("关闭"));
    button->setAccessibleName(QStringLiteral("关闭"));
    button->SetBitmaps(
        {.normal = art::kCloseNormalId, .down = art::kClosePressedId, .mask = art::kTitleMaskId});
    // The window closes by Esc; the small title button stays out of the Tab order.
    button->setFocusPolicy(Qt::NoFocus);
    QObject::connect(button, &QAbstractButton::clicked, window, &QWidget::close);
    return button;
}

CStateBitmapButton* AddCommandButton(QWidget* parent, const QString& text, const QString& tooltip,
                                     QPoint topLeft) {
    auto* button = new CStateBitmapButton(parent);
    button->setText(text);
    button->setAccessibleName(text);
    button->setGeometry(QRect(topLeft, QSize(art::kCommandButtonWidth, art::kCommandButtonHeight)));
    button->SetTooltipText(tooltip);
    button->SetBitmaps(
        {.normal = art::kCommandNormalId, .down = art::kCommandPressedId, .mask = art::kCommandMaskId});
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

}  // namespace peopleui
