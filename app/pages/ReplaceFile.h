// Replacing a file only when the new one is whole: every file the pages
// library writes (exports, print jobs to a PDF file) goes through here.
#pragma once

#include <QByteArray>
#include <QString>
#include <filesystem>

namespace pages {

// Writes `data` to a temporary file beside `path`, flushes it to the disk and
// renames it over `path`, so that `path` holds either its old bytes or all of
// the new ones. The name is taken byte for byte as given (a name that is not
// UTF-8 keeps its bytes). The file named is the one written: a symbolic link
// is refused rather than followed (its target is someone else's file), as is
// anything but a regular file. A replaced file keeps its permissions (and,
// where the system allows, its owner); a new one gets those the user's umask
// gives. false with the reason in `error` when it cannot be done; nothing is
// then left behind and an old file is as it was.
bool ReplaceFile(const std::filesystem::path& path, const QByteArray& data, QString* error);

// A file name typed in a dialog as the bytes the system names the file by.
std::filesystem::path NativePath(const QString& fileName);

}  // namespace pages
