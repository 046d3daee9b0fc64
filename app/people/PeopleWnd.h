// CPeopleWnd: the 档案 window, the saved people in a list over the main form.
// Search as you type (name, pinyin initials, date, tag: the store's search),
// sorting by name, birth or the time of the last change, and the commands:
// open (the form reads the person), edit (the person dialog), delete with an
// undo that stays on offer for a few seconds, and the chart of the person.
// Keys: Enter opens, Del deletes, Ctrl+Z undoes, Ctrl+F finds, Esc closes.
// The window lists what the store holds; it asks its owner, through signals,
// to open a person or show the chart, and never touches the form itself.
#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "PeopleStore.h"

class CPeopleListModel;
class CStateBitmapButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;
class QTimer;

inline constexpr char kPeopleCaption[] = "档案";

class CPeopleWnd : public QWidget {
    Q_OBJECT
public:
    // How long the 撤销 of a deletion stays on offer, and how long typing may
    // pause before the list follows the search.
    static constexpr int kUndoOfferMilliseconds = 8000;
    static constexpr int kSearchDelayMilliseconds = 150;

    // `store` is not owned and must outlive the window. The list is read
    // before the constructor returns; a store that cannot be read leaves it
    // empty and says why (StoreFailed, as every failure, from the event loop).
    explicit CPeopleWnd(people::PeopleStore& store, QWidget* parent = nullptr);
    ~CPeopleWnd() override;

    // Runs the search in the field now (without waiting for typing to pause).
    void ApplySearch();
    // Sorts the list by `key` in the given direction.
    void SortBy(people::SortKey key, bool descending);
    // Lists the store again, keeping the current person selected.
    void Refresh();
    // Selects the person's row, when the list holds it.
    void Select(people::PersonId id);

    // The commands on the current person (nothing without one).
    void OnOpen();
    void OnEdit();
    void OnDelete();
    void OnChart();
    // Puts the last deleted person back; false when there is none or the
    // store refused (the reason is then reported).
    bool OnUndo();

    // The person of the selected row; nothing when no row is selected.
    std::optional<people::Person> CurrentPerson() const;
    // The people deleted in this window that an undo would restore, last last.
    const std::vector<people::Person>& Removed() const { return m_removed; }

    // The controls, for the tests.
    QLineEdit* SearchEdit() const { return m_pSearchEdit; }
    QComboBox* SortCombo() const { return m_pSortCombo; }
    QCheckBox* DescendingBox() const { return m_pDescendingBox; }
    QTableView* List() const { return m_pList; }
    CPeopleListModel* Model() const { return m_pModel; }
    QLabel* CountLabel() const { return m_pCountLabel; }
    QWidget* UndoOffer() const { return m_pUndoOffer; }
    CStateBitmapButton* UndoButton() const { return m_pUndoButton; }
    CStateBitmapButton* OpenButton() const { return m_pOpenButton; }
    CStateBitmapButton* EditButton() const { return m_pEditButton; }
    CStateBitmapButton* DeleteButton() const { return m_pDeleteButton; }
    CStateBitmapButton* ChartButton() const { return m_pChartButton; }

signals:
    void OpenRequested(const people::Person& person);
    void ChartRequested(const people::Person& person);
    // After the person dialog stored a change.
    void PersonChanged(const people::Person& person);
    void PersonRemoved(people::PersonId id);
    void PersonRestored(const people::Person& person);
    // The store could not be read or written: the sentence for the user.
    void StoreFailed(const QString& message);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void ConnectControls();
    // Shows the list for `search`, keeping `keep` selected when it is listed
    // (else the row at `fallbackRow`, or the first).
    void ShowSearch(const people::Search& search, people::PersonId keep, int fallbackRow = 0);
    void OnHeaderClicked(int column);
    void OnSortControlsChanged();
    void UpdateSortIndicator();
    void UpdateCount();
    void UpdateCommands();
    void OfferUndo(const people::Person& removed);
    void Fail(const QString& message);

    people::PeopleStore& m_store;
    CPeopleListModel* m_pModel = nullptr;
    std::vector<people::Person> m_removed;
    bool m_bUpdatingSort = false;

    QLineEdit* m_pSearchEdit = nullptr;
    QComboBox* m_pSortCombo = nullptr;
    QCheckBox* m_pDescendingBox = nullptr;
    QLabel* m_pCountLabel = nullptr;
    QTableView* m_pList = nullptr;
    CStateBitmapButton* m_pOpenButton = nullptr;
    CStateBitmapButton* m_pEditButton = nullptr;
    CStateBitmapButton* m_pDeleteButton = nullptr;
    CStateBitmapButton* m_pChartButton = nullptr;
    QWidget* m_pUndoOffer = nullptr;
    QLabel* m_pUndoLabel = nullptr;
    CStateBitmapButton* m_pUndoButton = nullptr;
    QTimer* m_pSearchTimer = nullptr;
    QTimer* m_pUndoTimer = nullptr;
};
