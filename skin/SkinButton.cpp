// The owner-drawn push button base: default-button protocol, click focus, double click
// as a second press and focus hand-over on disabling.
#include "skin/SkinButton.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

CSkinButton::CSkinButton(QWidget* parent) : CSkinButton(QString(), parent) {}

CSkinButton::CSkinButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    // The click takes the focus first; the dialog's own connections run after this one.
    connect(this, &QAbstractButton::clicked, this, [this] { setFocus(Qt::OtherFocusReason); });
}

void CSkinButton::PreSubclassWindow(unsigned templateStyle) {
    if ((templateStyle & kBsTypeMask) == kBsDefPushButton) setDefault(true);
}

void CSkinButton::SetButtonStyle(unsigned style) {
    switch (style & kBsTypeMask) {
        case kBsDefPushButton:
            setDefault(true);
            break;
        case kBsPushButton:
            setDefault(false);
            break;
        default:
            break;
    }
}

int CSkinButton::DialogCode() const {
    return isDefault() ? kDlgcDefPushButton : kDlgcUndefPushButton;
}

void CSkinButton::DrawItem(QPainter& painter, const SkinItemState& state) {
    Q_UNUSED(painter);
    Q_UNUSED(state);
}

void CSkinButton::paintEvent(QPaintEvent* event) {
    Q_UNUSED(event);
    QPainter painter(this);
    SkinItemState state;
    state.rect = rect();
    state.selected = isDown();
    state.disabled = !isEnabled();
    state.focus = hasFocus();
    DrawItem(painter, state);
}

void CSkinButton::mouseDoubleClickEvent(QMouseEvent* event) {
    // Qt delivers the second press of a double click only as this event: handling it as
    // a press makes a double click two presses (and two clicks), never a double click.
    mousePressEvent(event);
}

bool CSkinButton::hitButton(const QPoint& pos) const {
    // A shaped button takes clicks only inside its shape.
    const QRegion shape = mask();
    return shape.isEmpty() ? QPushButton::hitButton(pos) : shape.contains(pos);
}

void CSkinButton::changeEvent(QEvent* event) {
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && !isEnabled()) MoveFocusToNextTabStop();
    if (event->type() == QEvent::PaletteChange) update();
}

void CSkinButton::MoveFocusToNextTabStop() {
    // The next enabled, visible tab stop of the same window after this button, wrapping
    // round; the window itself when there is none. This happens whether or not the
    // button had the focus.
    QWidget* top = window();
    for (QWidget* w = nextInFocusChain(); w != nullptr && w != this; w = w->nextInFocusChain()) {
        if (w->window() != top || w == top) continue;
        if (!(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled() || !w->isVisibleTo(top)) continue;
        w->setFocus(Qt::TabFocusReason);
        return;
    }
    top->setFocus(Qt::OtherFocusReason);
}
