// The texts Qt's own Chinese translations leave in English.
#include "app/ChineseTexts.h"

#include <array>
#include <cstring>

namespace {

struct Text {
    const char* context;
    const char* source;
    const char* chinese;  // UTF-8
};

// Context, English text and its Chinese: the file types of the file dialog
// (qtbase 6.4's QAbstractFileIconProvider).
constexpr std::array kTexts{
    Text{"QAbstractFileIconProvider", "Drive", "驱动器"},
    Text{"QAbstractFileIconProvider", "File", "文件"},
    Text{"QAbstractFileIconProvider", "Folder", "文件夹"},
    Text{"QAbstractFileIconProvider", "File Folder", "文件夹"},
    Text{"QAbstractFileIconProvider", "Shortcut", "快捷方式"},
    Text{"QAbstractFileIconProvider", "Alias", "替身"},
    Text{"QAbstractFileIconProvider", "Unknown", "未知"},
};

}  // namespace

QString CChineseTexts::translate(const char* context, const char* sourceText, const char* /*disambiguation*/,
                                 int /*n*/) const {
    if (context == nullptr || sourceText == nullptr) return {};
    for (const Text& text : kTexts) {
        if (std::strcmp(text.context, context) == 0 && std::strcmp(text.source, sourceText) == 0) {
            return QString::fromUtf8(text.chinese);
        }
    }
    return {};
}
