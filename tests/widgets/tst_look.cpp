#include <QFontInfo>
#include <QTest>

#include "palette.h"

using namespace Qt::StringLiterals;

class TestLook : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Look::installFontSubstitutions(); }
    void designFontsResolve_data();
    void designFontsResolve();
    void installingTwiceIsHarmless();
};

void TestLook::designFontsResolve_data()
{
    QTest::addColumn<QFont>("font");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<bool>("bold");

    QTest::newRow("gothic 12, window default") << Look::gothic(12) << u"IPAPGothic"_s << 12 << false;
    QTest::newRow("gothic 11, lists and edit") << Look::gothic(11) << u"IPAPGothic"_s << 11 << false;
    QTest::newRow("gothic 11 bold, shadow labels") << Look::gothic(11, true) << u"IPAPGothic"_s << 11 << true;
    QTest::newRow("gothic 16 bold, hints") << Look::gothic(16, true) << u"IPAPGothic"_s << 16 << true;
    QTest::newRow("tahoma 12 bold, title") << Look::tahoma(12, true) << u"Tahoma"_s << 12 << true;
    QTest::newRow("tahoma 12") << Look::tahoma(12) << u"Tahoma"_s << 12 << false;
}

void TestLook::designFontsResolve()
{
    QFETCH(QFont, font);
    QFETCH(QString, family);
    QFETCH(int, pixels);
    QFETCH(bool, bold);

    QCOMPARE(font.family(),
             QString::fromUtf16(family == u"Tahoma"_s ? Look::TahomaFamily : Look::GothicFamily));
    const QFontInfo info(font);
    QCOMPARE(info.family(), family);
    QCOMPARE(info.pixelSize(), pixels);
    QCOMPARE(info.bold(), bold);
}

void TestLook::installingTwiceIsHarmless()
{
    Look::installFontSubstitutions();
    QCOMPARE(QFontInfo(Look::gothic(12)).family(), u"IPAPGothic"_s);
    QCOMPARE(QFontInfo(Look::tahoma(12, true)).family(), u"Tahoma"_s);
}

QTEST_MAIN(TestLook)
#include "tst_look.moc"
