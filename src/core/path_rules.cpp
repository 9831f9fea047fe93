#include "path_rules.h"

namespace PathRules {

PathStyle nativeStyle()
{
#ifdef Q_OS_WIN
    return PathStyle::Windows;
#else
    return PathStyle::Posix;
#endif
}

bool isSeparator(QChar c, PathStyle style)
{
    if (style == PathStyle::Windows)
        return c == u'\\' || c == u':';
    return c == u'/';
}

static qsizetype lastSeparator(const QString &path, PathStyle style)
{
    for (qsizetype i = path.size() - 1; i >= 0; --i) {
        if (isSeparator(path.at(i), style))
            return i;
    }
    return -1;
}

QString fileName(const QString &path, PathStyle style)
{
    return path.mid(lastSeparator(path, style) + 1);
}

QString completeBaseName(const QString &path, PathStyle style)
{
    const QString name = fileName(path, style);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? name : name.left(dot);
}

QString withAviExtension(const QString &path, PathStyle style)
{
    const qsizetype separator = lastSeparator(path, style);
    const qsizetype dot = path.lastIndexOf(u'.');
    const QString stem = dot > separator ? path.left(dot) : path;
    return stem + QStringLiteral(".avi");
}

QString programDir(const QString &executablePath, PathStyle style)
{
    const qsizetype separator = lastSeparator(executablePath, style);
    QString dir = executablePath.left(separator + 1);
    if (dir.isEmpty())
        return dir;
    const qsizetype last = dir.size() - 1;
    const QChar c = dir.at(last);
    if (style == PathStyle::Windows) {
        // C:\ and \\ keep their backslash: they name a root, not a folder inside one.
        if (c == u'\\' && last > 0 && dir.at(last - 1) != u':' && dir.at(last - 1) != u'\\')
            dir.chop(1);
    } else if (c == u'/' && last > 0) {
        dir.chop(1);
    }
    return dir;
}

QString withoutTrailingSeparators(const QString &folder, PathStyle style)
{
    const QChar separator = style == PathStyle::Windows ? u'\\' : u'/';
    const qsizetype keep = style == PathStyle::Windows ? 0 : 1;
    qsizetype end = folder.size();
    while (end > keep && folder.at(end - 1) == separator)
        --end;
    return folder.left(end);
}

QString join(const QString &folder, const QString &name, PathStyle style)
{
    return folder + (style == PathStyle::Windows ? u'\\' : u'/') + name;
}

} // namespace PathRules
