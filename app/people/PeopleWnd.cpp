// The 档案 window on face 270.
#include "app/people/PeopleWnd.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTimer>

#include "StoreError.h"
#include "app/people/PeopleListModel.h"
#include "app/people/PersonDlg.h"
#include "app/people/SkinnedWindow.h"
#include "res/bitmaps/BitmapIds.h"
#include "skin/StateBitmapButton.h"

namespace {

// The search band (inside kPeopleFaceSearchBand), in pixels of face 270.
constexpr int kBandTop = 36;
constexpr int kFieldHeight = 22;
constexpr QRect kSearchLabel{16, kBandTop, 32, kFieldHeight};
constexpr QRect kSearchField{50, kBandTop, 300, kFieldHeight};
constexpr QRect kSortLabel{366, kBandTop, 32, kFieldHeight};
constexpr QRect kSortField{400, kBandTop, 96, kFieldHeight};
constexpr QRect kDescendingField{506, kBandTop, 56, kFieldHeight};
constexpr QRect kCountField{566, kBandTop, 138, kFieldHeight};
// The command band (inside kPeopleFaceCommandBand).
constexpr int kCommandsTop = 482;
constexpr int kCommandsLeft = 16;
constexpr int kCommandStep = art::kCommandButtonWidth + 10;
constexpr QRect kUndoOffer{390, kCommandsTop, 314, art::kCommandButtonHeight};
constexpr QRect kKeysHint{16, 504, 688, 14};
// The list: rows of one height (so the view asks only for the rows it shows)
// and the columns' widths.
constexpr int kRowHeight = 20;
constexpr int kColumnWidths[CPeopleListModel::kColumnCount] = {150, 40, 170, 90, 130, 0};  // 0: the rest

// The sort choices in the order of the sort field.
constexpr people::SortKey kSortKeys[] = {people::SortKey::Changed, people::SortKey::Name,
                                         people::SortKey::Birth};
constexpr const char* kSortNames[] = {"修改时间", "姓名", "出生"};
static_assert(std::size(kSortKeys) == std::size(kSortNames));

QRect Rect(const art::PixelRect& r) {
    return QRect(r.x, r.y, r.w, r.h);
}

int SortIndex(people::SortKey key) {
    for (std::size_t i = 0; i < std::size(kSortKeys); ++i)
        if (kSortKeys[i] == key) return static_cast<int>(i);
    return 0;
}

}  // namespace

CPeopleWnd::CPeopleWnd(people::PeopleStore& store, QWidget* parent) : QWidget(parent), m_store(store) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8(kPeopleCaption));
    peopleui::SetUpSkinnedWindow(this, art::kPeopleFaceId);
    BuildControls();
    ConnectControls();
    // The most recently changed first: the people a practitioner is seeing now.
    m_bUpdatingSort = true;
    m_pSortCombo->setCurrentIndex(SortIndex(people::SortKey::Changed));
    m_pDescendingBox->setChecked(true);
    m_bUpdatingSort = false;
    ShowSearch({.text = {}, .sort = people::SortKey::Changed, .descending = true}, 0);
    m_pSearchEdit->setFocus();
}

CPeopleWnd::~CPeopleWnd() = default;

