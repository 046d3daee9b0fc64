// CSkinButton: the base of the owner-drawn push buttons. It keeps the dialog's default
// button protocol (the default button and the Enter key work), gives itself the focus
// on a click, counts a double click as a second press and hands the focus on when it is
// disabled. Subclasses paint in DrawItem.
#pragma once

#include <QPushButton>
#include <QRect>

// Template button styles (low bits of a BUTTON control's style).
inline constexpr unsigned kBsPushButton = 0x00;
inline constexpr unsigned kBsDefPushButton = 0x01;
inline constexpr unsigned kBsOwnerDraw = 0x0B;
inline constexpr unsigned kBsTypeMask = 0x1F;
// Dialog codes a push button reports to the dialog manager.
inline constexpr int kDlgcDefPushButton = 0x10;
inline constexpr int kDlgcUndefPushButton = 0x20;

// What the painter needs to know about the button, read at each paint.
struct SkinItemState {
    QRect rect;             // the whole client rectangle
    bool selected = false;  // pressed
    bool disabled = false;
    bool focus = false;
};

class CSkinButton : public QPushButton {
    Q_OBJECT

public:
    explicit CSkinButton(QWidget* parent = nullptr);
    explicit CSkinButton(const QString& text, QWidget* parent = nullptr);

    // Takes over the template control's style: BS_DEFPUSHBUTTON makes it the default
    // button. Subclasses that override it call this one first.
    virtual void PreSubclassWindow(unsigned templateStyle);

    // The dialog manager's restyling (BM_SETSTYLE): BS_DEFPUSHBUTTON makes the button
    // default, BS_PUSHBUTTON non-default, other types leave it; it stays owner-drawn.
    void SetButtonStyle(unsigned style);
    // The button's type, always BS_OWNERDRAW whatever the dialog set.
    unsigned ButtonType() const { return kBsOwnerDraw; }
    // DLGC_DEFPUSHBUTTON while the button is the dialog's default, else DLGC_UNDEFPUSHBUTTON.
    int DialogCode() const;

protected:
    // Paints the button; the base paints nothing.
    virtual void DrawItem(QPainter& painter, const SkinItemState& state);

    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
    void changeEvent(QEvent* event) override;

private:
    void MoveFocusToNextTabStop();
};
