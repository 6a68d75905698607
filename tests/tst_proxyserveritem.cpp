#include "proxyserveritem.h"

#include <QtTest>

class TestProxyServerItem : public QObject
{
    Q_OBJECT
private slots:
    void keepsEachValueTrimmed_data();
    void keepsEachValueTrimmed();
};

void TestProxyServerItem::keepsEachValueTrimmed_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("as typed") << "proxy.example" << "proxy.example";
    QTest::newRow("blanks around") << "  8080 " << "8080";
    QTest::newRow("tabs and line ends") << "\t user\r\n" << "user";
    QTest::newRow("blanks inside stay") << " pass word " << "pass word";
    QTest::newRow("only blanks") << " \t " << "";
    QTest::newRow("empty") << "" << "";
}

void TestProxyServerItem::keepsEachValueTrimmed()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    // The same value in each place, the others marked, so a field that takes
    // its neighbour's value shows.
    const ProxyServerItem item(typed, QStringLiteral(" 1 "), QStringLiteral(" 2 "), QStringLiteral(" 3 "));
    QCOMPARE(item.host(), kept);
    QCOMPARE(item.port(), QStringLiteral("1"));
    QCOMPARE(item.userName(), QStringLiteral("2"));
    QCOMPARE(item.password(), QStringLiteral("3"));

    const ProxyServerItem other(QStringLiteral("h"), typed, typed, typed);
    QCOMPARE(other.host(), QStringLiteral("h"));
    QCOMPARE(other.port(), kept);
    QCOMPARE(other.userName(), kept);
    QCOMPARE(other.password(), kept);
}

QTEST_MAIN(TestProxyServerItem)
#include "tst_proxyserveritem.moc"
