#include <QFontInfo>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include "hint_controller.h"
#include "hint_window.h"
#include "palette.h"
#include "support/pixels.h"

using namespace Qt::StringLiterals;

namespace {

// A window with two neighbouring controls with hints, a control without one, and a panel with a
// hint whose child has none.
struct HintWindowFixture
{
    QWidget window;
    QLabel *close = new QLabel(u"×"_s, &window);
    QLabel *minimize = new QLabel(u"_"_s, &window);
    QLineEdit *edit = new QLineEdit(&window);
    QWidget *panel = new QWidget(&window);
    QLabel *inPanel = new QLabel(u"-"_s, panel);
    QLabel *plain = new QLabel(u"plain"_s, &window);

    HintWindowFixture()
    {
        window.resize(300, 200);
        window.move(40, 40);
        minimize->setGeometry(200, 10, 20, 20);
        close->setGeometry(220, 10, 20, 20);
        minimize->setToolTip(u" 最小化"_s);
        close->setToolTip(u" 閉じる"_s);
        edit->setGeometry(10, 50, 200, 20);
        panel->setGeometry(10, 100, 100, 60);
        panel->setToolTip(u" 変換対象ファイル"_s);
        inPanel->setGeometry(10, 10, 40, 20);
        plain->setGeometry(150, 100, 100, 40);
    }

    bool show()
    {
        window.show();
        QApplication::setActiveWindow(&window);
        if (!QTest::qWaitForWindowActive(&window))
            return false;
        // The window system drops a move to where the pointer already is; start each test from
        // a corner that no test points to.
        QTest::mouseMove(&window, QPoint(290, 190));
        return true;
    }
};

void pointTo(QWidget *widget)
{
    QTest::mouseMove(widget, widget->rect().center());
}

} // namespace

class TestHintController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Look::installFontSubstitutions(); }
    void delays();
    void showsAfterTheRestAndHidesAfterTheHideDelay();
    void movingWithinTheControlDoesNotRestart();
    void nextControlShowsAtOnceWhileAHintShows();
    void shortDelayWaitsWhenSet();
    void leavingForAPlaceWithoutHintHides();
    void childShowsItsParentsHint();
    void pressHidesUntilAnotherControl();
    void hidingTheControlOrItsWindowHidesTheHint();
    void qtToolTipIsSuppressed();
    void hintWindowTakesNoFocus();
    void hintWindowLook();
};

void TestHintController::delays()
{
    HintController hints;
    QCOMPARE(hints.showDelay(), 500);
    QCOMPARE(hints.hideDelay(), 2500);
    QCOMPARE(hints.shortDelay(), 0);
    QCOMPARE(hints.showTimer()->interval(), 500);
    QCOMPARE(hints.hideTimer()->interval(), 2500);
    QVERIFY(hints.showTimer()->isSingleShot());
    QVERIFY(hints.hideTimer()->isSingleShot());
    hints.setShowDelay(30);
    hints.setHideDelay(60);
    QCOMPARE(hints.showTimer()->interval(), 30);
    QCOMPARE(hints.hideTimer()->interval(), 60);
}

void TestHintController::showsAfterTheRestAndHidesAfterTheHideDelay()
{
    HintWindowFixture w;
    QVERIFY(w.show());
    HintController hints;
    QSignalSpy shown(&hints, &HintController::hintShown);
    QSignalSpy hidden(&hints, &HintController::hintHidden);
    QSignalSpy showTimeouts(hints.showTimer(), &QTimer::timeout);
    QSignalSpy hideTimeouts(hints.hideTimer(), &QTimer::timeout);

    pointTo(w.close);
    QCOMPARE(hints.hintTarget(), w.close);
    QVERIFY(hints.showTimer()->isActive());
    QCOMPARE(hints.showTimer()->interval(), 500);
    QVERIFY(!hints.isHintVisible());
    QCOMPARE(shown.size(), 0);

    // It shows when the show timer runs out, not before.
    QVERIFY(shown.wait(10000));
    QCOMPARE(showTimeouts.size(), 1);
    QCOMPARE(shown.first().first().toString(), u" 閉じる"_s);
    QVERIFY(hints.isHintVisible());
    QCOMPARE(hints.hintWindow()->text(), u" 閉じる"_s);
    QVERIFY(hints.hideTimer()->isActive());
    QCOMPARE(hints.hideTimer()->interval(), 2500);
    QCOMPARE(hidden.size(), 0);

    QVERIFY(hidden.wait(10000));
    QCOMPARE(hideTimeouts.size(), 1);
    QVERIFY(!hints.isHintVisible());
    QVERIFY(!hints.showTimer()->isActive());
}

