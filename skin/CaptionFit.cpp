#include "skin/CaptionFit.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

void FitToCaption(QMessageBox& box) {
    // The box fixes its own size from its layout's size hint, so the width is
    // asked for by an empty item spanning the layout's last row.
    auto* layout = qobject_cast<QGridLayout*>(box.layout());
    if (layout == nullptr) return;
    const QFontMetrics title(QApplication::font("QMdiSubWindowTitleBar"));
    const int width = title.horizontalAdvance(box.windowTitle()) + kTitleBarExtra;
    layout->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Fixed), layout->rowCount(), 0,
                    1, layout->columnCount());
}
