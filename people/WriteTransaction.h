// WriteTransaction: one change to the store, all or nothing. It takes the
// store's write lock at once (BEGIN IMMEDIATE), waiting out another writer
// for the connection's busy timeout, and rolls back unless committed.
#pragma once

#include "SqliteConnection.h"

namespace people {

class WriteTransaction {
public:
    explicit WriteTransaction(SqliteConnection& db);
    ~WriteTransaction();
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;

    void Commit();

private:
    SqliteConnection& m_db;
    bool m_open = true;
};

}  // namespace people
