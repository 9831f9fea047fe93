#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include "digit_bar.h"
#include "palette.h"
#include "support/pixels.h"

using namespace Qt::StringLiterals;

namespace {

// A window holding a digit bar of the main window's size and a control after it in the tab chain.
struct BarWindow
{
    QWidget window;
    DigitBar *bar = new DigitBar(&window);
    QLineEdit *next = new QLineEdit(&window);

    BarWindow(int minimum, int maximum, int value)
    {
        bar->setGeometry(24, 8, 40, 160);
        next->setGeometry(80, 8, 60, 20);
        bar->setRange(minimum, maximum);
        bar->setValue(value);
        bar->setButtonHeight(16);
        bar->setFocusColor(Look::VideoValues);
        bar->setFont(Look::gothic(12));
        window.resize(160, 180);
    }

    bool show()
    {
        window.show();
        QApplication::setActiveWindow(&window);
        return QTest::qWaitForWindowActive(&window);
    }
};

} // namespace

class TestDigitBar : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Look::installFontSubstitutions(); }
    void buttonsStepAndWrap_data();
    void buttonsStepAndWrap();
    void arrowKeysStepAndWrap_data();
    void arrowKeysStepAndWrap();
    void enterMovesTheFocusOn();
    void settingClamps_data();
    void settingClamps();
    void narrowingTheRangeClampsTheValue();
    void trackPressSetsTheValueInProportion_data();
    void trackPressSetsTheValueInProportion();
    void pressingOnTheBoxKeepsTheValue();
    void draggingInTheTrackFollowsThePointer();
    void boxStandsAtTheBottomForMinimumAndAtTheTopForMaximum();
    void heldButtonRepeatsUntilReleased();
    void boxIsWhiteAndTakesTheFocusColourWhileFocused();
};

void TestDigitBar::buttonsStepAndWrap_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("up");
    QTest::addColumn<int>("expected");

    QTest::newRow("fps up") << 1 << 30 << 29 << true << 30;
    QTest::newRow("fps up at the top wraps") << 1 << 30 << 30 << true << 1;
    QTest::newRow("fps down at the bottom wraps") << 1 << 30 << 1 << false << 30;
    QTest::newRow("video kbps down") << 512 << 8000 << 2048 << false << 2047;
    QTest::newRow("video kbps up at the top wraps") << 512 << 8000 << 8000 << true << 512;
    QTest::newRow("video kbps down at the bottom wraps") << 512 << 8000 << 512 << false << 8000;
    QTest::newRow("audio kbps up") << 64 << 320 << 128 << true << 129;
    QTest::newRow("audio kbps up at the top wraps") << 64 << 320 << 320 << true << 64;
    QTest::newRow("audio kbps down at the bottom wraps") << 64 << 320 << 64 << false << 320;
}

void TestDigitBar::buttonsStepAndWrap()
{
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, start);
    QFETCH(bool, up);
    QFETCH(int, expected);

    BarWindow w(minimum, maximum, start);
    QVERIFY(w.show());
    QSignalSpy changes(w.bar, &DigitBar::valueChanged);
    const QRect button = up ? w.bar->upButtonRect() : w.bar->downButtonRect();
    QCOMPARE(button.height(), 16);
    QCOMPARE(button.top(), up ? 0 : 160 - 16);
    QTest::mouseClick(w.bar, Qt::LeftButton, {}, button.center());
    QCOMPARE(w.bar->value(), expected);
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.first().first().toInt(), expected);
}

void TestDigitBar::arrowKeysStepAndWrap_data()
{
    buttonsStepAndWrap_data();
}

void TestDigitBar::arrowKeysStepAndWrap()
{
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, start);
    QFETCH(bool, up);
    QFETCH(int, expected);

    BarWindow w(minimum, maximum, start);
    QVERIFY(w.show());
    w.bar->setFocus();
    QTest::keyClick(w.bar, up ? Qt::Key_Up : Qt::Key_Down);
    QCOMPARE(w.bar->value(), expected);
    QVERIFY(w.bar->hasFocus());
}

void TestDigitBar::enterMovesTheFocusOn()
{
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        BarWindow w(1, 30, 30);
        QVERIFY(w.show());
        w.bar->setFocus();
        QVERIFY(w.bar->hasFocus());
        QTest::keyClick(w.bar, key);
        QVERIFY(w.next->hasFocus());
        QCOMPARE(w.bar->value(), 30);
    }
}

