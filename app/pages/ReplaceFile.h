// Replacing a file only when the new one is whole: every file the pages
// library writes goes through here.
#pragma once

#include <QByteArray>
#include <QString>
#include <filesystem>

namespace pages {

// The bytes of `path`, replaced by `data` through a temporary file beside it
// that is renamed over it when complete. false with the reason in `error`
// when it cannot be done; the old file, if any, is then left as it was.
bool ReplaceFile(const std::filesystem::path& path, const QByteArray& data, QString* error);

// A file name typed in a dialog as the bytes the system names the file by.
std::filesystem::path NativePath(const QString& fileName);

}  // namespace pages
