// The program's message boxes. Every box goes through ShowMessageBox, so a
// test can answer it without a modal loop by installing a hook.
#pragma once

#include <QString>
#include <functional>
#include <string>

class QWidget;

// The caption of every box the program captions itself.
inline constexpr char kMessageCaption[] = "弈澜坊之星衡命鉴";

using MessageBoxHook = std::function<void(QWidget* parent, const QString& text, const QString& caption)>;

// Replaces the real box (an MB_OK box without icon); an empty hook restores it.
void SetMessageBoxHook(MessageBoxHook hook);

// Shows `text` under `caption` and waits for OK. "\r\n" line ends are shown as
// one line break.
void ShowMessageBox(QWidget* parent, const QString& text, const QString& caption);
// The same for GBK texts (invalid bytes are shown as U+FFFD, never dropped).
void ShowMessageBoxGbk(QWidget* parent, const std::string& gbkText, const QString& caption);

// GBK -> QString; a text that does not decode is shown with replacement marks.
QString FromGbk(const std::string& gbk);
