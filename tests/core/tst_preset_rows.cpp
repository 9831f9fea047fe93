#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "preset_rows.h"
#include "support/fake_job_controls.h"
#include "tevaro_error.h"

using namespace Qt::StringLiterals;

namespace {

const QString StandardRow = u"\"標準 4:3\",AVI,640x480,MJPEG,30fps,2048kbps,PCM,48000Hz,128kbps"_s;

QString row(const QString &size, const QString &codec, const QString &rate, const QString &video,
            const QString &sample, const QString &audio)
{
    return u"name,AVI,"_s + size + u',' + codec + u',' + rate + u',' + video + u",PCM,"_s + sample + u',' +
           audio;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TestPresetRows : public QObject
{
    Q_OBJECT

private slots:
    void parseWholeNumber_data();
    void parseWholeNumber();
    void splitPresetRow_data();
    void splitPresetRow();
    void headerRowFields();
    void numberBeforeUnit_data();
    void numberBeforeUnit();
    void splitLines_data();
    void splitLines();
    void decodeText_data();
    void decodeText();
    void readPresetFile_data();
    void readPresetFile();
    void readPresetFileFailure_data();
    void readPresetFileFailure();
    void applySelectedPreset_data();
    void applySelectedPreset();
    void applyStepsInOrder();
    void codecSearch_data();
    void codecSearch();
};

void TestPresetRows::parseWholeNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");

    QTest::newRow("decimal") << u"30"_s << true << 30;
    QTest::newRow("zero") << u"0"_s << true << 0;
    QTest::newRow("leading zeros") << u"0030"_s << true << 30;
    QTest::newRow("leading spaces") << u"   42"_s << true << 42;
    QTest::newRow("plus") << u"+7"_s << true << 7;
    QTest::newRow("minus") << u"-7"_s << true << -7;
    QTest::newRow("spaces then sign") << u"  -1"_s << true << -1;
    QTest::newRow("int max") << u"2147483647"_s << true << 2147483647;
    QTest::newRow("int min") << u"-2147483648"_s << true << int(-2147483648LL);
    QTest::newRow("above int max") << u"2147483648"_s << false << 0;
    QTest::newRow("below int min") << u"-2147483649"_s << false << 0;
    QTest::newRow("huge") << u"99999999999999999999999"_s << false << 0;
    QTest::newRow("dollar hex") << u"$1E"_s << true << 30;
    QTest::newRow("x hex") << u"x1e"_s << true << 30;
    QTest::newRow("X hex") << u"X1E"_s << true << 30;
    QTest::newRow("0x hex") << u"0x1E"_s << true << 30;
    QTest::newRow("0X hex") << u"0X1e"_s << true << 30;
    QTest::newRow("hex all ones") << u"$FFFFFFFF"_s << true << -1;
    QTest::newRow("hex sign bit") << u"$80000000"_s << true << int(-2147483648LL);
    QTest::newRow("hex leading zeros") << u"$000000001"_s << true << 1;
    QTest::newRow("hex over 32 bits") << u"$100000000"_s << false << 0;
    QTest::newRow("spaces then hex") << u"  0x10"_s << true << 16;
    QTest::newRow("negated hex") << u"-$10"_s << true << -16;
    QTest::newRow("negated hex pattern") << u"-$FFFFFFFF"_s << true << 1;
    QTest::newRow("empty") << QString() << false << 0;
    QTest::newRow("spaces only") << u"   "_s << false << 0;
    QTest::newRow("sign only") << u"-"_s << false << 0;
    QTest::newRow("two signs") << u"--1"_s << false << 0;
    QTest::newRow("space after sign") << u"- 1"_s << false << 0;
    QTest::newRow("prefix only") << u"$"_s << false << 0;
    QTest::newRow("0x only") << u"0x"_s << false << 0;
    QTest::newRow("x only") << u"x"_s << false << 0;
    QTest::newRow("bad hex digit") << u"$1G"_s << false << 0;
    QTest::newRow("hex with space") << u"$ 1"_s << false << 0;
    QTest::newRow("trailing space") << u"30 "_s << false << 0;
    QTest::newRow("leading tab") << u"\t30"_s << false << 0;
    QTest::newRow("leading full-width space") << u"\u300030"_s << false << 0;
    QTest::newRow("fraction") << u"29.97"_s << false << 0;
    QTest::newRow("unit") << u"30fps"_s << false << 0;
    QTest::newRow("exponent") << u"1e3"_s << false << 0;
    QTest::newRow("full-width digits") << u"３０"_s << false << 0;
    QTest::newRow("arabic-indic digits") << u"\u0663\u0660"_s << false << 0;
    QTest::newRow("0 then dollar") << u"0$1"_s << false << 0;
}

void TestPresetRows::parseWholeNumber()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, value);
    const std::optional<qint32> result = PresetRows::parseWholeNumber(text);
    QCOMPARE(result.has_value(), valid);
    if (valid)
        QCOMPARE(*result, value);
}

