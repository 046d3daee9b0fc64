// CKarvutoApp: the application object. Start-up makes the program a
// single-instance program, gives every dialog its colours, opens the
// interpretation database beside the executable and runs the main form on
// that connection as the only main loop; shutdown closes the database. The
// running form is recorded with the single-instance guard
// (CInstanceChecker::MainWindow), the one record of the main window.
#pragma once

#include <QString>
#include <memory>
#include <string>

#include "Database.h"

// The dialogs' colours: blue text on the panels' light green.
inline constexpr unsigned kDialogBackground[3] = {191, 215, 107};
inline constexpr unsigned kDialogText[3] = {0, 0, 255};
// Greyed text (a disabled label such as 是否闰月): a grey that keeps a contrast
// of about 4:1 against the green, legible yet plainly not blue.
inline constexpr unsigned kDialogDisabledText[3] = {96, 96, 96};
inline constexpr char kVendorKey[] = "Yilanfang";
inline constexpr char kApplicationName[] = "Karvuto";
inline constexpr int kSplashMilliseconds = 3000;
// Follows the open failure's text when the database file is missing: where it was looked for.
inline constexpr char kDatabaseSearchedText[] = "\r\n\r\n数据库文件 Karvuto.mdb 不在以下位置:\r\n";

// What start-up takes from its surroundings; tests point it elsewhere.
struct StartupOptions {
    std::string databaseDirectory;  // the database's folder; empty: found from the executable
    QString runtimeDirectory;       // of the single-instance guard; empty: the user's
    int splashMilliseconds = kSplashMilliseconds;
};

class CKarvutoApp {
public:
    // The start-up sequence; always false, so there is no second main loop.
    bool InitInstance();
    // Shutdown: closes the database; returns the exit code.
    int ExitInstance();

    // Creates and opens the connection on m_szDbPath. False (after the
    // message) when the open fails; true also when no connection object could
    // be made, since the program then runs on without one.
    bool OpenDatabase();
    void CloseDatabase();

    // Sets the program-wide dialog colours and the dialog font.
    static void SetDialogColors();
    // Installs Qt's own Simplified Chinese texts (the standard buttons, the
    // print dialog) from Qt's translations folder, ours for the few Qt leaves
    // in English (CChineseTexts), and a Chinese default locale. False when
    // Qt's are not installed; most of the standard dialogs then stay in English.
    static bool LoadQtTranslations();
    // The database path beside the executable that lies in `exeDirectory`.
    static std::string DatabasePathIn(const std::string& exeDirectory);

    std::unique_ptr<Connection> m_pConnection;
    std::string m_szDbPath;      // the file system's bytes
    std::string m_szDbSearched;  // the places looked at, for the message when none holds it

    StartupOptions m_options;
};

CKarvutoApp& theApp();
