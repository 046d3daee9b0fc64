#include "MessageBox.h"

#include <QMessageBox>

#include "GbkCodec.h"

namespace {

MessageBoxHook& Hook() {
    static MessageBoxHook hook;
    return hook;
}

}  // namespace

void SetMessageBoxHook(MessageBoxHook hook) {
    Hook() = std::move(hook);
}

void ShowMessageBox(QWidget* parent, const QString& text, const QString& caption) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (Hook()) {
        Hook()(parent, shown, caption);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, caption, shown, QMessageBox::Ok, parent);
    box.exec();
}

void ShowMessageBoxGbk(QWidget* parent, const std::string& gbkText, const QString& caption) {
    ShowMessageBox(parent, FromGbk(gbkText), caption);
}

QString FromGbk(const std::string& gbk) {
    if (auto utf8 = platform::GbkToUtf8(gbk)) {
        return QString::fromStdString(*utf8);
    }
    // Decode the part before the first bad byte, mark the byte, go on.
    QString out;
    std::string_view rest(gbk);
    while (!rest.empty()) {
        std::size_t bad = 0;
        if (auto utf8 = platform::GbkToUtf8(rest, &bad)) {
            out += QString::fromStdString(*utf8);
            break;
        }
        out += QString::fromStdString(platform::GbkToUtf8(rest.substr(0, bad)).value_or(std::string()));
        out += QChar(QChar::ReplacementCharacter);
        rest.remove_prefix(bad + 1);
    }
    return out;
}
