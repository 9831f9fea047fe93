#include <QTest>

#include "palette.h"
#include "shadow_label.h"
#include "support/pixels.h"

using namespace Qt::StringLiterals;

namespace {

// A panel-coloured parent shows through the label's transparent background.
struct LabelOnPanel
{
    QWidget panel;
    ShadowLabel *label = new ShadowLabel(u"動画ﾌﾚｰﾑﾚｰﾄ"_s, &panel);

    LabelOnPanel(const QRect &geometry, Qt::Alignment alignment)
    {
        panel.setAutoFillBackground(true);
        QPalette colours = panel.palette();
        colours.setColor(QPalette::Window, Look::PanelBackground);
        colours.setColor(QPalette::WindowText, Look::Text);
        panel.setPalette(colours);
        panel.resize(200, 60);
        QFont font = Look::gothic(11, true);
        font.setStyleStrategy(QFont::NoAntialias);
        label->setFont(font);
        label->setGeometry(geometry);
        label->setAlignment(alignment);
    }
};

} // namespace

class TestShadowLabel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Look::installFontSubstitutions(); }
    void silverCopyOnePixelRightAndDown_data();
    void silverCopyOnePixelRightAndDown();
    void alignment_data();
    void alignment();
    void leavesThePointerToWhatLiesBeneath();
};

void TestShadowLabel::silverCopyOnePixelRightAndDown_data()
{
    QTest::addColumn<int>("alignment");
    QTest::newRow("left") << int(Qt::AlignLeft);
    QTest::newRow("right") << int(Qt::AlignRight);
}

void TestShadowLabel::silverCopyOnePixelRightAndDown()
{
    QFETCH(int, alignment);
    const QRect geometry(20, 20, 120, 14);
    LabelOnPanel w(geometry, Qt::Alignment(alignment));
    const QImage image = Pixels::grab(&w.panel);

    const QString failure = Pixels::checkShadowedText(image, geometry, Look::Text, Look::Silver);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY(Pixels::boundsOf(image, geometry, Look::Silver).isValid());

    // Nothing else is painted: outside the text and its shadow the panel shows through.
    const QRect text = Pixels::boundsOf(image, geometry, Look::Text);
    const QRect painted = text.adjusted(0, 0, 1, 1);
    for (int y = geometry.top(); y <= geometry.bottom(); ++y) {
        for (int x = geometry.left(); x <= geometry.right(); ++x) {
            if (!painted.contains(x, y))
                QVERIFY2(image.pixelColor(x, y) == Look::PanelBackground,
                         qPrintable(Pixels::describe(image, x, y)));
        }
    }
}

void TestShadowLabel::alignment_data()
{
    QTest::addColumn<int>("alignment");
    QTest::newRow("left") << int(Qt::AlignLeft);
    QTest::newRow("right") << int(Qt::AlignRight);
    QTest::newRow("right, asked to sit at the top") << int(Qt::AlignRight | Qt::AlignTop);
}

void TestShadowLabel::alignment()
{
    QFETCH(int, alignment);
    // Taller than the text, to see the vertical centring.
    const QRect geometry(20, 5, 150, 40);
    LabelOnPanel w(geometry, Qt::Alignment(alignment));
    QCOMPARE(w.label->alignment() & Qt::AlignVertical_Mask, Qt::AlignVCenter);
    const QImage image = Pixels::grab(&w.panel);
    const QRect text = Pixels::boundsOf(image, geometry, Look::Text);
    const QRect shadow = Pixels::boundsOf(image, geometry, Look::Silver);
    QVERIFY(text.isValid() && shadow.isValid());

    if (alignment & Qt::AlignRight) {
        // The shadow still fits: it ends on the label's last column.
        QVERIFY2(shadow.right() <= geometry.right() && shadow.right() >= geometry.right() - 3,
                 qPrintable(QString::number(shadow.right())));
    } else {
        QVERIFY2(text.left() >= geometry.left() && text.left() <= geometry.left() + 3,
                 qPrintable(QString::number(text.left())));
    }
    QVERIFY2(qAbs(text.center().y() - geometry.center().y()) <= 3,
             qPrintable(QString::number(text.center().y())));
}

void TestShadowLabel::leavesThePointerToWhatLiesBeneath()
{
    ShadowLabel label(u"(fps)"_s);
    QVERIFY(label.testAttribute(Qt::WA_TransparentForMouseEvents));
    QVERIFY(!label.autoFillBackground());
}

QTEST_MAIN(TestShadowLabel)
#include "tst_shadow_label.moc"
