#include <QTest>

#include "encoder_command.h"

using namespace Qt::StringLiterals;

class TestEncoderCommand : public QObject
{
    Q_OBJECT

private slots:
    void outputPath_data();
    void outputPath();
    void thumbnailPath_data();
    void thumbnailPath();
    void commandLineExample_data();
    void commandLineExample();
    void encodeOptions_data();
    void encodeOptions();
    void thumbnailParameters_data();
    void thumbnailParameters();
    void encoderPathArgument_data();
    void encoderPathArgument();
    void hostilePathsInArgumentLists_data();
    void hostilePathsInArgumentLists();
    void thumbnailNameWithPercent();
};

void TestEncoderCommand::outputPath_data()
{
    QTest::addColumn<PathStyle>("style");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("expected");

    const auto win = PathStyle::Windows;
    QTest::newRow("win extension") << win << u"C:\\video\\clip.mp4"_s << u"D:\\out"_s
                                   << u"D:\\out\\clip.avi"_s;
    QTest::newRow("win no extension")
        << win << u"C:\\video\\clip"_s << u"D:\\out"_s << u"D:\\out\\clip.avi"_s;
    QTest::newRow("win two dots") << win << u"C:\\video\\a.b.mpg"_s << u"D:\\out"_s << u"D:\\out\\a.b.avi"_s;
    QTest::newRow("win dot in folder") << win << u"C:\\v.1\\clip"_s << u"D:\\out"_s << u"D:\\out\\clip.avi"_s;
    QTest::newRow("win dot only") << win << u"C:\\video\\.mp4"_s << u"D:\\out"_s << u"D:\\out\\.avi"_s;
    QTest::newRow("win japanese") << win << u"C:\\video\\ソース.wmv"_s << u"D:\\out"_s
                                  << u"D:\\out\\ソース.avi"_s;
    QTest::newRow("win input itself")
        << win << u"D:\\out\\clip.avi"_s << u"D:\\out"_s << u"D:\\out\\clip.avi"_s;
    QTest::newRow("win colon separates") << win << u"C:clip.mp4"_s << u"D:\\out"_s << u"D:\\out\\clip.avi"_s;
    QTest::newRow("win folder with backslash") << win << u"C:\\a.mp4"_s << u"D:\\"_s << u"D:\\\\a.avi"_s;
    QTest::newRow("win empty folder") << win << u"C:\\a.mp4"_s << QString() << u"\\a.avi"_s;
    QTest::newRow("win folder untouched") << win << u"a.mp4"_s << u" D:\\o ut "_s << u" D:\\o ut \\a.avi"_s;

    const auto posix = PathStyle::Posix;
    QTest::newRow("posix extension") << posix << u"/video/clip.mp4"_s << u"/out"_s << u"/out/clip.avi"_s;
    QTest::newRow("posix no extension") << posix << u"/video/clip"_s << u"/out"_s << u"/out/clip.avi"_s;
    QTest::newRow("posix two dots") << posix << u"/video/a.b.mpg"_s << u"/out"_s << u"/out/a.b.avi"_s;
    QTest::newRow("posix dot in folder") << posix << u"/v.1/clip"_s << u"/out"_s << u"/out/clip.avi"_s;
    QTest::newRow("posix dot only") << posix << u"/video/.mp4"_s << u"/out"_s << u"/out/.avi"_s;
    QTest::newRow("posix japanese") << posix << u"/video/ソース.wmv"_s << u"/out"_s << u"/out/ソース.avi"_s;
    QTest::newRow("posix input itself") << posix << u"/out/clip.avi"_s << u"/out"_s << u"/out/clip.avi"_s;
    QTest::newRow("posix backslash is a name character")
        << posix << u"/video/a\\b.mp4"_s << u"/out"_s << u"/out/a\\b.avi"_s;
    QTest::newRow("posix colon is a name character")
        << posix << u"/video/c:d.mp4"_s << u"/out"_s << u"/out/c:d.avi"_s;
    QTest::newRow("posix folder with slash") << posix << u"/a.mp4"_s << u"/out/"_s << u"/out//a.avi"_s;
    QTest::newRow("posix empty folder") << posix << u"/a.mp4"_s << QString() << u"/a.avi"_s;
}

void TestEncoderCommand::outputPath()
{
    QFETCH(PathStyle, style);
    QFETCH(QString, input);
    QFETCH(QString, folder);
    QFETCH(QString, expected);
    QCOMPARE(EncoderCommand::buildOutputPath(folder, input, style), expected);
}

