// CPeopleListModel: the saved people as the 档案 window lists them. It holds
// only the ids of the people that match the search, in the store's order
// (PeopleStore::FindIds), and fetches a person when the view first shows its
// row, a block of rows at a time, keeping a bounded cache: opening a list of
// 100,000 people costs one query of ids and one block of rows.
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <array>
#include <optional>
#include <unordered_map>
#include <vector>

#include "PeopleStore.h"

class CPeopleListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { kName, kSex, kBirth, kPlace, kTags, kChanged, kColumnCount };
    // Rows fetched in one go, and the most rows kept between fetches.
    static constexpr int kBlockRows = 64;
    static constexpr int kCachedRows = 4096;

    // `store` is not owned and must outlive the model.
    explicit CPeopleListModel(people::PeopleStore& store, QObject* parent = nullptr);

    // Lists the people matching `search` in its order. false, the list as it
    // was, and the reason in `error` when the store cannot be read.
    bool SetSearch(const people::Search& search, QString* error);
    const people::Search& CurrentSearch() const { return m_search; }
    // Runs the current search again (after a change to the store).
    bool Refresh(QString* error);

    // The column a sort key is shown in, and the key a column sorts by
    // (nothing for a column the store cannot sort by).
    static int ColumnOf(people::SortKey key);
    static std::optional<people::SortKey> SortKeyOf(int column);

    people::PersonId IdAt(int row) const;
    // The row of a person in the list; -1 when the search leaves it out.
    int RowOf(people::PersonId id) const;
    // How many people the store was asked for since the list was made: the
    // lazy fetching made visible.
    int FetchedCount() const { return m_fetched; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    // A row could not be read from the store (queued: never inside a paint).
    void StoreFailed(const QString& message);

private:
    // The texts a row shows, made once when it is fetched.
    struct Row {
        std::array<QString, kColumnCount> cells;
        QString tooltip;
    };
    static Row MakeRow(const people::Person& person);
    // The row, fetching its block first when it is not cached; null when the
    // store failed or the person has gone.
    const Row* RowAt(int row) const;

    people::PeopleStore& m_store;
    people::Search m_search;
    std::vector<people::PersonId> m_ids;
    mutable std::unordered_map<people::PersonId, Row> m_cache;
    mutable int m_fetched = 0;
    mutable bool m_failureReported = false;
};
