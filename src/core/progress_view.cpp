#include "progress_view.h"

using namespace Qt::StringLiterals;

namespace ProgressText {

qint64 kilobytes(qint64 bytes)
{
    return bytes < 0 ? 0 : bytes / 1000;
}

QString sizesLine(qint64 inputBytes, qint64 outputBytes)
{
    return QString::number(kilobytes(inputBytes)) + u"KB -> "_s + QString::number(kilobytes(outputBytes)) +
           u"KB"_s;
}

QString namesLine(const QString &inputPath, const QString &outputPath, PathStyle style)
{
    return PathRules::fileName(inputPath, style) + u" -> "_s + PathRules::fileName(outputPath, style);
}

} // namespace ProgressText
