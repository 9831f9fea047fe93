#include <QAbstractItemView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "multi_column_combo_box.h"
#include "palette.h"
#include "support/pixels.h"

using namespace Qt::StringLiterals;

namespace {

const QList<MultiColumnComboBox::Column> PresetColumns = {
    {220, Look::White},      {60, Look::ExtensionColumn}, {60, Look::VideoValues},
    {70, Look::VideoValues}, {60, Look::VideoValues},     {60, Look::VideoValues},
    {60, Look::AudioValues}, {60, Look::AudioValues},     {60, Look::AudioValues},
};

// The preset list as the main window holds it: 286 wide in a window of 400.
struct PresetWindow
{
    QWidget window;
    MultiColumnComboBox *box = new MultiColumnComboBox(&window);

    PresetWindow()
    {
        window.resize(400, 550);
        box->setGeometry(70, 300, 286, 19);
        box->setColumns(PresetColumns);
        box->setIndent(1);
        box->setRowHeight(13);
        box->setMaxVisibleItems(30);
        box->setFont(Look::gothic(11));
        QPalette colours = box->palette();
        colours.setColor(QPalette::Text, Look::Text);
        box->setPalette(colours);
    }

    bool show()
    {
        window.show();
        QApplication::setActiveWindow(&window);
        return QTest::qWaitForWindowActive(&window);
    }

    void addRows(int count)
    {
        // One-letter cells, so that the right end of every cell shows its background.
        for (int i = 0; i < count; ++i)
            box->addRow(u"p%1,a,b,c,d,e,f,g,h"_s.arg(i));
    }
};

} // namespace

class TestMultiColumnComboBox : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Look::installFontSubstitutions(); }
    void addingRowsSelectsNothing();
    void closedShowsTheFirstCellOfTheSelectedRow();
    void rowsAndCells();
    void cannotBeTypedIn();
    void popupIsAsWideAsTheColumns();
    void popupShowsThirtyRowsBeforeScrolling();
    void cellsAreFilledWithTheirColumnsBackground();
    void selectedRowUsesTheSelectionColoursAcrossAllColumns();
    void choosingARowInThePopupActivatesIt();
};

void TestMultiColumnComboBox::addingRowsSelectsNothing()
{
    MultiColumnComboBox box;
    QSignalSpy indexChanges(&box, &QComboBox::currentIndexChanged);
    box.addRow(u",[拡張子],[ｻｲｽﾞ]"_s);
    box.addRow(u"HD,avi,720x480"_s);
    QCOMPARE(box.count(), 2);
    QCOMPARE(box.currentIndex(), -1);
    QCOMPARE(box.currentText(), QString());
    QCOMPARE(box.currentCell(0), QString());
    QCOMPARE(indexChanges.size(), 0);

    // Emptied and filled again, it still starts without a selection.
    box.setCurrentIndex(1);
    box.clear();
    box.addRow(u"MJPEG,x"_s);
    QCOMPARE(box.currentIndex(), -1);
}

void TestMultiColumnComboBox::closedShowsTheFirstCellOfTheSelectedRow()
{
    PresetWindow w;
    w.box->addRow(u",[拡張子],[ｻｲｽﾞ],[ｺｰﾃﾞｯｸ],[ﾌﾚｰﾑﾚｰﾄ],[ﾋﾞｯﾄﾚｰﾄ],[ｺｰﾃﾞｯｸ],[ｻﾝﾌﾟﾙﾚｰﾄ],[ﾋﾞｯﾄﾚｰﾄ]"_s);
    w.box->addRow(u"ワイド,avi,720x480,MJPEG,30fps,2048kbps,PCM,48000Hz,128kbps"_s);
    QFont font = Look::gothic(11);
    font.setStyleStrategy(QFont::NoAntialias);
    w.box->setFont(font);
    QVERIFY(w.show());

    // Nothing selected: no text in the field.
    QImage image = Pixels::grab(w.box);
    QVERIFY(!Pixels::boundsOf(image, image.rect(), Look::Text).isValid());

    w.box->setCurrentIndex(1);
    QCOMPARE(w.box->currentText(), u"ワイド"_s);
    QCOMPARE(w.box->currentCell(3), u"MJPEG"_s);
    image = Pixels::grab(w.box);
    const QRect text = Pixels::boundsOf(image, image.rect(), Look::Text);
    QVERIFY(text.isValid());
    // Only the first cell: a short name, near the left end.
    QVERIFY2(text.left() < 12 && text.right() < 80,
             qPrintable(u"%1..%2"_s.arg(text.left()).arg(text.right())));

    // The header row's first cell is empty.
    w.box->setCurrentIndex(0);
    QCOMPARE(w.box->currentText(), QString());
    image = Pixels::grab(w.box);
    QVERIFY(!Pixels::boundsOf(image, image.rect(), Look::Text).isValid());
}