void TestPresetRows::splitPresetRow_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QStringList>("fields");

    QTest::newRow("empty") << QString() << QStringList();
    QTest::newRow("all blank") << u" \t \x01"_s << QStringList();
    QTest::newRow("standard") << StandardRow
                              << QStringList{u"標準 4:3"_s, u"AVI"_s, u"640x480"_s, u"MJPEG"_s,  u"30fps"_s,
                                             u"2048kbps"_s, u"PCM"_s, u"48000Hz"_s, u"128kbps"_s};
    QTest::newRow("name with a blank splits")
        << u"標準 4:3,AVI,640x480"_s << QStringList{u"標準"_s, u"4:3"_s, u"AVI"_s, u"640x480"_s};
    QTest::newRow("commas") << u"a,b,c"_s << QStringList{u"a"_s, u"b"_s, u"c"_s};
    QTest::newRow("blank and comma") << u"a b,c"_s << QStringList{u"a"_s, u"b"_s, u"c"_s};
    QTest::newRow("blanks around comma") << u"a \t, b"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("blank run") << u"a   b"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("control characters are blanks") << u"a\x1f\x02 b"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("leading blanks") << u"  a"_s << QStringList{u"a"_s};
    QTest::newRow("double comma") << u"a,,b"_s << QStringList{u"a"_s, QString(), u"b"_s};
    QTest::newRow("comma blank comma") << u"a, ,b"_s << QStringList{u"a"_s, QString(), u"b"_s};
    QTest::newRow("leading comma") << u",a"_s << QStringList{QString(), u"a"_s};
    QTest::newRow("blanks then comma") << u"  ,a"_s << QStringList{QString(), u"a"_s};
    QTest::newRow("trailing comma") << u"a,"_s << QStringList{u"a"_s, QString()};
    QTest::newRow("two trailing commas") << u"a,,"_s << QStringList{u"a"_s, QString(), QString()};
    QTest::newRow("comma then blanks at end") << u"a, \t"_s << QStringList{u"a"_s};
    QTest::newRow("blank then comma at end") << u"a ,"_s << QStringList{u"a"_s, QString()};
    QTest::newRow("lone comma") << u","_s << QStringList{QString(), QString()};
    QTest::newRow("trailing blanks") << u"a  "_s << QStringList{u"a"_s};
    QTest::newRow("quoted with blank and comma") << u"\"a b,c\",d"_s << QStringList{u"a b,c"_s, u"d"_s};
    QTest::newRow("doubled quotes") << u"\"say \"\"hi\"\"\""_s << QStringList{u"say \"hi\""_s};
    QTest::newRow("empty quoted") << u"\"\",x"_s << QStringList{QString(), u"x"_s};
    QTest::newRow("text after closing quote") << u"\"a\"b"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("quote after closing quote") << u"\"a\" \"b\""_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("quote inside field") << u"a\"b c"_s << QStringList{u"a\"b"_s, u"c"_s};
    QTest::newRow("unterminated quote") << u"x,\"a b, c"_s << QStringList{u"x"_s, u"a b, c"_s};
    QTest::newRow("unterminated after pair") << u"\"a\"\""_s << QStringList{u"a\""_s};
    QTest::newRow("lone quote") << u"\""_s << QStringList{QString()};
    QTest::newRow("full-width space") << u"標準\u3000A,x"_s << QStringList{u"標準\u3000A"_s, u"x"_s};
    QTest::newRow("non-breaking space") << u"a\u00a0b"_s << QStringList{u"a\u00a0b"_s};
    QTest::newRow("blank before unit shifts columns")
        << u"n,AVI,640x480,MJPEG,30 fps,2048kbps"_s
        << QStringList{u"n"_s, u"AVI"_s, u"640x480"_s, u"MJPEG"_s, u"30"_s, u"fps"_s, u"2048kbps"_s};
}

