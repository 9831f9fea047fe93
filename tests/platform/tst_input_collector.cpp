#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "input_collector.h"

using namespace Qt::StringLiterals;

static void touch(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

class TestInputCollector : public QObject
{
    Q_OBJECT

private slots:
    void folderGivesEveryEntryBelowIt()
    {
        QTemporaryDir dir;
        const QString root = dir.path();
        touch(root + u"/a.mp4"_s);
        QVERIFY(QDir(root).mkpath(u"sub/deeper"_s));
        touch(root + u"/sub/b.mp4"_s);
        touch(root + u"/sub/.hidden.mp4"_s);
        touch(root + u"/sub/deeper/c.mov"_s);

        QStringList found = collectInputs(root);
        found.sort();
        QCOMPARE(found, QStringList({root + u"/a.mp4"_s, root + u"/sub"_s, root + u"/sub/.hidden.mp4"_s,
                                     root + u"/sub/b.mp4"_s, root + u"/sub/deeper"_s,
                                     root + u"/sub/deeper/c.mov"_s}));
    }

    void folderWithTrailingSlashGivesCleanPaths()
    {
        QTemporaryDir dir;
        touch(dir.path() + u"/a.mp4"_s);
        QCOMPARE(collectInputs(dir.path() + u"/"_s), QStringList({dir.path() + u"/a.mp4"_s}));
    }

    void relativeFolderGivesAbsoluteEntries()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(u"clips"_s));
        touch(dir.path() + u"/clips/x.mp4"_s);
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        const QStringList found = collectInputs(u"clips"_s);
        const QStringList file = collectInputs(u"clips/x.mp4"_s);
        QDir::setCurrent(previous);
        QCOMPARE(found, QStringList({dir.path() + u"/clips/x.mp4"_s}));
        QCOMPARE(file, QStringList({u"clips/x.mp4"_s})); // a file is listed as typed
    }

    void emptyAndMissing()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(u"empty"_s));
        QVERIFY(collectInputs(dir.path() + u"/empty"_s).isEmpty());
        QVERIFY(collectInputs(dir.path() + u"/missing.mp4"_s).isEmpty());
        QVERIFY(collectInputs(QString()).isEmpty());
        QVERIFY(collectInputs(QDir::rootPath()).isEmpty());
    }

    void symlinkLoopEnds()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(u"a"_s));
        touch(dir.path() + u"/a/clip.mp4"_s);
        QVERIFY(QFile::link(dir.path() + u"/a"_s, dir.path() + u"/a/loop"_s));

        QStringList found = collectInputs(dir.path());
        found.sort();
        // The link is listed, but not followed into the folder it names.
        QCOMPARE(found, QStringList({dir.path() + u"/a"_s, dir.path() + u"/a/clip.mp4"_s,
                                     dir.path() + u"/a/loop"_s}));
    }

    void unreadableFolderIsSkipped()
    {
        if (::geteuid() == 0)
            QSKIP("root reads every folder");
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(u"locked"_s));
        touch(dir.path() + u"/locked/secret.mp4"_s);
        touch(dir.path() + u"/open.mp4"_s);
        QFile::setPermissions(dir.path() + u"/locked"_s, QFileDevice::Permissions());
        QStringList found = collectInputs(dir.path());
        QFile::setPermissions(dir.path() + u"/locked"_s,
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        found.sort();
        QCOMPARE(found, QStringList({dir.path() + u"/locked"_s, dir.path() + u"/open.mp4"_s}));
    }
};

QTEST_GUILESS_MAIN(TestInputCollector)
#include "tst_input_collector.moc"