void CPeopleWnd::BuildControls() {
    auto label = [this](const char* text, const QRect& where) {
        auto* l = new QLabel(QString::fromUtf8(text), this);
        l->setGeometry(where);
        return l;
    };
    label("查找", kSearchLabel);
    m_pSearchEdit = new QLineEdit(this);
    m_pSearchEdit->setGeometry(kSearchField);
    m_pSearchEdit->setPlaceholderText(QStringLiteral("姓名、拼音首字母、日期或标签"));
    m_pSearchEdit->setAccessibleName(QStringLiteral("查找"));
    m_pSearchEdit->setClearButtonEnabled(true);
    m_pSearchEdit->installEventFilter(this);

    label("排序", kSortLabel);
    m_pSortCombo = new QComboBox(this);
    for (const char* name : kSortNames) m_pSortCombo->addItem(QString::fromUtf8(name));
    m_pSortCombo->setGeometry(kSortField);
    m_pSortCombo->setAccessibleName(QStringLiteral("排序"));
    m_pDescendingBox = new QCheckBox(QStringLiteral("倒序"), this);
    m_pDescendingBox->setGeometry(kDescendingField);
    m_pCountLabel = label("", kCountField);
    m_pCountLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_pModel = new CPeopleListModel(m_store, this);
    m_pList = new QTableView(this);
    m_pList->setGeometry(Rect(art::kPeopleFaceListArea));
    m_pList->setModel(m_pModel);
    m_pList->setAccessibleName(QStringLiteral("档案列表"));
    m_pList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pList->setTabKeyNavigation(false);
    m_pList->setWordWrap(false);
    m_pList->setAlternatingRowColors(true);
    m_pList->setFrameShape(QFrame::NoFrame);
    m_pList->installEventFilter(this);
    QHeaderView* rows = m_pList->verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(kRowHeight);
    QHeaderView* columns = m_pList->horizontalHeader();
    columns->setSectionsClickable(true);
    columns->setSortIndicatorShown(true);
    columns->setHighlightSections(false);
    columns->setStretchLastSection(true);
    for (int c = 0; c < CPeopleListModel::kColumnCount; ++c)
        if (kColumnWidths[c] > 0) columns->resizeSection(c, kColumnWidths[c]);
    QPalette white = m_pList->palette();
    white.setColor(QPalette::Base, Qt::white);
    m_pList->setPalette(white);

    int x = kCommandsLeft;
    auto command = [this, &x](const char* text, const char* tooltip) {
        CStateBitmapButton* b = peopleui::AddCommandButton(
            this, QString::fromUtf8(text), QString::fromUtf8(tooltip), QPoint(x, kCommandsTop));
        x += kCommandStep;
        return b;
    };
    m_pOpenButton = command("打开", "在主窗口论命 (Enter)");
    m_pEditButton = command("编辑", "修改姓名、备注与标签");
    m_pDeleteButton = command("删除", "从档案中删除，可撤销 (Del)");
    m_pChartButton = command("排盘", "打开此人的八字排盘");

    m_pUndoOffer = new QWidget(this);
    m_pUndoOffer->setGeometry(kUndoOffer);
    m_pUndoLabel = new QLabel(m_pUndoOffer);
    m_pUndoLabel->setGeometry(0, 0, kUndoOffer.width() - art::kCommandButtonWidth - 8, kUndoOffer.height());
    m_pUndoLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_pUndoButton = peopleui::AddCommandButton(m_pUndoOffer, QStringLiteral("撤销"),
                                               QStringLiteral("放回刚删除的人 (Ctrl+Z)"),
                                               QPoint(kUndoOffer.width() - art::kCommandButtonWidth, 0));
    m_pUndoOffer->hide();
    label("Enter 打开　Del 删除　Ctrl+Z 撤销删除　Ctrl+F 查找　Esc 关闭", kKeysHint);

    peopleui::AddCloseButton(this, art::kPeopleFaceCloseButton);

    // The list's own menu holds the commands too.
    m_pList->setContextMenuPolicy(Qt::ActionsContextMenu);
    const struct {
        const char* text;
        void (CPeopleWnd::*handler)();
    } menu[] = {{"打开", &CPeopleWnd::OnOpen},
                {"编辑", &CPeopleWnd::OnEdit},
                {"删除", &CPeopleWnd::OnDelete},
                {"排盘", &CPeopleWnd::OnChart}};
    for (const auto& item : menu) {
        auto* action = new QAction(QString::fromUtf8(item.text), m_pList);
        connect(action, &QAction::triggered, this, item.handler);
        m_pList->addAction(action);
    }
    auto* undo = new QAction(QStringLiteral("撤销"), this);
    undo->setShortcut(QKeySequence::Undo);
    undo->setShortcutContext(Qt::WindowShortcut);
    connect(undo, &QAction::triggered, this, [this] { OnUndo(); });
    addAction(undo);
    auto* find = new QAction(QStringLiteral("查找"), this);
    find->setShortcut(QKeySequence::Find);
    connect(find, &QAction::triggered, this, [this] {
        m_pSearchEdit->setFocus(Qt::ShortcutFocusReason);
        m_pSearchEdit->selectAll();
    });
    addAction(find);

    setTabOrder(m_pSearchEdit, m_pSortCombo);
    setTabOrder(m_pSortCombo, m_pDescendingBox);
    setTabOrder(m_pDescendingBox, m_pList);
    setTabOrder(m_pList, m_pOpenButton);
    setTabOrder(m_pOpenButton, m_pEditButton);
    setTabOrder(m_pEditButton, m_pDeleteButton);
    setTabOrder(m_pDeleteButton, m_pChartButton);
    setTabOrder(m_pChartButton, m_pUndoButton);

    m_pSearchTimer = new QTimer(this);
    m_pSearchTimer->setSingleShot(true);
    m_pSearchTimer->setInterval(kSearchDelayMilliseconds);
    m_pUndoTimer = new QTimer(this);
    m_pUndoTimer->setSingleShot(true);
    m_pUndoTimer->setInterval(kUndoOfferMilliseconds);
}

