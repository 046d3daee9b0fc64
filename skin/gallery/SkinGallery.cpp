// The skin gallery: the frames, the round button, the bitmap state buttons and the link
// labels in each of their states, on the bitmaps compiled into the program.
#include <QApplication>
#include <QCommandLineParser>
#include <QEnterEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include "skin/CircleButton.h"
#include "skin/FrameSkin.h"
#include "skin/LinkLabel.h"
#include "skin/SkinBitmaps.h"
#include "skin/SkinColours.h"
#include "skin/SkinFonts.h"
#include "skin/StateBitmapButton.h"

namespace {

// Bitmap ids of the skins and image buttons.
using namespace art;
constexpr int kMainSkin = kMainFaceId;
constexpr int kAboutSkin = kAboutFaceId;
constexpr int kCommandNormal = kCommandNormalId, kCommandDown = kCommandPressedId,
              kCommandMask = kCommandMaskId;
constexpr int kAboutNormal = kAboutNormalId, kAboutDown = kAboutPressedId, kSmallMask = kTitleMaskId;
constexpr int kMinimiseNormal = kMinimiseNormalId, kMinimiseDown = kMinimisePressedId;
constexpr int kCloseNormal = kCloseNormalId, kCloseDown = kClosePressedId;

// A skinned face: the frame operations on a widget, as the dialogs use them.
class FramePanel : public QWidget {
public:
    FramePanel(int skinId, QSize size, const QString& caption, QWidget* parent = nullptr)
        : QWidget(parent), m_skinId(skinId), m_caption(caption) {
        setFixedSize(size);
        ApplyFrameRegion(this, LoadBitmapResource(m_skinId));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        if (!PaintFrameBackground(this, painter, LoadBitmapResource(m_skinId), m_caption)) {
            painter.fillRect(rect(), QColor(Qt::darkGray));
            painter.setPen(Qt::white);
            painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("bitmap %1 missing").arg(m_skinId));
        }
    }
    void mousePressEvent(QMouseEvent* event) override { DragFrame(this, event); }

private:
    int m_skinId;
    QString m_caption;
};

CStateBitmapButton* ImageButton(QWidget* parent, QRect where, const QString& tip, int normal, int down,
                                int mask, const QString& text = QString()) {
    auto* b = new CStateBitmapButton(parent);
    b->setText(text);
    b->setFont(DialogFont(QStringLiteral("宋体"), 9));
    b->setGeometry(where);
    b->SetTooltipText(tip);
    b->SetBitmaps({.normal = normal, .down = down, .mask = mask});
    return b;
}

QLabel* Caption(const QString& text) {
    auto* label = new QLabel(text);
    label->setFont(DialogFont(QStringLiteral("宋体"), 9));
    return label;
}

