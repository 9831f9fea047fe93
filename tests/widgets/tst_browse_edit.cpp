#include <QDir>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "browse_edit.h"

using namespace Qt::StringLiterals;

namespace {

// Stands in for the folder dialog: remembers how it was asked and answers as told.
struct FakeDialog
{
    QString answer;
    int calls = 0;
    QString startFolder;
    QWidget *parent = nullptr;

    BrowseEdit::FolderDialog function()
    {
        return [this](QWidget *dialogParent, const QString &start) {
            ++calls;
            parent = dialogParent;
            startFolder = start;
            return answer;
        };
    }
};

} // namespace

class TestBrowseEdit : public QObject
{
    Q_OBJECT

private slots:
    void buttonOpensTheDialogAtTheFolderInTheEdit_data();
    void buttonOpensTheDialogAtTheFolderInTheEdit();
    void chosenFolderBecomesTheText();
    void cancelledDialogChangesNothing();
    void setTextReportsOnlyChanges();
    void typingReportsChanges();
    void buttonSitsAtTheRightEnd();
    void dropsAreLeftToTheWindow();
    void hintIsTheToolTip();
};

void TestBrowseEdit::buttonOpensTheDialogAtTheFolderInTheEdit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("start");
    QTest::newRow("empty: home") << QString() << QDir::homePath();
    QTest::newRow("a folder") << u"/srv/videos/out"_s << u"/srv/videos/out"_s;
    QTest::newRow("a folder that is not there") << u"/no/such/folder"_s << u"/no/such/folder"_s;
}

void TestBrowseEdit::buttonOpensTheDialogAtTheFolderInTheEdit()
{
    QFETCH(QString, text);
    QFETCH(QString, start);

    QWidget window;
    auto *edit = new BrowseEdit(&window);
    edit->setGeometry(54, 8, 326, 19);
    FakeDialog dialog;
    edit->setFolderDialog(dialog.function());
    edit->setText(text);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QTest::mouseClick(edit->browseButton(), Qt::LeftButton);
    QCOMPARE(dialog.calls, 1);
    QCOMPARE(dialog.startFolder, start);
    QCOMPARE(dialog.parent, edit);
}

void TestBrowseEdit::chosenFolderBecomesTheText()
{
    BrowseEdit edit;
    FakeDialog dialog;
    dialog.answer = u"/home/user/Videos/converted"_s;
    edit.setFolderDialog(dialog.function());
    edit.setText(u"/tmp"_s);
    QSignalSpy changes(&edit, &BrowseEdit::textChanged);

    edit.browse();
    QCOMPARE(edit.text(), QDir::toNativeSeparators(dialog.answer));
    QCOMPARE(edit.lineEdit()->text(), edit.text());
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.first().first().toString(), edit.text());

    // The same folder again is no change.
    edit.browse();
    QCOMPARE(changes.size(), 1);
    QCOMPARE(dialog.startFolder, edit.text());
}

void TestBrowseEdit::cancelledDialogChangesNothing()
{
    BrowseEdit edit;
    FakeDialog dialog;
    edit.setFolderDialog(dialog.function());
    edit.setText(u"/tmp/out"_s);
    QSignalSpy changes(&edit, &BrowseEdit::textChanged);
    edit.browse();
    QCOMPARE(dialog.calls, 1);
    QCOMPARE(edit.text(), u"/tmp/out"_s);
    QCOMPARE(changes.size(), 0);
}

void TestBrowseEdit::setTextReportsOnlyChanges()
{
    BrowseEdit edit;
    QSignalSpy changes(&edit, &BrowseEdit::textChanged);
    edit.setText(u"/a"_s);
    edit.setText(u"/a"_s);
    QCOMPARE(changes.size(), 1);
    edit.setText(QString());
    QCOMPARE(changes.size(), 2);
    QCOMPARE(edit.text(), QString());
}

void TestBrowseEdit::typingReportsChanges()
{
    QWidget window;
    auto *edit = new BrowseEdit(&window);
    edit->resize(326, 19);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QSignalSpy changes(edit, &BrowseEdit::textChanged);
    edit->setFocus();
    QVERIFY(edit->lineEdit()->hasFocus());
    QTest::keyClicks(edit->lineEdit(), u"/x"_s);
    QCOMPARE(edit->text(), u"/x"_s);
    QCOMPARE(changes.size(), 2);
}

void TestBrowseEdit::buttonSitsAtTheRightEnd()
{
    QWidget window;
    auto *edit = new BrowseEdit(&window);
    edit->setGeometry(54, 8, 326, 19);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect button(edit->browseButton()->mapTo(edit, QPoint(0, 0)), edit->browseButton()->size());
    QCOMPARE(button.width(), BrowseEdit::ButtonWidth);
    QVERIFY2(button.right() <= edit->width() - 1 && button.right() >= edit->width() - 4,
             qPrintable(QString::number(button.right())));
    QVERIFY(button.top() >= 0 && button.bottom() <= edit->height() - 1);
    QCOMPARE(edit->lineEdit()->geometry(), edit->rect());
    // Typed text stops before the button.
    QVERIFY(edit->lineEdit()->textMargins().right() >= BrowseEdit::ButtonWidth);
    QCOMPARE(edit->browseButton()->focusPolicy(), Qt::NoFocus);
}

void TestBrowseEdit::dropsAreLeftToTheWindow()
{
    BrowseEdit edit;
    QVERIFY(!edit.lineEdit()->acceptDrops());
    QVERIFY(!edit.browseButton()->acceptDrops());
    QVERIFY(!edit.acceptDrops());
}

void TestBrowseEdit::hintIsTheToolTip()
{
    BrowseEdit edit;
    edit.setHint(u" 保存先のﾌｫﾙﾀﾞ"_s);
    QCOMPARE(edit.hint(), u" 保存先のﾌｫﾙﾀﾞ"_s);
    QCOMPARE(edit.toolTip(), u" 保存先のﾌｫﾙﾀﾞ"_s);
}

QTEST_MAIN(TestBrowseEdit)
#include "tst_browse_edit.moc"
