#include <QDeadlineTimer>
#include <QFile>
#include <QImageReader>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "batch_driver.h"
#include "encoder_lookup.h"
#include "local_batch_platform.h"

using namespace Qt::StringLiterals;

// The driver with its real platform: process runs, the lookup in the program's folder and the
// file system, against the fake encoder installed there under the encoder's name.

namespace {

constexpr int Patience = 60000; // only a bound on waiting, never a measurement

class RecordingView : public ProgressView
{
public:
    void setMaximum(int) override {}
    void setPosition(int) override {}
    void showView() override {}
    void setNames(const QString &) override {}
    void clearThumbnail() override {}
    bool showThumbnail(const QString &path) override
    {
        const bool loaded = !QImageReader(path).read().isNull();
        pictures.append(loaded);
        return loaded;
    }
    void setSizePollActive(bool) override {}
    void beep() override {}
    void showMessage(const QString &message) override { messages.append(message); }
    void closeView() override {}

    QList<bool> pictures;
    QStringList messages;
};

} // namespace

class TestBatchWithFakeEncoder : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir *m_programDir = nullptr;
    QTemporaryDir *m_work = nullptr;
    LocalBatchPlatform *m_platform = nullptr;
    BatchDriver *m_driver = nullptr;
    RecordingView m_view;

    QString output(const QString &name) const { return m_work->filePath(u"out/"_s + name); }

    // An input whose content tells the fake encoder what to do.
    QString input(const QString &name, const QByteArray &script = {})
    {
        const QString path = m_work->filePath(name);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(script);
        return path;
    }

    bool run(const QStringList &inputs)
    {
        EncodeSettings settings;
        settings.videoCodec = u"MJPEG"_s;
        settings.outputFolder = m_work->filePath(u"out"_s);
        if (!m_driver->start(inputs, settings, m_view))
            return false;
        return waitUntil([this] { return !m_driver->isRunning(); });
    }

    template<typename Condition> static bool waitUntil(Condition condition)
    {
        QDeadlineTimer deadline(Patience);
        while (!condition() && !deadline.hasExpired())
            QTest::qWait(10);
        return condition();
    }

private slots:
    void init()
    {
        m_programDir = new QTemporaryDir;
        m_work = new QTemporaryDir;
        const QString encoder = m_programDir->filePath(EncoderLookup::programName());
        QVERIFY(QFile::copy(QStringLiteral(TEVARO_FAKE_ENCODER), encoder));
        m_platform = new LocalBatchPlatform(m_programDir->path());
        m_driver = new BatchDriver(*m_platform, m_programDir->path());
        m_view = {};
    }
    void cleanup()
    {
        delete m_driver;
        delete m_platform;
        delete m_work;
        delete m_programDir;
    }

    void convertsAndListsFailures()
    {
        const QStringList inputs{input(u"a.txt"_s),
                                 input(u"b.txt"_s, "encode write\nencode stderr boom\nencode exit 2\n"),
                                 input(u"c.txt"_s, "encode crash\n"), input(u"d.txt"_s, "thumb exit 1\n")};
        QVERIFY(run(inputs));
        QVERIFY(QFile::exists(output(u"a.avi"_s)));
        QVERIFY2(QFile::exists(output(u"b.avi"_s)), "what a failed run leaves stays");
        QVERIFY(QFile::exists(output(u"d.avi"_s)));
        QCOMPARE(m_view.pictures, (QList<bool>{true, true, true}));
        QVERIFY2(!QFile::exists(m_programDir->filePath(u"_thumb.jpg"_s)), "the picture is removed");
        QCOMPARE(m_view.messages, QStringList{u"次のファイルは変換できませんでした。\n"
                                              u"b.txt: boom\n"
                                              u"c.txt: エンコーダーが異常終了しました"_s});
    }

    void cancelKillsTheRunAndTheNextInputConverts()
    {
        const QStringList inputs{input(u"a.txt"_s, "encode write\nencode hang\n"), input(u"b.txt"_s)};
        EncodeSettings settings;
        settings.videoCodec = u"MJPEG"_s;
        settings.outputFolder = m_work->filePath(u"out"_s);
        QVERIFY(m_driver->start(inputs, settings, m_view));
        QVERIFY(waitUntil([this] { return QFile::exists(output(u"a.avi"_s)); }));
        m_driver->cancel();
        QVERIFY(waitUntil([this] { return !m_driver->isRunning(); }));
        QVERIFY(!QFile::exists(output(u"a.avi"_s)));
        QVERIFY(QFile::exists(output(u"b.avi"_s)));
        QVERIFY(m_view.messages.isEmpty());
    }

    void unreadablePictureStopsTheBatch()
    {
        QVERIFY(run({input(u"a.txt"_s, "thumb broken\n"), input(u"b.txt"_s)}));
        QCOMPARE(m_view.pictures, QList<bool>{false});
        QCOMPARE(m_view.messages, QStringList{u"非対応フォーマットが含まれていました。処理を中止します。"_s});
        QVERIFY(!QFile::exists(output(u"a.avi"_s)));
        QVERIFY(!QFile::exists(output(u"b.avi"_s)));
    }

    void stalePictureIsNeverShown()
    {
        QFile stale(m_programDir->filePath(u"_thumb.jpg"_s));
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write("left by a run long ago");
        stale.close();
        QVERIFY(run({input(u"a.txt"_s, "thumb exit 1\n")}));
        QVERIFY(m_view.pictures.isEmpty());
        QVERIFY(m_view.messages.isEmpty());
        QVERIFY(QFile::exists(output(u"a.avi"_s)));
    }
};

QTEST_GUILESS_MAIN(TestBatchWithFakeEncoder)
#include "tst_batch_with_fake_encoder.moc"
