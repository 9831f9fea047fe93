#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "settings_file.h"
#include "support/fake_job_controls.h"
#include "support/file_bytes.h"
#include "tevaro_error.h"

using namespace Qt::StringLiterals;

namespace {

// Row 1 differs from the design values everywhere; row 2 is another preset.
const QString Row1 = u"\"Wide\",AVI,720x480,MJPEG,25fps,4000kbps,PCM,24000Hz,256kbps"_s;
const QString Row2 = u"Small,AVI,640x480,MJPEG,10fps,1000kbps,PCM,48000Hz,96kbps"_s;
const QString ProgramDir = u"/opt/tevaro"_s;

} // namespace

class TestSettingsFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void firstRunWithoutFile();
    void restoreOrder();
    void restoredValues_data();
    void restoredValues();
    void brokenPresetStopsRestore_data();
    void brokenPresetStopsRestore();
    void saveKeepsForeignContent();
    void saveAndRestoreAgain();
    void unwritableFile_data();
    void unwritableFile();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
};

void TestSettingsFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_path = m_dir->filePath(u"Tevaro.ini"_s);
}

void TestSettingsFile::firstRunWithoutFile()
{
    FakeJobControls controls({Row1, Row2});
    SettingsFile::restoreSettings(m_path, controls, ProgramDir);
    QCOMPARE(controls.left, 20);
    QCOMPARE(controls.top, 20);
    QCOMPARE(controls.presetSelection, 1);
    QCOMPARE(controls.codecSelection, 0);
    QCOMPARE(controls.frameRateValue, 25);
    QCOMPARE(controls.videoBitrateValue, 4000);
    QCOMPARE(controls.sampleRateValue, 1);
    QCOMPARE(controls.audioBitrateValue, 256);
    QCOMPARE(controls.frameSizeValue, 1);
    QCOMPARE(controls.folder, ProgramDir);
    QVERIFY(!QFile::exists(m_path));

    SettingsFile::saveSettings(m_path, controls);
    QCOMPARE(readBytes(m_path), u"[SET]\nM_LEFT=20\nM_TOP=20\n"
                                "[SET1]\nC0=1\nC1=25\nC2=4000\nC3=1\nC4=256\nC5=1\n"
                                "[SET2]\nC11=/opt/tevaro\n"_s.toUtf8());
}

void TestSettingsFile::restoreOrder()
{
    QVERIFY(writeBytes(m_path, "[SET]\nM_LEFT=100\nM_TOP=200\n[SET1]\nC0=2\nC1=5\nC2=600\nC3=1\nC4=70\nC5=1\n"
                               "[SET2]\nC11=/videos\n"));
    FakeJobControls controls({Row1, Row2});
    SettingsFile::restoreSettings(m_path, controls, ProgramDir);
    // Row 2 is applied between the preset index and the saved values, which therefore win.
    QCOMPARE(controls.log,
             (QStringList{u"left=100"_s, u"top=200"_s, u"preset=2"_s, u"frameSize=0"_s, u"codec=0"_s,
                          u"frameRate=10"_s, u"videoBitrate=1000"_s, u"sampleRate=0"_s, u"audioBitrate=96"_s,
                          u"frameRate=5"_s, u"videoBitrate=600"_s, u"sampleRate=1"_s, u"audioBitrate=70"_s,
                          u"frameSize=1"_s, u"folder=/videos"_s}));
}

