// The program's message boxes. Every box goes through ShowMessageBox, so a
// test can answer it without a modal loop by installing a hook.
#pragma once

#include <QString>
#include <functional>
#include <string_view>

class QWidget;

// The caption of every box the program captions itself.
inline constexpr char kMessageCaption[] = "弈澜坊之星衡命鉴";

using MessageBoxHook = std::function<void(QWidget* parent, const QString& text, const QString& caption)>;

// Replaces the real box (an MB_OK box without icon); an empty hook restores it.
void SetMessageBoxHook(MessageBoxHook hook);

// Shows `text` under `captionUtf8` and waits for OK. "\r\n" line ends are
// shown as one line break.
void ShowMessageBox(QWidget* parent, const QString& text, std::string_view captionUtf8 = kMessageCaption);

// "无法写入文件：<path>" and the reason on the next line, under the program's caption.
void ShowWriteFailure(QWidget* parent, const QString& path, const QString& reason);
