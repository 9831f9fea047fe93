#include <QPointer>
#include <QSet>
#include <QTest>

#include "batch_driver.h"
#include "encoder_command.h"
#include "process_runner.h"

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

const QString ProgramDir = u"/pd"_s;
const QString Thumbnail = u"/pd/_thumb.jpg"_s;
const QString Encoder = u"/opt/bin/ffmpeg"_s;
const QString Unsupported = u"非対応フォーマットが含まれていました。処理を中止します。"_s;
const QString CancelFailed = u"変換を中止できませんでした。"_s;

// A process that does only what the test tells it, when the test tells it.
class FakeRunner : public ProcessRunner
{
public:
    FakeRunner(bool startable, QObject *parent)
        : ProcessRunner(parent)
        , m_startable(startable)
    {}

    void start(const QString &startedProgram, const QStringList &startedArguments) override
    {
        program = startedProgram;
        arguments = startedArguments;
        if (!m_startable) {
            emit failedToStart(u"No such file or directory"_s);
            return;
        }
        running = true;
        emit started();
    }
    bool kill() override
    {
        if (!running)
            return false;
        killed = true;
        return true;
    }
    bool isRunning() const override { return running; }
    QString errorTail() const override { return tail; }

    bool isThumbnailRun() const { return arguments.contains(u"image2"_s); }
    void finish(int exitCode = 0, bool crashed = false)
    {
        running = false;
        emit finished(exitCode, crashed);
    }

    QString program;
    QStringList arguments;
    bool running = false;
    bool killed = false;
    QString tail;

private:
    bool m_startable;
};

class FakePlatform : public BatchPlatform
{
public:
    ProcessRunner *createRunner(QObject *parent) override
    {
        auto *runner = new FakeRunner(startable, parent);
        runners.append(runner);
        return runner;
    }
    EncoderProgram findEncoder() override { return {u"ffmpeg"_s, encoderPath, ProgramDir}; }
    bool makePath(const QString &folder) override
    {
        madePaths.append(folder);
        return true;
    }
    bool isFile(const QString &path) override { return files.contains(path); }
    bool removeFile(const QString &path) override
    {
        removed.append(path);
        return !stuck.contains(path) && files.remove(path);
    }
    QString canonicalPath(const QString &path) override { return files.contains(path) ? path : QString(); }

    // The runs started so far, of one kind; null where a runner has been deleted.
    QList<FakeRunner *> runs(bool thumbnail) const
    {
        QList<FakeRunner *> result;
        for (const QPointer<FakeRunner> &runner : runners) {
            if (runner && runner->isThumbnailRun() == thumbnail)
                result.append(runner);
        }
        return result;
    }
    FakeRunner *lastRun(bool thumbnail) const
    {
        const QList<FakeRunner *> all = runs(thumbnail);
        return all.isEmpty() ? nullptr : all.last();
    }
    FakeRunner *thumbnailRun() const { return lastRun(true); }
    FakeRunner *encoderRun() const { return lastRun(false); }

    bool startable = true;
    QString encoderPath = Encoder;
    QSet<QString> files;
    QSet<QString> stuck; // files that cannot be removed
    QStringList madePaths;
    QStringList removed;
    QList<QPointer<FakeRunner>> runners;
};

// Every operation on the view, in order, as one line of text.
class RecordingView : public ProgressView
{
public:
    void setMaximum(int maximum) override { log.append(u"max %1"_s.arg(maximum)); }
    void setPosition(int position) override { log.append(u"pos %1"_s.arg(position)); }
    void showView() override { log.append(u"show"_s); }
    void setNames(const QString &names) override { log.append(u"names "_s + names); }
    void clearThumbnail() override { log.append(u"clear"_s); }
    bool showThumbnail(const QString &path) override
    {
        log.append(u"thumb "_s + path);
        return thumbnailLoads;
    }
    void setSizePollActive(bool active) override { log.append(active ? u"poll on"_s : u"poll off"_s); }
    void beep() override { log.append(u"beep"_s); }
    void showMessage(const QString &message) override
    {
        log.append(u"message"_s);
        messages.append(message);
        if (onMessage)
            onMessage();
    }
    void closeView() override { log.append(u"close"_s); }