void TestSettingsFile::restoredValues_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("preset");
    QTest::addColumn<int>("frameRate");
    QTest::addColumn<int>("sampleRate");
    QTest::addColumn<int>("frameSize");
    QTest::addColumn<QString>("folder");

    QTest::newRow("C0 of 0") << QByteArray("[SET1]\nC0=0\n") << 20 << 1 << 25 << 1 << 1 << ProgramDir;
    QTest::newRow("C0 of -1") << QByteArray("[SET1]\nC0=-1\n") << 20 << 1 << 25 << 1 << 1 << ProgramDir;
    QTest::newRow("C0 beyond the end")
        << QByteArray("[SET1]\nC0=3\n") << 20 << 1 << 25 << 1 << 1 << ProgramDir;
    QTest::newRow("C0 of 2") << QByteArray("[SET1]\nC0=2\n") << 20 << 2 << 10 << 0 << 0 << ProgramDir;
    QTest::newRow("C0 not a number") << QByteArray("[SET1]\nC0=two\n") << 20 << 1 << 25 << 1 << 1
                                     << ProgramDir;
    QTest::newRow("C1 of 99") << QByteArray("[SET1]\nC0=2\nC1=99\n") << 20 << 2 << 30 << 0 << 0 << ProgramDir;
    QTest::newRow("C1 of 0") << QByteArray("[SET1]\nC0=2\nC1=0\n") << 20 << 2 << 1 << 0 << 0 << ProgramDir;
    QTest::newRow("C1 abc keeps the preset's")
        << QByteArray("[SET1]\nC0=2\nC1=abc\n") << 20 << 2 << 10 << 0 << 0 << ProgramDir;
    QTest::newRow("C1 of 0x1E") << QByteArray("[SET1]\nC0=2\nC1=0x1E\n") << 20 << 2 << 30 << 0 << 0
                                << ProgramDir;
    QTest::newRow("C3 of 5") << QByteArray("[SET1]\nC0=2\nC3=5\n") << 20 << 2 << 10 << 1 << 0 << ProgramDir;
    QTest::newRow("C3 of -1") << QByteArray("[SET1]\nC3=-1\n") << 20 << 1 << 25 << 0 << 1 << ProgramDir;
    QTest::newRow("C5 of 0") << QByteArray("[SET1]\nC5=0\n") << 20 << 1 << 25 << 1 << 0 << ProgramDir;
    QTest::newRow("keys in small letters")
        << QByteArray("[set]\nm_left=-300\n[set1]\nc0=2\nc1=7\n") << -300 << 2 << 7 << 0 << 0 << ProgramDir;
    QTest::newRow("window position as read")
        << QByteArray("[SET]\nM_LEFT=99999\n") << 99999 << 1 << 25 << 1 << 1 << ProgramDir;
    QTest::newRow("empty C11") << QByteArray("[SET2]\nC11=\n") << 20 << 1 << 25 << 1 << 1 << ProgramDir;
    QTest::newRow("C11") << QByteArray("[SET2]\nC11= \"/my videos\" \n") << 20 << 1 << 25 << 1 << 1
                         << u"/my videos"_s;
}

void TestSettingsFile::restoredValues()
{
    QFETCH(QByteArray, ini);
    QFETCH(int, left);
    QFETCH(int, preset);
    QFETCH(int, frameRate);
    QFETCH(int, sampleRate);
    QFETCH(int, frameSize);
    QFETCH(QString, folder);

    QVERIFY(writeBytes(m_path, ini));
    FakeJobControls controls({Row1, Row2});
    SettingsFile::restoreSettings(m_path, controls, ProgramDir);
    QCOMPARE(controls.left, left);
    QCOMPARE(controls.presetSelection, preset);
    QCOMPARE(controls.frameRateValue, frameRate);
    QCOMPARE(controls.sampleRateValue, sampleRate);
    QCOMPARE(controls.frameSizeValue, frameSize);
    QCOMPARE(controls.folder, folder);
}

void TestSettingsFile::brokenPresetStopsRestore_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("frameSize");
    QTest::addColumn<int>("codec");

    // The size is applied before the frame rate fails; without rows nothing is.
    QTest::newRow("unit in capitals")
        << QStringList{u"Bad,AVI,720x480,MJPEG,25FPS,4000kbps,PCM,24000Hz,256kbps"_s} << 1 << 0;
    QTest::newRow("empty profile") << QStringList() << 0 << 0;
}

