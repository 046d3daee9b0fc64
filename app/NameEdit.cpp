#include "app/NameEdit.h"

#include <QToolTip>

#include "GbkCodec.h"

QValidator::State CNameValidator::validate(QString& input, int& /*pos*/) const {
    const std::optional<std::string> gbk = platform::Utf8ToGbk(input.toStdString());
    if (!gbk) {
        m_lastRefusal = QString::fromUtf8(kNameNotGbk);
        return Invalid;
    }
    if (gbk->size() > kNameMaxBytes) {
        m_lastRefusal = QString::fromUtf8(kNameTooLong);
        return Invalid;
    }
    m_lastRefusal.clear();
    return Acceptable;
}

CNameEdit::CNameEdit(QWidget* parent) : QLineEdit(parent), m_validator(new CNameValidator(this)) {
    setValidator(m_validator);
    connect(this, &QLineEdit::inputRejected, this, [this] {
        QToolTip::showText(mapToGlobal(QPoint(0, height())), m_validator->LastRefusal(), this);
    });
}

std::string CNameEdit::GbkText() const {
    const std::string gbk = platform::Utf8ToGbk(text().toStdString()).value_or(std::string());
    return gbk.substr(0, platform::GbkPrefixLength(gbk, kNameMaxBytes));
}
