#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "ini_file.h"
#include "support/file_bytes.h"
#include "tevaro_error.h"

using namespace Qt::StringLiterals;

class TestIniFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void missingFileReadsEmpty();
    void readValue_data();
    void readValue();
    void readInt_data();
    void readInt();
    void oversizedValue_data();
    void oversizedValue();
    void newFile();
    void saveKeepsEverythingElse();
    void addsToFileWithoutFinalBreak();
    void shiftJisFile();
    void unwritablePath_data();
    void unwritablePath();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
};

void TestIniFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_path = m_dir->filePath(u"Tevaro.ini"_s);
}

void TestIniFile::missingFileReadsEmpty()
{
    const IniFile ini(m_path);
    QVERIFY(!ini.value(u"SET", u"M_LEFT").has_value());
    QCOMPARE(ini.readInt(u"SET", u"M_LEFT", 20), 20);
    QCOMPARE(ini.readString(u"SET2", u"C11", u"keep"_s), u"keep"_s);
    QVERIFY(!QFile::exists(m_path));
}

void TestIniFile::readValue_data()
{
    QTest::addColumn<QString>("content");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("present");
    QTest::addColumn<QString>("value");

    QTest::newRow("plain") << u"[SET2]\nC11=D:\\out\n"_s << u"SET2"_s << u"C11"_s << true << u"D:\\out"_s;
    QTest::newRow("crlf") << u"[SET2]\r\nC11=x\r\n"_s << u"SET2"_s << u"C11"_s << true << u"x"_s;
    QTest::newRow("names in other case")
        << u"[set]\nm_left=5\n"_s << u"SET"_s << u"M_LEFT"_s << true << u"5"_s;
    QTest::newRow("asked in other case")
        << u"[SET]\nM_LEFT=5\n"_s << u"Set"_s << u"m_Left"_s << true << u"5"_s;
    QTest::newRow("blanks around") << u"  [SET]  \n \tM_LEFT \t= \t5 \t\n"_s << u"SET"_s << u"M_LEFT"_s
                                   << true << u"5"_s;
    QTest::newRow("blank inside brackets") << u"[ SET ]\nA=1\n"_s << u"SET"_s << u"A"_s << true << u"1"_s;
    QTest::newRow("double quotes") << u"[S]\nA= \"a b \" \n"_s << u"S"_s << u"A"_s << true << u"a b "_s;
    QTest::newRow("single quotes") << u"[S]\nA='x'\n"_s << u"S"_s << u"A"_s << true << u"x"_s;
    QTest::newRow("one pair only") << u"[S]\nA=\"\"x\"\"\n"_s << u"S"_s << u"A"_s << true << u"\"x\""_s;
    QTest::newRow("mixed quotes kept") << u"[S]\nA=\"x'\n"_s << u"S"_s << u"A"_s << true << u"\"x'"_s;
    QTest::newRow("lone quote kept") << u"[S]\nA=\"\n"_s << u"S"_s << u"A"_s << true << u"\""_s;
    QTest::newRow("empty quotes") << u"[S]\nA=''\n"_s << u"S"_s << u"A"_s << true << QString();
    QTest::newRow("empty value") << u"[S]\nA=\n"_s << u"S"_s << u"A"_s << true << QString();
    QTest::newRow("equals in value") << u"[S]\nA=b=c\n"_s << u"S"_s << u"A"_s << true << u"b=c"_s;
    QTest::newRow("semicolon in value") << u"[S]\nA=x ; y\n"_s << u"S"_s << u"A"_s << true << u"x ; y"_s;
    QTest::newRow("full-width space kept")
        << u"[S]\nA=\u3000x\u3000\n"_s << u"S"_s << u"A"_s << true << u"\u3000x\u3000"_s;
    QTest::newRow("last line without break") << u"[S]\nA=1"_s << u"S"_s << u"A"_s << true << u"1"_s;
    QTest::newRow("first section wins")
        << u"[S]\nB=1\n[s]\nA=2\n"_s << u"S"_s << u"A"_s << false << QString();
    QTest::newRow("first key wins") << u"[S]\nA=1\na=2\n"_s << u"S"_s << u"A"_s << true << u"1"_s;
    QTest::newRow("missing key") << u"[S]\nB=1\n"_s << u"S"_s << u"A"_s << false << QString();
    QTest::newRow("key of another section") << u"[T]\nA=1\n[S]\n"_s << u"S"_s << u"A"_s << false << QString();
    QTest::newRow("key before any section") << u"A=1\n[S]\n"_s << u"S"_s << u"A"_s << false << QString();
    QTest::newRow("comment is no key") << u"[S]\n;A=1\n"_s << u"S"_s << u"A"_s << false << QString();
    QTest::newRow("line without equals") << u"[S]\nA\n"_s << u"S"_s << u"A"_s << false << QString();
    QTest::newRow("section ends at next") << u"[S]\n[T]\nA=1\n"_s << u"S"_s << u"A"_s << false << QString();
}

