#include "mountwatcher.h"

#include <QtTest>

class TestMountWatcher : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void changeBetweenPolls_data();
    void changeBetweenPolls();
    void eachChangeIsReportedOnce();
    void flagsStayUntilCleared();
    void unreadableTableChangesNothing();
    void listensToTheKernelsTable();

private:
    void writeTable(const QStringList &lines);

    QTemporaryDir m_dir;
    QString m_table;
};

namespace {

// A mountinfo line for a device mounted at a path.
QString mountLine(int id, const QString &device, const QString &mountPoint,
                  const QString &type = "vfat", const QString &source = "/dev/sdb1")
{
    return QString("%1 25 %2 / %3 rw,nosuid,nodev shared:1 - %4 %5 rw").arg(id).arg(device,
                                                                             mountPoint, type,
                                                                             source);
}

const QString kRootLine = mountLine(1, "8:1", "/", "ext4", "/dev/sda1");
const QString kStick = mountLine(40, "8:17", "/media/STICK");

} // namespace

void TestMountWatcher::init()
{
    QVERIFY(m_dir.isValid());
    m_table = m_dir.filePath("mountinfo");
}

void TestMountWatcher::writeTable(const QStringList &lines)
{
    QFile file(m_table);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QVERIFY(file.write((lines.join('\n') + '\n').toUtf8()) > 0);
}

void TestMountWatcher::changeBetweenPolls_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QStringList>("mounted");
    QTest::addColumn<QStringList>("unmounted");

    QTest::newRow("stick plugged in")
        << QStringList{kRootLine} << QStringList{kRootLine, kStick}
        << QStringList{"/media/STICK"} << QStringList{};
    QTest::newRow("stick pulled out")
        << QStringList{kRootLine, kStick} << QStringList{kRootLine}
        << QStringList{} << QStringList{"/media/STICK"};
    QTest::newRow("another stick at the same place")
        << QStringList{kRootLine, kStick}
        << QStringList{kRootLine, mountLine(41, "8:33", "/media/STICK", "vfat", "/dev/sdc1")}
        << QStringList{"/media/STICK"} << QStringList{"/media/STICK"};
    QTest::newRow("a second mount over the first")
        << QStringList{kRootLine, kStick} << QStringList{kRootLine, kStick, mountLine(42, "8:17", "/media/STICK")}
        << QStringList{"/media/STICK"} << QStringList{};
    QTest::newRow("blank in the mount point")
        << QStringList{kRootLine} << QStringList{kRootLine, mountLine(43, "8:17", "/media/MY\\040STICK")}
        << QStringList{"/media/MY STICK"} << QStringList{};
    QTest::newRow("same table in another order")
        << QStringList{kRootLine, kStick} << QStringList{kStick, kRootLine}
        << QStringList{} << QStringList{};
}

void TestMountWatcher::changeBetweenPolls()
{
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    QFETCH(QStringList, mounted);
    QFETCH(QStringList, unmounted);

    writeTable(before);
    MountWatcher watcher(m_table);
    QSignalSpy mountSpy(&watcher, &MountWatcher::mounted);
    QSignalSpy unmountSpy(&watcher, &MountWatcher::unmounted);

    writeTable(after);
    watcher.poll();

    QStringList gotMounted;
    for (const QList<QVariant> &args : qAsConst(mountSpy))
        gotMounted << args.at(0).toString();
    QStringList gotUnmounted;
    for (const QList<QVariant> &args : qAsConst(unmountSpy))
        gotUnmounted << args.at(0).toString();
    QCOMPARE(gotMounted, mounted);
    QCOMPARE(gotUnmounted, unmounted);
    QCOMPARE(watcher.isMount(), !mounted.isEmpty());
    QCOMPARE(watcher.isUnmount(), !unmounted.isEmpty());
}

void TestMountWatcher::eachChangeIsReportedOnce()
{
    writeTable({kRootLine});
    MountWatcher watcher(m_table);
    QSignalSpy mountSpy(&watcher, &MountWatcher::mounted);
    QSignalSpy unmountSpy(&watcher, &MountWatcher::unmounted);

    writeTable({kRootLine, kStick});
    watcher.poll();
    watcher.poll();
    QCOMPARE(mountSpy.count(), 1);

    writeTable({kRootLine});
    watcher.poll();
    watcher.poll();
    QCOMPARE(mountSpy.count(), 1);
    QCOMPARE(unmountSpy.count(), 1);
}

void TestMountWatcher::flagsStayUntilCleared()
{
    writeTable({kRootLine});
    MountWatcher watcher(m_table);

    // Plugged in and pulled out again before the drive-poll timer acts.
    writeTable({kRootLine, kStick});
    watcher.poll();
    writeTable({kRootLine});
    watcher.poll();
    QVERIFY(watcher.isMount());
    QVERIFY(watcher.isUnmount());

    watcher.clearFlags();
    QVERIFY(!watcher.isMount());
    QVERIFY(!watcher.isUnmount());
    watcher.poll();
    QVERIFY(!watcher.isMount());
    QVERIFY(!watcher.isUnmount());
}

void TestMountWatcher::unreadableTableChangesNothing()
{
    writeTable({kRootLine, kStick});
    MountWatcher watcher(m_table);
    QSignalSpy unmountSpy(&watcher, &MountWatcher::unmounted);
    QSignalSpy mountSpy(&watcher, &MountWatcher::mounted);

    // A table that can't be read is not "everything unmounted".
    QVERIFY(QFile::remove(m_table));
    watcher.poll();
    QCOMPARE(unmountSpy.count(), 0);
    QVERIFY(!watcher.isUnmount());

    // Compared with the last table read when it can be read again.
    writeTable({kRootLine});
    watcher.poll();
    QCOMPARE(unmountSpy.count(), 1);
    QCOMPARE(mountSpy.count(), 0);
}

void TestMountWatcher::listensToTheKernelsTable()
{
    // The kernel's change signal can't be raised here without mounting on
    // this machine; what is checked is that the real table is listened to
    // and that reading it twice finds no change.
    MountWatcher watcher;
    QVERIFY(watcher.isListening());
    QSignalSpy mountSpy(&watcher, &MountWatcher::mounted);
    QSignalSpy unmountSpy(&watcher, &MountWatcher::unmounted);
    watcher.poll();
    QCoreApplication::processEvents();
    QCOMPARE(mountSpy.count(), 0);
    QCOMPARE(unmountSpy.count(), 0);

    MountWatcher missing(m_dir.filePath("no such table"));
    QVERIFY(!missing.isListening());
}

QTEST_GUILESS_MAIN(TestMountWatcher)
#include "tst_mountwatcher.moc"
