#include "app/DialogBuilder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <algorithm>

#include "skin/SkinFonts.h"

namespace {

constexpr int kComboItemHeight = 18;  // one line of the open list
constexpr int kMinVisibleItems = 5;

QWidget* CreateDefaultControl(const res::ControlTemplate& c, QWidget* parent) {
    const QString text = QString::fromUtf8(c.text);
    switch (c.cls) {
        case res::ControlClass::Edit:
            return new QLineEdit(parent);
        case res::ControlClass::ComboBox:
            return new QComboBox(parent);
        case res::ControlClass::Button:
            if ((c.style & 0xF) == res::BS_AUTOCHECKBOX) {
                return new QCheckBox(text, parent);
            }
            return new QPushButton(text, parent);
        case res::ControlClass::Static:
            if ((c.style & 0x1F) == res::SS_WHITERECT) {
                auto* rect = new QWidget(parent);
                QPalette pal = rect->palette();
                pal.setColor(QPalette::Window, Qt::white);
                rect->setPalette(pal);
                rect->setAutoFillBackground(true);
                return rect;
            }
            auto* label = new QLabel(parent);
            label->setTextFormat(Qt::PlainText);
            label->setText(text);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            return label;
    }
    return nullptr;
}

}  // namespace

QWidget* CDialogControls::Item(int id) const {
    for (const TemplateControl& c : m_controls) {
        if (c.control->id == id) {
            return c.widget;
        }
    }
    return nullptr;
}

res::DialogBaseUnits TemplateBaseUnits(const res::DialogTemplate& dialog) {
    return res::SongBaseUnits(dialog.pointSize, kDialogDpi);
}

QRect ControlRect(const res::ControlTemplate& control, res::DialogBaseUnits units) {
    const res::PixelRect r = res::MapDialogRect(control.x, control.y, control.cx, control.cy, units);
    return QRect(r.left, r.top, r.Width(), r.Height());
}

CDialogControls BuildDialogControls(QWidget* dialog, const res::DialogTemplate& dialogTemplate,
                                    const ControlFactory& factory) {
    const res::DialogBaseUnits units = TemplateBaseUnits(dialogTemplate);
    dialog->setFont(DialogFont(QString::fromUtf8(dialogTemplate.fontFace), dialogTemplate.pointSize));
    const res::PixelRect size = res::MapDialogRect(0, 0, dialogTemplate.cx, dialogTemplate.cy, units);
    dialog->resize(size.Width(), size.Height());

    CDialogControls controls;
    for (const res::ControlTemplate& c : dialogTemplate.controls) {
        QWidget* w = factory ? factory(c, dialog) : nullptr;
        if (!w) {
            w = CreateDefaultControl(c, dialog);
        }
        w->setObjectName(c.id == res::IDC_STATIC ? QString() : QString::number(c.id));
        QRect r = ControlRect(c, units);
        if (auto* combo = qobject_cast<QComboBox*>(w)) {
            // The template's height is that of the open list.
            combo->setMaxVisibleItems(
                std::max(kMinVisibleItems, (r.height() - kComboHeight) / kComboItemHeight));
            r.setHeight(kComboHeight);
        } else if (auto* label = qobject_cast<QLabel*>(w)) {
            // The dialog font's line may be taller and its text wider than the
            // template's cell: grow the label around its centre line so that
            // nothing is cut off.
            const QSize text = label->sizeHint();
            if (text.height() > r.height()) {
                r.translate(0, -(text.height() - r.height()) / 2);
                r.setHeight(text.height());
            }
            r.setWidth(std::max(r.width(), text.width()));
        }
        w->setGeometry(r);
        if (!(c.style & res::WS_TABSTOP)) {
            w->setFocusPolicy(c.cls == res::ControlClass::Static ? Qt::NoFocus : Qt::ClickFocus);
        }
        w->show();
        controls.Add({&c, w});
    }
    return controls;
}