void TestHintController::movingWithinTheControlDoesNotRestart()
{
    HintWindowFixture w;
    QVERIFY(w.show());
    HintController hints;
    hints.setShowDelay(20);
    hints.setHideDelay(50);
    QSignalSpy shown(&hints, &HintController::hintShown);
    QSignalSpy hidden(&hints, &HintController::hintHidden);

    pointTo(w.close);
    QVERIFY(shown.wait(10000));
    QVERIFY(hidden.wait(10000));
    // Once hidden it stays hidden while the pointer stays on the control.
    QTest::mouseMove(w.close, QPoint(2, 2));
    QTest::mouseMove(w.close, QPoint(15, 15));
    QVERIFY(!hints.showTimer()->isActive());
    QVERIFY(!hints.isHintVisible());
    QCOMPARE(shown.size(), 1);
}

void TestHintController::nextControlShowsAtOnceWhileAHintShows()
{
    HintWindowFixture w;
    QVERIFY(w.show());
    HintController hints;
    hints.setShowDelay(20);
    QSignalSpy shown(&hints, &HintController::hintShown);
    QSignalSpy hidden(&hints, &HintController::hintHidden);

    pointTo(w.close);
    QVERIFY(shown.wait(10000));

    pointTo(w.minimize);
    // No waiting: the next hint is there as soon as the pointer is.
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown.last().first().toString(), u" 最小化"_s);
    QCOMPARE(hints.hintWindow()->text(), u" 最小化"_s);
    QVERIFY(hints.isHintVisible());
    QVERIFY(!hints.showTimer()->isActive());
    QVERIFY(hints.hideTimer()->isActive());
    QCOMPARE(hidden.size(), 0);

    // And back again.
    pointTo(w.close);
    QCOMPARE(shown.size(), 3);
    QCOMPARE(hints.hintWindow()->text(), u" 閉じる"_s);
}

void TestHintController::shortDelayWaitsWhenSet()
{
    HintWindowFixture w;
    QVERIFY(w.show());
    HintController hints;
    hints.setShowDelay(20);
    hints.setShortDelay(40);
    QSignalSpy shown(&hints, &HintController::hintShown);

    pointTo(w.close);
    QVERIFY(shown.wait(10000));
    pointTo(w.minimize);
    QCOMPARE(shown.size(), 1);
    QVERIFY(hints.showTimer()->isActive());
    QCOMPARE(hints.showTimer()->interval(), 40);
    QVERIFY(shown.wait(10000));
    QCOMPARE(shown.last().first().toString(), u" 最小化"_s);
}

void TestHintController::leavingForAPlaceWithoutHintHides()
{
    HintWindowFixture w;
    QVERIFY(w.show());
    HintController hints;
    hints.setShowDelay(20);
    QSignalSpy shown(&hints, &HintController::hintShown);
    QSignalSpy hidden(&hints, &HintController::hintHidden);

    pointTo(w.close);
    QVERIFY(shown.wait(10000));
    pointTo(w.plain);
    QCOMPARE(hidden.size(), 1);
    QVERIFY(!hints.isHintVisible());
    QVERIFY(!hints.hideTimer()->isActive());
    QVERIFY(!hints.showTimer()->isActive());
    QCOMPARE(hints.hintTarget(), nullptr);

    // From nowhere the rest delay applies again.
    pointTo(w.minimize);
    QVERIFY(!hints.isHintVisible());
    QVERIFY(hints.showTimer()->isActive());

    // Leaving before the delay is over shows nothing.
    pointTo(w.plain);
    QVERIFY(!hints.showTimer()->isActive());
    QCOMPARE(shown.size(), 1);
}

void TestHintController::childShowsItsParentsHint()
{
    HintWindowFixture w;
    QVERIFY(w.show());
    HintController hints;
    hints.setShowDelay(20);
    QSignalSpy shown(&hints, &HintController::hintShown);

    pointTo(w.inPanel);
    QCOMPARE(hints.hintTarget(), w.panel);
    QVERIFY(shown.wait(10000));
    QCOMPARE(shown.first().first().toString(), u" 変換対象ファイル"_s);
    // Moving from the child onto the panel itself is the same hint: nothing new.
    QTest::mouseMove(w.panel, QPoint(80, 50));
    QCOMPARE(shown.size(), 1);
    QVERIFY(hints.isHintVisible());
}

