#include <QDeadlineTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "qprocess_runner.h"

using namespace Qt::StringLiterals;

namespace {

const QString FakeEncoder = QStringLiteral(TEVARO_FAKE_ENCODER);
constexpr int Patience = 60000; // only a bound on waiting, never a measurement

struct Run
{
    QProcessRunner runner;
    QSignalSpy started{&runner, &ProcessRunner::started};
    QSignalSpy finished{&runner, &ProcessRunner::finished};
    QSignalSpy failed{&runner, &ProcessRunner::failedToStart};

    explicit Run(const QStringList &arguments, const QString &program = FakeEncoder)
    {
        runner.start(program, arguments);
    }
    bool ended() const { return !finished.isEmpty() || !failed.isEmpty(); }
    bool waitForEnd()
    {
        QDeadlineTimer deadline(Patience);
        while (!ended() && !deadline.hasExpired())
            QTest::qWait(10);
        return ended();
    }
    int exitCode() const { return finished.constFirst().at(0).toInt(); }
    bool crashed() const { return finished.constFirst().at(1).toBool(); }
};

} // namespace

class TestProcessRunner : public QObject
{
    Q_OBJECT

private slots:
    void exitCodeIsReported_data()
    {
        QTest::addColumn<int>("code");
        QTest::newRow("success") << 0;
        QTest::newRow("error") << 1;
        QTest::newRow("other") << 3;
        QTest::newRow("highest") << 255;
    }
    void exitCodeIsReported()
    {
        QFETCH(int, code);
        Run run({u"--exit"_s, QString::number(code)});
        QVERIFY(run.waitForEnd());
        QCOMPARE(run.started.size(), 1);
        QCOMPARE(run.finished.size(), 1);
        QCOMPARE(run.exitCode(), code);
        QVERIFY(!run.crashed());
        QVERIFY(!run.runner.isRunning());
    }

    void crashIsReported()
    {
#ifdef Q_OS_WIN
        QSKIP("a signal ends no process here");
#endif
        Run run({u"--stderr"_s, u"about to crash"_s, u"--crash"_s});
        QVERIFY(run.waitForEnd());
        QCOMPARE(run.finished.size(), 1);
        QVERIFY(run.crashed());
        QCOMPARE(run.runner.errorTail(), u"about to crash\n"_s);
    }

    // Megabytes on either channel: a pipe that nobody empties would stall the program.
    void floodsOfOutputNeverStall()
    {
        Run run({u"--stderr-lines"_s, u"200000"_s, u"--stdout-bytes"_s, u"20000000"_s, u"--stderr"_s,
                 u"the last words"_s, u"--exit"_s, u"1"_s});
        QVERIFY(run.waitForEnd());
        QCOMPARE(run.exitCode(), 1);
        const QString tail = run.runner.errorTail();
        QVERIFY(tail.toLocal8Bit().size() <= QProcessRunner::TailLimit);
        QVERIFY(
            tail.endsWith(u"noise line 200000 ........................................\nthe last words\n"_s));
        QVERIFY2(tail.startsWith(u"noise line "_s), "the tail starts at a line");
    }

    // A program that reads its input must find it closed, not wait for it forever.
    void inputIsClosed()
    {
        Run run({u"--read-stdin"_s, u"--exit"_s, u"7"_s});
        QVERIFY(run.waitForEnd());
        QCOMPARE(run.exitCode(), 7);
    }

    void missingProgramFailsToStart()
    {
        QTemporaryDir dir;
        Run run({}, dir.filePath(u"no-such-program"_s));
        QVERIFY(run.waitForEnd());
        QCOMPARE(run.failed.size(), 1);
        QVERIFY(!run.failed.constFirst().at(0).toString().isEmpty());
        QVERIFY(run.finished.isEmpty());
        QVERIFY(!run.runner.kill());
    }

    void killEndsARun()
    {
        Run run({u"--hang"_s});
        QTRY_VERIFY_WITH_TIMEOUT(!run.started.isEmpty(), Patience);
        QVERIFY(run.runner.isRunning());
        QVERIFY(run.runner.kill());
        QVERIFY(run.waitForEnd());
        QVERIFY(run.crashed());
        QVERIFY(!run.runner.isRunning());
        QVERIFY2(!run.runner.kill(), "nothing left to kill");
    }

    // No shell in between: every argument arrives as it was given.
    void argumentsArriveExactly()
    {
        QTemporaryDir dir;
        const QString record = dir.filePath(u"args"_s);
        const QStringList hostile{u"with space"_s, u"\"quoted\""_s, u"it's"_s,       u"$HOME"_s,
                                  u"`id`"_s,       u"new\nline"_s,  u"日本語.mp4"_s, u"-leading"_s,
                                  u"name:x"_s,     u"a;b|c&d>e"_s,  u"*"_s,          QString()};
        Run run(QStringList{u"--args-to"_s, record} + hostile);
        QVERIFY(run.waitForEnd());
        QCOMPARE(run.exitCode(), 0);
        QFile file(record);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QStringList received = QString::fromUtf8(file.readAll()).split(QChar(0));
        received.removeLast(); // after the last terminator
        QCOMPARE(received, hostile);
    }
};

QTEST_GUILESS_MAIN(TestProcessRunner)
#include "tst_process_runner.moc"
