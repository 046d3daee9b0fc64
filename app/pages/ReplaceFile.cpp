// Replacing a file through a temporary file beside it.
#include "app/pages/ReplaceFile.h"

#include <QFile>
#include <QSaveFile>

namespace pages {

bool ReplaceFile(const std::filesystem::path& path, const QByteArray& data, QString* error) {
    QSaveFile file(QFile::decodeName(QByteArray::fromStdString(path.native())));
    if (!file.open(QIODevice::WriteOnly)) {
        if (error) *error = file.errorString();
        return false;
    }
    if (file.write(data) != data.size() || !file.commit()) {
        if (error) *error = file.errorString();
        return false;
    }
    return true;
}

std::filesystem::path NativePath(const QString& fileName) {
    return QFile::encodeName(fileName).toStdString();
}

}  // namespace pages
