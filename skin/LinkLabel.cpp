// The hyperlink label: colours by state, hover underline with a timed leave check, text
// fitting, and opening the target with the error texts of a failed open.
#include "skin/LinkLabel.h"

#include <QApplication>
#include <QCursor>
#include <QFontMetrics>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <array>

#include "desktop/LinkOpener.h"
#include "skin/CaptionFit.h"
#include "skin/SkinColours.h"

namespace {

// How far below the label a leave repaints (the underline may reach below the text box).
constexpr int kLeaveRepaintBelow = 10;
// Result codes above this one are successes.
constexpr int kLastFailureCode = 32;

struct OpenError {
    int code;
    const char* text;
};

// Messages for the result codes of a failed open (desktop/LinkOpener.h).
constexpr std::array kOpenErrors{
    OpenError{0, "The operating system is out\nof memory or resources."},
    OpenError{2, "The specified file was not found."},
    OpenError{3, "The specified path was not found."},
    OpenError{5, "The operating system denied\naccess to the specified file."},
    OpenError{8, "There was not enough memory to complete the operation."},
    OpenError{11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
    OpenError{26, "A sharing violation occurred. "},
    OpenError{27, "The filename association is\nincomplete or invalid."},
    OpenError{28, "The DDE transaction could not\nbe completed because the request timed out."},
    OpenError{29, "The DDE transaction failed."},
    OpenError{
        30,
        "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed."},
    OpenError{31, "There is no application associated\nwith the given filename extension."},
    OpenError{32, "The specified dynamic-link library was not found."},
};
constexpr const char kOpenErrorPrefix[] = "Unable to open hyperlink:\n\n";

}  // namespace

CLinkLabel::CLinkLabel(QWidget* parent) : CLinkLabel(QString(), parent) {}

CLinkLabel::CLinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setMouseTracking(true);
    m_standardFont = font();
    m_underlineFont = font();
    m_underlineFont.setUnderline(true);
    m_leaveTimer.setInterval(kLinkLeaveCheckMs);
    connect(&m_leaveTimer, &QTimer::timeout, this, &CLinkLabel::CheckLeave);
}

void CLinkLabel::PreSubclassWindow(unsigned staticStyle) {
    m_staticStyle = staticStyle;
    Qt::Alignment align = Qt::AlignLeft;
    if (staticStyle & kSsCenter) {
        align = Qt::AlignHCenter;
    } else if (staticStyle & kSsRight) {
        align = Qt::AlignRight;
    }
    align |= (staticStyle & kSsCenterImage) ? Qt::AlignVCenter : Qt::AlignTop;
    setAlignment(align);
    setWordWrap(!(staticStyle & kSsCenterImage));

    if (m_strTarget.isEmpty()) m_strTarget = text();
    if (text().isEmpty()) setText(m_strTarget);

    // Both fonts are copies of the label's own font; it keeps that font until the mouse
    // first enters.
    m_standardFont = font();
    m_underlineFont = font();
    m_underlineFont.setUnderline(true);

    FitToText();
    LoadHandCursor();
    ApplyUnderlineMode(UnderlineHover);
    setToolTip(m_strTarget);
}

void CLinkLabel::SetLinkTarget(const QString& target) {
    m_strTarget = target;
    FitToText();
    setToolTip(target);
}

void CLinkLabel::MarkVisited(bool visited) {
    m_bVisited = visited;
    update();
}

void CLinkLabel::ApplyUnderlineMode(int mode) {
    if (mode == m_nUnderline) return;
    setFont(mode == UnderlineAlways ? m_underlineFont : m_standardFont);
    update();
    m_nUnderline = mode;
}

QRect CLinkLabel::FittedRect(const QRect& old, QSize text, QSize frameExtra, unsigned style) {
    // Window-rectangle arithmetic: right and bottom lie one past the last pixel.
    int left = old.left();
    int top = old.top();
    int right = old.left() + old.width();
    int bottom = old.top() + old.height();
    const int newHeight = text.height() + frameExtra.height();
    const int newWidth = text.width() + frameExtra.width();

    if (style & kSsCenterImage) {
        const int dy = -(old.height() - newHeight) / 2;
        top -= dy;
        bottom += dy;
    } else {
        bottom = top + newHeight;
    }
    if (style & kSsCenter) {
        const int dx = -(old.width() - newWidth) / 2;
        left -= dx;
        right += dx;
    } else if (style & kSsRight) {
        left = right - newWidth;
    } else {
        right = left + newWidth;
    }
    return QRect(left, top, right - left, bottom - top);
}

