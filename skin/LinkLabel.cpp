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

// Messages for the result codes of a failed open (desktop/LinkOpener.h), in
// the program's language. The codes are the shell's; the ones this desktop's
// opener gives are 2, 3, 5, 8 and 31.
constexpr std::array kOpenErrors{
    OpenError{0, "系统内存或资源不足。"},
    OpenError{2, "找不到指定的文件。"},
    OpenError{3, "找不到指定的路径。"},
    OpenError{5, "系统拒绝访问指定的文件。"},
    OpenError{8, "内存不足，无法完成此操作。"},
    OpenError{11, "要启动的程序文件无效。"},
    OpenError{26, "文件正被占用，无法共享。"},
    OpenError{27, "文件关联不完整或无效。"},
    OpenError{28, "请求超时，未能完成。"},
    OpenError{29, "请求失败。"},
    OpenError{30, "其他请求正在处理，未能完成。"},
    OpenError{31, "本机没有可以打开此链接的程序（网页浏览器或电子邮件程序）。"},
    OpenError{32, "找不到所需的程序库。"},
};
constexpr const char kOpenErrorPrefix[] = "无法打开链接：\n\n";
constexpr const char kUnknownError[] = "未知错误（%1）。";

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
    QString text = QString::fromUtf8(kUnknownError).arg(code);
    for (const OpenError& error : kOpenErrors) {
        if (error.code == code) text = QString::fromUtf8(error.text);
    }
    return QString::fromUtf8(kOpenErrorPrefix) + text;
}

void CLinkLabel::SetMessageCaption(const QString& caption) {
    m_strMessageCaption = caption;
}

void CLinkLabel::ShowOpenError(int code) {
    const QString caption =
        m_strMessageCaption.isEmpty() ? QGuiApplication::applicationDisplayName() : m_strMessageCaption;
    QMessageBox box(QMessageBox::Warning, caption, OpenErrorText(code), QMessageBox::Ok, this);
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