void TestIniFile::readValue()
{
    QFETCH(QString, content);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(bool, present);
    QFETCH(QString, value);

    QVERIFY(writeBytes(m_path, content.toUtf8()));
    const IniFile ini(m_path);
    const std::optional<QString> read = ini.value(section, key);
    QCOMPARE(read.has_value(), present);
    QCOMPARE(ini.readString(section, key, u"default"_s), present ? value : u"default"_s);
    if (present)
        QCOMPARE(*read, value);
}

void TestIniFile::readInt_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("value");

    QTest::newRow("decimal") << u"C1=25"_s << 25;
    QTest::newRow("negative") << u"C1=-1"_s << -1;
    QTest::newRow("blanks") << u"C1 =  25  "_s << 25;
    QTest::newRow("quoted") << u"C1='25'"_s << 25;
    QTest::newRow("0x") << u"C1=0x1E"_s << 30;
    QTest::newRow("dollar") << u"C1=$FFFFFFFF"_s << -1;
    QTest::newRow("not a number") << u"C1=abc"_s << 7;
    QTest::newRow("fraction") << u"C1=1.5"_s << 7;
    QTest::newRow("empty") << u"C1="_s << 7;
    QTest::newRow("too big") << u"C1=2147483648"_s << 7;
    QTest::newRow("missing") << u"C2=1"_s << 7;
}

void TestIniFile::readInt()
{
    QFETCH(QString, line);
    QFETCH(int, value);
    QVERIFY(writeBytes(m_path, (u"[SET1]\n"_s + line + u'\n').toUtf8()));
    QCOMPARE(IniFile(m_path).readInt(u"SET1", u"C1", 7), value);
}

void TestIniFile::oversizedValue_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("read");

    const QString ascii(3000, u'a');
    QTest::newRow("ascii") << ascii << ascii.left(2047);
    QTest::newRow("exactly 2047") << ascii.left(2047) << ascii.left(2047);
    QTest::newRow("quoted") << u'"' + ascii + u'"' << ascii.left(2047);
    // Three bytes each: 682 of them make 2046 bytes, the next would pass the limit.
    const QString kana(1000, u'あ');
    QTest::newRow("three-byte characters") << kana << kana.left(682);
    QString emoji = u"a"_s;
    for (int i = 0; i < 600; ++i)
        emoji += u"\U0001F600"_s;
    QTest::newRow("four-byte characters") << emoji << emoji.left(1 + 2 * 511);
}

void TestIniFile::oversizedValue()
{
    QFETCH(QString, value);
    QFETCH(QString, read);
    QVERIFY(writeBytes(m_path, (u"[SET2]\nC11="_s + value + u'\n').toUtf8()));
    QCOMPARE(IniFile(m_path).readString(u"SET2", u"C11", QString()), read);
}

void TestIniFile::newFile()
{
    IniFile ini(m_path);
    ini.writeInt(u"SET", u"M_LEFT", 20);
    ini.writeInt(u"SET", u"M_TOP", -5);
    ini.writeInt(u"SET1", u"C0", 1);
    ini.writeString(u"SET2", u"C11", u"/a b/ソース"_s);
    ini.writeInt(u"SET1", u"C1", 30);
    ini.save();
    QCOMPARE(readBytes(m_path),
             u"[SET]\nM_LEFT=20\nM_TOP=-5\n[SET1]\nC0=1\nC1=30\n[SET2]\nC11=/a b/ソース\n"_s.toUtf8());

    const IniFile again(m_path);
    QCOMPARE(again.readInt(u"SET", u"M_TOP", 0), -5);
    QCOMPARE(again.readString(u"SET2", u"C11", QString()), u"/a b/ソース"_s);
}