void CLinkLabel::FitToText() {
    if (!m_bAutoSize) return;
    const QFontMetrics metrics(m_underlineFont);
    const QSize textSize(metrics.horizontalAdvance(text()), metrics.height());
    const QSize frameExtra = size() - contentsRect().size();
    setGeometry(FittedRect(geometry(), textSize, frameExtra, m_staticStyle));
}

void CLinkLabel::LoadHandCursor() {
    if (m_bHandCursor) return;
    setCursor(Qt::PointingHandCursor);
    m_bHandCursor = true;
}

int CLinkLabel::OpenLinkTarget(const QString& target) {
    const int result = ShellOpenTarget(target);
    if (result > kLastFailureCode) return result;
    // Only a target nothing is associated with goes to the web browser: a missing or
    // unreadable file is reported as such rather than handed on.
    if (result != kOpenNoAssociation) return result;
    return OpenWithHtmlHandler(target, result);
}

QString CLinkLabel::OpenErrorText(int code) {
    QString text = QStringLiteral("Unknown Error (%1) occurred.").arg(code);
    for (const OpenError& error : kOpenErrors) {
        if (error.code == code) text = QString::fromLatin1(error.text);
    }
    return QString::fromLatin1(kOpenErrorPrefix) + text;
}

void CLinkLabel::ShowOpenError(int code) {
    QMessageBox box(QMessageBox::Warning, QGuiApplication::applicationDisplayName(), OpenErrorText(code),
                    QMessageBox::Ok, this);
    FitToCaption(box);
    box.exec();
}

QColor CLinkLabel::CurrentTextColour() const {
    if (m_bHover) return m_crHover;
    return m_bVisited ? m_crVisited : m_crLink;
}

void CLinkLabel::paintEvent(QPaintEvent* event) {
    Q_UNUSED(event);
    QPainter painter(this);
    painter.fillRect(rect(), QColor::fromRgb(kDialogFaceColour));
    drawFrame(&painter);
    painter.setFont(font());
    painter.setPen(CurrentTextColour());
    int flags = static_cast<int>(alignment()) | Qt::TextShowMnemonic;
    // Wrap only a text that does not fit on one line: a label fitted to its text is
    // exactly as wide as the text, and wrapping would push its last character away.
    const bool fits = QFontMetrics(font()).horizontalAdvance(text()) <= contentsRect().width();
    flags |= (wordWrap() && !fits) ? Qt::TextWordWrap : Qt::TextSingleLine;
    painter.drawText(contentsRect(), flags, text());
}

void CLinkLabel::mouseMoveEvent(QMouseEvent* event) {
    if (!m_bHover) {
        m_bHover = true;
        if (m_nUnderline == UnderlineHover) setFont(m_underlineFont);
        update();
        m_leaveTimer.start();
    }
    QLabel::mouseMoveEvent(event);
}

void CLinkLabel::CheckLeave() {
    // The cursor, not the last mouse event, decides: a fast move out of the label sends
    // no further event to it.
    if (rect().contains(mapFromGlobal(QCursor::pos()))) return;
    m_bHover = false;
    m_leaveTimer.stop();
    if (m_nUnderline != UnderlineAlways) setFont(m_standardFont);
    update();
    if (parentWidget() != nullptr) parentWidget()->update(geometry().adjusted(0, 0, 0, kLeaveRepaintBelow));
}

void CLinkLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    event->accept();
    OnClicked();
}

void CLinkLabel::OnClicked() {
    m_bHover = false;
    const int result = OpenLinkTarget(m_strTarget);
    m_bVisited = result > kLastFailureCode;
    if (m_bVisited) {
        MarkVisited(true);
    } else {
        update();
        QApplication::beep();
        ShowOpenError(result);
    }
    emit linkClicked();
}
