// Placeholder until the real implementation lands.
#include "encoder_command.h"
#include "tevaro_error.h"
namespace EncoderCommand {
QString buildOutputPath(const QString &f, const QString &i, PathStyle s) { return PathRules::join(f, PathRules::withAviExtension(PathRules::fileName(i, s), s), s); }
QString thumbnailPath(const QString &d, PathStyle s) { return PathRules::join(d, QString::fromUtf16(ThumbnailFileName), s); }
QStringList buildEncodeArguments(const EncodeSettings &, const QString &, const QString &) { return {}; }
QString buildEncodeCommandLine(const QString &, const EncodeSettings &, const QString &, const QString &) { return {}; }
QStringList buildThumbnailArguments(const QString &, const QString &) { return {}; }
QString buildThumbnailParameters(const QString &, const QString &, PathStyle) { return {}; }
} // namespace EncoderCommand
