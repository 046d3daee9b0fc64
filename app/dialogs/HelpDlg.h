// CHelpDlg: a short help window in the program's colours that explains the
// inputs of the form and the sections of a reading.
#pragma once

#include <QDialog>

class QTextBrowser;

class CHelpDlg : public QDialog {
    Q_OBJECT
public:
    explicit CHelpDlg(QWidget* parent = nullptr);
    // The help text shown (plain UTF-8 text, for tests).
    static QString HelpText();
};
