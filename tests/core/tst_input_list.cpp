#include <algorithm>

#include <QTest>

#include "input_list.h"

using namespace Qt::StringLiterals;

static bool sortedIgnoringCase(const QStringList &paths)
{
    return std::is_sorted(paths.cbegin(), paths.cend(), [](const QString &a, const QString &b) {
        return a.toCaseFolded() < b.toCaseFolded();
    });
}

class TestInputList : public QObject
{
    Q_OBJECT

private slots:
    void singleAddsStaySortedIgnoringCase()
    {
        InputList list;
        for (const QString &path :
             {u"/v/b.mp4"_s, u"/v/A.mp4"_s, u"/v/a.mp4"_s, u"/v/C.mp4"_s, u"/v/b.mp4"_s})
            list.add(path);
        QCOMPARE(list.paths(),
                 QStringList({u"/v/A.mp4"_s, u"/v/a.mp4"_s, u"/v/b.mp4"_s, u"/v/b.mp4"_s, u"/v/C.mp4"_s}));
    }

    void addReturnsTheIndex()
    {
        InputList list;
        list.add(u"b"_s);
        list.add(u"d"_s);
        QCOMPARE(list.add(u"C"_s), 1);
        QCOMPARE(list.add(u"a"_s), 0);
        QCOMPARE(list.add(u"z"_s), 4);
    }

    void manyMergeLikeSingleAdds()
    {
        QStringList existing = {u"/x/Movie.avi"_s, u"/x/b"_s, u"/x/m"_s};
        QStringList batch;
        for (int i = 30; i > 0; --i)
            batch.append(u"/x/%1%2"_s.arg(QChar(u'a' + i % 26)).arg(i % 3 ? u"" : u"X"));
        batch.append(u"/x/movie.avi"_s);
        batch.append(u"/x/b"_s);

        InputList single;
        for (const QString &path : existing + batch)
            single.add(path);
        InputList merged;
        for (const QString &path : existing)
            merged.add(path);
        merged.addMany(batch);

        QCOMPARE(merged.paths(), single.paths());
        QVERIFY(sortedIgnoringCase(merged.paths()));
        QCOMPARE(merged.size(), existing.size() + batch.size());
    }

    void clearEmpties()
    {
        InputList list;
        list.addMany({u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s, u"f"_s, u"g"_s, u"h"_s, u"i"_s});
        QVERIFY(!list.isEmpty());
        list.clear();
        QVERIFY(list.isEmpty());
        QCOMPARE(list.add(u"a"_s), 0);
    }
};

QTEST_GUILESS_MAIN(TestInputList)
#include "tst_input_list.moc"
