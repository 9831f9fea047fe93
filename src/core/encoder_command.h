#pragma once

#include <QStringList>

#include "encode_settings.h"
#include "path_rules.h"

/// The encoder's command lines. Pure functions of their arguments.
namespace EncoderCommand {

/// The thumbnail file's name inside the program folder.
inline constexpr char16_t ThumbnailFileName[] = u"_thumb.jpg";

/// folder + one separator + the input's file name with its extension changed to ".avi".
/// The folder text is used unchanged (an empty one gives a path that starts with the separator).
QString buildOutputPath(const QString &outputFolder, const QString &inputPath, PathStyle style);

/// programDir + separator + "_thumb.jpg".
QString thumbnailPath(const QString &programDir, PathStyle style);

/// A path as the encoder must receive it to open it as a local file. ffmpeg reads "name:..." as
/// a protocol URL, "-" as a pipe and an output that begins with "-" as an option; such paths get
/// the "file:" prefix. Every other path is returned unchanged.
QString encoderPathArgument(const QString &path, PathStyle style);

/// The conversion run's arguments, as handed to the process (no program name, no quoting):
/// -i IN -y -flags bitexact -s WxH -aspect A -vcodec codec -b Nk -r N -acodec pcm_s16le -ab Nk
/// -ar RATE -f avi OUT. IN and OUT pass through encoderPathArgument() in the native style.
QStringList buildEncodeArguments(const EncodeSettings &settings, const QString &inputPath,
                                 const QString &outputPath);
QStringList buildEncodeArguments(const EncodeSettings &settings, const QString &inputPath,
                                 const QString &outputPath, PathStyle style);

/// The one-line rendering of the conversion run, for display and logs:
/// program + " -i \"IN\" -y ... -f avi " + quotedOutputPath.
QString buildEncodeCommandLine(const QString &program, const EncodeSettings &settings,
                               const QString &inputPath, const QString &quotedOutputPath);

/// The thumbnail run's arguments: -i IN -f image2 -ss 5 -vframes 1 -s 80x60 -an THUMB.
/// IN and THUMB pass through encoderPathArgument() in the native style; a THUMB holding "%" is
/// preceded by "-update 1", so that the image writer takes it as a name and not as a pattern.
QStringList buildThumbnailArguments(const QString &inputPath, const QString &thumbnailPath);
QStringList buildThumbnailArguments(const QString &inputPath, const QString &thumbnailPath, PathStyle style);

/// The thumbnail run's parameters as one line (no program name):
/// -i "IN" -f image2 -ss 5 -vframes 1 -s 80x60 -an "programDir<sep>_thumb.jpg".
QString buildThumbnailParameters(const QString &inputPath, const QString &programDir, PathStyle style);

} // namespace EncoderCommand