void TestPresetRows::splitPresetRow()
{
    QFETCH(QString, row);
    QFETCH(QStringList, fields);
    QCOMPARE(PresetRows::splitPresetRow(row), fields);
}

void TestPresetRows::headerRowFields()
{
    QCOMPARE(PresetRows::headerRow(),
             u",[拡張子],[ｻｲｽﾞ],[ｺｰﾃﾞｯｸ],[ﾌﾚｰﾑﾚｰﾄ],[ﾋﾞｯﾄﾚｰﾄ],[ｺｰﾃﾞｯｸ],[ｻﾝﾌﾟﾙﾚｰﾄ],[ﾋﾞｯﾄﾚｰﾄ]"_s);
    const QStringList fields = PresetRows::splitPresetRow(PresetRows::headerRow());
    QCOMPARE(fields.size(), 9);
    QCOMPARE(fields.first(), QString());
    QCOMPARE(fields.at(2), u"[ｻｲｽﾞ]"_s);
}

void TestPresetRows::numberBeforeUnit_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("error");

    QTest::newRow("fps") << u"30fps"_s << u"fps"_s << 30 << QString();
    QTest::newRow("kbps") << u"2048kbps"_s << u"kbps"_s << 2048 << QString();
    QTest::newRow("Hz") << u"48000Hz"_s << u"Hz"_s << 48000 << QString();
    QTest::newRow("text after unit ignored") << u"25fps (PAL)"_s << u"fps"_s << 25 << QString();
    QTest::newRow("first occurrence") << u"30fps60fps"_s << u"fps"_s << 30 << QString();
    QTest::newRow("hex before unit") << u"0x1Efps"_s << u"fps"_s << 30 << QString();
    QTest::newRow("negative") << u"-5fps"_s << u"fps"_s << -5 << QString();
    QTest::newRow("leading spaces") << u"  7fps"_s << u"fps"_s << 7 << QString();
    QTest::newRow("unit in capitals") << u"30FPS"_s << u"fps"_s << 0 << u"'' は整数ではありません"_s;
    QTest::newRow("unit missing") << u"30"_s << u"fps"_s << 0 << u"'' は整数ではありません"_s;
    QTest::newRow("unit only") << u"Hz"_s << u"Hz"_s << 0 << u"'' は整数ではありません"_s;
    QTest::newRow("empty field") << QString() << u"kbps"_s << 0 << u"'' は整数ではありません"_s;
    QTest::newRow("fraction") << u"29.97fps"_s << u"fps"_s << 0 << u"'29.97' は整数ではありません"_s;
    QTest::newRow("blank before unit") << u"30 fps"_s << u"fps"_s << 0 << u"'30 ' は整数ではありません"_s;
    QTest::newRow("kbps in Hz field") << u"128kbps"_s << u"Hz"_s << 0 << u"'' は整数ではありません"_s;
    QTest::newRow("percent kept") << u"%1fps"_s << u"fps"_s << 0 << u"'%1' は整数ではありません"_s;
}

void TestPresetRows::numberBeforeUnit()
{
    QFETCH(QString, field);
    QFETCH(QString, unit);
    QFETCH(int, value);
    QFETCH(QString, error);
    try {
        const qint32 number = PresetRows::numberBeforeUnit(field, unit);
        QVERIFY2(error.isEmpty(), "no error raised");
        QCOMPARE(number, value);
    } catch (const TevaroError &e) {
        QCOMPARE(e.message(), error);
    }
}

