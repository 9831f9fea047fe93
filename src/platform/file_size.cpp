#include "file_size.h"

#include <QFile>

namespace FileSize {

qint64 of(const QString &path)
{
    if (path.isEmpty())
        return -1;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return file.size();
}

} // namespace FileSize
