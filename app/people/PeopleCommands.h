// CPeopleCommands: the main form's commands for the saved people and the
// reading as a document — 保存 (Ctrl+S), 档案 (Ctrl+O), 导出PDF (Ctrl+E) and
// 复制全文 (Ctrl+Shift+C) — in the form's title menu, as its keyboard
// shortcuts and in the report view's context menu.
//
// The people store is opened on first use, never at start-up; a store that
// cannot be opened (damaged, from a newer version, busy) is reported and
// left as it is, and the form reads on. A reading opened from the store
// stays linked to its person while the form's name is that person's: saving
// it then updates the person, and the chart and the export cast it with the
// person's minute, birthplace and conventions.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>

#include "Analysis.h"
#include "BirthRecord.h"
#include "ChartModel.h"
#include "PeopleStore.h"
#include "app/people/ReadingPerson.h"

class CChartWnd;
class CKarvutoDlg;
class CPeopleWnd;
class CPersonDlg;
class Connection;
class QAction;

class CPeopleCommands : public QObject {
    Q_OBJECT
public:
    // How long the window waits for another program's change to the store.
    static constexpr std::chrono::milliseconds kBusyTimeout{3000};

    // Adds the commands to `form`, which owns this object.
    explicit CPeopleCommands(CKarvutoDlg& form);
    ~CPeopleCommands() override;

    QAction* SaveAction() const { return m_pSaveAction; }
    QAction* PeopleAction() const { return m_pPeopleAction; }
    QAction* ExportAction() const { return m_pExportAction; }
    QAction* CopyAllAction() const { return m_pCopyAllAction; }

    // 保存: the person dialog for the reading shown.
    void OnSave();
    // 档案: the people window (brought forward when it is open).
    void OnPeople();
    // 导出PDF: the file dialog, then the file.
    void OnExportPdf();
    // 复制全文: the whole report as plain text on the clipboard.
    void OnCopyAll();

    // Fills the form with the person and reads; the reading is linked to it.
    void OpenPerson(const people::Person& person);
    // OpenPerson, then the chart window for the person's birth, cast with its
    // minute, birthplace and conventions.
    void ChartPerson(const people::Person& person);

    // Writes the reading shown to `path` as PDF: the report page, and with
    // `withChartAndAnalysis` the chart and analysis pages after it. false with
    // the reason in `error` (nothing is written then).
    bool ExportPdf(const QString& path, bool withChartAndAnalysis, QString* error);
    // "<documents>/<name>-<yyyymmdd>-报告.pdf" for the reading shown (the
    // home folder when there is no documents folder).
    QString SuggestedPdfPath() const;

    // The store, opened on first use; null, after saying why, when it cannot be.
    people::PeopleStore* Store();
    bool StoreIsOpen() const { return m_store != nullptr; }
    // The store's file: people::DefaultStorePath() unless set (the tests).
    void SetStorePath(const std::filesystem::path& path) { m_storePath = path; }
    const std::filesystem::path& StorePath() const { return m_storePath; }

    CPeopleWnd* PeopleWindow() const;
    CPersonDlg* SaveDialog() const;
    // The stored person the reading shown was opened from or saved as.
    const std::optional<people::Person>& LinkedPerson() const { return m_linked; }
    // What the reading shown is cast with besides its request: the chart
    // window's settings while it is open, else the linked person's, else the
    // defaults (minute 0, 晚子时, clock time, summer time taken back).
    peopleui::BirthDetails CurrentDetails() const;
    // Whether a reading is shown (the commands on it are enabled).
    bool HasReading() const { return m_shown.has_value(); }

private:
    void OnReadingComposed();
    void OnChartWindowOpened(CChartWnd* window);
    void ApplyDetailsToChart(const peopleui::BirthDetails& details);
    void UpdateActions();
    void ReportStoreFailure(const QString& message);
    // The name the reading shown is saved and exported under (UTF-8).
    std::string ShownName() const;
    // The chart of the reading shown; false with the reason in `error`.
    bool ShownChart(chart::Chart& chart, chart::ChartModel& model, QString* error) const;

    CKarvutoDlg& m_form;
    std::filesystem::path m_storePath;
    std::unique_ptr<people::PeopleStore> m_store;
    std::optional<people::Person> m_linked;
    std::optional<BirthRecord> m_shown;  // the request of the reading shown
    QPointer<CPeopleWnd> m_pPeopleWnd;
    QPointer<CPersonDlg> m_pSaveDlg;
    bool m_bExportChart = false;  // the export dialog's last choice
    QAction* m_pSaveAction = nullptr;
    QAction* m_pPeopleAction = nullptr;
    QAction* m_pExportAction = nullptr;
    QAction* m_pCopyAllAction = nullptr;
};