void TestEncoderCommand::thumbnailPath_data()
{
    QTest::addColumn<PathStyle>("style");
    QTest::addColumn<QString>("programDir");
    QTest::addColumn<QString>("expected");
    QTest::newRow("windows") << PathStyle::Windows << u"C:\\Tevaro"_s << u"C:\\Tevaro\\_thumb.jpg"_s;
    QTest::newRow("posix") << PathStyle::Posix << u"/opt/tevaro"_s << u"/opt/tevaro/_thumb.jpg"_s;
}

void TestEncoderCommand::thumbnailPath()
{
    QFETCH(PathStyle, style);
    QFETCH(QString, programDir);
    QFETCH(QString, expected);
    QCOMPARE(EncoderCommand::thumbnailPath(programDir, style), expected);
}

void TestEncoderCommand::commandLineExample_data()
{
    QTest::addColumn<PathStyle>("style");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("windows") << PathStyle::Windows << u"ffmpeg.exe"_s << u"C:\\video\\clip.mp4"_s
                             << u"D:\\out"_s
                             << QByteArray(
                                    "ffmpeg.exe -i \"C:\\video\\clip.mp4\" -y -flags bitexact -s 640x480 "
                                    "-aspect 4:3 -vcodec mjpeg -b 2048k -r 30 -acodec pcm_s16le -ab 128k "
                                    "-ar 48000 -f avi \"D:\\out\\clip.avi\"");
    QTest::newRow("posix") << PathStyle::Posix << u"ffmpeg"_s << u"/video/clip.mp4"_s << u"/out"_s
                           << QByteArray(
                                  "ffmpeg -i \"/video/clip.mp4\" -y -flags bitexact -s 640x480 "
                                  "-aspect 4:3 -vcodec mjpeg -b 2048k -r 30 -acodec pcm_s16le -ab 128k "
                                  "-ar 48000 -f avi \"/out/clip.avi\"");
}

void TestEncoderCommand::commandLineExample()
{
    QFETCH(PathStyle, style);
    QFETCH(QString, program);
    QFETCH(QString, input);
    QFETCH(QString, folder);
    QFETCH(QByteArray, expected);

    EncodeSettings settings;
    settings.videoCodec = u"MJPEG"_s;
    settings.outputFolder = folder;
    const QString output = EncoderCommand::buildOutputPath(settings.outputFolder, input, style);
    const QByteArray line =
        EncoderCommand::buildEncodeCommandLine(program, settings, input, u'"' + output + u'"').toUtf8();
    QCOMPARE(line, expected);
    if (style == PathStyle::Windows)
        QCOMPARE(line.size(), 166);

    // The list QProcess gets holds the same pieces, unquoted.
    QStringList arguments = QString::fromUtf8(expected).split(u' ').mid(1);
    arguments[1].remove(u'"');
    arguments.last().remove(u'"');
    QCOMPARE(EncoderCommand::buildEncodeArguments(settings, input, output, style), arguments);
}

void TestEncoderCommand::encodeOptions_data()
{
    QTest::addColumn<int>("frameSize");
    QTest::addColumn<int>("sampleRate");
    QTest::addColumn<int>("frameRate");
    QTest::addColumn<int>("videoBitrate");
    QTest::addColumn<int>("audioBitrate");
    QTest::addColumn<QString>("codec");
    QTest::addColumn<QString>("options");

    QTest::newRow("wide, 24000 Hz")
        << 1 << 1 << 30 << 2048 << 128 << u"MJPEG"_s
        << u"-y -flags bitexact -s 720x480 -aspect 16:9 -vcodec mjpeg -b 2048k -r 30 "
           "-acodec pcm_s16le -ab 128k -ar 24000 -f avi"_s;
    QTest::newRow("lowest") << 0 << 0 << 1 << 512 << 64 << u"MJPEG"_s
                            << u"-y -flags bitexact -s 640x480 -aspect 4:3 -vcodec mjpeg -b 512k -r 1 "
                               "-acodec pcm_s16le -ab 64k -ar 48000 -f avi"_s;
    QTest::newRow("highest") << 1 << 0 << 30 << 8000 << 320 << u"MJPEG"_s
                             << u"-y -flags bitexact -s 720x480 -aspect 16:9 -vcodec mjpeg -b 8000k -r 30 "
                                "-acodec pcm_s16le -ab 320k -ar 48000 -f avi"_s;
    QTest::newRow("only A-Z lowered")
        << 0 << 1 << 25 << 1000 << 96 << u"MjPeG_ÀÉ-Ｚ9"_s
        << u"-y -flags bitexact -s 640x480 -aspect 4:3 -vcodec mjpeg_ÀÉ-Ｚ9 -b 1000k "
           "-r 25 -acodec pcm_s16le -ab 96k -ar 24000 -f avi"_s;
}