void TestMultiColumnComboBox::rowsAndCells()
{
    MultiColumnComboBox box;
    const QString line = u"ワイド,avi,720x480,MJPEG,30fps,2048kbps,PCM,48000Hz,128kbps"_s;
    box.addRow(line);
    QCOMPARE(box.row(0), line);
    QCOMPARE(box.cells(0).size(), 9);
    QCOMPARE(box.cell(0, 0), u"ワイド"_s);
    QCOMPARE(box.cell(0, 8), u"128kbps"_s);
    QCOMPARE(box.cell(0, 9), QString());
    QCOMPARE(box.cell(1, 0), QString());
    QCOMPARE(box.row(-1), QString());
    QCOMPARE(box.itemText(0), u"ワイド"_s);
}

void TestMultiColumnComboBox::cannotBeTypedIn()
{
    PresetWindow w;
    w.addRows(3);
    QVERIFY(!w.box->isEditable());
    QVERIFY(!w.box->lineEdit());
}

void TestMultiColumnComboBox::popupIsAsWideAsTheColumns()
{
    PresetWindow w;
    QCOMPARE(w.box->popupWidth(), 710);
    w.addRows(5);
    QVERIFY(w.show());
    w.box->showPopup();
    QAbstractItemView *view = w.box->view();
    QVERIFY(QTest::qWaitForWindowExposed(view->window()));
    QCOMPARE(view->window()->width(), 710);
    QVERIFY(view->window()->width() > w.window.width());
    QVERIFY(!view->horizontalScrollBar()->isVisible());
    w.box->hidePopup();

    // The codec list: two columns, 272 together, wider than its 132-pixel box.
    MultiColumnComboBox codecs(&w.window);
    codecs.setGeometry(10, 10, 132, 19);
    codecs.setColumns({{112, Look::White}, {160, Look::ExtensionColumn}});
    codecs.addRow(u"MJPEG,Motion JPEG"_s);
    codecs.show();
    codecs.showPopup();
    QCOMPARE(codecs.view()->window()->width(), 272);
    codecs.hidePopup();
}

void TestMultiColumnComboBox::popupShowsThirtyRowsBeforeScrolling()
{
    PresetWindow w;
    w.addRows(30);
    QVERIFY(w.show());
    w.box->showPopup();
    QAbstractItemView *view = w.box->view();
    QCOMPARE(view->visualRect(w.box->model()->index(0, 0)).height(), 13);
    QVERIFY(view->viewport()->height() >= 30 * 13);
    QVERIFY(!view->verticalScrollBar()->isVisible());
    w.box->hidePopup();

    w.addRows(10);
    w.box->showPopup();
    QCOMPARE(view->viewport()->height() / 13, 30);
    QVERIFY(view->verticalScrollBar()->isVisible());
    w.box->hidePopup();
}

