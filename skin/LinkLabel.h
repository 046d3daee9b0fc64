// CLinkLabel: a static text acting as a link: link, visited and hover colours on the
// dialog green, underlined while the mouse is over it, hand cursor, tooltip with the
// target, and a click that opens the target on the desktop.
#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QRect>
#include <QSize>
#include <QTimer>

// Static control styles that decide how FitToText keeps the text in place.
inline constexpr unsigned kSsLeft = 0x000;
inline constexpr unsigned kSsCenter = 0x001;
inline constexpr unsigned kSsRight = 0x002;
inline constexpr unsigned kSsCenterImage = 0x200;
// The period of the leave check while hovering, in milliseconds.
inline constexpr int kLinkLeaveCheckMs = 100;

class CLinkLabel : public QLabel {
    Q_OBJECT

public:
    // Underline modes.
    enum Underline { UnderlineNever = 0, UnderlineAlways = 1, UnderlineHover = -1 };

    explicit CLinkLabel(QWidget* parent = nullptr);
    explicit CLinkLabel(const QString& text, QWidget* parent = nullptr);

    // Attaches the label: alignment from the static style, the target taken from the text
    // (or the text from the target), the standard and underline fonts copied from the
    // current font, the size fitted to the text, hand cursor and tooltip.
    void PreSubclassWindow(unsigned staticStyle = kSsLeft);

    // Stores the target, re-fits the label and shows the target as tooltip.
    void SetLinkTarget(const QString& target);
    QString LinkTarget() const { return m_strTarget; }
    // Sets the visited state and repaints.
    void MarkVisited(bool visited);
    bool IsVisited() const { return m_bVisited; }
    bool IsHovering() const { return m_bHover; }
    // Switches the underline mode (0 never, 1 always, -1 while hovering).
    void ApplyUnderlineMode(int mode);
    // Turns resizing to the text on or off (on by default).
    void SetAutoSize(bool autoSize) { m_bAutoSize = autoSize; }
    // Resizes the label to its text measured in the underline font, keeping it in place
    // as its style says (centred, right-aligned, vertically centred).
    void FitToText();
    // The rectangle FitToText gives: old geometry, text size, frame extra (window minus
    // client size), the static style.
    static QRect FittedRect(const QRect& old, QSize text, QSize frameExtra, unsigned style);
    // Gives the label the hand cursor.
    void LoadHandCursor();

    // Opens the target: the desktop's opener first, then the default web browser. Returns
    // a result code of desktop/LinkOpener.h, success above 32. Virtual so tests launch nothing.
    virtual int OpenLinkTarget(const QString& target);
    // Shows the message for a failed open with the exclamation icon, under the caption
    // SetMessageCaption gave (else the application's name).
    virtual void ShowOpenError(int code);
    void SetMessageCaption(const QString& caption);
    // The message text for a result code, in Chinese, after "无法打开链接：" and a blank line.
    static QString OpenErrorText(int code);

    // The text colour for the current state: hover, else visited, else link colour.
    QColor CurrentTextColour() const;

signals:
    // The label was clicked (emitted after the target has been handled). Like a static
    // control that notifies, the label reacts to the press of the left button.
    void linkClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void CheckLeave();
    void OnClicked();

    QColor m_crLink{255, 0, 0};
    QColor m_crVisited{85, 26, 139};
    QColor m_crHover{255, 0, 0};
    bool m_bHover = false;
    bool m_bVisited = false;
    int m_nUnderline = UnderlineHover;
    bool m_bAutoSize = true;
    QString m_strTarget;
    QString m_strMessageCaption;
    QFont m_underlineFont;
    QFont m_standardFont;
    bool m_bHandCursor = false;
    unsigned m_staticStyle = kSsLeft;
    QTimer m_leaveTimer;
};
