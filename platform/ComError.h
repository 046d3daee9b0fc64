// ComError: the error every database call raises, carrying the failing
// HRESULT. ErrorText() gives the words shown to the user: the system text for
// the code from our own message table when there is one, otherwise the
// "IDispatch error #%d" or "Unknown error 0x%0lX" form, and on a line of its
// own the detail the raiser gave for the user (which table is incomplete, the
// database engine's own reason). Built once, cached. A std::runtime_error, so
// a handler for std::exception sees it too; what() names the code and the
// provider's description for logs, never the user.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

using HRESULT = std::int32_t;

// The HRESULTs our layer raises (values as the platform defines them).
inline constexpr HRESULT kS_OK = 0;
inline constexpr HRESULT kE_POINTER = static_cast<HRESULT>(0x80004003u);
inline constexpr HRESULT kE_OUTOFMEMORY = static_cast<HRESULT>(0x8007000Eu);
inline constexpr HRESULT kE_FAIL = static_cast<HRESULT>(0x80004005u);
inline constexpr HRESULT kE_INVALIDARG = static_cast<HRESULT>(0x80070057u);
inline constexpr HRESULT kE_UNEXPECTED = static_cast<HRESULT>(0x8000FFFFu);
inline constexpr HRESULT kFileNotFound =
    static_cast<HRESULT>(0x80070002u);  // HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND)
inline constexpr HRESULT kPathNotFound = static_cast<HRESULT>(0x80070003u);   // ERROR_PATH_NOT_FOUND
inline constexpr HRESULT kAccessDenied = static_cast<HRESULT>(0x80070005u);   // ERROR_ACCESS_DENIED
inline constexpr HRESULT kFileCorrupt = static_cast<HRESULT>(0x80070570u);    // ERROR_FILE_CORRUPT
inline constexpr HRESULT kInvalidData = static_cast<HRESULT>(0x8007000Du);    // ERROR_INVALID_DATA
inline constexpr HRESULT kLockViolation = static_cast<HRESULT>(0x80070021u);  // ERROR_LOCK_VIOLATION
// Codes of our own (the customer bit set), for database files that only a
// writer could bring into a readable state.
inline constexpr HRESULT kJournalModeUnreadable =
    static_cast<HRESULT>(0xA0040001u);  // a WAL file: a read-only open cannot use it
inline constexpr HRESULT kUnfinishedWrite =
    static_cast<HRESULT>(0xA0040002u);  // a hot journal that only a writer may roll back
inline constexpr HRESULT kQueryTimedOut = static_cast<HRESULT>(0xA0040003u);  // a query ran past its limit
inline constexpr HRESULT kDISP_E_TYPEMISMATCH = static_cast<HRESULT>(0x80020005u);
inline constexpr HRESULT kDB_E_NOTABLE = static_cast<HRESULT>(0x80040E37u);
inline constexpr HRESULT kDB_E_ERRORSINCOMMAND = static_cast<HRESULT>(0x80040E14u);
inline constexpr HRESULT kAdErrItemNotFound = static_cast<HRESULT>(0x800A0CC1u);
inline constexpr HRESULT kAdErrProviderNotFound = static_cast<HRESULT>(0x800A0E7Au);
inline constexpr HRESULT kDISP_E_OVERFLOW = static_cast<HRESULT>(0x8002000Au);
inline constexpr HRESULT kDB_E_PARAMNOTOPTIONAL =
    static_cast<HRESULT>(0x80040E10u);  // unknown name in a query
inline constexpr HRESULT kAdErrNoCurrentRecord = static_cast<HRESULT>(0x800A0BCDu);  // BOF or EOF is true
inline constexpr HRESULT kAdErrObjectClosed = static_cast<HRESULT>(0x800A0E78u);
inline constexpr HRESULT kAdErrObjectOpen = static_cast<HRESULT>(0x800A0E79u);

class ComError : public std::runtime_error {
public:
    // detail: UTF-8, for the user; it is escaped where it is not printable
    // and cut at platform::kEchoLimit bytes, since it may quote the file.
    explicit ComError(HRESULT hr, std::string description = {}, std::string detail = {});

    HRESULT Error() const noexcept { return m_hr; }
    // The provider's own description (UTF-8, for diagnostics); never shown.
    const std::string& Description() const noexcept { return m_description; }
    // What the user is told beside the code's own text (UTF-8), or empty.
    const std::string& Detail() const noexcept { return m_detail; }
    // The user-facing text, GBK: the code's text, then "\r\n" and the detail
    // when there is one; computed on first use and cached.
    const std::string& ErrorText() const;

private:
    HRESULT m_hr;
    std::string m_description;
    std::string m_detail;
    mutable std::optional<std::string> m_errorText;
};

// The system text for an HRESULT (GBK, ending in "\r\n" as the system's
// texts do), or nullopt when the system has none.
std::optional<std::string> SystemMessageText(HRESULT hr);
// The user-facing text for `hr` given its system text (or nullopt): the rule
// ErrorText() applies, kept apart so that every form of system text can be
// checked.
std::string ComposeErrorText(HRESULT hr, const std::optional<std::string>& systemText);
