#include <QFontInfo>
#include <QTest>

#include "gradient_progress_bar.h"
#include "palette.h"
#include "support/pixels.h"

using namespace Qt::StringLiterals;

class TestGradientProgressBar : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Look::installFontSubstitutions(); }
    void percent_data();
    void percent();
    void valueStaysInRange();
    void doneWidth_data();
    void doneWidth();
    void fill_data();
    void fill();
    void bevel();
    void defaultLook();
    void pressStaysOnTheBar();
};

void TestGradientProgressBar::percent_data()
{
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("0 of 3") << 3 << 0 << u"0 %"_s;
    QTest::newRow("1 of 3") << 3 << 1 << u"33 %"_s;
    QTest::newRow("2 of 3") << 3 << 2 << u"67 %"_s;
    QTest::newRow("3 of 3") << 3 << 3 << u"100 %"_s;
    QTest::newRow("0 of 1") << 1 << 0 << u"0 %"_s;
    QTest::newRow("half up: 1 of 8") << 8 << 1 << u"13 %"_s;
    QTest::newRow("2 of 7") << 7 << 2 << u"29 %"_s;
    QTest::newRow("5 of 10") << 10 << 5 << u"50 %"_s;
    QTest::newRow("199 of 200") << 200 << 199 << u"100 %"_s;
    QTest::newRow("1 of 1000") << 1000 << 1 << u"0 %"_s;
    QTest::newRow("no maximum") << 0 << 0 << u"0 %"_s;
    QTest::newRow("large") << 2000000000 << 1000000000 << u"50 %"_s;
}

void TestGradientProgressBar::percent()
{
    QFETCH(int, maximum);
    QFETCH(int, value);
    QFETCH(QString, text);
    GradientProgressBar bar;
    bar.setMaximum(maximum);
    bar.setValue(value);
    QCOMPARE(bar.percentText(), text);
}

void TestGradientProgressBar::valueStaysInRange()
{
    GradientProgressBar bar;
    QCOMPARE(bar.maximum(), 10);
    bar.setMaximum(3);
    bar.setValue(5);
    QCOMPARE(bar.value(), 3);
    bar.setValue(-1);
    QCOMPARE(bar.value(), 0);
    bar.setValue(3);
    bar.setMaximum(2);
    QCOMPARE(bar.value(), 2);
    bar.setMaximum(-4);
    QCOMPARE(bar.maximum(), 0);
    QCOMPARE(bar.value(), 0);
    QCOMPARE(bar.doneWidth(), 0);
}

void TestGradientProgressBar::doneWidth_data()
{
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("done");
    // The bar inside the bevel is 296 pixels wide.
    QTest::newRow("empty") << 10 << 0 << 0;
    QTest::newRow("quarter") << 4 << 1 << 74;
    QTest::newRow("half") << 2 << 1 << 148;
    QTest::newRow("third") << 3 << 1 << 99;
    QTest::newRow("full") << 3 << 3 << 296;
}

void TestGradientProgressBar::doneWidth()
{
    QFETCH(int, maximum);
    QFETCH(int, value);
    QFETCH(int, done);
    GradientProgressBar bar;
    bar.resize(300, 15);
    bar.setMaximum(maximum);
    bar.setValue(value);
    QCOMPARE(bar.barRect(), QRect(2, 2, 296, 11));
    QCOMPARE(bar.doneWidth(), done);
}

void TestGradientProgressBar::fill_data()
{
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("x");
    QTest::addColumn<QColor>("expected");

    // Gray at the bar's left edge, white at its right edge, across the whole bar: a quarter-full
    // bar ends in a dark gray, not in white.
    QTest::newRow("quarter, left edge") << 4 << 1 << 2 << Look::Gray;
    QTest::newRow("quarter, last done pixel") << 4 << 1 << 75 << QColor(0x9F, 0x9F, 0x9F);
    QTest::newRow("quarter, first pixel left") << 4 << 1 << 76 << Look::Black;
    QTest::newRow("quarter, far right") << 4 << 1 << 290 << Look::Black;
    QTest::newRow("three quarters, near its end") << 4 << 3 << 220 << QColor(0xDE, 0xDE, 0xDE);
    QTest::newRow("three quarters, rest") << 4 << 3 << 230 << Look::Black;
    QTest::newRow("full, right edge") << 1 << 1 << 297 << Look::White;
    QTest::newRow("full, left edge") << 1 << 1 << 2 << Look::Gray;
    QTest::newRow("empty") << 1 << 0 << 2 << Look::Black;
}

void TestGradientProgressBar::fill()
{
    QFETCH(int, maximum);
    QFETCH(int, value);
    QFETCH(int, x);
    QFETCH(QColor, expected);

    GradientProgressBar bar;
    bar.resize(300, 15);
    bar.setMaximum(maximum);
    bar.setValue(value);
    const QImage image = Pixels::grab(&bar);
    // Top and bottom rows of the bar, clear of the centred percentage.
    for (int y : {2, 12})
        QVERIFY2(Pixels::near(image.pixelColor(x, y), expected, 2),
                 qPrintable(Pixels::describe(image, x, y)));
}

void TestGradientProgressBar::bevel()
{
    GradientProgressBar bar;
    bar.resize(300, 15);
    bar.setMaximum(1);
    bar.setValue(1);
    const QImage image = Pixels::grab(&bar);
    // Lowered: dark above and left, light below and right, two pixels deep.
    QCOMPARE(image.pixelColor(0, 0), Look::Gray);
    QCOMPARE(image.pixelColor(0, 7), Look::Gray);
    QCOMPARE(image.pixelColor(150, 1), QColor(0x40, 0x40, 0x40));
    QCOMPARE(image.pixelColor(299, 14), Look::White);
    QCOMPARE(image.pixelColor(150, 14), Look::White);
    QCOMPARE(image.pixelColor(298, 7), QColor(0xD4, 0xD0, 0xC8));
}

void TestGradientProgressBar::defaultLook()
{
    GradientProgressBar bar;
    QCOMPARE(bar.palette().color(QPalette::WindowText), Look::Text);
    QCOMPARE(QFontInfo(bar.font()).family(), u"IPAPGothic"_s);
    QCOMPARE(bar.font().pixelSize(), 11);

    // The percentage stands in the middle, in the text colour.
    QFont font = bar.font();
    font.setStyleStrategy(QFont::NoAntialias);
    bar.setFont(font);
    bar.resize(300, 15);
    bar.setMaximum(3);
    bar.setValue(2);
    const QImage image = Pixels::grab(&bar);
    const QRect text = Pixels::boundsOf(image, bar.barRect(), Look::Text);
    QVERIFY(text.isValid());
    QVERIFY2(qAbs(text.center().x() - 150) <= 3, qPrintable(QString::number(text.center().x())));
    QVERIFY2(text.width() > 10 && text.width() < 60, qPrintable(QString::number(text.width())));
}

void TestGradientProgressBar::pressStaysOnTheBar()
{
    // The window behind the bar would start a drag on any press that reaches it.
    class Window : public QWidget
    {
    public:
        int presses = 0;

    protected:
        void mousePressEvent(QMouseEvent *) override { ++presses; }
    } window;
    window.resize(401, 72);
    auto *bar = new GradientProgressBar(&window);
    bar->setGeometry(92, 48, 300, 15);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(20, 7));
    QCOMPARE(window.presses, 0);
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(20, 20));
    QCOMPARE(window.presses, 1);
}

QTEST_MAIN(TestGradientProgressBar)
#include "tst_gradient_progress_bar.moc"
