// The interpretation database layer: the ADO-style Connection, Recordset and
// Variant the reading needs, over a read-only SQLite file. Every failure is
// thrown as ComError; nothing returns an error code.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "ComError.h"

// The connection string form; %s is the database path.
inline constexpr const char kConnectionStringFormat[] = "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%s";
inline constexpr const char kDatabaseFileName[] = "Karvuto.mdb";
inline constexpr long adCmdText = 1;
inline constexpr long adStateClosed = 0;
inline constexpr long adStateOpen = 1;
// How long one statement may run before it is stopped with
// ComError(kQueryTimedOut). Every query of a reading takes milliseconds; only
// a damaged or crafted file (a view that never ends) comes near it.
inline constexpr std::chrono::milliseconds kQueryTimeLimit{5000};
// How a message for the user quotes the database engine's own reason (UTF-8):
// it follows this label, in the engine's words.
inline constexpr char kEngineReasonLabel[] = "SQLite 原文：";

// A field value: NULL, a 32-bit integer, a double or a GBK string.
class Variant {
public:
    Variant() = default;  // NULL
    static Variant FromInt32(std::int32_t v);
    static Variant FromDouble(double v);
    static Variant FromText(std::string gbk);

    bool IsNull() const noexcept;
    // Integer conversion: an integer as it is; a number or numeric string by
    // value; anything else throws ComError(kDISP_E_TYPEMISMATCH).
    std::int32_t ToInt32() const;
    // Text conversion (GBK): a string unchanged, a number in its decimal form.
    std::string ToText() const;

private:
    std::variant<std::monostate, std::int32_t, double, std::string> m_value;
};

class Recordset {
public:
    virtual ~Recordset() = default;
    virtual bool IsEOF() = 0;  // true when there is no current row
    // The value of a column of the current row; ComError(kAdErrItemNotFound)
    // for a column the row set does not have.
    virtual Variant Collect(const std::string& columnName) = 0;
    virtual void Close() = 0;
};
using RecordsetPtr = std::unique_ptr<Recordset>;

class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // connection: kConnectionStringFormat filled with the path.
    void Open(const std::string& connection, const std::string& user, const std::string& password,
              long options);
    long State() const noexcept;
    // The time limit of each statement from now on, the opening checks
    // included; kQueryTimeLimit until set.
    void SetQueryTimeLimit(std::chrono::milliseconds limit) noexcept;
    void Close();
    // sql: GBK text in the Jet dialect ("..." is a string literal).
    RecordsetPtr Execute(const std::string& sql, Variant* recordsAffected, long options);

    // One row of ReadColumns: each column's text as stored (UTF-8; a number
    // in its decimal form), nullopt for NULL.
    using TextRow = std::vector<std::optional<std::string>>;
    // Every row of `table`, for the checks of a file's contents: the text of
    // `columns`, in that order; only the rows where `nonNullColumn` is not
    // NULL, when one is named. The names are the program's own (quoted as
    // identifiers), never input. ComError as for a query: kDB_E_NOTABLE,
    // kDB_E_PARAMNOTOPTIONAL for an unknown column, kQueryTimedOut, ..., the
    // detail naming the table.
    std::vector<TextRow> ReadColumns(std::string_view table, const std::vector<std::string_view>& columns,
                                     std::string_view nonNullColumn = {});

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

// Runs one query on the connection; ComError(kE_POINTER) when it is null.
RecordsetPtr RunQuery(Connection* connection, const std::string& sql);
