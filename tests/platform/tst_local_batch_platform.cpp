#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "encoder_lookup.h"
#include "file_size.h"
#include "local_batch_platform.h"

using namespace Qt::StringLiterals;

namespace {

const QString Name = u"tevaro-test-encoder"_s;

bool writeFile(const QString &path, qint64 bytes, bool executable = false)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !file.resize(bytes))
        return false;
    file.close();
    if (executable)
        file.setPermissions(file.permissions() | QFile::ExeOwner | QFile::ExeUser);
    return true;
}

// Sets PATH for the length of a test.
class PathVariable
{
public:
    explicit PathVariable(const QString &value)
        : m_saved(qgetenv("PATH"))
    {
        qputenv("PATH", QFile::encodeName(value));
    }
    ~PathVariable() { qputenv("PATH", m_saved); }

private:
    QByteArray m_saved;
};

} // namespace

class TestLocalBatchPlatform : public QObject
{
    Q_OBJECT

private slots:
    void encoderName()
    {
#ifdef Q_OS_WIN
        QCOMPARE(EncoderLookup::programName(), u"ffmpeg.exe"_s);
#else
        QCOMPARE(EncoderLookup::programName(), u"ffmpeg"_s);
#endif
    }

    void programFolderComesBeforePath()
    {
        QTemporaryDir programDir;
        QTemporaryDir pathDir;
        QVERIFY(writeFile(programDir.filePath(Name), 10, true));
        QVERIFY(writeFile(pathDir.filePath(Name), 10, true));
        const PathVariable path(pathDir.path());

        const EncoderProgram found = EncoderLookup::find(Name, programDir.path());
        QCOMPARE(found.path, programDir.filePath(Name));
        QCOMPARE(found.program(), programDir.filePath(Name));
        QCOMPARE(found.name, Name);
        QCOMPARE(found.programDir, programDir.path());
    }

    void pathIsSearchedNext()
    {
        QTemporaryDir programDir;
        QTemporaryDir pathDir;
        QVERIFY(writeFile(programDir.filePath(Name), 10, false)); // not a program
        QVERIFY(writeFile(pathDir.filePath(Name), 10, true));
        const PathVariable path(pathDir.path());
        QCOMPARE(EncoderLookup::find(Name, programDir.path()).path, pathDir.filePath(Name));
    }

    void foundNowhere()
    {
        QTemporaryDir programDir;
        QTemporaryDir pathDir;
        const PathVariable path(pathDir.path());
        const EncoderProgram found = EncoderLookup::find(Name, programDir.path());
        QVERIFY(found.path.isEmpty());
        QCOMPARE(found.program(), Name);
        QCOMPARE(found.programDir, programDir.path());
    }

    void fileSize_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("empty file") << u"a"_s << qint64(0) << qint64(0);
        QTest::newRow("small") << u"b"_s << qint64(999) << qint64(999);
        QTest::newRow("beyond 32 bits") << u"c"_s << (qint64(5) << 30) << (qint64(5) << 30);
        QTest::newRow("missing") << u"d"_s << qint64(-1) << qint64(-1);
        QTest::newRow("folder") << u"."_s << qint64(-1) << qint64(-1);
        QTest::newRow("empty path") << QString() << qint64(-1) << qint64(-1);
    }
    void fileSize()
    {
        QFETCH(QString, name);
        QFETCH(qint64, bytes);
        QFETCH(qint64, expected);
        QTemporaryDir dir;
        if (bytes >= 0)
            QVERIFY(writeFile(dir.filePath(name), bytes)); // sparse: no disk space needed
        QCOMPARE(FileSize::of(name.isEmpty() ? QString() : dir.filePath(name)), expected);
    }

    void fileSizeOfUnreadableFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"locked"_s);
        QVERIFY(writeFile(path, 5000));
        QFile::setPermissions(path, QFileDevice::Permissions());
        if (QFile(path).open(QIODevice::ReadOnly))
            QSKIP("this user can read any file");
        QCOMPARE(FileSize::of(path), qint64(-1));
    }

    void fileOperations()
    {
        QTemporaryDir dir;
        LocalBatchPlatform platform(dir.path());
        QVERIFY(!platform.makePath(QString()));
        const QString nested = dir.filePath(u"a/b/c"_s);
        QVERIFY(platform.makePath(nested));
        QVERIFY(QFileInfo(nested).isDir());
        QVERIFY(!platform.isFile(nested));

        const QString file = dir.filePath(u"a/f.avi"_s);
        QVERIFY(writeFile(file, 3));
        QVERIFY(platform.isFile(file));
        QVERIFY(QFile::link(file, dir.filePath(u"link.avi"_s)));
        QCOMPARE(platform.canonicalPath(dir.filePath(u"link.avi"_s)), QFileInfo(file).canonicalFilePath());
        QCOMPARE(platform.canonicalPath(dir.filePath(u"a/b/../f.avi"_s)),
                 QFileInfo(file).canonicalFilePath());
        QVERIFY(platform.canonicalPath(dir.filePath(u"none.avi"_s)).isEmpty());

        QVERIFY(platform.removeFile(file));
        QVERIFY(!QFile::exists(file));
        QVERIFY(!platform.removeFile(file));
        QVERIFY(!platform.removeFile(nested));
    }
};

QTEST_GUILESS_MAIN(TestLocalBatchPlatform)
#include "tst_local_batch_platform.moc"
