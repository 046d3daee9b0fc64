// CPillarSearchPanel: 八字反推 in the chart window. The user types eight
// characters, may narrow the years and picks the sex the chart is to be cast
// for; the panel lists every two-hour window of those years with these
// pillars (date, hours, the 子 school it needs) or says which rule the
// pillars break. Picking a window (double click, Enter, or 排此盘) asks the
// window to cast its chart.
#pragma once

#include <QWidget>
#include <vector>

#include "Chart.h"
#include "PillarSearch.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTreeWidget;

class CPillarSearchPanel : public QWidget {
    Q_OBJECT
public:
    explicit CPillarSearchPanel(QWidget* parent = nullptr);

    // Reads the field and the years and lists what the calendar finds, or
    // shows the refusal; the list is emptied either way first.
    void Search();
    // Sets the sex the next cast takes (the window's chart's, by default).
    void SetSex(chart::Sex sex);
    // Says `text` under the field (a refusal is shown in red).
    void ShowStatus(const QString& text, bool refusal);

    // The windows listed, in the list's order, and the pillars they were found for.
    const std::vector<calendar::BirthWindow>& Windows() const { return m_windows; }

    QLineEdit* PillarsEdit() const { return m_pPillarsEdit; }
    QSpinBox* FromSpin() const { return m_pFromSpin; }
    QSpinBox* ToSpin() const { return m_pToSpin; }
    QComboBox* SexCombo() const { return m_pSexCombo; }
    QPushButton* SearchButton() const { return m_pSearchButton; }
    QTreeWidget* Results() const { return m_pResults; }
    QPushButton* CastButton() const { return m_pCastButton; }
    QLabel* Status() const { return m_pStatus; }

signals:
    // The user picked a window to cast, for a person of `sex`.
    void castRequested(const calendar::BirthWindow& window, const calendar::PillarIndices& pillars,
                       chart::Sex sex);

private:
    void CastCurrent();

    calendar::PillarIndices m_pillars{};
    std::vector<calendar::BirthWindow> m_windows;

    QLineEdit* m_pPillarsEdit = nullptr;
    QSpinBox* m_pFromSpin = nullptr;
    QSpinBox* m_pToSpin = nullptr;
    QComboBox* m_pSexCombo = nullptr;
    QPushButton* m_pSearchButton = nullptr;
    QLabel* m_pStatus = nullptr;
    QTreeWidget* m_pResults = nullptr;
    QPushButton* m_pCastButton = nullptr;
};