void PretendHover(QWidget* w) {
    const QPointF inside(2, 2);
    QEnterEvent enter(inside, inside, w->mapToGlobal(inside));
    QCoreApplication::sendEvent(w, &enter);
    QMouseEvent move(QEvent::MouseMove, inside, w->mapToGlobal(inside), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(w, &move);
}

QWidget* MainFace() {
    auto* face = new FramePanel(kMainSkin, QSize(800, 580), QString());
    ImageButton(face, {784, 6, 11, 10}, QStringLiteral("关闭"), kCloseNormal, kCloseDown, kSmallMask);
    ImageButton(face, {769, 6, 11, 10}, QStringLiteral("最小化"), kMinimiseNormal, kMinimiseDown, kSmallMask);
    ImageButton(face, {6, 6, 11, 10}, QStringLiteral("关于"), kAboutNormal, kAboutDown, kSmallMask);
    ImageButton(face, {460, 35, 82, 18}, QStringLiteral("命理分析"), kCommandNormal, kCommandDown,
                kCommandMask, QStringLiteral("命理分析"));
    ImageButton(face, {460, 60, 82, 18}, QStringLiteral("打印预览"), kCommandNormal, kCommandDown,
                kCommandMask, QStringLiteral("打印预览"))
        ->setEnabled(false);
    ImageButton(face, {460, 85, 82, 18}, QStringLiteral("打印"), kCommandNormal, kCommandDown, kCommandMask,
                QStringLiteral("打印"))
        ->setEnabled(false);
    ImageButton(face, {460, 135, 82, 18}, QStringLiteral("系统帮助"), kCommandNormal, kCommandDown,
                kCommandMask, QStringLiteral("系统帮助"));
    return face;
}

QWidget* AboutFace() {
    auto* face = new FramePanel(kAboutSkin, QSize(420, 240), QStringLiteral("关于本系统"));
    const QFont dialogFont = DialogFont(QStringLiteral("宋体"), 9);
    auto* product = new QLabel(QStringLiteral("个人星衡命鉴 简体中文版 Ver1.0"), face);
    product->setFont(dialogFont);
    product->setGeometry(102, 54, 216, 13);
    auto* web = new CLinkLabel(QStringLiteral("点击进入-> 弈澜坊-官方网站"), face);
    web->setFont(dialogFont);
    web->setGeometry(126, 93, 160, 13);
    web->PreSubclassWindow();
    web->SetLinkTarget(QStringLiteral("https://example.com/"));
    auto* mail = new CLinkLabel(QStringLiteral("电邮: support@example.com"), face);
    mail->setFont(dialogFont);
    mail->setGeometry(130, 125, 153, 13);
    mail->PreSubclassWindow();
    mail->SetLinkTarget(QStringLiteral("mailto:support@example.com"));
    auto* ok = new CCircleButton(QStringLiteral("确定"), face);
    ok->setFont(dialogFont);
    ok->setGeometry(100, 190, 218, 31);
    ok->PreSubclassWindow(kBsDefPushButton);
    ImageButton(face, {402, 6, 11, 10}, QStringLiteral("关闭"), kCloseNormal, kCloseDown, kSmallMask);
    return face;
}

// One row per widget kind, one column per state.
QWidget* StatesPanel() {
    auto* panel = new QWidget;
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(kDialogFaceColour));
    panel->setPalette(pal);
    auto* grid = new QGridLayout(panel);
    const QStringList states{QStringLiteral("normal"), QStringLiteral("pressed"), QStringLiteral("disabled"),
                             QStringLiteral("hover"), QStringLiteral("checked / visited")};
    for (int c = 0; c < states.size(); ++c) grid->addWidget(Caption(states[c]), 0, c + 1);
    const QFont dialogFont = DialogFont(QStringLiteral("宋体"), 9);

    grid->addWidget(Caption(QStringLiteral("CCircleButton")), 1, 0);
    for (int c = 0; c < 4; ++c) {
        auto* b = new CCircleButton(QStringLiteral("确定"));
        b->setFont(dialogFont);
        b->setFixedSize(110, 26);
        if (c == 1) b->setDown(true);
        if (c == 2) b->setEnabled(false);
        grid->addWidget(b, 1, c + 1);
    }

    grid->addWidget(Caption(QStringLiteral("CStateBitmapButton")), 2, 0);
    for (int c = 0; c < 4; ++c) {
        auto* holder = new QWidget;
        holder->setFixedSize(100, 26);
        CStateBitmapButton* b =
            ImageButton(holder, {4, 4, 82, 18}, QStringLiteral("命理分析"), kCommandNormal, kCommandDown,
                        kCommandMask, QStringLiteral("命理分析"));
        if (c == 1) b->setDown(true);
        if (c == 2) b->setEnabled(false);
        if (c == 3) PretendHover(b);
        grid->addWidget(holder, 2, c + 1);
    }

    grid->addWidget(Caption(QStringLiteral("small image buttons")), 3, 0);
    const int smallNormal[] = {kCloseNormal, kMinimiseNormal, kAboutNormal};
    const int smallDown[] = {kCloseDown, kMinimiseDown, kAboutDown};
    for (int c = 0; c < 3; ++c) {
        auto* holder = new QWidget;
        holder->setFixedSize(60, 20);
        for (int i = 0; i < 3; ++i) {
            CStateBitmapButton* b = ImageButton(holder, {4 + 16 * i, 4, 11, 10}, QString(), smallNormal[i],
                                                smallDown[i], kSmallMask);
            if (c == 1) b->setDown(true);
            if (c == 2) b->setEnabled(false);
        }
        grid->addWidget(holder, 3, c + 1);
    }

    grid->addWidget(Caption(QStringLiteral("CLinkLabel")), 4, 0);
    for (int c : {0, 3, 4}) {
        auto* holder = new QWidget;
        holder->setFixedSize(170, 20);
        auto* link = new CLinkLabel(QStringLiteral("点击进入-> 弈澜坊-官方网站"), holder);
        link->setFont(dialogFont);
        link->move(2, 3);
        link->PreSubclassWindow();
        if (c == 3) PretendHover(link);
        if (c == 4) link->MarkVisited(true);
        grid->addWidget(holder, 4, c + 1);
    }
    return panel;
}

QWidget* Gallery() {
    auto* window = new QWidget;
    window->setWindowTitle(QStringLiteral("skin gallery"));
    auto* grid = new QGridLayout(window);
    grid->addWidget(MainFace(), 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(AboutFace(), 0, 1, Qt::AlignTop);
    grid->addWidget(StatesPanel(), 1, 1, Qt::AlignTop);
    return window;
}

// A real shaped top-level frame, as the program's dialogs are.
class ShapedFrame : public QWidget {
public:
    explicit ShapedFrame(int skinId) : m_skin(LoadBitmapResource(skinId)) {
        resize(m_skin.isNull() ? QSize(420, 240) : m_skin.size());
        ApplyFrameRegion(this, m_skin);
        auto* close = new QPushButton(QStringLiteral("关闭"), this);
        close->setGeometry(width() - 70, height() - 40, 60, 24);
        connect(close, &QPushButton::clicked, this, &QWidget::close);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        PaintFrameBackground(this, painter, m_skin, QStringLiteral("关于本系统"));
    }
    void mousePressEvent(QMouseEvent* event) override { DragFrame(this, event); }

private:
    QImage m_skin;
};

}  // namespace

int main(int argc, char* argv[]) {
    bool writePng = false;
    for (int i = 1; i < argc; ++i) writePng |= QByteArray(argv[i]) == "--png";
    if (writePng && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Shows every skin widget in every state."));
    parser.addHelpOption();
    const QCommandLineOption pngOption(QStringLiteral("png"), QStringLiteral("Write the gallery to <file>."),
                                       QStringLiteral("file"));
    const QCommandLineOption shapedOption(QStringLiteral("shaped"),
                                          QStringLiteral("Show a shaped top-level frame of bitmap <id>."),
                                          QStringLiteral("id"));
    parser.addOption(pngOption);
    parser.addOption(shapedOption);
    parser.process(app);

    if (parser.isSet(shapedOption)) {
        ShapedFrame frame(parser.value(shapedOption).toInt());
        frame.show();
        return app.exec();
    }
    QWidget* gallery = Gallery();
    gallery->show();
    if (parser.isSet(pngOption)) {
        QCoreApplication::processEvents();
        const bool saved = gallery->grab().save(parser.value(pngOption));
        delete gallery;
        return saved ? 0 : 1;
    }
    const int result = app.exec();
    delete gallery;
    return result;
}