void TestHintController::pressHidesUntilAnotherControl()
{
    HintWindowFixture w;
    QVERIFY(w.show());
    HintController hints;
    hints.setShowDelay(20);
    QSignalSpy shown(&hints, &HintController::hintShown);
    QSignalSpy hidden(&hints, &HintController::hintHidden);

    pointTo(w.close);
    QVERIFY(shown.wait(10000));
    QTest::mousePress(w.close, Qt::LeftButton, {}, w.close->rect().center());
    QCOMPARE(hidden.size(), 1);
    QTest::mouseRelease(w.close, Qt::LeftButton, {}, w.close->rect().center());
    QTest::mouseMove(w.close, QPoint(3, 3));
    QVERIFY(!hints.showTimer()->isActive());
    QVERIFY(!hints.isHintVisible());

    pointTo(w.minimize);
    QVERIFY(hints.showTimer()->isActive());
    QVERIFY(shown.wait(10000));
    QCOMPARE(shown.last().first().toString(), u" 最小化"_s);
}

void TestHintController::hidingTheControlOrItsWindowHidesTheHint()
{
    HintWindowFixture w;
    QVERIFY(w.show());
    HintController hints;
    hints.setShowDelay(20);
    QSignalSpy shown(&hints, &HintController::hintShown);
    QSignalSpy hidden(&hints, &HintController::hintHidden);

    pointTo(w.inPanel);
    QVERIFY(shown.wait(10000));
    w.panel->hide();
    QCOMPARE(hidden.size(), 1);
    QVERIFY(!hints.isHintVisible());
    QCOMPARE(hints.hintTarget(), nullptr);

    // A pending hint does not come up for a control that has gone.
    pointTo(w.close);
    QVERIFY(hints.showTimer()->isActive());
    w.window.hide();
    QVERIFY(!hints.showTimer()->isActive());
    QCOMPARE(shown.size(), 1);
}

void TestHintController::qtToolTipIsSuppressed()
{
    HintWindowFixture w;
    QVERIFY(w.show());
    const QPoint at = w.close->rect().center();
    auto askForToolTip = [&] {
        QHelpEvent event(QEvent::ToolTip, at, w.close->mapToGlobal(at));
        QCoreApplication::sendEvent(w.close, &event);
    };

    // Without the controller Qt shows its own tool tip, so the check below can fail.
    askForToolTip();
    QVERIFY(QToolTip::isVisible());
    QToolTip::hideText();
    QTRY_VERIFY_WITH_TIMEOUT(!QToolTip::isVisible(), 10000);

    HintController hints;
    askForToolTip();
    QVERIFY(!QToolTip::isVisible());
}

void TestHintController::hintWindowTakesNoFocus()
{
    HintWindowFixture w;
    QVERIFY(w.show());
    w.edit->setFocus();
    QVERIFY(w.edit->hasFocus());
    HintController hints;
    hints.setShowDelay(20);
    QSignalSpy shown(&hints, &HintController::hintShown);
    pointTo(w.close);
    QVERIFY(shown.wait(10000));

    HintWindow *window = hints.hintWindow();
    QCOMPARE(window->windowType(), Qt::ToolTip);
    QVERIFY(window->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(window->windowFlags() & Qt::WindowDoesNotAcceptFocus);
    QVERIFY(window->testAttribute(Qt::WA_ShowWithoutActivating));
    QCOMPARE(window->focusPolicy(), Qt::NoFocus);
    QVERIFY(w.edit->hasFocus());
    QCOMPARE(QApplication::activeWindow(), &w.window);
    // Placed near the pointer, below it.
    const QPoint pointer = w.close->mapToGlobal(w.close->rect().center());
    QVERIFY2(window->geometry().top() > pointer.y() && window->geometry().top() < pointer.y() + 40,
             qPrintable(u"%1 vs %2"_s.arg(window->geometry().top()).arg(pointer.y())));
}

void TestHintController::hintWindowLook()
{
    HintWindow window;
    QCOMPARE(QFontInfo(window.font()).family(), u"IPAPGothic"_s);
    QVERIFY(window.font().bold());
    QCOMPARE(window.font().pixelSize(), 16);

    QFont font = window.font();
    font.setStyleStrategy(QFont::NoAntialias);
    window.setFont(font);
    window.setText(u" 閉じる"_s);
    QCOMPARE(window.size(), window.sizeHint());
    const QImage image = Pixels::grab(&window);
    // Filled with the accent colour away from the rounded corners and the text.
    QCOMPARE(image.pixelColor(2, image.height() / 2), Look::Accent);
    QCOMPARE(image.pixelColor(image.width() / 2, 1), Look::Accent);
    QCOMPARE(image.pixelColor(image.width() - 2, image.height() / 2), Look::Accent);
    // White text over its gray shadow, one pixel right and down.
    const QString failure = Pixels::checkShadowedText(image, image.rect(), Look::White, Look::Gray);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY(Pixels::boundsOf(image, image.rect(), Look::Gray).isValid());
}

QTEST_MAIN(TestHintController)
#include "tst_hint_controller.moc"
