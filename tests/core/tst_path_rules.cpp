#include <QTest>

#include "path_rules.h"

using namespace Qt::StringLiterals;

class TestPathRules : public QObject
{
    Q_OBJECT

private slots:
    void programDir_data()
    {
        QTest::addColumn<QString>("executable");
        QTest::addColumn<PathStyle>("style");
        QTest::addColumn<QString>("expected");
        QTest::newRow("win folder") << u"C:\\Tools\\Tevaro.exe"_s << PathStyle::Windows << u"C:\\Tools"_s;
        QTest::newRow("win drive root") << u"C:\\Tevaro.exe"_s << PathStyle::Windows << u"C:\\"_s;
        QTest::newRow("win drive relative") << u"C:Tevaro.exe"_s << PathStyle::Windows << u"C:"_s;
        QTest::newRow("win unc") << u"\\\\srv\\share\\Tevaro.exe"_s << PathStyle::Windows
                                 << u"\\\\srv\\share"_s;
        QTest::newRow("win leading backslash") << u"\\Tevaro.exe"_s << PathStyle::Windows << u"\\"_s;
        QTest::newRow("win japanese") << u"C:\\表\\Tevaro.exe"_s << PathStyle::Windows << u"C:\\表"_s;
        QTest::newRow("posix folder")
            << u"/opt/tevaro/bin/tevaro"_s << PathStyle::Posix << u"/opt/tevaro/bin"_s;
        QTest::newRow("posix root") << u"/tevaro"_s << PathStyle::Posix << u"/"_s;
        QTest::newRow("posix backslash is a name") << u"/a\\b/tevaro"_s << PathStyle::Posix << u"/a\\b"_s;
        QTest::newRow("no folder") << u"tevaro"_s << PathStyle::Posix << QString();
    }
    void programDir()
    {
        QFETCH(QString, executable);
        QFETCH(PathStyle, style);
        QFETCH(QString, expected);
        QCOMPARE(PathRules::programDir(executable, style), expected);
    }

    void trailingSeparators_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<PathStyle>("style");
        QTest::addColumn<QString>("expected");
        QTest::newRow("win one") << u"D:\\Video\\"_s << PathStyle::Windows << u"D:\\Video"_s;
        QTest::newRow("win several") << u"D:\\Video\\\\\\"_s << PathStyle::Windows << u"D:\\Video"_s;
        QTest::newRow("win drive root") << u"D:\\"_s << PathStyle::Windows << u"D:"_s;
        QTest::newRow("win inner kept") << u"D:\\a\\b"_s << PathStyle::Windows << u"D:\\a\\b"_s;
        QTest::newRow("win 0x5C second byte is no separator")
            << u"D:\\表"_s << PathStyle::Windows << u"D:\\表"_s;
        QTest::newRow("posix one") << u"/home/u/out/"_s << PathStyle::Posix << u"/home/u/out"_s;
        QTest::newRow("posix several") << u"/home/u/out///"_s << PathStyle::Posix << u"/home/u/out"_s;
        QTest::newRow("posix root kept") << u"/"_s << PathStyle::Posix << u"/"_s;
        QTest::newRow("posix root doubled") << u"//"_s << PathStyle::Posix << u"/"_s;
        QTest::newRow("empty") << QString() << PathStyle::Posix << QString();
    }
    void trailingSeparators()
    {
        QFETCH(QString, folder);
        QFETCH(PathStyle, style);
        QFETCH(QString, expected);
        QCOMPARE(PathRules::withoutTrailingSeparators(folder, style), expected);
    }

    void names_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<PathStyle>("style");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("baseName");
        QTest::newRow("exe") << u"C:\\Tools\\Tevaro.exe"_s << PathStyle::Windows << u"Tevaro.exe"_s
                             << u"Tevaro"_s;
        QTest::newRow("two dots") << u"C:\\my.tool.exe"_s << PathStyle::Windows << u"my.tool.exe"_s
                                  << u"my.tool"_s;
        QTest::newRow("no dot") << u"/usr/bin/tevaro"_s << PathStyle::Posix << u"tevaro"_s << u"tevaro"_s;
        QTest::newRow("dot in folder only")
            << u"/opt/v.1/tevaro"_s << PathStyle::Posix << u"tevaro"_s << u"tevaro"_s;
        QTest::newRow("colon separates on windows")
            << u"D:clip.mp4"_s << PathStyle::Windows << u"clip.mp4"_s << u"clip"_s;
        QTest::newRow("colon is a name on posix")
            << u"/v/a:b.mp4"_s << PathStyle::Posix << u"a:b.mp4"_s << u"a:b"_s;
    }
    void names()
    {
        QFETCH(QString, path);
        QFETCH(PathStyle, style);
        QFETCH(QString, fileName);
        QFETCH(QString, baseName);
        QCOMPARE(PathRules::fileName(path, style), fileName);
        QCOMPARE(PathRules::completeBaseName(path, style), baseName);
    }
};

QTEST_GUILESS_MAIN(TestPathRules)
#include "tst_path_rules.moc"
