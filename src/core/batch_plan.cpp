#include "batch_plan.h"

#include <QDir>
#include <QHash>
#include <QSet>

#include "batch_platform.h"
#include "encoder_command.h"

using namespace Qt::StringLiterals;

namespace {

// Two spellings of one path give one key.
QString pathKey(const QString &path, PathStyle style)
{
    if (style == PathStyle::Windows) {
        QString slashed = path;
        slashed.replace(u'\\', u'/');
        return QDir::cleanPath(slashed).toCaseFolded();
    }
    return QDir::cleanPath(path);
}

class PathIdentity
{
public:
    PathIdentity(PathStyle style, BatchPlatform &platform)
        : m_style(style)
        , m_platform(platform)
    {}

    QString textKey(const QString &path) const { return pathKey(path, m_style); }

    // Empty when nothing exists at path.
    QString fileKey(const QString &path) const
    {
        const QString canonical = m_platform.canonicalPath(path);
        return canonical.isEmpty() ? QString() : pathKey(canonical, m_style);
    }

    bool same(const QString &a, const QString &b) const
    {
        if (textKey(a) == textKey(b))
            return true;
        const QString fileA = fileKey(a);
        return !fileA.isEmpty() && fileA == fileKey(b);
    }

private:
    PathStyle m_style;
    BatchPlatform &m_platform;
};

QString numbered(const QString &aviPath, int number)
{
    // buildOutputPath() always ends the name in ".avi".
    return aviPath.left(aviPath.size() - 4) + u" ("_s + QString::number(number) + u").avi"_s;
}

} // namespace

QList<BatchItem> planBatch(const QStringList &inputs, const QString &outputFolder, PathStyle style,
                           BatchPlatform &platform)
{
    const PathIdentity identity(style, platform);
    QSet<QString> inputTextKeys;
    QSet<QString> inputFileKeys;
    for (const QString &input : inputs) {
        inputTextKeys.insert(identity.textKey(input));
        const QString fileKey = identity.fileKey(input);
        if (!fileKey.isEmpty())
            inputFileKeys.insert(fileKey);
    }
    const auto isInput = [&](const QString &path) {
        if (inputTextKeys.contains(identity.textKey(path)))
            return true;
        const QString fileKey = identity.fileKey(path);
        return !fileKey.isEmpty() && inputFileKeys.contains(fileKey);
    };

    QHash<QString, QString> ownerOfOutput; // output key -> key of the input writing it
    QList<BatchItem> items;
    items.reserve(inputs.size());
    for (const QString &input : inputs) {
        const QString base = EncoderCommand::buildOutputPath(outputFolder, input, style);
        if (identity.same(base, input)) {
            items.append({input, base, true});
            continue;
        }
        const QString inputKey = identity.textKey(input);
        QString candidate = base;
        for (int number = 2;; ++number) {
            const QString key = identity.textKey(candidate);
            const auto owner = ownerOfOutput.constFind(key);
            if (owner != ownerOfOutput.constEnd() ? *owner == inputKey : !isInput(candidate)) {
                ownerOfOutput.insert(key, inputKey);
                break;
            }
            candidate = numbered(base, number);
        }
        items.append({input, candidate, false});
    }
    return items;
}