void TestPresetRows::splitLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("empty") << QString() << QStringList();
    QTest::newRow("no break") << u"a"_s << QStringList{u"a"_s};
    QTest::newRow("crlf") << u"a\r\nb\r\nc"_s << QStringList{u"a"_s, u"b"_s, u"c"_s};
    QTest::newRow("final break") << u"a\r\nb\r\nc\r\n"_s << QStringList{u"a"_s, u"b"_s, u"c"_s};
    QTest::newRow("two final breaks")
        << u"a\r\nb\r\nc\r\n\r\n"_s << QStringList{u"a"_s, u"b"_s, u"c"_s, QString()};
    QTest::newRow("lone lf") << u"a\nb\n"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("lone cr") << u"a\rb\r"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("lf then cr") << u"a\n\rb"_s << QStringList{u"a"_s, QString(), u"b"_s};
    QTest::newRow("mixed") << u"a\rb\nc\r\nd"_s << QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s};
    QTest::newRow("empty lines inside") << u"\n\na"_s << QStringList{QString(), QString(), u"a"_s};
    QTest::newRow("only a break") << u"\r\n"_s << QStringList{QString()};
    QTest::newRow("blanks kept") << u"  a ,b  \n"_s << QStringList{u"  a ,b  "_s};
}

void TestPresetRows::splitLines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(PresetRows::splitLines(text), lines);
}

void TestPresetRows::decodeText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("ascii") << QByteArray("a,b") << u"a,b"_s;
    QTest::newRow("utf-8") << u"標準 ソース"_s.toUtf8() << u"標準 ソース"_s;
    QTest::newRow("utf-8 bom skipped") << QByteArray("\xEF\xBB\xBF"
                                                     "a")
                                       << u"a"_s;
    // ソ is 83 5C in Shift-JIS: its second byte is a backslash.
    QTest::newRow("shift-jis") << QByteArray("\x95\x57\x8F\x80,\x83\x5C\x81\x5B\x83\x58") << u"標準,ソース"_s;
    QTest::newRow("half-width katakana") << QByteArray("\xBB\xB2\xBD\xDE") << u"ｻｲｽﾞ"_s;
    // E6 A8 starts a three-byte UTF-8 sequence that never ends; in Shift-JIS it is one kanji.
    QTest::newRow("utf-8 cut off at the end") << QByteArray("a\xE6\xA8") << u"a\u8B93"_s;
}

void TestPresetRows::decodeText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(PresetRows::decodeText(bytes), text);
}

void TestPresetRows::readPresetFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");

    const QStringList three{u"a"_s, u"b"_s, u"c"_s};
    QTest::newRow("three lines") << QByteArray("a\r\nb\r\nc") << three;
    QTest::newRow("final break") << QByteArray("a\r\nb\r\nc\r\n") << three;
    QTest::newRow("two final breaks")
        << QByteArray("a\r\nb\r\nc\r\n\r\n") << (three + QStringList{QString()});
    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("shift-jis") << QByteArray("\x95\x57\x8F\x80,AVI\r\n") << QStringList{u"標準,AVI"_s};
}

void TestPresetRows::readPresetFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"profile.txt"_s);
    writeFile(path, bytes);
    QCOMPARE(PresetRows::readPresetFile(path), lines);
}

void TestPresetRows::readPresetFileFailure_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("missing") << u"profile.txt"_s;
    QTest::newRow("a folder") << u"folder"_s;
}

void TestPresetRows::readPresetFileFailure()
{
    QFETCH(QString, name);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir(u"folder"_s));
    const QString path = dir.filePath(name);
    try {
        PresetRows::readPresetFile(path);
        QFAIL("no error raised");
    } catch (const TevaroError &e) {
        QCOMPARE(e.message(), u"ファイル "_s + path + u" は開けません"_s);
    }
}