void TestEncoderCommand::encodeOptions()
{
    QFETCH(int, frameSize);
    QFETCH(int, sampleRate);
    QFETCH(int, frameRate);
    QFETCH(int, videoBitrate);
    QFETCH(int, audioBitrate);
    QFETCH(QString, codec);
    QFETCH(QString, options);

    EncodeSettings settings;
    settings.frameSize = frameSize;
    settings.sampleRate = sampleRate;
    settings.frameRate = frameRate;
    settings.videoBitrate = videoBitrate;
    settings.audioBitrate = audioBitrate;
    settings.videoCodec = codec;

    QCOMPARE(EncoderCommand::buildEncodeCommandLine(u"ffmpeg"_s, settings, u"/in.mp4"_s, u"\"/out.avi\""_s),
             u"ffmpeg -i \"/in.mp4\" "_s + options + u" \"/out.avi\""_s);
    const QStringList expected =
        QStringList{u"-i"_s, u"/in.mp4"_s} + options.split(u' ') + QStringList{u"/out.avi"_s};
    QCOMPARE(EncoderCommand::buildEncodeArguments(settings, u"/in.mp4"_s, u"/out.avi"_s, PathStyle::Posix),
             expected);
}

void TestEncoderCommand::thumbnailParameters_data()
{
    QTest::addColumn<PathStyle>("style");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("programDir");
    QTest::addColumn<QString>("expected");
    QTest::newRow("windows") << PathStyle::Windows << u"C:\\video\\my clip.mp4"_s << u"C:\\Tevaro"_s
                             << u"-i \"C:\\video\\my clip.mp4\" -f image2 -ss 5 -vframes 1 -s 80x60 -an "
                                "\"C:\\Tevaro\\_thumb.jpg\""_s;
    QTest::newRow("posix") << PathStyle::Posix << u"/video/my clip.mp4"_s << u"/opt/tevaro"_s
                           << u"-i \"/video/my clip.mp4\" -f image2 -ss 5 -vframes 1 -s 80x60 -an "
                              "\"/opt/tevaro/_thumb.jpg\""_s;
}

void TestEncoderCommand::thumbnailParameters()
{
    QFETCH(PathStyle, style);
    QFETCH(QString, input);
    QFETCH(QString, programDir);
    QFETCH(QString, expected);
    QCOMPARE(EncoderCommand::buildThumbnailParameters(input, programDir, style), expected);

    const QString thumb = EncoderCommand::thumbnailPath(programDir, style);
    const QStringList arguments{u"-i"_s,       input,  u"-f"_s, u"image2"_s, u"-ss"_s, u"5"_s,
                                u"-vframes"_s, u"1"_s, u"-s"_s, u"80x60"_s,  u"-an"_s, thumb};
    QCOMPARE(EncoderCommand::buildThumbnailArguments(input, thumb, style), arguments);
}

void TestEncoderCommand::encoderPathArgument_data()
{
    QTest::addColumn<PathStyle>("style");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");

    const auto posix = PathStyle::Posix;
    const auto win = PathStyle::Windows;
    // Handed over unchanged: ffmpeg already opens these as files.
    QTest::newRow("absolute") << posix << u"/v/clip.mp4"_s << u"/v/clip.mp4"_s;
    QTest::newRow("shell characters")
        << posix << u"/v/a b \"q\" $HOME `x` 'y'\n.mp4"_s << u"/v/a b \"q\" $HOME `x` 'y'\n.mp4"_s;
    QTest::newRow("colon after slash") << posix << u"/v/http:x.mp4"_s << u"/v/http:x.mp4"_s;
    QTest::newRow("relative, colon after folder") << posix << u"dir/a:b.mp4"_s << u"dir/a:b.mp4"_s;
    QTest::newRow("colon after a space") << posix << u"a b:c.mp4"_s << u"a b:c.mp4"_s;
    QTest::newRow("dash inside") << posix << u"/v/-x.mp4"_s << u"/v/-x.mp4"_s;
    QTest::newRow("non-ascii before colon") << posix << u"ソ:x.mp4"_s << u"ソ:x.mp4"_s;
    QTest::newRow("subfile without colon") << posix << u"subfile,x.mp4"_s << u"subfile,x.mp4"_s;
    QTest::newRow("windows drive") << win << u"C:\\video\\clip.mp4"_s << u"C:\\video\\clip.mp4"_s;
    QTest::newRow("windows drive-relative") << win << u"C:clip.mp4"_s << u"C:clip.mp4"_s;
    QTest::newRow("windows unc") << win << u"\\\\server\\share\\a:b"_s << u"\\\\server\\share\\a:b"_s;
    QTest::newRow("empty") << posix << QString() << QString();

    // Read as a protocol, a pipe or an option unless marked as a file.
    QTest::newRow("dash first") << posix << u"-x.mp4"_s << u"file:-x.mp4"_s;
    QTest::newRow("lone dash") << posix << u"-"_s << u"file:-"_s;
    QTest::newRow("windows dash first") << win << u"-y"_s << u"file:-y"_s;
    QTest::newRow("proto-like name") << posix << u"a:b.mp4"_s << u"file:a:b.mp4"_s;
    QTest::newRow("url-like name") << posix << u"http://host/x.mp4"_s << u"file:http://host/x.mp4"_s;
    QTest::newRow("scheme characters") << posix << u"my-clip.v2+x:1.mp4"_s << u"file:my-clip.v2+x:1.mp4"_s;
    QTest::newRow("leading colon") << posix << u":x.mp4"_s << u"file::x.mp4"_s;
    QTest::newRow("file prefix kept literally") << posix << u"file:x"_s << u"file:file:x"_s;
    QTest::newRow("drive letter on posix") << posix << u"C:\\x.mp4"_s << u"file:C:\\x.mp4"_s;
    QTest::newRow("subfile with colon")
        << posix << u"subfile,,start,0,end,9,,:x"_s << u"file:subfile,,start,0,end,9,,:x"_s;
    QTest::newRow("windows stream name") << win << u"clip.mp4:s"_s << u"file:clip.mp4:s"_s;
    QTest::newRow("windows two letters") << win << u"ab:c"_s << u"file:ab:c"_s;
}

