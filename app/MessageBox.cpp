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

void ShowMessageBox(QWidget* parent, const QString& text, const QString& caption) {
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
