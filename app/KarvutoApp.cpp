#include "app/KarvutoApp.h"

#include <QApplication>
#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QPalette>
#include <QSettings>
#include <QTranslator>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "ComError.h"
#include "DatabaseKeys.h"
#include "DatabaseLocation.h"
#include "ReadingMessages.h"
#include "SqlConnectionString.h"
#include "app/ChineseTexts.h"
#include "app/KarvutoDlg.h"
#include "app/MessageBox.h"
#include "app/pages/GbkText.h"
#include "app/people/PeopleCommands.h"
#include "desktop/InstanceChecker.h"

CKarvutoApp& theApp() {
    static CKarvutoApp app;
    return app;
}

void CKarvutoApp::SetDialogColors() {
    const QColor background(kDialogBackground[0], kDialogBackground[1], kDialogBackground[2]);
    const QColor text(kDialogText[0], kDialogText[1], kDialogText[2]);
    QPalette palette = QApplication::palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Window, background);
        palette.setColor(group, QPalette::WindowText, text);
    }
    palette.setColor(QPalette::Disabled, QPalette::Window, background);
    const QColor greyed(kDialogDisabledText[0], kDialogDisabledText[1], kDialogDisabledText[2]);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, greyed);
    palette.setColor(QPalette::Disabled, QPalette::Text, greyed);
    QApplication::setPalette(palette);
}

bool CKarvutoApp::LoadQtTranslations() {
    // The program speaks Simplified Chinese whatever the user's locale, so
    // the standard dialogs do too: Qt's own translations, ours for what they
    // leave in English, and a Chinese default locale for what Qt words from
    // it (the file types of the file dialog). Done once; the translators live
    // as long as the program.
    static std::optional<bool> qtTextsFound;
    if (qtTextsFound) return *qtTextsFound;
    const QLocale chinese(QLocale::Chinese, QLocale::China);
    QLocale::setDefault(chinese);
    auto* qtTexts = new QTranslator(QCoreApplication::instance());
    qtTextsFound = qtTexts->load(chinese, QStringLiteral("qtbase"), QStringLiteral("_"),
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (*qtTextsFound) {
        QCoreApplication::installTranslator(qtTexts);
    } else {
        delete qtTexts;
    }
    // Installed last, asked first.
    QCoreApplication::installTranslator(new CChineseTexts(QCoreApplication::instance()));
    return *qtTextsFound;
}

std::string CKarvutoApp::DatabasePathIn(const std::string& exeDirectory) {
    std::string dir = exeDirectory;
    while (dir.size() > 1 && dir.back() == '/') {
        dir.pop_back();
    }
    if (dir == "/") {
        return std::string("/") + kDatabaseFileName;
    }
    return dir + "/" + kDatabaseFileName;
}

bool CKarvutoApp::InitInstance() {
    SetDialogColors();
    LoadQtTranslations();

    // The database beside the executable (a build tree), else in the
    // installed tree's share/karvuto, found from the executable's real location.
    if (m_options.databaseDirectory.empty()) {
        const std::filesystem::path exeDir =
            ExecutableDirectory(QFile::encodeName(QCoreApplication::applicationFilePath()).constData());
        m_szDbPath = FindDatabase(exeDir).string();
        m_szDbSearched = DescribeDatabaseCandidates(exeDir);
    } else {
        m_szDbPath = DatabasePathIn(m_options.databaseDirectory);
        m_szDbSearched = m_szDbPath;
    }

    QCoreApplication::setOrganizationName(QString::fromLatin1(kVendorKey));
    QCoreApplication::setApplicationName(QString::fromLatin1(kApplicationName));
    // The shell matches the window to the desktop entry (and its icon) by this
    // name; on X11 the window class is the application name, which the
    // entry's StartupWMClass names.
    QGuiApplication::setDesktopFileName(QStringLiteral(KARVUTO_APP_ID));
    QSettings settings;  // the profile the framework keeps; the program itself stores nothing

    // The guard is named after the executable.
    const QString exeName = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    CInstanceChecker checker(exeName, m_options.runtimeDirectory);
    if (checker.IsPreviousInstanceRunning()) {
        checker.ActivatePreviousInstance();
        return false;
    }

    if (!OpenDatabase()) {
        return false;
    }

    {
        CKarvutoDlg dlg(nullptr, m_options.splashMilliseconds, m_pConnection.get());
        // The commands for the saved people and the report as a document; the form owns them.
        new CPeopleCommands(dlg);
        CInstanceChecker::RecordMainWindow(&dlg);
        dlg.exec();
        CInstanceChecker::RecordMainWindow(nullptr);
    }
    return false;
}

int CKarvutoApp::ExitInstance() {
    CloseDatabase();
    return 0;
}

bool CKarvutoApp::OpenDatabase() {
    m_pConnection.reset();
    try {
        m_pConnection = std::make_unique<Connection>();
    } catch (...) {
        // No connection object: the program runs on, and readings report the
        // missing connection.
        return true;
    }
    try {
        // Opened read-only and refused when a table lacks a key a reading can
        // look up, as damaged files are.
        OpenInterpretationDatabase(*m_pConnection, m_szDbPath);
    } catch (const ComError& e) {
        QString text = QString::fromUtf8(kOpenFailedText) + FromGbk(e.ErrorText());
        std::error_code ec;
        if (!m_szDbSearched.empty() && !std::filesystem::exists(m_szDbPath, ec)) {
            text += QString::fromUtf8(kDatabaseSearchedText) + QFile::decodeName(m_szDbSearched.c_str());
        }
        ShowMessageBox(nullptr, text);  // the caption every box of the program has
        return false;
    }
    return true;
}

void CKarvutoApp::CloseDatabase() {
    if (!m_pConnection) {
        return;
    }
    try {
        if (m_pConnection->State() != adStateClosed) {
            m_pConnection->Close();
        }
    } catch (const ComError&) {
        // Nothing is written to the database, so a failing close loses nothing.
    }
    m_pConnection.reset();
}