void TestMultiColumnComboBox::cellsAreFilledWithTheirColumnsBackground()
{
    PresetWindow w;
    w.addRows(4);
    QVERIFY(w.show());
    w.box->showPopup();
    QAbstractItemView *view = w.box->view();
    QVERIFY(QTest::qWaitForWindowExposed(view->window()));
    const QImage image = Pixels::grab(view->viewport());

    // Row 2 is neither selected nor under the pointer.
    const QRect row = view->visualRect(w.box->model()->index(2, 0));
    QCOMPARE(row.height(), 13);
    int left = row.left();
    for (qsizetype column = 0; column < PresetColumns.size(); ++column) {
        const int width = PresetColumns.at(column).width;
        // The right end of each cell, clear of its one-letter text; the last cell may be cut by the frame.
        const int x = qMin(left + width - 4, image.width() - 1);
        for (int y : {row.top(), row.center().y(), row.bottom()}) {
            QVERIFY2(image.pixelColor(x, y) == PresetColumns.at(column).background,
                     qPrintable(u"column %1: "_s.arg(column) + Pixels::describe(image, x, y)));
        }
        left += width;
    }

    // Text starts one pixel into its cell.
    QFont font = Look::gothic(11);
    font.setStyleStrategy(QFont::NoAntialias);
    w.box->setFont(font);
    w.box->hidePopup();
    w.box->showPopup();
    const QImage sharp = Pixels::grab(view->viewport());
    const QRect cell1(row.left() + 220, row.top(), 60, row.height());
    const QRect letter = Pixels::boundsOf(sharp, cell1, Look::Text);
    QVERIFY(letter.isValid());
    QVERIFY2(letter.left() >= cell1.left() + 1 && letter.left() <= cell1.left() + 4,
             qPrintable(QString::number(letter.left() - cell1.left())));
    w.box->hidePopup();
}

void TestMultiColumnComboBox::selectedRowUsesTheSelectionColoursAcrossAllColumns()
{
    PresetWindow w;
    w.addRows(4);
    w.box->setCurrentIndex(1);
    QVERIFY(w.show());
    w.box->showPopup();
    QAbstractItemView *view = w.box->view();
    QVERIFY(QTest::qWaitForWindowExposed(view->window()));
    QCOMPARE(view->currentIndex().row(), 1);
    const QImage image = Pixels::grab(view->viewport());
    const QColor highlight = w.box->palette().color(QPalette::Active, QPalette::Highlight);

    const QRect row = view->visualRect(w.box->model()->index(1, 0));
    int left = row.left();
    for (qsizetype column = 0; column < PresetColumns.size(); ++column) {
        const int x = qMin(left + PresetColumns.at(column).width - 4, image.width() - 1);
        QVERIFY2(image.pixelColor(x, row.center().y()) == highlight,
                 qPrintable(u"column %1: "_s.arg(column) + Pixels::describe(image, x, row.center().y())));
        left += PresetColumns.at(column).width;
    }
    // The row below keeps its colours.
    const QRect next = view->visualRect(w.box->model()->index(2, 0));
    QCOMPARE(image.pixelColor(220 + 56, next.center().y()), Look::ExtensionColumn);
    w.box->hidePopup();
}

void TestMultiColumnComboBox::choosingARowInThePopupActivatesIt()
{
    PresetWindow w;
    w.addRows(5);
    QVERIFY(w.show());
    QSignalSpy activated(w.box, &QComboBox::activated);
    w.box->showPopup();
    QAbstractItemView *view = w.box->view();
    QVERIFY(QTest::qWaitForWindowExposed(view->window()));
    const QPoint onRow3 = view->visualRect(w.box->model()->index(3, 0)).center();
    QTest::mouseMove(view->viewport(), onRow3);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, onRow3);
    QTRY_COMPARE(activated.size(), 1);
    QCOMPARE(activated.first().first().toInt(), 3);
    QCOMPARE(w.box->currentIndex(), 3);
    QCOMPARE(w.box->currentText(), u"p3"_s);
    QTRY_VERIFY(!view->isVisible());
}

QTEST_MAIN(TestMultiColumnComboBox)
#include "tst_multi_column_combo_box.moc"
