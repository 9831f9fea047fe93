#include <QMouseEvent>
#include <QTest>

#include "bevel_panel.h"
#include "palette.h"
#include "shape.h"
#include "support/pixels.h"
#include "window_drag.h"

using namespace Qt::StringLiterals;

namespace {

// Counts the presses that reach it.
class PressCounter : public QWidget
{
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        ++presses;
        event->accept();
    }
};

QMouseEvent mouseEvent(QEvent::Type type, const QPoint &local, const QPoint &global, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    return QMouseEvent(type, QPointF(local), QPointF(global), button, buttons, Qt::NoModifier);
}

} // namespace

class TestSurfaces : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Look::installFontSubstitutions(); }
    void shapeOutlineLiesInside_data();
    void shapeOutlineLiesInside();
    void pressOnAShapeReachesTheWindow();
    void panelBevels_data();
    void panelBevels();
    void panelCaptionUsesFontAndTextColour();
    void pressOnAPanelStaysThere();
    void dragMovesTheWindowWithThePointer();
    void dragNeedsTheLeftButton();
};

void TestSurfaces::shapeOutlineLiesInside_data()
{
    QTest::addColumn<QColor>("fill");
    QTest::addColumn<QColor>("outline");
    QTest::addColumn<int>("width");
    QTest::newRow("body: white, 2-pixel gray") << Look::White << Look::Gray << 2;
    QTest::newRow("shadow: accent, silver") << Look::Accent << Look::Silver << 1;
    QTest::newRow("strip: accent, black") << Look::Accent << Look::Black << 1;
    QTest::newRow("no outline") << Look::Accent << Look::Black << 0;
}

void TestSurfaces::shapeOutlineLiesInside()
{
    QFETCH(QColor, fill);
    QFETCH(QColor, outline);
    QFETCH(int, width);

    Shape shape(fill, outline, width);
    shape.resize(40, 30);
    QCOMPARE(shape.fill(), fill);
    const QImage image = Pixels::grab(&shape);
    for (int i = 0; i < width; ++i) {
        for (const QPoint &p : {QPoint(i, i), QPoint(39 - i, 29 - i), QPoint(20, i), QPoint(i, 15),
                                QPoint(20, 29 - i), QPoint(39 - i, 15)})
            QVERIFY2(image.pixelColor(p) == outline, qPrintable(Pixels::describe(image, p.x(), p.y())));
    }
    for (const QPoint &p : {QPoint(width, width), QPoint(39 - width, 29 - width), QPoint(20, 15)})
        QVERIFY2(image.pixelColor(p) == fill, qPrintable(Pixels::describe(image, p.x(), p.y())));
}

void TestSurfaces::pressOnAShapeReachesTheWindow()
{
    PressCounter window;
    window.resize(100, 100);
    auto *shape = new Shape(Look::Accent, Look::Black, 1, &window);
    shape->setGeometry(0, 0, 100, 25);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(window.presses, 1);
}

void TestSurfaces::panelBevels_data()
{
    QTest::addColumn<int>("outer");
    QTest::addColumn<int>("inner");
    QTest::addColumn<QColor>("outerTopLeft");
    QTest::addColumn<QColor>("outerBottomRight");
    QTest::addColumn<QColor>("innerTopLeft");
    QTest::addColumn<QColor>("innerBottomRight");

    const QColor panel = Look::PanelBackground;
    QTest::newRow("raised outer, lowered inner")
        << int(BevelPanel::Bevel::Raised) << int(BevelPanel::Bevel::Lowered) << Look::White << Look::Gray
        << Look::Gray << Look::White;
    QTest::newRow("lowered outer only") << int(BevelPanel::Bevel::Lowered) << int(BevelPanel::Bevel::None)
                                        << Look::Gray << Look::White << panel << panel;
    QTest::newRow("no bevel") << int(BevelPanel::Bevel::None) << int(BevelPanel::Bevel::None) << panel
                              << panel << panel << panel;
}

void TestSurfaces::panelBevels()
{
    QFETCH(int, outer);
    QFETCH(int, inner);
    QFETCH(QColor, outerTopLeft);
    QFETCH(QColor, outerBottomRight);
    QFETCH(QColor, innerTopLeft);
    QFETCH(QColor, innerBottomRight);

    BevelPanel panel(Look::PanelBackground, BevelPanel::Bevel(outer), BevelPanel::Bevel(inner));
    panel.resize(60, 40);
    const QImage image = Pixels::grab(&panel);
    QCOMPARE(image.pixelColor(0, 20), outerTopLeft);
    QCOMPARE(image.pixelColor(30, 0), outerTopLeft);
    QCOMPARE(image.pixelColor(59, 20), outerBottomRight);
    QCOMPARE(image.pixelColor(30, 39), outerBottomRight);
    QCOMPARE(image.pixelColor(1, 20), innerTopLeft);
    QCOMPARE(image.pixelColor(58, 20), innerBottomRight);
    QCOMPARE(image.pixelColor(30, 38), innerBottomRight);
    QCOMPARE(image.pixelColor(30, 20), Look::PanelBackground);
}

