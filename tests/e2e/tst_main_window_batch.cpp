#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QSlider>
#include <QTest>

#include "../ui/support/program_folder.h"
#include "../ui/support/recorders.h"
#include "browse_edit.h"
#include "digit_bar.h"
#include "fade_button.h"
#include "main_window.h"
#include "progress_window.h"

using namespace Qt::StringLiterals;

// The start button with the real encoder: the window's own settings reach the output.

namespace {

constexpr int Patience = 300000; // a bound on waiting, never a measurement

bool runTool(const QString &program, const QStringList &arguments, QByteArray *output = nullptr)
{
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForFinished(Patience) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return false;
    if (output)
        *output = process.readAllStandardOutput();
    return true;
}

} // namespace

class TestMainWindowBatch : public QObject
{
    Q_OBJECT

private slots:
    void startButtonConvertsTheListWithTheWindowsSettings()
    {
        ProgramFolder folder;
        QTemporaryDir media;
        const QString clip = media.filePath(u"clip one.mp4"_s);
        QVERIFY(runTool(u"ffmpeg"_s, {u"-v"_s, u"error"_s, u"-f"_s, u"lavfi"_s, u"-i"_s,
                                      u"testsrc=size=160x120:rate=25:duration=2"_s, u"-f"_s, u"lavfi"_s,
                                      u"-i"_s, u"sine=duration=2"_s, u"-shortest"_s, u"-y"_s, clip}));

        RecordingErrorSink errors;
        RecordingLauncher launcher;
        MainWindow window(folder.context({clip}), errors, launcher);
        window.show();
        window.runFirstActivation();
        QVERIFY(window.startupDone());

        const QString output = media.filePath(u"out/nested"_s);
        window.findChild<BrowseEdit *>(u"C1_03"_s)->setText(output);
        window.findChild<DigitBar *>(u"DigitBar1"_s)->setValue(12);
        window.findChild<QSlider *>(u"TrackBar2"_s)->setValue(1);
        window.findChild<QSlider *>(u"TrackBar1"_s)->setValue(1);

        QTest::mouseClick(window.findChild<FadeButton *>(u"Button10"_s), Qt::LeftButton);
        QVERIFY(!window.isEnabled());
        QVERIFY(window.progressWindow().isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(window.isEnabled(), Patience);
        QVERIFY(!window.progressWindow().isVisible());
        QCOMPARE(window.inputs().paths(), QStringList({clip}));
        QVERIFY(errors.messages.isEmpty());

        const QString avi = output + u"/clip one.avi"_s;
        QVERIFY(QFile::exists(avi));
        QByteArray probe;
        QVERIFY(runTool(u"ffprobe"_s,
                        {u"-v"_s, u"error"_s, u"-show_entries"_s,
                         u"stream=codec_name,width,height,r_frame_rate,sample_rate"_s, u"-of"_s,
                         u"compact=p=0"_s, avi},
                        &probe));
        QVERIFY2(probe.contains("codec_name=mjpeg|width=720|height=480|r_frame_rate=12/1"),
                 probe.constData());
        QVERIFY2(probe.contains("codec_name=pcm_s16le") && probe.contains("sample_rate=24000"),
                 probe.constData());
        QVERIFY(!QFile::exists(folder.filePath(u"_thumb.jpg"_s)));
    }
};

QTEST_MAIN(TestMainWindowBatch)
#include "tst_main_window_batch.moc"
