#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QTest>

#include "main_window.h"
#include "palette.h"
#include "support/program_folder.h"
#include "support/recorders.h"

using namespace Qt::StringLiterals;

namespace {

struct Placement
{
    const char *name;
    const char *parent;
    QRect geometry; // width -1: sized to its text
    const char *className;
    const char *hint;
};

// Window-level controls first, then each panel's children, as the window lays them out.
const Placement Placements[] = {
    {"Shape9", "MainForm1", {0, 0, 400, 25}, "Shape", nullptr},
    {"Label1", "MainForm1", {8, 6, -1, 14}, "QLabel", nullptr},
    {"Shape0", "MainForm1", {0, 23, 400, 527}, "Shape", nullptr},
    {"Shape1", "MainForm1", {8, 32, 386, 160}, "Shape", nullptr},
    {"Shape3", "MainForm1", {8, 464, 386, 78}, "Shape", nullptr},
    {"Shape2", "MainForm1", {18, 198, 366, 260}, "Shape", nullptr},
    {"Panel0", "MainForm1", {290, 2, 104, 20}, "BevelPanel", nullptr},
    {"Panel1", "MainForm1", {6, 30, 386, 160}, "BevelPanel", nullptr},
    {"Panel3", "MainForm1", {6, 462, 386, 78}, "BevelPanel", nullptr},
    {"Panel5", "MainForm1", {16, 196, 366, 260}, "BevelPanel", nullptr},
    {"Button4", "Panel0", {0, 0, 40, 20}, "FadeButton", " インフォメーション"},
    {"Button3", "Panel0", {44, 0, 20, 20}, "FadeButton", " ユーザーズガイド"},
    {"Button2", "Panel0", {64, 0, 20, 20}, "FadeButton", " 最小化"},
    {"Button1", "Panel0", {84, 0, 20, 20}, "FadeButton", " 閉じる"},
    {"L1_00", "Panel1", {8, 138, 53, 11}, "ShadowLabel", nullptr},
    {"Button5", "Panel1", {360, 128, 20, 18}, "FadeButton", " 一覧をｸﾘｱ"},
    {"ListBox1", "Panel1", {6, 8, 374, 120}, "QListWidget", " 変換対象ファイル"},
    {"C2_00", "Panel1", {64, 134, 286, 19}, "MultiColumnComboBox", " おまかせ設定"},
    {"C2_04", "Panel1", {204, 126, 132, 19}, "MultiColumnComboBox", " 動画のｺｰﾃﾞｯｸ"},
    {"Panel11", "Panel1", {6, 8, 374, 120}, "BevelPanel", " ここにファイルをドロップ(複数可)"},
    {"L2_03_01", "Panel5", {8, 172, 75, 11}, "ShadowLabel", nullptr},
    {"ShadowLabel4", "Panel5", {92, 172, 69, 11}, "ShadowLabel", nullptr},
    {"ShadowLabel5", "Panel5", {184, 172, 79, 11}, "ShadowLabel", nullptr},
    {"ShadowLabel6", "Panel5", {288, 172, 69, 11}, "ShadowLabel", nullptr},
    {"ShadowLabel2", "Panel5", {32, 184, 24, 11}, "ShadowLabel", nullptr},
    {"ShadowLabel7", "Panel5", {108, 184, 32, 11}, "ShadowLabel", nullptr},
    {"ShadowLabel8", "Panel5", {212, 184, 22, 11}, "ShadowLabel", nullptr},
    {"ShadowLabel9", "Panel5", {304, 184, 32, 11}, "ShadowLabel", nullptr},
    {"Bevel1", "Panel5", {168, 16, 4, 173}, "BevelPanel", nullptr},
    {"Label2", "Panel5", {182, 18, 42, 11}, "QLabel", nullptr},
    {"Label6", "Panel5", {182, 148, 42, 11}, "QLabel", nullptr},
    {"Label7", "Panel5", {55, 212, 41, 11}, "QLabel", nullptr},
    {"Bevel2", "Panel5", {8, 201, 345, 4}, "BevelPanel", nullptr},
    {"ShadowLabel3", "Panel5", {32, 236, 34, 11}, "ShadowLabel", nullptr},
    {"Label5", "Panel5", {318, 212, 41, 11}, "QLabel", nullptr},
    {"DigitBar1", "Panel5", {24, 8, 40, 160}, "DigitBar", " 動画のﾌﾚｰﾑﾚｰﾄ"},
    {"DigitBar2", "Panel5", {104, 8, 40, 160}, "DigitBar", " 動画のﾋﾞｯﾄﾚｰﾄ"},
    {"TrackBar1", "Panel5", {224, 8, 40, 160}, "QSlider", " 音声のｻﾝﾌﾟﾙﾚｰﾄ"},
    {"DigitBar3", "Panel5", {304, 8, 40, 160}, "DigitBar", " 音声のﾋﾞｯﾄﾚｰﾄ"},
    {"TrackBar2", "Panel5", {64, 220, 284, 30}, "QSlider", " 動画のｻｲｽﾞ"},
    {"Button10", "Panel3", {20, 32, 348, 40}, "FadeButton", " 変換後⇒ﾌｧｲﾙ保存"},
    {"L1_01", "Panel3", {8, 12, 43, 11}, "ShadowLabel", nullptr},
    // Its hint shows the folder once the window has been activated.
    {"C1_03", "Panel3", {54, 8, 326, 19}, "BrowseEdit", nullptr},
};

QWidget *child(QWidget *window, const char *name)
{
    if (window->objectName() == QLatin1StringView(name))
        return window;
    return window->findChild<QWidget *>(QString::fromLatin1(name));
}

} // namespace

class TestMainWindowLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Look::installFontSubstitutions(); }

    void init()
    {
        m_folder = std::make_unique<ProgramFolder>();
        m_window = std::make_unique<MainWindow>(m_folder->context(), m_errors, m_launcher);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanup()
    {
        m_window.reset();
        m_folder.reset();
    }

    void everyControlInItsPlace_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(Placements)); ++i)
            QTest::newRow(Placements[i].name) << i;
    }
    void everyControlInItsPlace()
    {
        QFETCH(int, row);
        const Placement &expected = Placements[row];
        QWidget *control = child(m_window.get(), expected.name);
        QVERIFY2(control, expected.name);
        QCOMPARE(control->parentWidget()->objectName(), QString::fromLatin1(expected.parent));
        QVERIFY2(control->inherits(expected.className), control->metaObject()->className());
        if (expected.geometry.width() < 0) {
            QCOMPARE(control->geometry().topLeft(), expected.geometry.topLeft());
        } else if (qobject_cast<QLabel *>(control) && qstrcmp(expected.parent, "Panel5") == 0) {
            // Range labels keep their right edge and may widen to the left to fit their text.
            QCOMPARE(control->geometry().right(), expected.geometry.right());
            QCOMPARE(control->geometry().top(), expected.geometry.top());
            QCOMPARE(control->height(), expected.geometry.height());
            QVERIFY(control->width() >= expected.geometry.width());
            QVERIFY(control->width() >=
                    control->fontMetrics().horizontalAdvance(qobject_cast<QLabel *>(control)->text()));
        } else {
            QCOMPARE(control->geometry(), expected.geometry);
        }
        if (expected.hint)
            QCOMPARE(control->toolTip(), QString::fromUtf8(expected.hint));
    }

    void shadowsLieBeneathTheirPanels()
    {
        const QObjectList order = m_window->children();
        for (const auto &[shadow, panel] :
             {std::pair{"Shape1", "Panel1"}, {"Shape3", "Panel3"}, {"Shape2", "Panel5"}}) {
            const qsizetype below = order.indexOf(child(m_window.get(), shadow));
            const qsizetype above = order.indexOf(child(m_window.get(), panel));
            QVERIFY(below >= 0 && above > below);
        }
        // The drop hint covers the list while it is shown.
        QWidget *panel = child(m_window.get(), "Panel1");
        QCOMPARE(panel->childAt(100, 60)->objectName(), u"Panel11"_s);
    }

    void tabVisitsTheControlsInOrder()
    {
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        child(m_window.get(), "ListBox1")->setFocus();
        const QStringList expected = {u"C2_00"_s,     u"C1_03"_s,     u"DigitBar1"_s, u"DigitBar2"_s,
                                      u"TrackBar1"_s, u"DigitBar3"_s, u"TrackBar2"_s, u"ListBox1"_s};
        QStringList visited;
        for (qsizetype i = 0; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget *focused = QApplication::focusWidget();
            // The folder edit takes the focus in its inner line edit.
            while (focused && focused->objectName().isEmpty())
                focused = focused->parentWidget();
            visited.append(focused ? focused->objectName() : QString());
        }
        QCOMPARE(visited, expected);
    }

    void paletteSamples_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("title strip") << QPoint(250, 12) << Look::Accent;
        QTest::newRow("body frame") << QPoint(1, 300) << Look::Gray;
        QTest::newRow("body margin") << QPoint(4, 300) << Look::White;
        QTest::newRow("input area shadow") << QPoint(392, 100) << Look::Accent;
        QTest::newRow("parameter panel") << QPoint(116, 388) << Look::PanelBackground;
        QTest::newRow("drop hint") << QPoint(22, 48) << Look::PanelBackground;
        QTest::newRow("title button at rest") << QPoint(377, 5) << Look::TitleButtonFace;
        QTest::newRow("title button holder gap") << QPoint(290 + 42, 12) << Look::Accent;
        QTest::newRow("start button face") << QPoint(31, 499) << Look::Accent;
        QTest::newRow("digit bar") << QPoint(16 + 24 + 20, 196 + 8 + 20) << Look::White;
    }
    void paletteSamples()
    {
        QFETCH(QPoint, point);
        QFETCH(QColor, colour);
        const QImage image = m_window->grab().toImage();
        QCOMPARE(image.pixelColor(point).name(), colour.name());
    }

private:
    RecordingErrorSink m_errors;
    RecordingLauncher m_launcher;
    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<MainWindow> m_window;
};

QTEST_MAIN(TestMainWindowLayout)
#include "tst_main_window_layout.moc"
