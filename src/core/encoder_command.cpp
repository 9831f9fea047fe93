#include "encoder_command.h"

using namespace Qt::StringLiterals;

namespace EncoderCommand {

namespace {

// Lower case for the letters A to Z only; every other character stays as it is.
QString asciiLower(const QString &text)
{
    QString result = text;
    for (QChar &c : result) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + (u'a' - u'A'));
    }
    return result;
}

// Everything between the input and the output path, in order. Both the argument list and the
// one-line rendering are made from this one list, so they cannot drift apart.
QStringList encodeOptions(const EncodeSettings &settings)
{
    const bool wide = settings.frameSize == 1;
    return {u"-y"_s,
            u"-flags"_s,
            u"bitexact"_s,
            u"-s"_s,
            wide ? u"720x480"_s : u"640x480"_s,
            u"-aspect"_s,
            wide ? u"16:9"_s : u"4:3"_s,
            u"-vcodec"_s,
            asciiLower(settings.videoCodec),
            u"-b"_s,
            QString::number(settings.videoBitrate) + u'k',
            u"-r"_s,
            QString::number(settings.frameRate),
            u"-acodec"_s,
            u"pcm_s16le"_s,
            u"-ab"_s,
            QString::number(settings.audioBitrate) + u'k',
            u"-ar"_s,
            settings.sampleRate == 1 ? u"24000"_s : u"48000"_s,
            u"-f"_s,
            u"avi"_s};
}

QStringList thumbnailOptions()
{
    return {u"-f"_s, u"image2"_s, u"-ss"_s, u"5"_s, u"-vframes"_s, u"1"_s, u"-s"_s, u"80x60"_s, u"-an"_s};
}

QString quoted(const QString &text)
{
    return u'"' + text + u'"';
}

bool isSchemeChar(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'+' ||
           c == u'-' || c == u'.';
}

} // namespace

QString buildOutputPath(const QString &outputFolder, const QString &inputPath, PathStyle style)
{
    return PathRules::join(outputFolder,
                           PathRules::withAviExtension(PathRules::fileName(inputPath, style), style), style);
}

QString thumbnailPath(const QString &programDir, PathStyle style)
{
    return PathRules::join(programDir, QString::fromUtf16(ThumbnailFileName), style);
}

QString encoderPathArgument(const QString &path, PathStyle style)
{
    // ffmpeg picks the protocol from the characters before the first ':' when they are all
    // scheme characters (letters, digits, "+", "-", "."), even none at all; "subfile," with a
    // ':' anywhere after it is a protocol too. Its Windows builds take one character before
    // the ':' as a drive letter. "-" alone is a pipe, and an output path that begins with "-"
    // would be read as an option. The file protocol strips "file:" and opens the rest as is.
    bool prefix = path.startsWith(u'-');
    if (!prefix) {
        qsizetype schemeLength = 0;
        while (schemeLength < path.size() && isSchemeChar(path.at(schemeLength)))
            ++schemeLength;
        const bool drive = style == PathStyle::Windows && schemeLength == 1;
        prefix = (schemeLength < path.size() && path.at(schemeLength) == u':' && !drive) ||
                 (path.startsWith(u"subfile,"_s) && path.indexOf(u':', 8) >= 0);
    }
    if (!prefix)
        return path;
    return u"file:"_s + path;
}

QStringList buildEncodeArguments(const EncodeSettings &settings, const QString &inputPath,
                                 const QString &outputPath)
{
    return buildEncodeArguments(settings, inputPath, outputPath, PathRules::nativeStyle());
}

QStringList buildEncodeArguments(const EncodeSettings &settings, const QString &inputPath,
                                 const QString &outputPath, PathStyle style)
{
    QStringList arguments{u"-i"_s, encoderPathArgument(inputPath, style)};
    arguments += encodeOptions(settings);
    arguments += encoderPathArgument(outputPath, style);
    return arguments;
}

QString buildEncodeCommandLine(const QString &program, const EncodeSettings &settings,
                               const QString &inputPath, const QString &quotedOutputPath)
{
    QString line = program + u" -i "_s + quoted(inputPath);
    for (const QString &option : encodeOptions(settings))
        line += u' ' + option;
    return line + u' ' + quotedOutputPath;
}

QStringList buildThumbnailArguments(const QString &inputPath, const QString &thumbnailPath)
{
    return buildThumbnailArguments(inputPath, thumbnailPath, PathRules::nativeStyle());
}

QStringList buildThumbnailArguments(const QString &inputPath, const QString &thumbnailPath, PathStyle style)
{
    QStringList arguments{u"-i"_s, encoderPathArgument(inputPath, style)};
    arguments += thumbnailOptions();
    // The image writer expands "%d" and its kin in an output name unless told to write a
    // single file under exactly that name.
    if (thumbnailPath.contains(u'%'))
        arguments += {u"-update"_s, u"1"_s};
    arguments += encoderPathArgument(thumbnailPath, style);
    return arguments;
}

QString buildThumbnailParameters(const QString &inputPath, const QString &programDir, PathStyle style)
{
    QString line = u"-i "_s + quoted(inputPath);
    for (const QString &option : thumbnailOptions())
        line += u' ' + option;
    return line + u' ' + quoted(thumbnailPath(programDir, style));
}

} // namespace EncoderCommand
