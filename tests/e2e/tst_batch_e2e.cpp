#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "batch_driver.h"
#include "local_batch_platform.h"
#include "palette.h"
#include "progress_window.h"

using namespace Qt::StringLiterals;

// Whole batches with the real encoder, through the progress window.

namespace {

constexpr int Patience = 300000; // only a bound on waiting, never a measurement

// The progress window, with the picture loads counted and the messages kept instead of shown
// in a modal box.
class WatchedWindow : public ProgressView
{
public:
    explicit WatchedWindow(ProgressWindow &window)
        : m_window(window)
    {}

    void setMaximum(int maximum) override { m_window.setMaximum(maximum); }
    void setPosition(int position) override { m_window.setPosition(position); }
    void showView() override { m_window.showView(); }
    void setNames(const QString &names) override { m_window.setNames(names); }
    void clearThumbnail() override { m_window.clearThumbnail(); }
    bool showThumbnail(const QString &path) override
    {
        const bool shown = m_window.showThumbnail(path);
        const QLabel *picture = m_window.findChild<QLabel *>(u"Image1"_s);
        if (shown && picture && !picture->pixmap().isNull())
            ++pictures;
        return shown;
    }
    void setSizePollActive(bool active) override { m_window.setSizePollActive(active); }
    void beep() override { ++beeps; }
    void showMessage(const QString &message) override { messages.append(message); }
    void closeView() override { m_window.closeView(); }

    int pictures = 0;
    int beeps = 0;
    QStringList messages;

private:
    ProgressWindow &m_window;
};

// Runs a tool to its end; a test may wait, the program never does.
bool runTool(const QString &program, const QStringList &arguments, QByteArray *output = nullptr)
{
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForFinished(Patience) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        qWarning().noquote() << program << arguments.join(u' ') << process.readAllStandardError();
        return false;
    }
    if (output)
        *output = process.readAllStandardOutput();
    return true;
}

// "codec_name=mjpeg|width=640|..." for each stream of the file.
QStringList streams(const QString &path)
{
    QByteArray output;
    if (!runTool(u"ffprobe"_s,
                 {u"-v"_s, u"error"_s, u"-show_entries"_s,
                  u"stream=codec_name,width,height,r_frame_rate,sample_rate"_s, u"-of"_s, u"compact=p=0"_s,
                  u"file:"_s + path},
                 &output))
        return {};
    return QString::fromUtf8(output).split(u'\n', Qt::SkipEmptyParts);
}

template<typename Condition> bool waitUntil(Condition condition)
{
    QDeadlineTimer deadline(Patience);
    while (!condition() && !deadline.hasExpired())
        QTest::qWait(20);
    return condition();
}

} // namespace