void TestSettingsFile::brokenPresetStopsRestore()
{
    QFETCH(QStringList, rows);
    QFETCH(int, frameSize);
    QFETCH(int, codec);

    QVERIFY(writeBytes(m_path, "[SET]\nM_LEFT=100\nM_TOP=200\n[SET1]\nC0=1\nC1=5\nC2=600\nC3=1\nC4=70\nC5=1\n"
                               "[SET2]\nC11=/videos\n"));
    FakeJobControls controls(rows);
    try {
        SettingsFile::restoreSettings(m_path, controls, ProgramDir);
        QFAIL("no error raised");
    } catch (const TevaroError &e) {
        QCOMPARE(e.message(), u"'' は整数ではありません"_s);
    }
    QCOMPARE(controls.left, 100);
    QCOMPARE(controls.top, 200);
    QCOMPARE(controls.frameSizeValue, frameSize);
    QCOMPARE(controls.codecSelection, codec);
    QCOMPARE(controls.frameRateValue, 30);
    QCOMPARE(controls.videoBitrateValue, 2048);
    QCOMPARE(controls.sampleRateValue, 0);
    QCOMPARE(controls.audioBitrateValue, 128);
    QCOMPARE(controls.folder, QString());
}

void TestSettingsFile::saveKeepsForeignContent()
{
    QVERIFY(writeBytes(m_path, "; mine\r\n[Mine]\r\nkey=value\r\n\r\n[set1]\r\nc2=1\r\nOwn=1\r\n"));
    FakeJobControls controls({Row1});
    controls.left = -8;
    controls.top = 40;
    controls.folder = u"D:\\out"_s;
    SettingsFile::saveSettings(m_path, controls);
    QCOMPARE(readBytes(m_path),
             QByteArray("; mine\r\n[Mine]\r\nkey=value\r\n\r\n"
                        "[set1]\r\nc2=2048\r\nOwn=1\r\nC0=-1\r\nC1=30\r\nC3=0\r\nC4=128\r\nC5=0\r\n"
                        "[SET]\r\nM_LEFT=-8\r\nM_TOP=40\r\n"
                        "[SET2]\r\nC11=D:\\out\r\n"));
}

void TestSettingsFile::saveAndRestoreAgain()
{
    FakeJobControls first({Row1, Row2});
    SettingsFile::restoreSettings(m_path, first, ProgramDir);
    first.left = 321;
    first.top = 123;
    first.presetSelection = 2;
    first.frameRateValue = 12;
    first.videoBitrateValue = 7000;
    first.sampleRateValue = 0;
    first.audioBitrateValue = 320;
    first.frameSizeValue = 1;
    first.folder = u"/home/u/動画 $x `y`"_s;
    SettingsFile::saveSettings(m_path, first);

    FakeJobControls second({Row1, Row2});
    SettingsFile::restoreSettings(m_path, second, ProgramDir);
    QCOMPARE(second.left, first.left);
    QCOMPARE(second.top, first.top);
    QCOMPARE(second.presetSelection, first.presetSelection);
    QCOMPARE(second.frameRateValue, first.frameRateValue);
    QCOMPARE(second.videoBitrateValue, first.videoBitrateValue);
    QCOMPARE(second.sampleRateValue, first.sampleRateValue);
    QCOMPARE(second.audioBitrateValue, first.audioBitrateValue);
    QCOMPARE(second.frameSizeValue, first.frameSizeValue);
    QCOMPARE(second.folder, first.folder);
}

void TestSettingsFile::unwritableFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("path is a folder") << u"Tevaro.ini"_s;
    QTest::newRow("folder is a file") << u"file/Tevaro.ini"_s;
}

void TestSettingsFile::unwritableFile()
{
    QFETCH(QString, name);
    // Running as root, permissions would not stop the write; paths that cannot be files do.
    QVERIFY(QDir(m_dir->path()).mkdir(u"Tevaro.ini"_s));
    QVERIFY(writeBytes(m_dir->filePath(u"file"_s), "[SET]\nM_LEFT=1\n"));
    const QString path = m_dir->filePath(name);

    FakeJobControls controls({Row1});
    try {
        SettingsFile::saveSettings(path, controls);
        QFAIL("no error raised");
    } catch (const TevaroError &e) {
        QCOMPARE(e.message(), QDir::toNativeSeparators(path) + u" に書き込めません"_s);
    }
    QVERIFY(QFileInfo(m_dir->filePath(u"Tevaro.ini"_s)).isDir());
    QCOMPARE(readBytes(m_dir->filePath(u"file"_s)), QByteArray("[SET]\nM_LEFT=1\n"));
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settings_file.moc"