void TestPresetRows::applySelectedPreset_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("frameSize");
    QTest::addColumn<int>("codec");
    QTest::addColumn<int>("frameRate");
    QTest::addColumn<int>("videoBitrate");
    QTest::addColumn<int>("sampleRate");
    QTest::addColumn<int>("audioBitrate");
    QTest::addColumn<QString>("error");

    // Before each row: frame size 1, codec unselected, 15 fps, 1000 kbps, sample rate 1, 96 kbps.
    const QString notInteger = u"'' は整数ではありません"_s;
    const QStringList standard{StandardRow};
    QTest::newRow("row 1") << standard << 1 << 1 << 0 << 0 << 30 << 2048 << 0 << 128 << QString();
    QTest::newRow("header selects row 1")
        << standard << 0 << 1 << 0 << 0 << 30 << 2048 << 0 << 128 << QString();
    QTest::newRow("nothing selects row 1")
        << standard << -1 << 1 << 0 << 0 << 30 << 2048 << 0 << 128 << QString();
    QTest::newRow("row 2") << QStringList{StandardRow, row(u"720x480"_s, u"MJPEG"_s, u"25fps"_s,
                                                           u"4000kbps"_s, u"24000Hz"_s, u"256kbps"_s)}
                           << 2 << 2 << 1 << 0 << 25 << 4000 << 1 << 256 << QString();
    QTest::newRow("highs clamped") << QStringList{row(u"640x480"_s, u"MJPEG"_s, u"60fps"_s, u"9999kbps"_s,
                                                      u"48000Hz"_s, u"999kbps"_s)}
                                   << 1 << 1 << 0 << 0 << 30 << 8000 << 0 << 320 << QString();
    QTest::newRow("lows clamped") << QStringList{row(u"640x480"_s, u"MJPEG"_s, u"0fps"_s, u"-1kbps"_s,
                                                     u"48000Hz"_s, u"1kbps"_s)}
                                  << 1 << 1 << 0 << 0 << 1 << 512 << 0 << 64 << QString();
    QTest::newRow("other size and rate kept")
        << QStringList{row(u"800x600"_s, u"MJPEG"_s, u"20fps"_s, u"3000kbps"_s, u"44100Hz"_s, u"192kbps"_s)}
        << 1 << 1 << 1 << 0 << 20 << 3000 << 1 << 192 << QString();
    QTest::newRow("size in wrong case kept")
        << QStringList{row(u"640X480"_s, u"MJPEG"_s, u"20fps"_s, u"3000kbps"_s, u"48000Hz"_s, u"192kbps"_s)}
        << 1 << 1 << 1 << 0 << 20 << 3000 << 0 << 192 << QString();
    QTest::newRow("short row") << QStringList{u"only a name"_s} << 1 << 1 << 1 << 0 << 15 << 1000 << 1 << 96
                               << notInteger;
    QTest::newRow("blank row") << QStringList{u"   "_s} << 1 << 1 << 1 << 0 << 15 << 1000 << 1 << 96
                               << notInteger;
    QTest::newRow("no row 1") << QStringList() << 0 << -1 << 1 << 0 << 15 << 1000 << 1 << 96 << notInteger;
    QTest::newRow("frame rate in capitals")
        << QStringList{row(u"640x480"_s, u"MJPEG"_s, u"30FPS"_s, u"3000kbps"_s, u"48000Hz"_s, u"192kbps"_s)}
        << 1 << 1 << 0 << 0 << 15 << 1000 << 1 << 96 << notInteger;
    QTest::newRow("fractional frame rate")
        << QStringList{row(u"640x480"_s, u"MJPEG"_s, u"29.97fps"_s, u"3000kbps"_s, u"48000Hz"_s,
                           u"192kbps"_s)}
        << 1 << 1 << 0 << 0 << 15 << 1000 << 1 << 96 << u"'29.97' は整数ではありません"_s;
    QTest::newRow("blank before fps shifts columns")
        << QStringList{u"n,AVI,640x480,MJPEG,30 fps,3000kbps,PCM,48000Hz,192kbps"_s} << 1 << 1 << 0 << 0 << 15
        << 1000 << 1 << 96 << notInteger;
    QTest::newRow("video bitrate fails")
        << QStringList{row(u"640x480"_s, u"MJPEG"_s, u"20fps"_s, u"3000 kbps"_s, u"48000Hz"_s, u"192kbps"_s)}
        << 1 << 1 << 0 << 0 << 20 << 1000 << 1 << 96 << notInteger;
    QTest::newRow("sample rate only unit")
        << QStringList{row(u"640x480"_s, u"MJPEG"_s, u"20fps"_s, u"3000kbps"_s, u"Hz"_s, u"192kbps"_s)} << 1
        << 1 << 0 << 0 << 20 << 3000 << 1 << 96 << notInteger;
    QTest::newRow("audio bitrate fails")
        << QStringList{row(u"640x480"_s, u"MJPEG"_s, u"20fps"_s, u"3000kbps"_s, u"48000Hz"_s, u"192k"_s)} << 1
        << 1 << 0 << 0 << 20 << 3000 << 0 << 96 << notInteger;
}