void CPeopleWnd::ConnectControls() {
    connect(m_pSearchEdit, &QLineEdit::textChanged, m_pSearchTimer, qOverload<>(&QTimer::start));
    connect(m_pSearchTimer, &QTimer::timeout, this, &CPeopleWnd::ApplySearch);
    connect(m_pSortCombo, &QComboBox::currentIndexChanged, this, &CPeopleWnd::OnSortControlsChanged);
    connect(m_pDescendingBox, &QCheckBox::toggled, this, &CPeopleWnd::OnSortControlsChanged);
    connect(m_pList->horizontalHeader(), &QHeaderView::sectionClicked, this, &CPeopleWnd::OnHeaderClicked);
    connect(m_pList, &QTableView::doubleClicked, this, &CPeopleWnd::OnOpen);
    connect(m_pModel, &CPeopleListModel::StoreFailed, this, &CPeopleWnd::Fail);
    connect(m_pOpenButton, &QAbstractButton::clicked, this, &CPeopleWnd::OnOpen);
    connect(m_pEditButton, &QAbstractButton::clicked, this, &CPeopleWnd::OnEdit);
    connect(m_pDeleteButton, &QAbstractButton::clicked, this, &CPeopleWnd::OnDelete);
    connect(m_pChartButton, &QAbstractButton::clicked, this, &CPeopleWnd::OnChart);
    connect(m_pUndoButton, &QAbstractButton::clicked, this, [this] { OnUndo(); });
    connect(m_pUndoTimer, &QTimer::timeout, m_pUndoOffer, &QWidget::hide);
    connect(m_pList->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &CPeopleWnd::UpdateCommands);
}