    QStringList log;
    QStringList messages;
    bool thumbnailLoads = true;
    std::function<void()> onMessage;
};

EncodeSettings settingsFor(const QString &folder)
{
    EncodeSettings settings;
    settings.videoCodec = u"MJPEG"_s;
    settings.frameRate = 24;
    settings.outputFolder = folder;
    return settings;
}

// The log lines of one item that goes through without a picture.
QStringList itemLog(int index, const QString &names)
{
    return {u"pos %1"_s.arg(index), u"names "_s + names, u"clear"_s};
}

const QStringList StartLog = {u"max %1"_s, u"pos 0"_s, u"show"_s, u"poll on"_s, u"running 1"_s};
const QStringList EndLog = {u"beep"_s, u"poll off"_s, u"close"_s, u"running 0"_s};
const QStringList ReportEndLog = {u"beep"_s, u"poll off"_s, u"message"_s, u"close"_s, u"running 0"_s};
const QStringList AbortLog = {u"beep"_s, u"message"_s, u"poll off"_s, u"close"_s, u"running 0"_s};

QStringList startLog(int items)
{
    QStringList log = StartLog;
    log[0] = log[0].arg(items);
    return log;
}

} // namespace

class TestBatchDriver : public QObject
{
    Q_OBJECT

private:
    FakePlatform *m_platform = nullptr;
    RecordingView *m_view = nullptr;
    BatchDriver *m_driver = nullptr;

    void start(const QStringList &inputs, const QString &folder = u"/out"_s)
    {
        QVERIFY(m_driver->start(inputs, settingsFor(folder), *m_view));
    }

private slots:
    void init()
    {
        m_platform = new FakePlatform;
        m_view = new RecordingView;
        m_driver = new BatchDriver(*m_platform, ProgramDir);
        connect(m_driver, &BatchDriver::runningChanged, m_driver,
                [this](bool running) { m_view->log.append(u"running %1"_s.arg(int(running))); });
    }
    void cleanup()
    {
        delete m_driver;
        delete m_view;
        delete m_platform;
    }

    void emptyListDoesNothing()
    {
        QVERIFY(!m_driver->start({}, settingsFor(u"/out"_s), *m_view));
        QVERIFY(m_view->log.isEmpty());
        QVERIFY(m_platform->runners.isEmpty());
        QVERIFY(!m_driver->isRunning());
    }

