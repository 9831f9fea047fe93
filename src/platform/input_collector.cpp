#include "input_collector.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

QStringList collectInputs(const QString &path)
{
    if (path.isEmpty())
        return {};
    const QFileInfo info(path);
    // A dangling link still names an entry; anything else missing is skipped silently.
    if (!info.exists() && !info.isSymLink())
        return {};
    if (!info.isDir())
        return {path};
    // A whole drive or the file system's root is never searched, as a dropped drive adds nothing.
    if (QDir(info.absoluteFilePath()).isRoot())
        return {};

    QStringList found;
    QDirIterator it(QDir::cleanPath(info.absoluteFilePath()),
                    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        found.append(QDir::toNativeSeparators(it.next()));
    return found;
}