void TestDigitBar::settingClamps_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("expected");

    QTest::newRow("fps below") << 1 << 30 << 0 << 1;
    QTest::newRow("fps far below") << 1 << 30 << -2147483647 - 1 << 1;
    QTest::newRow("fps above") << 1 << 30 << 60 << 30;
    QTest::newRow("fps inside") << 1 << 30 << 24 << 24;
    QTest::newRow("video kbps below") << 512 << 8000 << 500 << 512;
    QTest::newRow("video kbps above") << 512 << 8000 << 2147483647 << 8000;
    QTest::newRow("audio kbps below") << 64 << 320 << 63 << 64;
    QTest::newRow("audio kbps above") << 64 << 320 << 321 << 320;
}

void TestDigitBar::settingClamps()
{
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, set);
    QFETCH(int, expected);

    DigitBar bar;
    bar.setRange(minimum, maximum);
    bar.setValue(minimum == 1 ? 2 : minimum + 1);
    QSignalSpy changes(&bar, &DigitBar::valueChanged);
    bar.setValue(set);
    QCOMPARE(bar.value(), expected);
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.first().first().toInt(), expected);

    // Clamped onto the value it already has: no change to report.
    bar.setValue(set);
    QCOMPARE(changes.size(), 1);
}

void TestDigitBar::narrowingTheRangeClampsTheValue()
{
    DigitBar bar;
    bar.setRange(512, 8000);
    bar.setValue(8000);
    QSignalSpy changes(&bar, &DigitBar::valueChanged);
    bar.setRange(64, 320);
    QCOMPARE(bar.value(), 320);
    QCOMPARE(changes.size(), 1);
    bar.setRange(1000, 2000);
    QCOMPARE(bar.value(), 1000);
    // A maximum below the minimum leaves a one-value range.
    bar.setRange(10, 5);
    QCOMPARE(bar.minimum(), 10);
    QCOMPARE(bar.maximum(), 10);
    QCOMPARE(bar.value(), 10);
}

void TestDigitBar::trackPressSetsTheValueInProportion_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::newRow("fps") << 1 << 30;
    QTest::newRow("video kbps") << 512 << 8000;
    QTest::newRow("audio kbps") << 64 << 320;
}

void TestDigitBar::trackPressSetsTheValueInProportion()
{
    QFETCH(int, minimum);
    QFETCH(int, maximum);

    BarWindow w(minimum, maximum, minimum + 1);
    QVERIFY(w.show());
    const QRect track = w.bar->trackRect();
    QCOMPARE(track.top(), 16);
    QCOMPARE(track.bottom(), 160 - 16 - 1);

    QTest::mouseClick(w.bar, Qt::LeftButton, {}, QPoint(20, track.top()));
    QCOMPARE(w.bar->value(), maximum);
    QTest::mouseClick(w.bar, Qt::LeftButton, {}, QPoint(20, track.bottom()));
    QCOMPARE(w.bar->value(), minimum);

    // Halfway between the two ends gives the middle of the range (within a pixel's worth).
    const int highest = w.bar->valueAtTrackY(track.top());
    QCOMPARE(highest, maximum);
    int top = track.top();
    while (w.bar->valueAtTrackY(top + 1) == maximum)
        ++top;
    int bottom = track.bottom();
    while (w.bar->valueAtTrackY(bottom - 1) == minimum)
        --bottom;
    const int middleY = (top + bottom + 1) / 2;
    QTest::mouseClick(w.bar, Qt::LeftButton, {}, QPoint(20, middleY));
    const double perPixel = double(maximum - minimum) / double(bottom - top);
    QVERIFY2(qAbs(w.bar->value() - (minimum + maximum) / 2.0) <= perPixel + 1,
             qPrintable(QString::number(w.bar->value())));

    // Higher is never less.
    int previous = minimum;
    for (int y = track.bottom(); y >= track.top(); --y) {
        const int value = w.bar->valueAtTrackY(y);
        QVERIFY(value >= previous);
        previous = value;
    }
}

void TestDigitBar::pressingOnTheBoxKeepsTheValue()
{
    BarWindow w(1, 30, 1);
    QVERIFY(w.show());
    for (int value = 1; value <= 30; ++value) {
        w.bar->setValue(value);
        QTest::mouseClick(w.bar, Qt::LeftButton, {}, w.bar->valueBox().center());
        QCOMPARE(w.bar->value(), value);
    }
}