    void itemsRunInOrder_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("one") << 1;
        QTest::newRow("three") << 3;
    }
    void itemsRunInOrder()
    {
        QFETCH(int, count);
        QStringList inputs;
        for (int i = 0; i < count; ++i)
            inputs.append(u"/in/clip%1.mp4"_s.arg(i));
        const EncodeSettings settings = settingsFor(u"/out"_s);
        QVERIFY(m_driver->start(inputs, settings, *m_view));
        QVERIFY(m_driver->isRunning());
        QVERIFY(!m_driver->start(inputs, settings, *m_view));
        QCOMPARE(m_platform->madePaths, QStringList{u"/out"_s});

        QStringList expected = startLog(count);
        for (int i = 0; i < count; ++i) {
            const QString input = inputs.at(i);
            const QString output = u"/out/clip%1.avi"_s.arg(i);
            expected += itemLog(i, u"clip%1.mp4 -> clip%1.avi"_s.arg(i));

            // A leftover picture is gone before the thumbnail run starts.
            QCOMPARE(m_platform->removed.last(), Thumbnail);
            FakeRunner *thumbnail = m_platform->thumbnailRun();
            QVERIFY(thumbnail);
            QCOMPARE(thumbnail->program, Encoder);
            QCOMPARE(thumbnail->arguments, EncoderCommand::buildThumbnailArguments(input, Thumbnail));
            QVERIFY(!m_platform->encoderRun() || m_platform->runs(false).size() == i);

            m_platform->files.insert(Thumbnail); // the run wrote its picture
            thumbnail->finish();
            expected.append(u"thumb "_s + Thumbnail);
            QVERIFY2(!m_platform->files.contains(Thumbnail), "the picture is deleted once shown");

            FakeRunner *encoder = m_platform->encoderRun();
            QVERIFY(encoder);
            QCOMPARE(encoder->program, Encoder);
            QCOMPARE(encoder->arguments, EncoderCommand::buildEncodeArguments(settings, input, output));
            QCOMPARE(m_driver->inputPath(), input);
            QCOMPARE(m_driver->outputPath(), output);
            QCOMPARE(m_driver->quotedOutputPath(), u'"' + output + u'"');
            QVERIFY(m_driver->keepOutput());
            QCOMPARE(m_view->log, expected);

            m_platform->files.insert(output);
            encoder->finish();
            QVERIFY(m_platform->files.contains(output));
        }
        expected += EndLog;
        QCOMPARE(m_view->log, expected);
        QVERIFY(!m_view->log.contains(u"pos %1"_s.arg(count)));
        QVERIFY(!m_driver->isRunning());
        QCOMPARE(m_driver->inputPath(), inputs.last());
    }

    void cancelDuringRunDeletesOutputAndGoesOn()
    {
        start({u"/in/a.mp4"_s, u"/in/b.mp4"_s});
        m_platform->thumbnailRun()->finish();
        FakeRunner *encoder = m_platform->encoderRun();
        m_platform->files.insert(u"/out/a.avi"_s);

        m_driver->cancel();
        QVERIFY(encoder->killed);
        QVERIFY(!m_driver->keepOutput());
        m_driver->cancel(); // a second click while the run ends changes nothing
        QVERIFY(!m_view->log.contains(u"message"_s));

        encoder->finish(9, true);
        QVERIFY(!m_platform->files.contains(u"/out/a.avi"_s));
        QCOMPARE(m_driver->inputPath(), u"/in/b.mp4"_s);

        m_platform->thumbnailRun()->finish();
        QVERIFY(m_driver->keepOutput());
        m_platform->files.insert(u"/out/b.avi"_s);
        m_platform->encoderRun()->finish();
        QVERIFY(m_platform->files.contains(u"/out/b.avi"_s));
        QVERIFY2(m_view->messages.isEmpty(), "a cancelled run is no failure");
        QCOMPARE(m_view->log.mid(m_view->log.size() - EndLog.size()), EndLog);
    }

    // The click came before the item's conversion started: that conversion never runs.
    void cancelWhileAwaitingThumbnail()
    {
        start({u"/in/a.mp4"_s, u"/in/b.mp4"_s});
        FakeRunner *thumbnail = m_platform->thumbnailRun();
        m_platform->files.insert(u"/out/a.avi"_s); // left by an earlier batch

        m_driver->cancel();
        QVERIFY(thumbnail->killed);
        QVERIFY(m_platform->runs(false).isEmpty());
        QVERIFY(!m_platform->files.contains(u"/out/a.avi"_s));
        QCOMPARE(m_driver->inputPath(), u"/in/b.mp4"_s);
        QCOMPARE(m_platform->runs(true).size(), 2);

        // The killed run ending late must not drive the next item.
        m_platform->files.insert(Thumbnail);
        thumbnail->finish(9, true);
        QVERIFY(m_platform->runs(false).isEmpty());

        m_platform->thumbnailRun()->finish();
        FakeRunner *encoder = m_platform->encoderRun();
        QVERIFY(encoder);
        QCOMPARE(encoder->arguments.last(), u"/out/b.avi"_s);
        encoder->finish();
        QVERIFY(!m_driver->isRunning());
    }

    // The encoder has ended but its end is not yet reported: nothing is left to stop.
    void cancelAfterRunEndedKeepsOutput()
    {
        start({u"/in/a.mp4"_s, u"/in/b.mp4"_s});
        m_platform->thumbnailRun()->finish();
        FakeRunner *encoder = m_platform->encoderRun();
        encoder->running = false;
        m_platform->files.insert(u"/out/a.avi"_s);

        m_driver->cancel();
        QCOMPARE(m_view->log.mid(m_view->log.size() - 2), (QStringList{u"beep"_s, u"message"_s}));
        QCOMPARE(m_view->messages, QStringList{CancelFailed});
        QVERIFY(m_driver->keepOutput());

        encoder->finish();
        QVERIFY(m_platform->files.contains(u"/out/a.avi"_s));
        QCOMPARE(m_driver->inputPath(), u"/in/b.mp4"_s);
    }

    // While the closing message is up the last run is over.
    void cancelAtTheEndSaysItFailed()
    {
        m_view->onMessage = [this] {
            m_view->onMessage = nullptr;
            m_driver->cancel();
        };
        start({u"/in/a.avi"_s}, u"/in"_s);
        QCOMPARE(m_view->messages.size(), 2);
        QCOMPARE(m_view->messages.at(1), CancelFailed);
        QVERIFY(!m_driver->isRunning());
    }

    void cancelWithoutBatchDoesNothing()
    {
        m_driver->cancel();
        QVERIFY(m_view->log.isEmpty());
    }

    void encoderThatCannotStartEndsTheBatch_data()
    {
        QTest::addColumn<QString>("foundAt");
        QTest::addColumn<QString>("where");
        QTest::newRow("found nowhere") << QString() << u"探した場所: /pd と PATH のフォルダ"_s;
        QTest::newRow("found but not startable") << Encoder << u"起動しようとしたファイル: /opt/bin/ffmpeg"_s;
    }
    void encoderThatCannotStartEndsTheBatch()
    {
        QFETCH(QString, foundAt);
        QFETCH(QString, where);
        m_platform->startable = false;
        m_platform->encoderPath = foundAt;
        start({u"/in/a.mp4"_s, u"/in/b.mp4"_s});

        QCOMPARE(m_platform->runs(false).size(), 1);
        QCOMPARE(m_platform->runs(false).constFirst()->program, foundAt.isEmpty() ? u"ffmpeg"_s : foundAt);
        QStringList expected = startLog(2) + itemLog(0, u"a.mp4 -> a.avi"_s) + ReportEndLog;
        QCOMPARE(m_view->log, expected);
        QCOMPARE(m_view->messages.size(), 1);
        const QString message = m_view->messages.constFirst();
        QVERIFY2(message.contains(u"「ffmpeg」を起動できませんでした"_s), qPrintable(message));
        QVERIFY2(message.contains(where), qPrintable(message));
        QVERIFY2(message.contains(u"No such file or directory"_s), qPrintable(message));
        QVERIFY(!m_driver->isRunning());
    }

    void emptyOutputFolderStopsAtOnce()
    {
        start({u"/in/a.mp4"_s}, QString());
        QCOMPARE(m_view->log, startLog(1) + AbortLog);
        QCOMPARE(m_view->messages, QStringList{Unsupported});
        QVERIFY(m_platform->runners.isEmpty());
        QVERIFY(m_platform->madePaths.isEmpty());
    }

    void unreadablePictureStopsTheBatch()
    {
        m_view->thumbnailLoads = false;
        start({u"/in/a.mp4"_s, u"/in/b.mp4"_s});
        m_platform->files.insert(Thumbnail);
        m_platform->thumbnailRun()->finish();
        QCOMPARE(m_view->log, startLog(2) + itemLog(0, u"a.mp4 -> a.avi"_s) +
                                  QStringList{u"thumb "_s + Thumbnail} + AbortLog);
        QCOMPARE(m_view->messages, QStringList{Unsupported});
        QVERIFY(m_platform->runs(false).isEmpty());
        QCOMPARE(m_platform->runs(true).size(), 1);
    }

    void noPictureWhenTheRunWritesNone()
    {
        start({u"/in/a.mp4"_s});
        m_platform->thumbnailRun()->finish(1);
        QVERIFY(m_platform->encoderRun());
        QVERIFY(!m_view->log.join(u'|').contains(u"thumb"_s));
    }

    // A run still going when the wait is over may be writing the picture right now.
    void thumbnailWaitHasALimit()
    {
        m_driver->setThumbnailWaitLimit(0ms);
        start({u"/in/a.mp4"_s});
        FakeRunner *thumbnail = m_platform->thumbnailRun();
        m_platform->files.insert(Thumbnail);
        QTRY_VERIFY_WITH_TIMEOUT(m_platform->encoderRun(), 10000);
        QVERIFY(thumbnail->killed);
        QVERIFY(!m_platform->files.contains(Thumbnail));
        QVERIFY(!m_view->log.join(u'|').contains(u"thumb"_s));
        thumbnail->finish(9, true);
        QVERIFY(m_driver->isRunning());
        m_platform->encoderRun()->finish();
        QVERIFY(!m_driver->isRunning());
    }

    void leftoverPictureThatStaysIsNeverShown()
    {
        m_platform->files.insert(Thumbnail);
        m_platform->stuck.insert(Thumbnail);
        start({u"/in/a.mp4"_s});
        QVERIFY(m_platform->runs(true).isEmpty());
        QVERIFY(m_platform->encoderRun());
        QVERIFY(!m_view->log.join(u'|').contains(u"thumb"_s));
    }

    void collidingOutputsAndInputAsOutput()
    {
        start({u"/a/clip.mp4"_s, u"/b/clip.mp4"_s, u"/out/x.avi"_s, u"/a/clip.mp4"_s, u"/out/y.avi"_s});
        QStringList outputs;
        QStringList positions;
        while (m_driver->isRunning()) {
            m_platform->thumbnailRun()->finish();
            outputs.append(m_platform->encoderRun()->arguments.last());
            m_platform->encoderRun()->finish();
        }
        QCOMPARE(outputs, (QStringList{u"/out/clip.avi"_s, u"/out/clip (2).avi"_s, u"/out/clip.avi"_s}));
        QVERIFY(!m_view->log.contains(u"pos 2"_s));
        QVERIFY(!m_view->log.contains(u"pos 4"_s));
        QVERIFY(m_view->log.contains(u"pos 3"_s));
        QCOMPARE(m_view->messages.size(), 1);
        QCOMPARE(
            m_view->messages.constFirst(),
            u"次のファイルは出力先が変換元と同じファイルになるため、変換しませんでした。\nx.avi\ny.avi"_s);
    }

    void failuresAreListedAtTheEnd()
    {
        start({u"/in/a.mp4"_s, u"/in/b.mp4"_s, u"/in/c.mp4"_s, u"/in/d.mp4"_s, u"/in/e.mp4"_s});
        const auto run = [this](int exitCode, bool crashed, const QString &tail) {
            m_platform->thumbnailRun()->finish();
            FakeRunner *encoder = m_platform->encoderRun();
            encoder->tail = tail;
            encoder->finish(exitCode, crashed);
        };
        run(1, false, u"ffmpeg version 5\n/in/a.mp4: Invalid data found when processing input\n"_s);
        run(0, false, u"frame=  10 fps=0.0\rframe=  20 fps=0.0\r"_s);
        run(0, true, QString());
        run(1, false, u"Error while opening encoder\nConversion failed!\n"_s);
        run(3, false, QString());

        QCOMPARE(m_view->log.count(u"beep"_s), 1);
        QCOMPARE(m_view->messages.size(), 1);
        QCOMPARE(m_view->messages.constFirst(),
                 u"次のファイルは変換できませんでした。\n"
                 u"a.mp4: /in/a.mp4: Invalid data found when processing input\n"
                 u"c.mp4: エンコーダーが異常終了しました\n"
                 u"d.mp4: Error while opening encoder\n"
                 u"e.mp4: エンコーダーが終了コード 3 で終了しました"_s);
    }
};

QTEST_GUILESS_MAIN(TestBatchDriver)
#include "tst_batch_driver.moc"
