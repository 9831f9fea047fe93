#include <QHash>
#include <QSet>
#include <QTest>

#include "batch_plan.h"
#include "batch_platform.h"

using namespace Qt::StringLiterals;

namespace {

// Files that exist, and links that lead from one path to another.
class FileTable : public BatchPlatform
{
public:
    QSet<QString> files;
    QHash<QString, QString> links;

    ProcessRunner *createRunner(QObject *) override { return nullptr; }
    EncoderProgram findEncoder() override { return {}; }
    bool makePath(const QString &) override { return true; }
    bool isFile(const QString &path) override { return files.contains(canonicalPath(path)); }
    bool removeFile(const QString &path) override { return files.remove(path); }
    QString canonicalPath(const QString &path) override
    {
        const QString target = links.value(path, path);
        return files.contains(target) ? target : QString();
    }
};

} // namespace

class TestBatchPlan : public QObject
{
    Q_OBJECT

private slots:
    void outputs_data()
    {
        QTest::addColumn<PathStyle>("style");
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QStringList>("outputs");
        QTest::addColumn<QStringList>("skipped");

        const auto posix = PathStyle::Posix;
        QTest::newRow("distinct names") << posix << QStringList{u"/v/a.mp4"_s, u"/v/b.mov"_s}
                                        << QStringList{u"/out/a.avi"_s, u"/out/b.avi"_s} << QStringList{};
        QTest::newRow("same name, other extension")
            << posix << QStringList{u"/v/clip.mp4"_s, u"/v/clip.mov"_s, u"/v/clip.wmv"_s}
            << QStringList{u"/out/clip.avi"_s, u"/out/clip (2).avi"_s, u"/out/clip (3).avi"_s}
            << QStringList{};
        QTest::newRow("same name, other folder")
            << posix << QStringList{u"/a/clip.mp4"_s, u"/b/clip.mp4"_s}
            << QStringList{u"/out/clip.avi"_s, u"/out/clip (2).avi"_s} << QStringList{};
        QTest::newRow("same input twice keeps one output")
            << posix << QStringList{u"/a/clip.mp4"_s, u"/b/clip.mp4"_s, u"/a/clip.mp4"_s}
            << QStringList{u"/out/clip.avi"_s, u"/out/clip (2).avi"_s, u"/out/clip.avi"_s} << QStringList{};
        QTest::newRow("input in the output folder is skipped")
            << posix << QStringList{u"/out/clip.avi"_s} << QStringList{u"/out/clip.avi"_s}
            << QStringList{u"/out/clip.avi"_s};
        QTest::newRow("output never names another input, whatever the order")
            << posix << QStringList{u"/v/clip.mp4"_s, u"/out/clip.avi"_s}
            << QStringList{u"/out/clip (2).avi"_s, u"/out/clip.avi"_s} << QStringList{u"/out/clip.avi"_s};
        QTest::newRow("numbered name taken by an input")
            << posix << QStringList{u"/a/clip.mp4"_s, u"/b/clip.mp4"_s, u"/out/clip (2).avi"_s}
            << QStringList{u"/out/clip.avi"_s, u"/out/clip (3).avi"_s, u"/out/clip (2).avi"_s}
            << QStringList{u"/out/clip (2).avi"_s};
        QTest::newRow("name without extension")
            << posix << QStringList{u"/v/clip"_s, u"/w/clip.mp4"_s}
            << QStringList{u"/out/clip.avi"_s, u"/out/clip (2).avi"_s} << QStringList{};
        QTest::newRow("windows names differ only in case")
            << PathStyle::Windows << QStringList{u"C:\\v\\Clip.mp4"_s, u"C:\\w\\clip.mp4"_s}
            << QStringList{u"D:\\out\\Clip.avi"_s, u"D:\\out\\clip (2).avi"_s} << QStringList{};
        QTest::newRow("windows input spelt otherwise is still the output")
            << PathStyle::Windows << QStringList{u"d:\\OUT\\Clip.avi"_s}
            << QStringList{u"D:\\out\\Clip.avi"_s} << QStringList{u"d:\\OUT\\Clip.avi"_s};
        QTest::newRow("posix names differing in case are different files")
            << posix << QStringList{u"/v/Clip.mp4"_s, u"/w/clip.mp4"_s}
            << QStringList{u"/out/Clip.avi"_s, u"/out/clip.avi"_s} << QStringList{};
    }
    void outputs()
    {
        QFETCH(PathStyle, style);
        QFETCH(QStringList, inputs);
        QFETCH(QStringList, outputs);
        QFETCH(QStringList, skipped);

        FileTable files;
        const QString folder = style == PathStyle::Windows ? u"D:\\out"_s : u"/out"_s;
        const QList<BatchItem> items = planBatch(inputs, folder, style, files);
        QCOMPARE(items.size(), inputs.size());
        QStringList plannedOutputs;
        QStringList plannedSkips;
        for (qsizetype i = 0; i < items.size(); ++i) {
            QCOMPARE(items.at(i).inputPath, inputs.at(i));
            plannedOutputs.append(items.at(i).outputPath);
            if (items.at(i).outputIsInput)
                plannedSkips.append(items.at(i).inputPath);
        }
        QCOMPARE(plannedOutputs, outputs);
        QCOMPARE(plannedSkips, skipped);
    }

    // Two spellings of one existing file: the output would overwrite the input.
    void inputReachedThroughLinkIsSkipped()
    {
        FileTable files;
        files.files = {u"/out/clip.avi"_s};
        files.links = {{u"/link/clip.avi"_s, u"/out/clip.avi"_s}};
        const QList<BatchItem> items = planBatch({u"/link/clip.avi"_s}, u"/out"_s, PathStyle::Posix, files);
        QCOMPARE(items.size(), 1);
        QVERIFY(items.at(0).outputIsInput);
    }

    void outputLeadingToAnotherInputIsNotChosen()
    {
        FileTable files;
        files.files = {u"/data/clip.avi"_s, u"/v/clip.mp4"_s};
        files.links = {{u"/out/clip.avi"_s, u"/data/clip.avi"_s}};
        const QList<BatchItem> items =
            planBatch({u"/v/clip.mp4"_s, u"/data/clip.avi"_s}, u"/out"_s, PathStyle::Posix, files);
        QCOMPARE(items.at(0).outputPath, u"/out/clip (2).avi"_s);
        QVERIFY(!items.at(0).outputIsInput);
    }
};

QTEST_GUILESS_MAIN(TestBatchPlan)
#include "tst_batch_plan.moc"
