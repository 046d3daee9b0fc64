// The name box: admits at most 10 bytes of GBK text, never half a
// character, and refuses characters that GBK cannot encode, typed or pasted,
// with a short explanation beside the box. Of a pasted text longer than what
// is left, the whole characters that fit are inserted, as the edit limit of
// a plain edit box does.
#pragma once

#include <QLineEdit>
#include <QString>
#include <QValidator>
#include <string>

#include "BirthRecord.h"

class CNameValidator : public QValidator {
    Q_OBJECT
public:
    explicit CNameValidator(QObject* parent = nullptr) : QValidator(parent) {}
    // `input` is the box's text after an edit; the edit is found against the
    // text before it (see SetCurrentText) and a too long insertion is cut to
    // what fits, with `pos` after the inserted part.
    State validate(QString& input, int& pos) const override;
    // Why the last refused text was refused (empty after an accepted one).
    QString LastRefusal() const { return m_lastRefusal; }
    // The box's text as it stands, before the next edit.
    void SetCurrentText(const QString& text) { m_current = text; }

private:
    mutable QString m_lastRefusal;
    QString m_current;
};

class CNameEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CNameEdit(QWidget* parent = nullptr);
    // The text as GBK bytes (always encodable and within the limit).
    std::string GbkText() const;
    // The explanation shown for the last refused input.
    QString LastRefusal() const { return m_validator->LastRefusal(); }

private:
    CNameValidator* m_validator;
};

// The refusal texts.
inline constexpr char kNameTooLong[] = "姓名最多10个字节(5个汉字)";
inline constexpr char kNameNotGbk[] = "姓名中有无法使用的字符";
