#include <QEnterEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "fade_button.h"
#include "palette.h"
#include "support/pixels.h"

using namespace Qt::StringLiterals;

namespace {

// The title-bar buttons' settings; each test changes what it is about.
void styleAsTitleButton(FadeButton &button)
{
    button.setColor(Look::TitleButtonFace);
    button.setDestColor(Look::Accent);
    button.setBorderColor(Look::Gray);
    button.setBorderDestColor(Look::Black);
    button.setCaptionColor(Look::White);
    button.setCaptionOverColor(Look::Yellow);
    button.setShowBorder(true);
    button.setBorderHeight(1);
    button.setFadeOnOver(true);
    button.setFadeOnLeave(true);
    button.setStep(2);
    button.setSpeed(12);
}

void pointerIn(FadeButton &button)
{
    QEnterEvent event(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(&button, &event);
}

void pointerOut(FadeButton &button)
{
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(&button, &event);
}

} // namespace

class TestFadeButton : public QObject
{
    Q_OBJECT

private slots:
    void atRest();
    void pointerOverAndLeave_data();
    void pointerOverAndLeave();
    void fadeStepsPerChannel();
    void fadeRunsOnItsOwnTimer();
    void returnsMidwayWhenThePointerLeavesDuringTheFade();
    void disabledLooksTheSameAndIgnoresThePointer();
    void disabledIgnoresClicks();
    void disablingUnderThePointerGoesBackToRest();
    void followsTheRealPointer();
    void paintsFaceBorderAndCaption_data();
    void paintsFaceBorderAndCaption();
};

void TestFadeButton::atRest()
{
    FadeButton button(u"info."_s);
    styleAsTitleButton(button);
    QCOMPARE(button.faceColor(), Look::TitleButtonFace);
    QCOMPARE(button.currentBorderColor(), Look::Gray);
    QCOMPARE(button.currentCaptionColor(), Look::White);
    QVERIFY(!button.isHovered());
    QVERIFY(!button.isFading());
    QCOMPARE(button.focusPolicy(), Qt::NoFocus);
}

void TestFadeButton::pointerOverAndLeave_data()
{
    QTest::addColumn<QColor>("color");
    QTest::addColumn<QColor>("destColor");
    QTest::addColumn<bool>("fadeOnOver");
    QTest::addColumn<bool>("fadeOnLeave");

    QTest::newRow("title button, fades both ways") << Look::TitleButtonFace << Look::Accent << true << true;
    QTest::newRow("fades in only") << Look::TitleButtonFace << Look::Accent << true << false;
    QTest::newRow("fades out only") << Look::TitleButtonFace << Look::Accent << false << true;
    QTest::newRow("clear button, no fade") << Look::Accent << Look::Silver << false << false;
    QTest::newRow("start button, face never changes") << Look::Accent << Look::Accent << false << false;
}

void TestFadeButton::pointerOverAndLeave()
{
    QFETCH(QColor, color);
    QFETCH(QColor, destColor);
    QFETCH(bool, fadeOnOver);
    QFETCH(bool, fadeOnLeave);

    FadeButton button(u"×"_s);
    styleAsTitleButton(button);
    button.setColor(color);
    button.setDestColor(destColor);
    button.setFadeOnOver(fadeOnOver);
    button.setFadeOnLeave(fadeOnLeave);

    pointerIn(button);
    QVERIFY(button.isHovered());
    // Caption and border change at once, whatever the face does.
    QCOMPARE(button.currentCaptionColor(), Look::Yellow);
    QCOMPARE(button.currentBorderColor(), Look::Black);
    if (fadeOnOver && color != destColor) {
        QCOMPARE(button.faceColor(), color);
        QVERIFY(button.isFading());
        QTRY_COMPARE_WITH_TIMEOUT(button.faceColor(), destColor, 10000);
    } else {
        QCOMPARE(button.faceColor(), destColor);
    }
    QVERIFY(!button.isFading());

    pointerOut(button);
    QVERIFY(!button.isHovered());
    QCOMPARE(button.currentCaptionColor(), Look::White);
    QCOMPARE(button.currentBorderColor(), Look::Gray);
    if (fadeOnLeave && color != destColor) {
        QCOMPARE(button.faceColor(), destColor);
        QVERIFY(button.isFading());
        QTRY_COMPARE_WITH_TIMEOUT(button.faceColor(), color, 10000);
    } else {
        QCOMPARE(button.faceColor(), color);
    }
    QVERIFY(!button.isFading());
}

void TestFadeButton::fadeStepsPerChannel()
{
    FadeButton button(u"?"_s);
    styleAsTitleButton(button);
    pointerIn(button);

    // #ACAC59 to #C0C083 by 2: red and green arrive after 10 steps and stay, blue goes on.
    button.advanceFade();
    QCOMPARE(button.faceColor(), QColor(0xAE, 0xAE, 0x5B));
    for (int i = 1; i < 11; ++i)
        button.advanceFade();
    QCOMPARE(button.faceColor(), QColor(0xC0, 0xC0, 0x6F));
    QVERIFY(button.isFading());
    for (int i = 11; i < 21; ++i)
        button.advanceFade();
    QCOMPARE(button.faceColor(), QColor(0xC0, 0xC0, 0x83));
    QVERIFY(!button.isFading());

    // Back with a larger step, which must not overshoot.
    button.setStep(5);
    pointerOut(button);
    button.advanceFade();
    QCOMPARE(button.faceColor(), QColor(0xBB, 0xBB, 0x7E));
    for (int i = 0; i < 20; ++i)
        button.advanceFade();
    QCOMPARE(button.faceColor(), Look::TitleButtonFace);
    QVERIFY(!button.isFading());
}

void TestFadeButton::fadeRunsOnItsOwnTimer()
{
    FadeButton button(u"_"_s);
    styleAsTitleButton(button);
    button.setSpeed(7);
    auto *timer = button.findChild<QTimer *>(u"fadeTimer"_s);
    QVERIFY(timer);
    QCOMPARE(timer->interval(), 7);

    QSignalSpy changes(&button, &FadeButton::faceColorChanged);
    pointerIn(button);
    QVERIFY(timer->isActive());
    QVERIFY(changes.wait(5000));
    QCOMPARE(changes.first().first().value<QColor>(), QColor(0xAE, 0xAE, 0x5B));
    QTRY_VERIFY_WITH_TIMEOUT(!timer->isActive(), 10000);
    // One signal per step: 21 steps for the blue channel.
    QCOMPARE(changes.size(), 21);
    QCOMPARE(changes.last().first().value<QColor>(), Look::Accent);
}

void TestFadeButton::returnsMidwayWhenThePointerLeavesDuringTheFade()
{
    FadeButton button(u"info."_s);
    styleAsTitleButton(button);
    pointerIn(button);
    for (int i = 0; i < 3; ++i)
        button.advanceFade();
    QCOMPARE(button.faceColor(), QColor(0xB2, 0xB2, 0x5F));

    pointerOut(button);
    QVERIFY(button.isFading());
    button.advanceFade();
    QCOMPARE(button.faceColor(), QColor(0xB0, 0xB0, 0x5D));

    // Without fading on leave the face jumps back from wherever it was.
    pointerIn(button);
    button.advanceFade();
    button.setFadeOnLeave(false);
    pointerOut(button);
    QCOMPARE(button.faceColor(), Look::TitleButtonFace);
    QVERIFY(!button.isFading());
}

void TestFadeButton::disabledLooksTheSameAndIgnoresThePointer()
{
    QWidget window;
    auto *enabled = new FadeButton(u"[ 変換開始 ]"_s, &window);
    auto *disabled = new FadeButton(u"[ 変換開始 ]"_s, &window);
    for (FadeButton *button : {enabled, disabled}) {
        styleAsTitleButton(*button);
        button->setColor(Look::Accent);
        button->setDestColor(Look::Accent);
        button->setBorderHeight(2);
        button->setFadeOnOver(false);
        button->setFadeOnLeave(false);
        button->setFont(Look::gothic(12, true));
        button->resize(348, 40);
    }
    disabled->setEnabled(false);
    QCOMPARE(Pixels::grab(disabled), Pixels::grab(enabled));

    pointerIn(*disabled);
    QVERIFY(!disabled->isHovered());
    QCOMPARE(disabled->currentCaptionColor(), Look::White);
    QCOMPARE(disabled->currentBorderColor(), Look::Gray);
    QCOMPARE(disabled->faceColor(), Look::Accent);
    QCOMPARE(Pixels::grab(disabled), Pixels::grab(enabled));
}

void TestFadeButton::disabledIgnoresClicks()
{
    QWidget window;
    auto *button = new FadeButton(u"[ 変換開始 ]"_s, &window);
    button->setGeometry(20, 32, 348, 40);
    window.resize(400, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clicks(button, &FadeButton::clicked);

    button->setEnabled(false);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(clicks.size(), 0);

    button->setEnabled(true);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(clicks.size(), 1);
}

void TestFadeButton::disablingUnderThePointerGoesBackToRest()
{
    FadeButton button(u"info."_s);
    styleAsTitleButton(button);
    pointerIn(button);
    button.advanceFade();
    button.setEnabled(false);
    QVERIFY(!button.isHovered());
    QVERIFY(!button.isFading());
    QCOMPARE(button.faceColor(), Look::TitleButtonFace);
    QCOMPARE(button.currentCaptionColor(), Look::White);
    QCOMPARE(button.currentBorderColor(), Look::Gray);
}

void TestFadeButton::followsTheRealPointer()
{
    QWidget window;
    window.resize(200, 100);
    auto *button = new FadeButton(u"Del"_s, &window);
    styleAsTitleButton(*button);
    button->setFadeOnOver(false);
    button->setFadeOnLeave(false);
    button->setGeometry(100, 20, 20, 18);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseMove(&window, QPoint(5, 90));

    QTest::mouseMove(&window, QPoint(110, 30));
    QVERIFY(button->isHovered());
    QCOMPARE(button->faceColor(), Look::Accent);
    QTest::mouseMove(&window, QPoint(50, 30));
    QVERIFY(!button->isHovered());
    QCOMPARE(button->faceColor(), Look::TitleButtonFace);

    // A disabled button under the pointer stays at rest until it is enabled there.
    button->setEnabled(false);
    QTest::mouseMove(&window, QPoint(110, 30));
    QVERIFY(!button->isHovered());
    QCOMPARE(button->currentCaptionColor(), Look::White);
    button->setEnabled(true);
    QVERIFY(button->isHovered());
    QCOMPARE(button->currentCaptionColor(), Look::Yellow);
}

void TestFadeButton::paintsFaceBorderAndCaption_data()
{
    QTest::addColumn<bool>("hovered");
    QTest::addColumn<QColor>("face");
    QTest::addColumn<QColor>("border");
    QTest::addColumn<QColor>("caption");
    QTest::newRow("at rest") << false << Look::Accent << Look::Gray << Look::White;
    QTest::newRow("under the pointer") << true << Look::Silver << Look::Black << Look::Yellow;
}

void TestFadeButton::paintsFaceBorderAndCaption()
{
    QFETCH(bool, hovered);
    QFETCH(QColor, face);
    QFETCH(QColor, border);
    QFETCH(QColor, caption);

    FadeButton button(u"Del"_s);
    styleAsTitleButton(button);
    button.setColor(Look::Accent);
    button.setDestColor(Look::Silver);
    button.setFadeOnOver(false);
    button.setBorderHeight(2);
    QFont font = Look::gothic(11);
    font.setStyleStrategy(QFont::NoAntialias);
    button.setFont(font);
    button.resize(40, 18);
    if (hovered)
        pointerIn(button);

    const QImage image = Pixels::grab(&button);
    for (const QPoint &p :
         {QPoint(0, 0), QPoint(1, 1), QPoint(39, 17), QPoint(38, 16), QPoint(20, 0), QPoint(0, 9)})
        QVERIFY2(image.pixelColor(p) == border, qPrintable(Pixels::describe(image, p.x(), p.y())));
    for (const QPoint &p : {QPoint(2, 2), QPoint(37, 15), QPoint(3, 9)})
        QVERIFY2(image.pixelColor(p) == face, qPrintable(Pixels::describe(image, p.x(), p.y())));
    QVERIFY2(Pixels::boundsOf(image, image.rect().adjusted(2, 2, -2, -2), caption).isValid(),
             "no caption pixel in the caption colour");
}

QTEST_MAIN(TestFadeButton)
#include "tst_fade_button.moc"
