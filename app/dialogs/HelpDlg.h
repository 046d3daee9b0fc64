// CHelpDlg: the help window in the program's colours: the form's inputs, the
// report, the chart window and its analysis, the saved people, printing and export.
#pragma once

#include <QDialog>

class QTextBrowser;

class CHelpDlg : public QDialog {
    Q_OBJECT
public:
    explicit CHelpDlg(QWidget* parent = nullptr);
    // The help text shown (plain UTF-8 text, for tests).
    static QString HelpText();
    // The same text as the window shows it (rich text).
    static QString HelpHtml();
};
