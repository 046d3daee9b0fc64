// BEGIN IMMEDIATE ... COMMIT, with a rollback on every other way out.
#include "WriteTransaction.h"

namespace people {

WriteTransaction::WriteTransaction(SqliteConnection& db) : m_db(db) {
    m_db.Exec("BEGIN IMMEDIATE");
}

WriteTransaction::~WriteTransaction() {
    if (!m_open) return;
    try {
        m_db.Exec("ROLLBACK");
    } catch (...) {
        // SQLite has already rolled back when a statement failed hard; a
        // destructor must not throw.
    }
}

void WriteTransaction::Commit() {
    m_db.Exec("COMMIT");
    m_open = false;
}

}  // namespace people