void TestDigitBar::draggingInTheTrackFollowsThePointer()
{
    BarWindow w(64, 320, 128);
    QVERIFY(w.show());
    const QRect track = w.bar->trackRect();
    QSignalSpy changes(w.bar, &DigitBar::valueChanged);

    QTest::mousePress(w.bar, Qt::LeftButton, {}, QPoint(20, track.bottom()));
    QCOMPARE(w.bar->value(), 64);
    QTest::mouseMove(w.bar, QPoint(20, track.center().y()));
    QVERIFY(w.bar->value() > 64 && w.bar->value() < 320);
    QTest::mouseMove(w.bar, QPoint(20, track.top() - 10));
    QCOMPARE(w.bar->value(), 320);
    QTest::mouseRelease(w.bar, Qt::LeftButton, {}, QPoint(20, track.top() - 10));
    QCOMPARE(changes.last().first().toInt(), 320);

    // A move without the button does nothing.
    QTest::mouseMove(w.bar, QPoint(20, track.bottom()));
    QCOMPARE(w.bar->value(), 320);
}

void TestDigitBar::boxStandsAtTheBottomForMinimumAndAtTheTopForMaximum()
{
    BarWindow w(512, 8000, 512);
    const QRect track = w.bar->trackRect();
    QCOMPARE(w.bar->valueBox().bottom(), track.bottom());
    w.bar->setValue(8000);
    QCOMPARE(w.bar->valueBox().top(), track.top());
    w.bar->setValue(4256);
    const QRect middle = w.bar->valueBox();
    QVERIFY(qAbs(middle.center().y() - track.center().y()) <= 1);
}

void TestDigitBar::heldButtonRepeatsUntilReleased()
{
    BarWindow w(1, 30, 28);
    QVERIFY(w.show());
    w.bar->setRepeatTiming(40, 20);
    auto *timer = w.bar->findChild<QTimer *>(u"repeatTimer"_s);
    QVERIFY(timer);
    QSignalSpy changes(w.bar, &DigitBar::valueChanged);

    const QPoint up = w.bar->upButtonRect().center();
    QTest::mousePress(w.bar, Qt::LeftButton, {}, up);
    QCOMPARE(w.bar->value(), 29);
    QVERIFY(timer->isActive());
    // The repeats wrap like single steps: 30, then 1.
    QTRY_VERIFY_WITH_TIMEOUT(changes.size() >= 3, 10000);
    QCOMPARE(changes.at(1).first().toInt(), 30);
    QCOMPARE(changes.at(2).first().toInt(), 1);
    QTest::mouseRelease(w.bar, Qt::LeftButton, {}, up);
    QVERIFY(!timer->isActive());

    // Disabling the bar while a button is held stops the repeat too.
    QTest::mousePress(w.bar, Qt::LeftButton, {}, w.bar->downButtonRect().center());
    QVERIFY(timer->isActive());
    w.bar->setEnabled(false);
    QVERIFY(!timer->isActive());
}

void TestDigitBar::boxIsWhiteAndTakesTheFocusColourWhileFocused()
{
    BarWindow w(1, 30, 15);
    QVERIFY(w.show());
    w.next->setFocus();
    QVERIFY(!w.bar->hasFocus());

    // Just inside the box's sunken edge, left of the centred number.
    const QPoint inside = w.bar->valueBox().topLeft() + QPoint(3, 3);
    QImage image = Pixels::grab(w.bar);
    QCOMPARE(image.pixelColor(inside), Look::White);

    w.bar->setFocus();
    QVERIFY(w.bar->hasFocus());
    image = Pixels::grab(w.bar);
    QCOMPARE(image.pixelColor(inside), Look::VideoValues);

    // The number itself is drawn in the palette's text colour.
    QPalette palette = w.bar->palette();
    palette.setColor(QPalette::WindowText, Look::Text);
    w.bar->setPalette(palette);
    QFont font = Look::gothic(12);
    font.setStyleStrategy(QFont::NoAntialias);
    w.bar->setFont(font);
    image = Pixels::grab(w.bar);
    const QRect number = Pixels::boundsOf(image, w.bar->valueBox(), Look::Text);
    QVERIFY(number.isValid());
    QVERIFY(w.bar->valueBox().contains(number.center()));
}

QTEST_MAIN(TestDigitBar)
#include "tst_digit_bar.moc"
