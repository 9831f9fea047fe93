#pragma once

#include <QString>

/// The two path spellings the program understands. Windows: backslash and colon separate,
/// a drive root keeps its backslash. Posix: slash separates, "/" is the root.
enum class PathStyle
{
    Windows,
    Posix
};

namespace PathRules {

/// The style of the system the program runs on.
PathStyle nativeStyle();

/// True for the separators of the style (Windows: '\\' and ':'; Posix: '/').
bool isSeparator(QChar c, PathStyle style);

/// What follows the last separator; a path without one is its own file name.
QString fileName(const QString &path, PathStyle style);

/// The file name with everything from its last dot removed ("my.tool.exe" gives "my.tool").
QString completeBaseName(const QString &path, PathStyle style);

/// Drops the extension of the file name (from its last dot, if the dot is in the file name)
/// and appends ".avi".
QString withAviExtension(const QString &path, PathStyle style);

/// The folder of an executable: everything up to its last separator, without that separator
/// unless it is the root's (C:\, \, /).
QString programDir(const QString &executablePath, PathStyle style);

/// Removes every trailing separator character from a folder text (Windows: backslashes only,
/// so "D:\" becomes "D:"). A lone Posix root "/" is kept, since an empty text would name no folder.
QString withoutTrailingSeparators(const QString &folder, PathStyle style);

/// folder + one separator + name, the way the style writes it ("\\" or "/").
QString join(const QString &folder, const QString &name, PathStyle style);

} // namespace PathRules
