// The pillar strip: a one-row list whose cells are painted by a delegate.
#include "app/chart/PillarStrip.h"

#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <algorithm>

#include "Theory.h"
#include "app/pages/ChartPage.h"
#include "skin/SkinFonts.h"

namespace {

// A cell's geometry in pixels: a margin round it, small lines of kSmallLine,
// two large characters of kBigLine each and one small line under them.
constexpr int kCellMargin = 3;
constexpr int kSmallLine = 16;
constexpr int kBigLine = 26;
constexpr int kBigPixelSize = 20;
constexpr int kSmallPixelSize = 12;
constexpr int kMinCellWidth = 40;
constexpr int kPadding = 3;

constexpr QRgb kPickedFill = 0xFFF6E7BD;    // pale gold
constexpr QRgb kPickedFrame = 0xFF7A3B1A;   // lacquer
constexpr QRgb kPresentFrame = 0xFFC62828;  // red
constexpr QRgb kInk = 0xFF202020;
constexpr QRgb kSmallInk = 0xFF505050;

enum Role { AboveRole = Qt::UserRole + 1, BigRole, PillarRole, BelowRole, PresentRole };

int CellHeight(int aboveLines) {
    return 2 * kCellMargin + 2 * kPadding + (aboveLines + 1) * kSmallLine + 2 * kBigLine;
}

QFont PixelFont(int pixels, bool bold) {
    QFont font;
    font.setFamilies(FamiliesForFace(QStringLiteral("宋体")));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

class PillarCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const QRect cell = option.rect.adjusted(kCellMargin, kCellMargin, -kCellMargin, -kCellMargin);
        const bool picked = option.state.testFlag(QStyle::State_Selected);
        if (picked) {
            painter->setPen(QPen(QColor::fromRgb(kPickedFrame), 1.0));
            painter->setBrush(QColor::fromRgb(kPickedFill));
            painter->drawRoundedRect(QRectF(cell).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
        }
        if (index.data(PresentRole).toBool()) {
            painter->setPen(QPen(QColor::fromRgb(kPresentFrame), 2.0));
            painter->setBrush(Qt::NoBrush);
            painter->drawRoundedRect(QRectF(cell).adjusted(1, 1, -1, -1), 3, 3);
        }

        int y = cell.top() + kPadding;
        painter->setFont(PixelFont(kSmallPixelSize, false));
        painter->setPen(QColor::fromRgb(kSmallInk));
        for (const QString& line : index.data(AboveRole).toStringList()) {
            painter->drawText(QRect(cell.left(), y, cell.width(), kSmallLine), Qt::AlignCenter, line);
            y += kSmallLine;
        }

        const QString big = index.data(BigRole).toString();
        const int pillar = index.data(PillarRole).toInt();
        painter->setFont(PixelFont(kBigPixelSize, true));
        for (int i = 0; i < std::min<qsizetype>(2, big.size()); ++i) {
            QRgb ink = kInk;
            if (pillar >= 0)
                ink = pages::ElementColour(i == 0 ? chart::StemElement(pillar % 10)
                                                  : chart::BranchElement(pillar % 12));
            painter->setPen(QColor::fromRgb(ink));
            painter->drawText(QRect(cell.left(), y, cell.width(), kBigLine), Qt::AlignCenter, big.mid(i, 1));
            y += kBigLine;
        }

        painter->setFont(PixelFont(kSmallPixelSize, false));
        painter->setPen(QColor::fromRgb(kSmallInk));
        painter->drawText(QRect(cell.left(), y, cell.width(), kSmallLine), Qt::AlignCenter,
                          index.data(BelowRole).toString());

        if (option.state.testFlag(QStyle::State_HasFocus)) {
            QStyleOptionFocusRect focus;
            focus.initFrom(option.widget);
            focus.rect = cell.adjusted(2, 2, -2, -2);
            focus.backgroundColor = QColor::fromRgb(picked ? kPickedFill : 0xFFFFFFFF);
            option.widget->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, option.widget);
        }
        painter->restore();
    }
};

}  // namespace

CPillarStrip::CPillarStrip(int aboveLines, QWidget* parent) : QListWidget(parent), m_aboveLines(aboveLines) {
    setFlow(QListView::LeftToRight);
    setWrapping(false);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setItemDelegate(new PillarCellDelegate(this));
    setFocusPolicy(Qt::StrongFocus);
    setFixedHeight(CellHeight(m_aboveLines) + 2 * frameWidth());
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_bSetting && row >= 0) emit picked(row);
    });
}

void CPillarStrip::SetCells(const std::vector<PillarCell>& cells, int pickedIndex) {
    m_bSetting = true;
    clear();
    for (const PillarCell& c : cells) {
        auto* item = new QListWidgetItem(this);
        QStringList words = c.above;
        words << c.big;
        if (!c.below.isEmpty()) words << c.below;
        // What a screen reader says and a tooltip shows: the cell's words in order.
        item->setText(words.join(QLatin1Char(' ')));
        item->setToolTip(item->text());
        item->setData(AboveRole, c.above);
        item->setData(BigRole, c.big);
        item->setData(PillarRole, c.pillar);
        item->setData(BelowRole, c.below);
        item->setData(PresentRole, c.present);
    }
    FitCells();
    if (pickedIndex >= 0 && pickedIndex < count()) {
        setCurrentRow(pickedIndex);
        scrollToItem(item(pickedIndex));
    } else {
        setCurrentRow(-1);
    }
    m_bSetting = false;
}

QRect CPillarStrip::CellRect(int index) const {
    const QListWidgetItem* cell = item(index);
    return cell ? visualItemRect(cell) : QRect();
}

QSize CPillarStrip::sizeHint() const {
    return {std::max(1, count()) * (kMinCellWidth + 8) + 2 * frameWidth(), height()};
}

QSize CPillarStrip::minimumSizeHint() const {
    return {std::max(1, count()) * kMinCellWidth + 2 * frameWidth(), height()};
}

void CPillarStrip::resizeEvent(QResizeEvent* event) {
    QListWidget::resizeEvent(event);
    FitCells();
}

// The cells share the width, none narrower than kMinCellWidth.
void CPillarStrip::FitCells() {
    if (count() == 0) return;
    const int width = std::max(kMinCellWidth, viewport()->width() / count());
    const QSize size(width, CellHeight(m_aboveLines));
    for (int i = 0; i < count(); ++i) item(i)->setSizeHint(size);
    doItemsLayout();
}
