// CPersonDlg: the small skinned dialog that saves the person of a reading
// (保存档案) or edits a saved one (编辑档案): the name in full, the birth as
// the reading has it, a note and tags. It says when the report will print the
// name differently (the report keeps ten bytes of GBK). The dialog writes
// through the writer it is given and stays open, with the reason shown, when
// the writer fails, so nothing typed is lost.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>

#include "Person.h"

class CStateBitmapButton;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

class CPersonDlg : public QDialog {
    Q_OBJECT
public:
    enum class Mode {
        Save,  // after a reading: a stored person (id > 0) is updated, or saved anew on request
        Edit,  // a person of the 档案 window
    };
    // Stores `person` (as a new person when `asNew`); on success `person`
    // becomes the person as stored and the result is true, else the reason
    // is in `error`.
    using Writer = std::function<bool(people::Person& person, bool asNew, QString* error)>;

    CPersonDlg(Mode mode, people::Person person, Writer writer, QWidget* parent = nullptr);

    // The person as the fields give it now.
    people::Person PersonNow() const;
    // The person as last stored (after the dialog was accepted).
    const people::Person& Stored() const { return m_person; }
    QString Caption() const;

    // The tags typed into a tag field: separated by blanks, commas, 、 or
    // semicolons (half- or full-width).
    static std::vector<std::string> ParseTags(const QString& text);
    // What the report prints for `name` when it differs from it; empty when
    // the report prints the name as it is.
    static QString ReportNameNotice(const QString& name);
    // The birth of a person in one line: sex, date and hour, birthplace and
    // the conventions that are not the defaults.
    static QString BirthSummary(const people::Person& person);

    // The controls, for the tests.
    QLineEdit* NameEdit() const { return m_pNameEdit; }
    QLabel* ReportNameLabel() const { return m_pReportNameLabel; }
    QLabel* BirthLabel() const { return m_pBirthLabel; }
    QPlainTextEdit* NoteEdit() const { return m_pNoteEdit; }
    QLineEdit* TagsEdit() const { return m_pTagsEdit; }
    QLabel* MessageLabel() const { return m_pMessageLabel; }
    CStateBitmapButton* SaveButton() const { return m_pSaveButton; }
    // Shown only when a stored person's reading is saved.
    CStateBitmapButton* SaveAsNewButton() const { return m_pSaveAsNewButton; }
    CStateBitmapButton* CancelButton() const { return m_pCancelButton; }

    // The commands: write (updating a stored person), write as a new person.
    void OnSave();
    void OnSaveAsNew();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildControls();
    void Write(bool asNew);

    Mode m_mode;
    people::Person m_person;
    Writer m_writer;
    QLineEdit* m_pNameEdit = nullptr;
    QLabel* m_pReportNameLabel = nullptr;
    QLabel* m_pBirthLabel = nullptr;
    QPlainTextEdit* m_pNoteEdit = nullptr;
    QLineEdit* m_pTagsEdit = nullptr;
    QLabel* m_pMessageLabel = nullptr;
    CStateBitmapButton* m_pSaveButton = nullptr;
    CStateBitmapButton* m_pSaveAsNewButton = nullptr;
    CStateBitmapButton* m_pCancelButton = nullptr;
};