void TestIniFile::saveKeepsEverythingElse()
{
    const QByteArray before = "; made by hand\r\n"
                              "Loose=1\r\n"
                              "\r\n"
                              "[Other]\r\n"
                              "Foo = bar\r\n"
                              "\r\n"
                              "[set]\r\n"
                              "  m_left = 5\r\n"
                              "; window\r\n"
                              "Extra=keep me\r\n"
                              "\r\n"
                              "[SET1]\r\n"
                              "C1=\"25\"\r\n"
                              "Mine=x\r\n"
                              "; trailing comment\r\n"
                              "\r\n"
                              "[Last]\r\n"
                              "Z=9\r\n";
    QVERIFY(writeBytes(m_path, before));

    IniFile ini(m_path);
    ini.writeInt(u"SET", u"M_LEFT", 100);
    ini.writeInt(u"SET", u"M_TOP", 200);
    ini.writeInt(u"SET1", u"C0", 3);
    ini.writeInt(u"SET1", u"C1", 30);
    ini.writeString(u"SET2", u"C11", u"D:\\out"_s);
    ini.save();

    const QByteArray after = "; made by hand\r\n"
                             "Loose=1\r\n"
                             "\r\n"
                             "[Other]\r\n"
                             "Foo = bar\r\n"
                             "\r\n"
                             "[set]\r\n"
                             "m_left=100\r\n"
                             "; window\r\n"
                             "Extra=keep me\r\n"
                             "M_TOP=200\r\n"
                             "\r\n"
                             "[SET1]\r\n"
                             "C1=30\r\n"
                             "Mine=x\r\n"
                             "C0=3\r\n"
                             "; trailing comment\r\n"
                             "\r\n"
                             "[Last]\r\n"
                             "Z=9\r\n"
                             "[SET2]\r\n"
                             "C11=D:\\out\r\n";
    QCOMPARE(readBytes(m_path), after);

    // A second pass changes nothing but the values.
    IniFile second(m_path);
    second.writeInt(u"SET", u"M_LEFT", 100);
    second.writeInt(u"SET", u"M_TOP", 200);
    second.save();
    QCOMPARE(readBytes(m_path), after);
}

void TestIniFile::addsToFileWithoutFinalBreak()
{
    QVERIFY(writeBytes(m_path, "[SET]\nM_LEFT=1"));
    IniFile ini(m_path);
    ini.writeInt(u"SET", u"M_TOP", 2);
    ini.writeInt(u"SET1", u"C0", 3);
    ini.save();
    QCOMPARE(readBytes(m_path), QByteArray("[SET]\nM_LEFT=1\nM_TOP=2\n[SET1]\nC0=3\n"));

    QVERIFY(writeBytes(m_path, "[SET]"));
    IniFile header(m_path);
    header.writeInt(u"SET", u"M_TOP", 2);
    header.save();
    QCOMPARE(readBytes(m_path), QByteArray("[SET]\nM_TOP=2\n"));
}

void TestIniFile::shiftJisFile()
{
    // "C:\ソース" in Shift-JIS: the second byte of ソ is a backslash.
    QVERIFY(
        writeBytes(m_path, "[SET2]\r\nC11=C:\\\x83\x5C\x81\x5B\x83\x58\r\n[X]\r\nNote=\x95\x57\x8F\x80\r\n"));
    IniFile ini(m_path);
    QCOMPARE(ini.readString(u"SET2", u"C11", QString()), u"C:\\ソース"_s);
    ini.writeInt(u"SET", u"M_LEFT", 1);
    ini.save();
    QCOMPARE(readBytes(m_path),
             u"[SET2]\r\nC11=C:\\ソース\r\n[X]\r\nNote=標準\r\n[SET]\r\nM_LEFT=1\r\n"_s.toUtf8());
}

void TestIniFile::unwritablePath_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("path is a folder") << u"folder"_s;
    QTest::newRow("folder is a file") << u"file/Tevaro.ini"_s;
    QTest::newRow("folder missing") << u"missing/Tevaro.ini"_s;
}

void TestIniFile::unwritablePath()
{
    QFETCH(QString, name);
    QVERIFY(QDir(m_dir->path()).mkdir(u"folder"_s));
    QVERIFY(writeBytes(m_dir->filePath(u"folder/Tevaro.ini"_s), "[SET]\nM_LEFT=1\n"));
    QVERIFY(writeBytes(m_dir->filePath(u"file"_s), "not a folder"));
    const QString path = m_dir->filePath(name);

    IniFile ini(path);
    ini.writeInt(u"SET", u"M_LEFT", 5);
    try {
        ini.save();
        QFAIL("no error raised");
    } catch (const TevaroError &e) {
        QCOMPARE(e.message(), QDir::toNativeSeparators(path) + u" に書き込めません"_s);
    }
    QCOMPARE(readBytes(m_dir->filePath(u"folder/Tevaro.ini"_s)), QByteArray("[SET]\nM_LEFT=1\n"));
    QCOMPARE(readBytes(m_dir->filePath(u"file"_s)), QByteArray("not a folder"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             (QStringList{u"file"_s, u"folder"_s}));
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_ini_file.moc"
