// The name box: admits at most 10 bytes of GBK text, never half a
// character, and refuses characters that GBK cannot encode, typed or pasted,
// with a short explanation beside the box.
#pragma once

#include <QLineEdit>
#include <QString>
#include <QValidator>
#include <string>

inline constexpr std::size_t kNameMaxBytes = 10;

class CNameValidator : public QValidator {
    Q_OBJECT
public:
    explicit CNameValidator(QObject* parent = nullptr) : QValidator(parent) {}
    State validate(QString& input, int& pos) const override;
    // Why the last refused text was refused (empty after an accepted one).
    QString LastRefusal() const { return m_lastRefusal; }

private:
    mutable QString m_lastRefusal;
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
