#include "app/NameEdit.h"

#include <QToolTip>

#include "GbkCodec.h"

namespace {

std::size_t GbkSize(const QString& text) {
    return platform::Utf8ToGbk(text.toStdString()).value_or(std::string()).size();
}

}  // namespace

QValidator::State CNameValidator::validate(QString& input, int& pos) const {
    const std::optional<std::string> gbk = platform::Utf8ToGbk(input.toStdString());
    if (!gbk) {
        m_lastRefusal = QString::fromUtf8(kNameNotGbk);
        return Invalid;
    }
    if (gbk->size() > kNameMaxBytes) {
        // The edit replaced old[prefix, old.size() - suffix) by the inserted
        // input[prefix, input.size() - suffix): keep the inserted characters
        // that fit, whole code points only.
        const QString& old = m_current;
        qsizetype prefix = 0;
        while (prefix < old.size() && prefix < input.size() && old[prefix] == input[prefix]) ++prefix;
        qsizetype suffix = 0;
        while (suffix < old.size() - prefix && suffix < input.size() - prefix &&
               old[old.size() - 1 - suffix] == input[input.size() - 1 - suffix])
            ++suffix;
        while (prefix > 0 && prefix < input.size() && input[prefix].isLowSurrogate())
            --prefix;  // never split a pair
        const QString head = input.left(prefix);
        const QString tail = input.right(suffix);
        const QString inserted = input.mid(prefix, input.size() - prefix - suffix);
        std::size_t room = kNameMaxBytes - std::min(kNameMaxBytes, GbkSize(head) + GbkSize(tail));
        qsizetype kept = 0;
        while (kept < inserted.size()) {
            const qsizetype step = inserted[kept].isHighSurrogate() && kept + 1 < inserted.size() ? 2 : 1;
            const std::size_t bytes = GbkSize(inserted.mid(kept, step));
            if (bytes > room) break;
            room -= bytes;
            kept += step;
        }
        m_lastRefusal = QString::fromUtf8(kNameTooLong);
        if (kept == 0) return Invalid;
        input = head + inserted.left(kept) + tail;
        pos = static_cast<int>(prefix + kept);
        return Acceptable;
    }
    m_lastRefusal.clear();
    return Acceptable;
}

CNameEdit::CNameEdit(QWidget* parent) : QLineEdit(parent), m_validator(new CNameValidator(this)) {
    setValidator(m_validator);
    connect(this, &QLineEdit::textChanged, m_validator, &CNameValidator::SetCurrentText);
    connect(this, &QLineEdit::inputRejected, this, [this] {
        QToolTip::showText(mapToGlobal(QPoint(0, height())), m_validator->LastRefusal(), this);
    });
}

std::string CNameEdit::GbkText() const {
    const std::string gbk = platform::Utf8ToGbk(text().toStdString()).value_or(std::string());
    return gbk.substr(0, platform::GbkPrefixLength(gbk, kNameMaxBytes));
}
