#include <QFile>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "bevel_panel.h"
#include "fade_button.h"
#include "gradient_progress_bar.h"
#include "palette.h"
#include "progress_window.h"
#include "shape.h"

using namespace Qt::StringLiterals;

namespace {

class FakeBatch : public BatchControl
{
public:
    QString inputPath() const override { return input; }
    QString outputPath() const override { return output; }
    void cancel() override { ++cancels; }

    QString input;
    QString output;
    int cancels = 0;
};

// A file of the given size (sparse, so large ones cost nothing); a size below 0 makes none.
QString sizedFile(const QTemporaryDir &dir, const QString &name, qint64 bytes)
{
    const QString path = dir.filePath(name);
    if (bytes >= 0) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || !file.resize(bytes))
            return QString();
    }
    return path;
}

} // namespace

class TestProgressWindow : public QObject
{
    Q_OBJECT

private:
    FakeBatch m_batch;

    template<typename T> static T *child(const QWidget &window, const QString &name)
    {
        return window.findChild<T *>(name);
    }

private slots:
    void initTestCase() { Look::installFontSubstitutions(); }

    void windowIsSmallBorderlessAndOnTop()
    {
        ProgressWindow window(m_batch);
        QCOMPARE(window.size(), QSize(401, 72));
        QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(window.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(window.isWindow());
        QVERIFY(!window.isVisible());
    }

    void controlsStandAtTheirPlaces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("background") << u"Shape0"_s << QRect(0, 0, 400, 72);
        QTest::newRow("thumbnail frame") << u"Shape1"_s << QRect(5, 5, 82, 62);
        QTest::newRow("thumbnail") << u"Image1"_s << QRect(6, 6, 80, 60);
        QTest::newRow("progress bar") << u"ProgressBar1"_s << QRect(92, 48, 300, 15);
        QTest::newRow("cancel panel") << u"Panel1"_s << QRect(376, 4, 20, 20);
        QTest::newRow("cancel button") << u"Button1"_s << QRect(0, 0, 20, 20);
    }
    void controlsStandAtTheirPlaces()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        ProgressWindow window(m_batch);
        QWidget *control = child<QWidget>(window, name);
        QVERIFY(control);
        QCOMPARE(control->geometry(), geometry);
    }

    void controlsLook()
    {
        ProgressWindow window(m_batch);
        QCOMPARE(child<Shape>(window, u"Shape0"_s)->fill(), Look::PanelBackground);
        QCOMPARE(child<Shape>(window, u"Shape1"_s)->fill(), Look::Black);
        QVERIFY(child<QLabel>(window, u"Image1"_s)->pixmap().isNull());

        for (const QString &name : {u"Label1"_s, u"Label2"_s}) {
            const QLabel *label = child<QLabel>(window, name);
            QVERIFY(label);
            QCOMPARE(label->font().family(), u"Tahoma"_s);
            QCOMPARE(label->font().pixelSize(), 12);
            QVERIFY(label->font().bold());
            QCOMPARE(label->palette().color(QPalette::WindowText), Look::Text);
            QCOMPARE(label->palette().color(QPalette::Window), Look::PanelBackground);
            QVERIFY(label->autoFillBackground());
        }
        QCOMPARE(child<QLabel>(window, u"Label1"_s)->text(), u"***.*** -> ***.***"_s);
        QCOMPARE(child<QLabel>(window, u"Label1"_s)->pos(), QPoint(96, 20));
        QCOMPARE(child<QLabel>(window, u"Label2"_s)->text(), u"0KB -> 0KB"_s);
        QCOMPARE(child<QLabel>(window, u"Label2"_s)->pos(), QPoint(96, 32));

        const FadeButton *cancel = child<FadeButton>(window, u"Button1"_s);
        QCOMPARE(cancel->parentWidget()->objectName(), u"Panel1"_s);
        QCOMPARE(child<BevelPanel>(window, u"Panel1"_s)->color(), Look::Gray);
        QCOMPARE(cancel->text(), u"×"_s);
        QCOMPARE(cancel->toolTip(), u" ｷｬﾝｾﾙ"_s);
        QCOMPARE(cancel->faceColor(), Look::Accent);
        QCOMPARE(cancel->currentBorderColor(), Look::Gray);
        QCOMPARE(cancel->currentCaptionColor(), Look::White);
        QCOMPARE(cancel->font().family(), u"Tahoma"_s);
        QVERIFY(cancel->font().bold());

        const QTimer *poll = child<QTimer>(window, u"Timer1"_s);
        QVERIFY(poll);
        QCOMPARE(poll->interval(), 1000);
        QVERIFY(!poll->isActive());
    }

    // The name line may run past the edge; the bar and the cancel button stay above it.
    void longNamesRunUnderTheCancelButton()
    {
        ProgressWindow window(m_batch);
        window.setNames(QString(200, u'x') + u".mp4 -> "_s + QString(200, u'x') + u".avi"_s);
        const QLabel *names = child<QLabel>(window, u"Label1"_s);
        QVERIFY(names->geometry().right() > window.width());
        QCOMPARE(names->height(), 14);
        QCOMPARE(window.childAt(386, 14), child<QWidget>(window, u"Button1"_s));
        QCOMPARE(window.childAt(200, 55), child<QWidget>(window, u"ProgressBar1"_s));
        QCOMPARE(window.childAt(200, 25), names);
    }

    void percentOfTheBatch_data()
    {
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("text");
        QTest::newRow("3, first") << 3 << 0 << u"0 %"_s;
        QTest::newRow("3, second") << 3 << 1 << u"33 %"_s;
        QTest::newRow("3, third") << 3 << 2 << u"67 %"_s;
        QTest::newRow("1, only") << 1 << 0 << u"0 %"_s;
    }
    void percentOfTheBatch()
    {
        QFETCH(int, maximum);
        QFETCH(int, position);
        QFETCH(QString, text);
        ProgressWindow window(m_batch);
        window.setMaximum(maximum);
        window.setPosition(position);
        QCOMPARE(child<GradientProgressBar>(window, u"ProgressBar1"_s)->percentText(), text);
    }

    void sizesLine_data()
    {
        QTest::addColumn<qint64>("inputBytes");
        QTest::addColumn<qint64>("outputBytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty files") << qint64(0) << qint64(0) << u"0KB -> 0KB"_s;
        QTest::newRow("below one KB") << qint64(999) << qint64(1) << u"0KB -> 0KB"_s;
        QTest::newRow("one KB of 1000 bytes") << qint64(1000) << qint64(1999) << u"1KB -> 1KB"_s;
        QTest::newRow("remainder dropped") << qint64(1999999) << qint64(12345678) << u"1999KB -> 12345KB"_s;
        QTest::newRow("no output yet") << qint64(12345678) << qint64(-1) << u"12345KB -> 0KB"_s;
        QTest::newRow("input gone") << qint64(-1) << qint64(2000) << u"0KB -> 2KB"_s;
        QTest::newRow("beyond 2 GiB") << (qint64(3) << 30) << qint64(0) << u"3221225KB -> 0KB"_s;
    }
    void sizesLine()
    {
        QFETCH(qint64, inputBytes);
        QFETCH(qint64, outputBytes);
        QFETCH(QString, text);
        QTemporaryDir dir;
        m_batch.input = sizedFile(dir, u"in.mp4"_s, inputBytes);
        m_batch.output = sizedFile(dir, u"out.avi"_s, outputBytes);
        ProgressWindow window(m_batch);
        window.pollSizes();
        QCOMPARE(child<QLabel>(window, u"Label2"_s)->text(), text);
    }

    // Until the first tick the line shows the design text, also when the window is shown again.
    void sizesAppearWithThePoll()
    {
        QTemporaryDir dir;
        m_batch.input = sizedFile(dir, u"in.mp4"_s, 5000);
        m_batch.output = sizedFile(dir, u"out.avi"_s, 3000);
        ProgressWindow window(m_batch);
        const QLabel *sizes = child<QLabel>(window, u"Label2"_s);
        window.showView();
        window.setSizePollActive(true);
        QCOMPARE(sizes->text(), u"0KB -> 0KB"_s);
        QTRY_COMPARE_WITH_TIMEOUT(sizes->text(), u"5KB -> 3KB"_s, 10000);

        window.closeView();
        QVERIFY(!window.isVisible());
        QVERIFY(!child<QTimer>(window, u"Timer1"_s)->isActive());
        window.showView();
        QCOMPARE(sizes->text(), u"0KB -> 0KB"_s);
        QCOMPARE(child<QLabel>(window, u"Label1"_s)->text(), u"***.*** -> ***.***"_s);
    }

    void thumbnail()
    {
        QTemporaryDir dir;
        const QString picture = dir.filePath(u"_thumb.jpg"_s);
        QImage image(160, 120, QImage::Format_RGB32);
        image.fill(Qt::red);
        QVERIFY(image.save(picture, "JPG"));
        const QString broken = sizedFile(dir, u"broken.jpg"_s, 100);

        ProgressWindow window(m_batch);
        const QLabel *thumbnail = child<QLabel>(window, u"Image1"_s);
        QVERIFY(window.showThumbnail(picture));
        QCOMPARE(thumbnail->pixmap().size(), QSize(80, 60));
        window.clearThumbnail();
        QVERIFY(thumbnail->pixmap().isNull());
        QVERIFY(!window.showThumbnail(broken));
        QVERIFY(!window.showThumbnail(dir.filePath(u"missing.jpg"_s)));
        QVERIFY(thumbnail->pixmap().isNull());
    }

    void cancelButtonAsksTheBatch()
    {
        ProgressWindow window(m_batch);
        window.showView();
        m_batch.cancels = 0;
        QTest::mouseClick(child<QWidget>(window, u"Button1"_s), Qt::LeftButton);
        QCOMPARE(m_batch.cancels, 1);
    }

    void dragging_data()
    {
        QTest::addColumn<QString>("pressed");
        QTest::addColumn<bool>("moves");
        QTest::newRow("names") << u"Label1"_s << true;
        QTest::newRow("sizes") << u"Label2"_s << true;
        QTest::newRow("thumbnail") << u"Image1"_s << true;
        QTest::newRow("progress bar") << u"ProgressBar1"_s << false;
        QTest::newRow("cancel panel") << u"Panel1"_s << false;
    }
    void dragging()
    {
        QFETCH(QString, pressed);
        QFETCH(bool, moves);
        ProgressWindow window(m_batch);
        window.showView();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPoint before = window.pos();
        QWidget *control = child<QWidget>(window, pressed);
        const QPoint at(2, 2);
        QTest::mousePress(control, Qt::LeftButton, {}, at);
        QTest::mouseMove(control, at + QPoint(30, 20));
        QTest::mouseRelease(control, Qt::LeftButton, {}, at + QPoint(30, 20));
        QCOMPARE(window.pos() != before, moves);
    }
};

QTEST_MAIN(TestProgressWindow)
#include "tst_progress_window.moc"
