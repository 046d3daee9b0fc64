// The 档案 list: ids from the store, rows fetched as the view shows them.
#include "app/people/PeopleListModel.h"

#include <QDateTime>
#include <QMetaObject>
#include <algorithm>

#include "StoreError.h"
#include "app/people/ReadingPerson.h"

namespace {

QString U8(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// The note's opening, for a row's tooltip.
constexpr qsizetype kNoteTipChars = 200;

QString ChangedText(std::int64_t seconds) {
    return QDateTime::fromSecsSinceEpoch(seconds).toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

}  // namespace

CPeopleListModel::CPeopleListModel(people::PeopleStore& store, QObject* parent)
    : QAbstractTableModel(parent), m_store(store) {}

bool CPeopleListModel::SetSearch(const people::Search& search, QString* error) {
    std::vector<people::PersonId> ids;
    try {
        ids = m_store.FindIds(search);
    } catch (const people::StoreError& e) {
        if (error) *error = QString::fromUtf8(e.what());
        return false;
    }
    beginResetModel();
    m_search = search;
    m_ids = std::move(ids);
    m_cache.clear();
    m_failureReported = false;
    endResetModel();
    return true;
}

bool CPeopleListModel::Refresh(QString* error) {
    return SetSearch(m_search, error);
}

int CPeopleListModel::ColumnOf(people::SortKey key) {
    switch (key) {
        case people::SortKey::Name:
            return kName;
        case people::SortKey::Birth:
            return kBirth;
        case people::SortKey::Changed:
            return kChanged;
        case people::SortKey::Added:
            break;
    }
    return -1;
}

std::optional<people::SortKey> CPeopleListModel::SortKeyOf(int column) {
    switch (column) {
        case kName:
            return people::SortKey::Name;
        case kBirth:
            return people::SortKey::Birth;
        case kChanged:
            return people::SortKey::Changed;
        default:
            return std::nullopt;
    }
}

people::PersonId CPeopleListModel::IdAt(int row) const {
    return row >= 0 && row < static_cast<int>(m_ids.size()) ? m_ids[static_cast<std::size_t>(row)] : 0;
}

int CPeopleListModel::RowOf(people::PersonId id) const {
    const auto at = std::find(m_ids.begin(), m_ids.end(), id);
    return at == m_ids.end() ? -1 : static_cast<int>(at - m_ids.begin());
}

int CPeopleListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_ids.size());
}

int CPeopleListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

CPeopleListModel::Row CPeopleListModel::MakeRow(const people::Person& p) {
    Row row;
    row.cells[kName] = U8(p.name);
    row.cells[kSex] = p.sex == people::Sex::Male ? QStringLiteral("男") : QStringLiteral("女");
    row.cells[kBirth] = U8(peopleui::BirthText(p));
    row.cells[kPlace] = U8(p.place);
    QStringList tags;
    for (const std::string& tag : p.tags) tags << U8(tag);
    row.cells[kTags] = tags.join(QLatin1Char(' '));
    row.cells[kChanged] = ChangedText(p.changed);
    row.tooltip = U8(p.note).left(kNoteTipChars);
    return row;
}

const CPeopleListModel::Row* CPeopleListModel::RowAt(int row) const {
    const people::PersonId id = IdAt(row);
    if (const auto cached = m_cache.find(id); cached != m_cache.end()) return &cached->second;
    if (static_cast<int>(m_cache.size()) + kBlockRows > kCachedRows) m_cache.clear();
    // The block around the row: a screenful, read in one go.
    const int first = row - row % kBlockRows;
    const int last = std::min(first + kBlockRows, rowCount());
    try {
        for (int r = first; r < last; ++r) {
            const people::PersonId rid = IdAt(r);
            if (m_cache.contains(rid)) continue;
            ++m_fetched;
            if (const std::optional<people::Person> p = m_store.Get(rid)) m_cache.emplace(rid, MakeRow(*p));
        }
    } catch (const people::StoreError& e) {
        if (!m_failureReported) {
            m_failureReported = true;
            // Reported from the event loop, never from inside the view's paint.
            auto* self = const_cast<CPeopleListModel*>(this);
            const QString message = QString::fromUtf8(e.what());
            QMetaObject::invokeMethod(
                self, [self, message] { emit self->StoreFailed(message); }, Qt::QueuedConnection);
        }
        return nullptr;
    }
    const auto found = m_cache.find(id);
    return found == m_cache.end() ? nullptr : &found->second;
}

QVariant CPeopleListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= kColumnCount) return {};
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    const Row* row = RowAt(index.row());
    if (!row)
        return role == Qt::DisplayRole && index.column() == kName ? QStringLiteral("（已不在档案中）")
                                                                  : QVariant();
    if (role == Qt::ToolTipRole) return row->tooltip.isEmpty() ? QVariant() : QVariant(row->tooltip);
    return row->cells[static_cast<std::size_t>(index.column())];
}

QVariant CPeopleListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static const char* const kTitles[kColumnCount] = {"姓名", "性别", "出生", "出生地", "标签", "修改时间"};
    return section >= 0 && section < kColumnCount ? QString::fromUtf8(kTitles[section]) : QVariant();
}