class TestBatchEndToEnd : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_clips;
    QString m_clip; // 6 seconds, so that the picture 5 seconds in exists
    QTemporaryDir *m_programDir = nullptr;
    QTemporaryDir *m_work = nullptr;
    LocalBatchPlatform *m_platform = nullptr;
    BatchDriver *m_driver = nullptr;
    ProgressWindow *m_window = nullptr;
    WatchedWindow *m_view = nullptr;

    QString copyOfClip(const QString &relativePath)
    {
        const QString path = m_work->filePath(relativePath);
        QDir().mkpath(QFileInfo(path).path());
        return QFile::copy(m_clip, path) ? path : QString();
    }

    bool runBatch(const QStringList &inputs, const EncodeSettings &settings)
    {
        if (!m_driver->start(inputs, settings, *m_view))
            return false;
        return waitUntil([this] { return !m_driver->isRunning(); });
    }

    static EncodeSettings settings(const QString &folder, int frameSize = 0, int frameRate = 10,
                                   int sampleRate = 1)
    {
        EncodeSettings settings;
        settings.frameSize = frameSize;
        settings.videoCodec = u"MJPEG"_s;
        settings.frameRate = frameRate;
        settings.sampleRate = sampleRate;
        settings.outputFolder = folder;
        return settings;
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(u"ffmpeg"_s).isEmpty() ||
            QStandardPaths::findExecutable(u"ffprobe"_s).isEmpty())
            QSKIP("ffmpeg and ffprobe are needed");
        Look::installFontSubstitutions();
        m_clip = m_clips.filePath(u"clip.mp4"_s);
        QVERIFY(runTool(u"ffmpeg"_s, {u"-v"_s, u"error"_s, u"-f"_s, u"lavfi"_s, u"-i"_s,
                                      u"testsrc=size=64x48:rate=10:duration=6"_s, u"-f"_s, u"lavfi"_s,
                                      u"-i"_s, u"sine=frequency=440:sample_rate=8000:duration=6"_s, u"-c:v"_s,
                                      u"mpeg4"_s, u"-c:a"_s, u"aac"_s, u"-shortest"_s, m_clip}));
    }

    void init()
    {
        m_programDir = new QTemporaryDir;
        m_work = new QTemporaryDir;
        m_platform = new LocalBatchPlatform(m_programDir->path());
        m_driver = new BatchDriver(*m_platform, m_programDir->path());
        m_window = new ProgressWindow(*m_driver);
        m_view = new WatchedWindow(*m_window);
    }
    void cleanup()
    {
        delete m_view;
        delete m_window;
        delete m_driver;
        delete m_platform;
        delete m_work;
        delete m_programDir;
    }

    void clipsConvert_data()
    {
        QTest::addColumn<int>("frameSize");
        QTest::addColumn<int>("frameRate");
        QTest::addColumn<int>("sampleRate");
        QTest::addColumn<QString>("expectedVideo");
        QTest::addColumn<QString>("expectedAudio");
        QTest::newRow("4:3, 48000 Hz")
            << 0 << 10 << 0 << u"codec_name=mjpeg|width=640|height=480|r_frame_rate=10/1"_s
            << u"codec_name=pcm_s16le|sample_rate=48000|r_frame_rate=0/0"_s;
        QTest::newRow("16:9, 24000 Hz")
            << 1 << 15 << 1 << u"codec_name=mjpeg|width=720|height=480|r_frame_rate=15/1"_s
            << u"codec_name=pcm_s16le|sample_rate=24000|r_frame_rate=0/0"_s;
    }
    void clipsConvert()
    {
        QFETCH(int, frameSize);
        QFETCH(int, frameRate);
        QFETCH(int, sampleRate);
        QFETCH(QString, expectedVideo);
        QFETCH(QString, expectedAudio);
        const QStringList inputs{copyOfClip(u"a/first.mp4"_s), copyOfClip(u"b/second.mp4"_s)};
        const QString out = m_work->filePath(u"out/new"_s);
        QVERIFY(runBatch(inputs, settings(out, frameSize, frameRate, sampleRate)));

        QVERIFY2(m_view->messages.isEmpty(), qPrintable(m_view->messages.join(u'\n')));
        QCOMPARE(m_view->beeps, 1);
        QCOMPARE(m_view->pictures, 2);
        QVERIFY(!QFile::exists(m_programDir->filePath(u"_thumb.jpg"_s)));
        QVERIFY(!m_window->isVisible());
        for (const QString &name : {u"first.avi"_s, u"second.avi"_s})
            QCOMPARE(streams(out + u'/' + name), (QStringList{expectedVideo, expectedAudio}));
    }

    // The cancel button ends the run under way; its output goes and the next input converts.
    void cancelDeletesThePartialOutput()
    {
        // A concatenation of the clip thousands of times: a run that only a cancel ends soon.
        const QString endless = m_work->filePath(u"in/endless.mp4"_s);
        QVERIFY(!copyOfClip(u"in/clip.mp4"_s).isEmpty());
        QFile list(endless);
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write("ffconcat version 1.0\n");
        for (int i = 0; i < 5000; ++i)
            list.write("file 'clip.mp4'\n");
        list.close();
        const QString next = copyOfClip(u"in/next.mp4"_s);
        const QString out = m_work->filePath(u"out"_s);
        const QString partial = out + u"/endless.avi"_s;

        QVERIFY(m_driver->start({endless, next}, settings(out), *m_view));
        QVERIFY(waitUntil([&] { return QFileInfo(partial).size() > 0 || !m_driver->isRunning(); }));
        QVERIFY(m_driver->isRunning());
        QTest::mouseClick(m_window->findChild<QWidget *>(u"Button1"_s), Qt::LeftButton);
        QVERIFY(waitUntil([this] { return !m_driver->isRunning(); }));

        QVERIFY(!QFile::exists(partial));
        QCOMPARE(streams(out + u"/next.avi"_s).size(), 2);
        QVERIFY2(m_view->messages.isEmpty(), qPrintable(m_view->messages.join(u'\n')));
    }

    // Names that a shell or the encoder's own syntax would take apart reach it unchanged.
    void hostileNamesConvert()
    {
        const QStringList names{u"with space.mp4"_s,   u"double\"quote.mp4"_s, u"it's.mp4"_s,
                                u"$HOME.mp4"_s,        u"`id`.mp4"_s,          u"new\nline.mp4"_s,
                                u"日本語の名前.mp4"_s, u"-leading.mp4"_s,      u"name:colon.mp4"_s,
                                u"100%d.mp4"_s};
        QStringList inputs;
        for (const QString &name : names)
            inputs.append(copyOfClip(u"in $dir `x`/"_s + name));
        const QString out = m_work->filePath(u"出力 'out' $x"_s);
        QVERIFY(runBatch(inputs, settings(out)));
        QVERIFY2(m_view->messages.isEmpty(), qPrintable(m_view->messages.join(u'\n')));
        QCOMPARE(m_view->pictures, int(names.size()));
        for (const QString &name : names) {
            const QString output = out + u'/' + name.chopped(4) + u".avi"_s;
            QVERIFY2(streams(output).size() == 2, qPrintable(output));
        }
    }

    // Relative names that begin with "-" or look like a protocol, in the current folder.
    void relativeNamesThatLookLikeOptions()
    {
        const QString saved = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_work->path()));
        const QStringList inputs{copyOfClip(u"-dash.mp4"_s).isEmpty() ? QString() : u"-dash.mp4"_s,
                                 copyOfClip(u"http:x.mp4"_s).isEmpty() ? QString() : u"http:x.mp4"_s};
        const bool ran = runBatch(inputs, settings(u"-out"_s));
        QDir::setCurrent(saved);
        QVERIFY(ran);
        QVERIFY2(m_view->messages.isEmpty(), qPrintable(m_view->messages.join(u'\n')));
        QCOMPARE(m_view->pictures, 2);
        QCOMPARE(streams(m_work->filePath(u"-out/-dash.avi"_s)).size(), 2);
        QCOMPARE(streams(m_work->filePath(u"-out/http:x.avi"_s)).size(), 2);
    }

    void unreadableInputIsListed()
    {
        const QString broken = m_work->filePath(u"broken.mp4"_s);
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("this is no video at all");
        file.close();
        const QString good = copyOfClip(u"good.mp4"_s);
        const QString out = m_work->filePath(u"out"_s);
        QVERIFY(runBatch({broken, good}, settings(out)));
        QCOMPARE(m_view->messages.size(), 1);
        const QString message = m_view->messages.constFirst();
        QVERIFY2(message.startsWith(u"次のファイルは変換できませんでした。\nbroken.mp4: "_s),
                 qPrintable(message));
        QVERIFY2(message.contains(u"Invalid data"_s), qPrintable(message));
        QCOMPARE(streams(out + u"/good.avi"_s).size(), 2);
    }
};

QTEST_MAIN(TestBatchEndToEnd)
#include "tst_batch_e2e.moc"