void TestEncoderCommand::encoderPathArgument()
{
    QFETCH(PathStyle, style);
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QCOMPARE(EncoderCommand::encoderPathArgument(path, style), expected);
}

void TestEncoderCommand::hostilePathsInArgumentLists_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("inputArgument");
    QTest::addColumn<QString>("outputArgument");

    QTest::newRow("plain") << u"/v/a b.mp4"_s << u"/o/a b.avi"_s << u"/v/a b.mp4"_s << u"/o/a b.avi"_s;
    QTest::newRow("dash names") << u"-i"_s << u"-y.avi"_s << u"file:-i"_s << u"file:-y.avi"_s;
    QTest::newRow("protocol names") << u"pipe:0"_s << u"tcp:x.avi"_s << u"file:pipe:0"_s
                                    << u"file:tcp:x.avi"_s;
    QTest::newRow("quotes and newline")
        << u"/v/\"a\"\n$(rm).mp4"_s << u"/o/`b`;.avi"_s << u"/v/\"a\"\n$(rm).mp4"_s << u"/o/`b`;.avi"_s;
}

void TestEncoderCommand::hostilePathsInArgumentLists()
{
    QFETCH(QString, input);
    QFETCH(QString, output);
    QFETCH(QString, inputArgument);
    QFETCH(QString, outputArgument);

    EncodeSettings settings;
    settings.videoCodec = u"MJPEG"_s;
    const QStringList encode =
        EncoderCommand::buildEncodeArguments(settings, input, output, PathStyle::Posix);
    QCOMPARE(encode.size(), 24);
    QCOMPARE(encode.at(0), u"-i"_s);
    QCOMPARE(encode.at(1), inputArgument);
    QCOMPARE(encode.at(2), u"-y"_s);
    QCOMPARE(encode.at(22), u"avi"_s);
    QCOMPARE(encode.last(), outputArgument);

    const QStringList thumb = EncoderCommand::buildThumbnailArguments(input, output, PathStyle::Posix);
    QCOMPARE(thumb.size(), 12);
    QCOMPARE(thumb.at(1), inputArgument);
    QCOMPARE(thumb.last(), outputArgument);

    // The display rendering shows the paths as they are.
    QVERIFY(EncoderCommand::buildEncodeCommandLine(u"ffmpeg"_s, settings, input, u'"' + output + u'"')
                .startsWith(u"ffmpeg -i \""_s + input + u"\" -y "_s));
}

void TestEncoderCommand::thumbnailNameWithPercent()
{
    // "%d" in the folder would otherwise be replaced by a frame number.
    const QString thumb = EncoderCommand::thumbnailPath(u"/home/u/100%d"_s, PathStyle::Posix);
    const QStringList arguments =
        EncoderCommand::buildThumbnailArguments(u"/v/a.mp4"_s, thumb, PathStyle::Posix);
    QCOMPARE(arguments.mid(arguments.size() - 4),
             (QStringList{u"-an"_s, u"-update"_s, u"1"_s, u"/home/u/100%d/_thumb.jpg"_s}));
    QCOMPARE(EncoderCommand::buildThumbnailParameters(u"/v/a.mp4"_s, u"/home/u/100%d"_s, PathStyle::Posix),
             u"-i \"/v/a.mp4\" -f image2 -ss 5 -vframes 1 -s 80x60 -an \"/home/u/100%d/_thumb.jpg\""_s);
}

QTEST_GUILESS_MAIN(TestEncoderCommand)
#include "tst_encoder_command.moc"
