#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QWindow>

#include "bevel_panel.h"
#include "browse_edit.h"
#include "fade_button.h"
#include "main_window.h"
#include "support/program_folder.h"
#include "support/recorders.h"
#include "tevaro_error.h"

using namespace Qt::StringLiterals;

namespace {

/// Drags urls over a point of the window and drops them there, the way the window system
/// delivers a drop: to the window, which hands it to the control under the point.
void dropAt(QWidget *window, const QPoint &windowPoint, const QList<QUrl> &urls)
{
    QMimeData mime;
    mime.setUrls(urls);
    QWindow *handle = window->windowHandle();
    QDragEnterEvent enter(windowPoint, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(handle, &enter);
    QDropEvent drop(windowPoint, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(handle, &drop);
}

QPoint centreOf(QWidget *window, QWidget *control)
{
    return control->mapTo(window, control->rect().center());
}

QList<QUrl> fileUrls(const QStringList &paths)
{
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls.append(QUrl::fromLocalFile(path));
    return urls;
}

void touch(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

QStringList listed(MainWindow &window)
{
    auto *list = window.findChild<QListWidget *>(u"ListBox1"_s);
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items.append(list->item(i)->text());
    return items;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void missingPresetFileEndsConstruction()
    {
        QTemporaryDir dir;
        ProgramContext context;
        context.programDir = dir.path();
        RecordingErrorSink errors;
        RecordingLauncher launcher;
        try {
            MainWindow window(context, errors, launcher);
            QFAIL("constructed without a preset file");
        } catch (const TevaroError &error) {
            QCOMPARE(error.message(), u"ファイル %1 は開けません"_s.arg(dir.filePath(u"profile.txt"_s)));
        }
    }

    void startsEmptyFramelessAtItsPlace()
    {
        ProgramFolder folder;
        RecordingErrorSink errors;
        RecordingLauncher launcher;
        MainWindow window(folder.context(), errors, launcher);
        QCOMPARE(window.objectName(), u"MainForm1"_s);
        QCOMPARE(window.windowTitle(), u"Tevaro"_s);
        QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(window.geometry(), QRect(20, 20, 400, 550));
        QVERIFY(window.findChild<BevelPanel *>(u"Panel11"_s)->isVisibleTo(&window));
        QVERIFY(!window.findChild<FadeButton *>(u"Button10"_s)->isEnabled());
        QVERIFY(!window.startupDone());
    }

    void dropsFillTheSortedList()
    {
        ProgramFolder folder;
        QTemporaryDir media;
        const QString root = media.path();
        touch(root + u"/B.mp4"_s);
        touch(root + u"/c.mp4"_s);
        QVERIFY(QDir(root).mkpath(u"Clips/sub"_s));
        touch(root + u"/Clips/a.mp4"_s);
        touch(root + u"/Clips/sub/b.mp4"_s);
        QVERIFY(QDir(root).mkdir(u"empty"_s));

        RecordingErrorSink errors;
        RecordingLauncher launcher;
        MainWindow window(folder.context(), errors, launcher);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *hint = window.findChild<BevelPanel *>(u"Panel11"_s);
        auto *start = window.findChild<FadeButton *>(u"Button10"_s);

        // An empty folder and a missing file add nothing: the hint stays, start stays off.
        dropAt(&window, centreOf(&window, hint), fileUrls({root + u"/empty"_s, root + u"/gone.mp4"_s}));
        QVERIFY(listed(window).isEmpty());
        QVERIFY(hint->isVisible());
        QVERIFY(!start->isEnabled());

        // Several items at once, one of them missing, dropped on the hint.
        dropAt(&window, centreOf(&window, hint),
               fileUrls({root + u"/c.mp4"_s, root + u"/missing.mp4"_s, root + u"/Clips"_s}));
        QCOMPARE(listed(window), QStringList({root + u"/c.mp4"_s, root + u"/Clips/a.mp4"_s,
                                              root + u"/Clips/sub"_s, root + u"/Clips/sub/b.mp4"_s}));
        QVERIFY(!hint->isVisible());
        QVERIFY(start->isEnabled());

        // Dropped on other controls, the same file twice is listed twice, in case-blind order.
        auto *list = window.findChild<QListWidget *>(u"ListBox1"_s);
        auto *edit = window.findChild<BrowseEdit *>(u"C1_03"_s);
        dropAt(&window, centreOf(&window, list), fileUrls({root + u"/B.mp4"_s}));
        dropAt(&window, centreOf(&window, edit), fileUrls({root + u"/B.mp4"_s}));
        QCOMPARE(listed(window), QStringList({root + u"/B.mp4"_s, root + u"/B.mp4"_s, root + u"/c.mp4"_s,
                                              root + u"/Clips/a.mp4"_s, root + u"/Clips/sub"_s,
                                              root + u"/Clips/sub/b.mp4"_s}));
        QVERIFY(edit->text().isEmpty() || !edit->text().contains(u"B.mp4"_s));
        QCOMPARE(window.inputs().paths(), listed(window));

        // The clear button empties the list and restores the hint.
        QTest::mouseClick(window.findChild<FadeButton *>(u"Button5"_s), Qt::LeftButton);
        QVERIFY(listed(window).isEmpty());
        QVERIFY(window.inputs().isEmpty());
        QVERIFY(hint->isVisible());
        QVERIFY(!start->isEnabled());
    }

    void firstActivationRunsOnce()
    {
        ProgramFolder folder;
        QTemporaryDir media;
        touch(media.filePath(u"clip.mp4"_s));
        RecordingErrorSink errors;
        RecordingLauncher launcher;
        MainWindow window(folder.context({media.filePath(u"clip.mp4"_s), media.filePath(u"none.mp4"_s)}),
                          errors, launcher);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(errors.messages, QStringList());
        QVERIFY(window.startupDone());
        QCOMPARE(listed(window), QStringList({media.filePath(u"clip.mp4"_s)}));
        QCOMPARE(window.findChild<BrowseEdit *>(u"C1_03"_s)->text(), folder.path());

        // Another window takes the focus and gives it back: nothing is read again.
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.runFirstActivation();
        QCOMPARE(listed(window), QStringList({media.filePath(u"clip.mp4"_s)}));
        QVERIFY(errors.messages.isEmpty());
    }

    void failedFirstActivationRunsAgain()
    {
        // Row 1 cannot be applied; row 2 can.
        ProgramFolder folder("broken,AVI,640x480,MJPEG,fast,2048kbps,PCM,48000Hz,128kbps\n"
                             "good,AVI,720x480,MJPEG,25fps,2048kbps,PCM,48000Hz,128kbps\n");
        QTemporaryDir media;
        touch(media.filePath(u"clip.mp4"_s));
        RecordingErrorSink errors;
        RecordingLauncher launcher;
        MainWindow window(folder.context({media.filePath(u"clip.mp4"_s)}), errors, launcher);
        window.runFirstActivation();
        QVERIFY(!window.startupDone());
        QCOMPARE(errors.messages, QStringList({u"'' は整数ではありません."_s}));
        QVERIFY(listed(window).isEmpty()); // the command line comes after the restore

        folder.writeFile(u"Tevaro.ini"_s, "[SET1]\nC0=2\n");
        window.runFirstActivation();
        QVERIFY(window.startupDone());
        QCOMPARE(listed(window), QStringList({media.filePath(u"clip.mp4"_s)}));
        QCOMPARE(errors.messages.size(), 1);
    }

    void outputFolderLosesTrailingSeparators_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one") << u"/srv/video/"_s << u"/srv/video"_s;
        QTest::newRow("several pasted") << u"/srv/video///"_s << u"/srv/video"_s;
        QTest::newRow("inner kept") << u"/srv/a/b"_s << u"/srv/a/b"_s;
        QTest::newRow("root kept") << u"/"_s << u"/"_s;
    }
    void outputFolderLosesTrailingSeparators()
    {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        ProgramFolder folder;
        RecordingErrorSink errors;
        RecordingLauncher launcher;
        MainWindow window(folder.context(), errors, launcher);
        auto *edit = window.findChild<BrowseEdit *>(u"C1_03"_s);
        QCOMPARE(edit->toolTip(), u" 保存先のﾌｫﾙﾀﾞ"_s);
        edit->lineEdit()->setText(typed);
        QCOMPARE(edit->text(), expected);
        QCOMPARE(edit->toolTip(), expected);
        // Typing a separator at the end removes it at once.
        edit->lineEdit()->setFocus();
        edit->lineEdit()->end(false);
        QTest::keyClicks(edit->lineEdit(), u"x/"_s);
        QCOMPARE(edit->text(), (expected == u"/"_s ? u"/x"_s : expected + u"x"_s));
    }

    void titleButtonsOpenGuideAndInformation()
    {
        ProgramFolder folder;
        RecordingErrorSink errors;
        RecordingLauncher launcher;
        ProgramContext context = folder.context();
        context.executablePath = folder.filePath(u"my.tool.exe"_s);
        MainWindow window(context, errors, launcher);
        QTest::mouseClick(window.findChild<FadeButton *>(u"Button3"_s), Qt::LeftButton);
        QTest::mouseClick(window.findChild<FadeButton *>(u"Button4"_s), Qt::LeftButton);
        QCOMPARE(launcher.opened.size(), 2);
        QCOMPARE(launcher.opened.at(0), QUrl::fromLocalFile(folder.path() + u"/Readme.txt"_s));
        QCOMPARE(launcher.opened.at(1).scheme(), u"http"_s);
        QCOMPARE(launcher.opened.at(1).path(), u"/info.php"_s);
        QCOMPARE(launcher.opened.at(1).query(), u"pf=w&sn=my.tool"_s);
        QVERIFY(errors.messages.isEmpty());
    }

    void closeSavesAndAFailedSaveKeepsTheWindowOpen()
    {
        ProgramFolder folder;
        RecordingErrorSink errors;
        RecordingLauncher launcher;
        {
            MainWindow window(folder.context(), errors, launcher);
            window.show();
            window.runFirstActivation();
            QTest::mouseClick(window.findChild<FadeButton *>(u"Button1"_s), Qt::LeftButton);
            QVERIFY(!window.isVisible());
            const QByteArray saved = folder.readFile(u"Tevaro.ini"_s);
            for (const char *key : {"M_LEFT=", "M_TOP=", "C0=1", "C1=30", "C2=", "C3=", "C4=", "C5=", "C11="})
                QVERIFY2(saved.contains(key), key);
        }
        // A folder where the file should be makes every save fail.
        QFile::remove(folder.filePath(u"Tevaro.ini"_s));
        QVERIFY(QDir(folder.path()).mkdir(u"Tevaro.ini"_s));
        MainWindow window(folder.context(), errors, launcher);
        window.show();
        window.runFirstActivation();
        window.close();
        QVERIFY(window.isVisible());
        QCOMPARE(errors.messages.size(), 1);
        QVERIFY(errors.messages.first().endsWith(u"に書き込めません."_s));
        window.close(); // a later close tries again
        QCOMPARE(errors.messages.size(), 2);
    }

    void dragsByItsSurfaceOnly_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QPoint>("by");
        QTest::addColumn<bool>("drags");
        const QPoint right(40, 30);
        const QPoint left(-40, 30);
        QTest::newRow("title label") << QPoint(20, 12) << right << true;
        QTest::newRow("title strip") << QPoint(250, 12) << right << true;
        QTest::newRow("white margin") << QPoint(3, 300) << right << true;
        QTest::newRow("drop shadow") << QPoint(392, 100) << left << true;
        QTest::newRow("parameter panel") << QPoint(116, 388) << right << false;
        QTest::newRow("title button holder") << QPoint(290 + 42, 12) << left << false;
        QTest::newRow("drop hint") << QPoint(100, 80) << right << false;
        QTest::newRow("digit bar") << QPoint(16 + 24 + 20, 196 + 80) << right << false;
    }
    void dragsByItsSurfaceOnly()
    {
        QFETCH(QPoint, point);
        QFETCH(QPoint, by);
        QFETCH(bool, drags);
        ProgramFolder folder;
        RecordingErrorSink errors;
        RecordingLauncher launcher;
        MainWindow window(folder.context(), errors, launcher);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPoint start = window.pos();

        // Pressed through the window, so that the control under the point gets the press first.
        QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, point);
        QTest::mouseMove(window.windowHandle(), point + by);
        // Released where the pointer is, which is a new place in a window that has moved.
        const QPoint pointer = point + by - (window.pos() - start);
        QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, pointer);
        if (drags)
            QTRY_COMPARE(window.pos(), start + by);
        else
            QCOMPARE(window.pos(), start);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
