// The message boxes and the hook that answers them in tests.
#include "app/MessageBox.h"

#include <QMessageBox>

#include "skin/CaptionFit.h"

namespace {

MessageBoxHook& Hook() {
    static MessageBoxHook hook;
    return hook;
}

}  // namespace

void SetMessageBoxHook(MessageBoxHook hook) {
    Hook() = std::move(hook);
}

void ShowMessageBox(QWidget* parent, const QString& text, std::string_view captionUtf8) {
    const QString caption = QString::fromUtf8(captionUtf8.data(), static_cast<qsizetype>(captionUtf8.size()));
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (Hook()) {
        Hook()(parent, shown, caption);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, caption, shown, QMessageBox::Ok, parent);
    FitToCaption(box);
    box.exec();
}

void ShowWriteFailure(QWidget* parent, const QString& path, const QString& reason) {
    ShowMessageBox(parent, QStringLiteral("无法写入文件：") + path + QLatin1Char('\n') + reason);
}