void CPeopleWnd::ShowSearch(const people::Search& search, people::PersonId keep, int fallbackRow) {
    QString error;
    if (!m_pModel->SetSearch(search, &error)) {
        Fail(error);
        return;
    }
    UpdateSortIndicator();
    UpdateCount();
    int row = keep > 0 ? m_pModel->RowOf(keep) : -1;
    if (row < 0) row = std::min(fallbackRow, m_pModel->rowCount() - 1);
    if (row >= 0) {
        const QModelIndex index = m_pModel->index(row, CPeopleListModel::kName);
        m_pList->selectionModel()->setCurrentIndex(
            index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        m_pList->scrollTo(index);
    }
    UpdateCommands();
}

void CPeopleWnd::ApplySearch() {
    m_pSearchTimer->stop();
    people::Search search = m_pModel->CurrentSearch();
    search.text = m_pSearchEdit->text().toStdString();
    ShowSearch(search, 0);
}

void CPeopleWnd::SortBy(people::SortKey key, bool descending) {
    m_bUpdatingSort = true;
    m_pSortCombo->setCurrentIndex(SortIndex(key));
    m_pDescendingBox->setChecked(descending);
    m_bUpdatingSort = false;
    people::Search search = m_pModel->CurrentSearch();
    search.sort = key;
    search.descending = descending;
    const std::optional<people::Person> current = CurrentPerson();
    ShowSearch(search, current ? current->id : 0);
}

void CPeopleWnd::Refresh() {
    const std::optional<people::Person> current = CurrentPerson();
    const int row = m_pList->currentIndex().isValid() ? m_pList->currentIndex().row() : 0;
    ShowSearch(m_pModel->CurrentSearch(), current ? current->id : 0, row);
}

void CPeopleWnd::Select(people::PersonId id) {
    const int row = m_pModel->RowOf(id);
    if (row < 0) return;
    const QModelIndex index = m_pModel->index(row, CPeopleListModel::kName);
    m_pList->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_pList->scrollTo(index);
}

void CPeopleWnd::OnSortControlsChanged() {
    if (m_bUpdatingSort) return;
    SortBy(kSortKeys[static_cast<std::size_t>(std::max(0, m_pSortCombo->currentIndex()))],
           m_pDescendingBox->isChecked());
}

void CPeopleWnd::OnHeaderClicked(int column) {
    const std::optional<people::SortKey> key = CPeopleListModel::SortKeyOf(column);
    if (!key) {
        UpdateSortIndicator();  // a column the store cannot sort by keeps the list as it is
        return;
    }
    const people::Search& now = m_pModel->CurrentSearch();
    // The column sorted by turns its direction; another starts ascending.
    SortBy(*key, now.sort == *key ? !now.descending : false);
}

void CPeopleWnd::UpdateSortIndicator() {
    const people::Search& search = m_pModel->CurrentSearch();
    m_pList->horizontalHeader()->setSortIndicator(
        CPeopleListModel::ColumnOf(search.sort),
        search.descending ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void CPeopleWnd::UpdateCount() {
    int total = 0;
    try {
        total = m_store.Count();
    } catch (const people::StoreError& e) {
        Fail(QString::fromUtf8(e.what()));
        return;
    }
    const int shown = m_pModel->rowCount();
    m_pCountLabel->setText(m_pModel->CurrentSearch().text.empty()
                               ? QStringLiteral("共 %1 人").arg(total)
                               : QStringLiteral("找到 %1 人，共 %2 人").arg(shown).arg(total));
}

void CPeopleWnd::UpdateCommands() {
    const bool any = m_pList->currentIndex().isValid();
    for (CStateBitmapButton* b : {m_pOpenButton, m_pEditButton, m_pDeleteButton, m_pChartButton})
        b->setEnabled(any);
}

std::optional<people::Person> CPeopleWnd::CurrentPerson() const {
    const QModelIndex index = m_pList->currentIndex();
    if (!index.isValid()) return std::nullopt;
    try {
        return m_store.Get(m_pModel->IdAt(index.row()));
    } catch (const people::StoreError&) {
        return std::nullopt;
    }
}

void CPeopleWnd::OnOpen() {
    const std::optional<people::Person> p = CurrentPerson();
    if (!p) return;
    emit OpenRequested(*p);
    close();
}

void CPeopleWnd::OnChart() {
    const std::optional<people::Person> p = CurrentPerson();
    if (!p) return;
    emit ChartRequested(*p);
}

void CPeopleWnd::OnEdit() {
    const std::optional<people::Person> p = CurrentPerson();
    if (!p) return;
    auto writer = [this](people::Person& person, bool /*asNew*/, QString* error) {
        try {
            person = m_store.Update(person);
            return true;
        } catch (const people::StoreError& e) {
            *error = QString::fromUtf8(e.what());
            return false;
        }
    };
    auto* dialog = new CPersonDlg(CPersonDlg::Mode::Edit, *p, writer, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        const people::Person stored = dialog->Stored();
        Refresh();
        Select(stored.id);
        emit PersonChanged(stored);
    });
    dialog->move(mapToGlobal(QPoint((width() - dialog->width()) / 2, (height() - dialog->height()) / 2)));
    dialog->open();
}

void CPeopleWnd::OnDelete() {
    const QModelIndex index = m_pList->currentIndex();
    if (!index.isValid()) return;
    people::Person removed;
    try {
        removed = m_store.Remove(m_pModel->IdAt(index.row()));
    } catch (const people::StoreError& e) {
        Fail(QString::fromUtf8(e.what()));
        Refresh();
        return;
    }
    m_removed.push_back(removed);
    ShowSearch(m_pModel->CurrentSearch(), 0, index.row());
    OfferUndo(removed);
    emit PersonRemoved(removed.id);
}

void CPeopleWnd::OfferUndo(const people::Person& removed) {
    m_pUndoLabel->setText(m_pUndoLabel->fontMetrics().elidedText(
        QStringLiteral("已删除“%1”").arg(QString::fromStdString(removed.name)), Qt::ElideMiddle,
        m_pUndoLabel->width()));
    m_pUndoOffer->show();
    m_pUndoTimer->start();
}

bool CPeopleWnd::OnUndo() {
    if (m_removed.empty()) return false;
    const people::Person person = m_removed.back();
    try {
        m_store.Restore(person);
    } catch (const people::StoreError& e) {
        Fail(QString::fromUtf8(e.what()));
        return false;
    }
    m_removed.pop_back();
    m_pUndoTimer->stop();
    m_pUndoOffer->hide();
    ShowSearch(m_pModel->CurrentSearch(), person.id);
    emit PersonRestored(person);
    return true;
}

void CPeopleWnd::Fail(const QString& message) {
    // Reported from the event loop: never from inside a paint or a command's
    // half-done step, and heard by an owner that connects after construction.
    QMetaObject::invokeMethod(
        this, [this, message] { emit StoreFailed(message); }, Qt::QueuedConnection);
}

void CPeopleWnd::paintEvent(QPaintEvent* /*event*/) {
    peopleui::PaintSkinnedWindow(this, art::kPeopleFaceId, QString::fromUtf8(kPeopleCaption));
}

void CPeopleWnd::mousePressEvent(QMouseEvent* event) {
    if (peopleui::DragSkinnedWindow(this, event)) return;
    QWidget::mousePressEvent(event);
}

void CPeopleWnd::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool CPeopleWnd::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (watched == m_pList) {
        if (enter) {
            OnOpen();
            return true;
        }
        if (key->key() == Qt::Key_Delete) {
            OnDelete();
            return true;
        }
    } else if (watched == m_pSearchEdit) {
        // Typing a name then Enter opens the person found; the arrows walk the
        // list without leaving the search.
        if (enter) {
            if (m_pSearchTimer->isActive()) ApplySearch();  // what was typed last counts
            OnOpen();
            return true;
        }
        switch (key->key()) {
            case Qt::Key_Up:
            case Qt::Key_Down:
            case Qt::Key_PageUp:
            case Qt::Key_PageDown: {
                QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->text());
                QCoreApplication::sendEvent(m_pList, &copy);
                return true;
            }
            default:
                break;
        }
    }
    return QWidget::eventFilter(watched, event);
}