void TestPresetRows::applySelectedPreset()
{
    QFETCH(QStringList, lines);
    QFETCH(int, index);
    QFETCH(int, selected);
    QFETCH(int, frameSize);
    QFETCH(int, codec);
    QFETCH(int, frameRate);
    QFETCH(int, videoBitrate);
    QFETCH(int, sampleRate);
    QFETCH(int, audioBitrate);
    QFETCH(QString, error);

    FakeJobControls controls(lines);
    controls.presetSelection = index;
    controls.frameSizeValue = 1;
    controls.frameRateValue = 15;
    controls.videoBitrateValue = 1000;
    controls.sampleRateValue = 1;
    controls.audioBitrateValue = 96;

    QString message;
    try {
        PresetRows::applySelectedPreset(controls);
    } catch (const TevaroError &e) {
        message = e.message();
    }
    QCOMPARE(message, error);
    QCOMPARE(controls.presetIndex(), selected);
    QCOMPARE(controls.frameSize(), frameSize);
    QCOMPARE(controls.codecIndex(), codec);
    QCOMPARE(controls.frameRate(), frameRate);
    QCOMPARE(controls.videoBitrate(), videoBitrate);
    QCOMPARE(controls.sampleRate(), sampleRate);
    QCOMPARE(controls.audioBitrate(), audioBitrate);
}

void TestPresetRows::applyStepsInOrder()
{
    FakeJobControls controls({StandardRow});
    PresetRows::applySelectedPreset(controls);
    QCOMPARE(controls.log, (QStringList{u"preset=1"_s, u"frameSize=0"_s, u"codec=0"_s, u"frameRate=30"_s,
                                        u"videoBitrate=2048"_s, u"sampleRate=0"_s, u"audioBitrate=128"_s}));
}

void TestPresetRows::codecSearch_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("codec");

    QTest::newRow("part of first") << u"JPEG"_s << 0;
    QTest::newRow("second") << u"VID"_s << 1;
    QTest::newRow("first containing wins") << u"PEG"_s << 0;
    QTest::newRow("whole third") << u"MPEG4"_s << 2;
    QTest::newRow("small letters") << u"mpeg4"_s << 0;
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("none") << u"H264"_s << 0;
}

void TestPresetRows::codecSearch()
{
    QFETCH(QString, field);
    QFETCH(int, codec);
    FakeJobControls controls(
        {row(u"640x480"_s, u"\""_s + field + u'"', u"30fps"_s, u"2048kbps"_s, u"48000Hz"_s, u"128kbps"_s)});
    controls.codecs = QStringList{u"MJPEG"_s, u"XVID"_s, u"MPEG4"_s};
    controls.codecSelection = 1;
    PresetRows::applySelectedPreset(controls);
    QCOMPARE(controls.codecIndex(), codec);
}

QTEST_GUILESS_MAIN(TestPresetRows)
#include "tst_preset_rows.moc"
