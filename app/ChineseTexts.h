// CChineseTexts: the Simplified Chinese for the few texts of Qt's standard
// dialogs that Qt's own translations (qtbase_zh_CN) leave in English, such as
// the file dialog's "Folder". Installed after Qt's translations, so it is
// asked first; a text it does not know is left to them.
#pragma once

#include <QTranslator>

class CChineseTexts : public QTranslator {
    Q_OBJECT
public:
    using QTranslator::QTranslator;

    // The Chinese for `sourceText` of `context`, or a null string when this
    // table has none (the disambiguation and the count do not matter).
    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override;
    bool isEmpty() const override { return false; }
};