void TestSurfaces::panelCaptionUsesFontAndTextColour()
{
    BevelPanel panel(Look::PanelBackground, BevelPanel::Bevel::Lowered, BevelPanel::Bevel::None);
    panel.setCaption(u"[ ここにファイルをドロップ(複数可) ]"_s);
    QFont font = Look::gothic(16, true);
    font.setStyleStrategy(QFont::NoAntialias);
    panel.setFont(font);
    QPalette colours = panel.palette();
    colours.setColor(QPalette::WindowText, Look::Text);
    panel.setPalette(colours);
    panel.resize(374, 120);

    const QImage image = Pixels::grab(&panel);
    const QRect text = Pixels::boundsOf(image, image.rect(), Look::Text);
    QVERIFY(text.isValid());
    QVERIFY2(qAbs(text.center().x() - 187) <= 3 && qAbs(text.center().y() - 60) <= 3,
             qPrintable(u"%1,%2"_s.arg(text.center().x()).arg(text.center().y())));
    // A 16-pixel bold caption is tall, not the 12-pixel default.
    QVERIFY2(text.height() >= 12, qPrintable(QString::number(text.height())));
    QVERIFY2(text.width() >= QFontMetrics(font).horizontalAdvance(panel.caption()) - 12,
             qPrintable(QString::number(text.width())));
}

void TestSurfaces::pressOnAPanelStaysThere()
{
    PressCounter window;
    window.resize(100, 100);
    auto *panel =
        new BevelPanel(Look::PanelBackground, BevelPanel::Bevel::Raised, BevelPanel::Bevel::Lowered, &window);
    panel->setGeometry(10, 10, 80, 80);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(40, 40));
    QCOMPARE(window.presses, 0);
}

void TestSurfaces::dragMovesTheWindowWithThePointer()
{
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setGeometry(100, 80, 400, 550);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint start = window.pos();

    WindowDrag drag;
    const QPoint local(10, 5);
    QPoint global = window.mapToGlobal(local);
    QMouseEvent press = mouseEvent(QEvent::MouseButtonPress, local, global, Qt::LeftButton);
    QVERIFY(drag.press(&window, &press));
    QVERIFY(press.isAccepted());

    // The platform here cannot move windows itself, so the drag moves it by hand.
    global += QPoint(30, 40);
    QMouseEvent move = mouseEvent(QEvent::MouseMove, local, global, Qt::LeftButton);
    drag.move(&window, &move);
    QCOMPARE(window.pos(), start + QPoint(30, 40));
    global += QPoint(-50, 5);
    QMouseEvent further = mouseEvent(QEvent::MouseMove, local, global, Qt::LeftButton);
    drag.move(&window, &further);
    QCOMPARE(window.pos(), start + QPoint(-20, 45));

    drag.release();
    QMouseEvent after = mouseEvent(QEvent::MouseMove, local, global + QPoint(100, 100), Qt::LeftButton);
    drag.move(&window, &after);
    QCOMPARE(window.pos(), start + QPoint(-20, 45));
}

void TestSurfaces::dragNeedsTheLeftButton()
{
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setGeometry(100, 80, 200, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint start = window.pos();

    WindowDrag drag;
    const QPoint global = window.mapToGlobal(QPoint(10, 10));
    QMouseEvent right(QEvent::MouseButtonPress, QPointF(10, 10), QPointF(global), Qt::RightButton,
                      Qt::RightButton, Qt::NoModifier);
    QVERIFY(!drag.press(&window, &right));
    QMouseEvent move = mouseEvent(QEvent::MouseMove, QPoint(10, 10), global + QPoint(30, 30), Qt::LeftButton);
    drag.move(&window, &move);
    QCOMPARE(window.pos(), start);

    // Moving without the button held after a press does not move the window either.
    QMouseEvent press = mouseEvent(QEvent::MouseButtonPress, QPoint(10, 10), global, Qt::LeftButton);
    QVERIFY(drag.press(&window, &press));
    QMouseEvent hover = mouseEvent(QEvent::MouseMove, QPoint(10, 10), global + QPoint(30, 30), Qt::NoButton);
    drag.move(&window, &hover);
    QCOMPARE(window.pos(), start);
}

QTEST_MAIN(TestSurfaces)
#include "tst_surfaces.moc"
