// The 八字反推 panel: the field, the years, the list of windows.
#include "app/chart/PillarSearchPanel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/chart/PillarQuery.h"

namespace {

// Long enough for eight characters with blanks between them, short enough
// that nothing pasted by mistake is kept whole.
constexpr int kFieldMaxLength = 40;
constexpr QRgb kRefusalColour = 0xFFB71C1C;

QString U(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

QSpinBox* YearSpin(int value, const QString& accessibleName, QWidget* parent) {
    auto* spin = new QSpinBox(parent);
    spin->setRange(chart::kFirstChartYear, chart::kLastChartYear);
    spin->setValue(value);
    spin->setAccessibleName(accessibleName);
    return spin;
}

}  // namespace

CPillarSearchPanel::CPillarSearchPanel(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);

    auto* fieldRow = new QHBoxLayout;
    auto* fieldLabel = new QLabel(QStringLiteral("四柱八字"), this);
    m_pPillarsEdit = new QLineEdit(this);
    m_pPillarsEdit->setMaxLength(kFieldMaxLength);
    m_pPillarsEdit->setPlaceholderText(QStringLiteral("如：甲子 丙寅 戊辰 壬子（年月日时）"));
    m_pPillarsEdit->setAccessibleName(QStringLiteral("四柱八字"));
    m_pPillarsEdit->setClearButtonEnabled(true);
    fieldLabel->setBuddy(m_pPillarsEdit);
    fieldRow->addWidget(fieldLabel);
    fieldRow->addWidget(m_pPillarsEdit, 1);
    layout->addLayout(fieldRow);

    auto* limitsRow = new QHBoxLayout;
    m_pFromSpin = YearSpin(chart::kFirstChartYear, QStringLiteral("起始年份"), this);
    m_pToSpin = YearSpin(chart::kLastChartYear, QStringLiteral("终止年份"), this);
    m_pSexCombo = new QComboBox(this);
    m_pSexCombo->addItem(QStringLiteral("男"), static_cast<int>(chart::Sex::Male));
    m_pSexCombo->addItem(QStringLiteral("女"), static_cast<int>(chart::Sex::Female));
    m_pSexCombo->setAccessibleName(QStringLiteral("排盘性别"));
    m_pSearchButton = new QPushButton(QStringLiteral("查找"), this);
    m_pSearchButton->setAccessibleName(QStringLiteral("查找出生时段"));
    limitsRow->addWidget(new QLabel(QStringLiteral("年份"), this));
    limitsRow->addWidget(m_pFromSpin);
    limitsRow->addWidget(new QLabel(QStringLiteral("至"), this));
    limitsRow->addWidget(m_pToSpin);
    limitsRow->addSpacing(12);
    limitsRow->addWidget(new QLabel(QStringLiteral("性别"), this));
    limitsRow->addWidget(m_pSexCombo);
    limitsRow->addSpacing(12);
    limitsRow->addWidget(m_pSearchButton);
    limitsRow->addStretch(1);
    layout->addLayout(limitsRow);

    m_pStatus = new QLabel(this);
    m_pStatus->setWordWrap(true);
    m_pStatus->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_pStatus->setText(QStringLiteral("输入年月日时四柱，查 %1–%2 年间有此八字的出生时段（按北京时间）。")
                           .arg(chart::kFirstChartYear)
                           .arg(chart::kLastChartYear));
    layout->addWidget(m_pStatus);

    m_pResults = new QTreeWidget(this);
    m_pResults->setColumnCount(3);
    m_pResults->setHeaderLabels({QStringLiteral("日期"), QStringLiteral("时段"), QStringLiteral("子时流派")});
    m_pResults->setRootIsDecorated(false);
    m_pResults->setUniformRowHeights(true);
    m_pResults->setAllColumnsShowFocus(true);
    m_pResults->setAccessibleName(QStringLiteral("反推所得出生时段"));
    layout->addWidget(m_pResults, 1);

    auto* castRow = new QHBoxLayout;
    m_pCastButton = new QPushButton(QStringLiteral("排此盘"), this);
    m_pCastButton->setAccessibleName(QStringLiteral("按所选时段排盘"));
    m_pCastButton->setEnabled(false);
    castRow->addWidget(m_pCastButton);
    castRow->addStretch(1);
    layout->addLayout(castRow);

    connect(m_pPillarsEdit, &QLineEdit::returnPressed, this, &CPillarSearchPanel::Search);
    connect(m_pSearchButton, &QPushButton::clicked, this, &CPillarSearchPanel::Search);
    connect(m_pResults, &QTreeWidget::itemActivated, this, &CPillarSearchPanel::CastCurrent);
    connect(m_pCastButton, &QPushButton::clicked, this, &CPillarSearchPanel::CastCurrent);
    connect(m_pResults, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { m_pCastButton->setEnabled(current != nullptr); });
}

void CPillarSearchPanel::Search() {
    m_pResults->clear();
    m_windows.clear();
    m_pCastButton->setEnabled(false);
    const int from = m_pFromSpin->value(), to = m_pToSpin->value();
    if (from > to) {
        ShowStatus(QStringLiteral("起始年份 %1 在终止年份 %2 之后").arg(from).arg(to), true);
        return;
    }
    const chartwnd::PillarQuery query = chartwnd::ReadPillars(m_pPillarsEdit->text().toStdString());
    if (!query.pillars) {
        ShowStatus(QStringLiteral("无法反推：") + U(query.refusal), true);
        return;
    }
    m_pillars = *query.pillars;
    m_windows = calendar::FindBirthWindows(m_pillars, from, to);
    for (const calendar::BirthWindow& w : m_windows) {
        auto* item = new QTreeWidgetItem(m_pResults);
        item->setText(0, U(chart::FormatDate(w.start)));
        item->setText(1, U(chartwnd::WindowSpanText(w)));
        item->setText(2, U(chartwnd::ZiSchoolText(w.school)));
    }
    for (int column = 0; column < m_pResults->columnCount(); ++column)
        m_pResults->resizeColumnToContents(column);
    if (m_windows.empty()) {
        ShowStatus(QStringLiteral("%1–%2 年间没有这组四柱。").arg(from).arg(to), false);
        return;
    }
    m_pResults->setCurrentItem(m_pResults->topLevelItem(0));
    ShowStatus(QStringLiteral("%1–%2 年间共 %3 个时段。选中一个，按回车、双击或点“排此盘”即排其盘。")
                   .arg(from)
                   .arg(to)
                   .arg(m_windows.size()),
               false);
}

void CPillarSearchPanel::SetSex(chart::Sex sex) {
    m_pSexCombo->setCurrentIndex(m_pSexCombo->findData(static_cast<int>(sex)));
}

void CPillarSearchPanel::ShowStatus(const QString& text, bool refusal) {
    QPalette palette = m_pStatus->palette();
    palette.setColor(QPalette::WindowText, refusal ? QColor::fromRgb(kRefusalColour)
                                                   : QWidget::palette().color(QPalette::WindowText));
    m_pStatus->setPalette(palette);
    m_pStatus->setText(text);
}

void CPillarSearchPanel::CastCurrent() {
    const int row = m_pResults->indexOfTopLevelItem(m_pResults->currentItem());
    if (row < 0 || row >= static_cast<int>(m_windows.size())) return;
    emit castRequested(m_windows[static_cast<std::size_t>(row)], m_pillars,
                       static_cast<chart::Sex>(m_pSexCombo->currentData().toInt()));
}
