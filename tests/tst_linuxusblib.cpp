#include "fakedrives.h"
#include "linuxusblib.h"
#include "logcapture.h"

#include <QtTest>

#include <memory>

class TestLinuxUSBLib : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void stickWithOnePartition();
    void volumeIsTheFirstPartitionsMount_data();
    void volumeIsTheFirstPartitionsMount();
    void deviceAttributes_data();
    void deviceAttributes();
    void twoDevicesWithOneSerialLeaveTheLastFound();
    void diskBelongsToTheNearestDevice();
    void diskNotOnUsbIsNotListed();
    void nothingPluggedIn();
    void unmountedPartitionIsLogged();

private:
    QHash<QString, USBStick> sticks() const { return LinuxUSBLib(m_drives->root()).getUSBSticks(); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakeDrives> m_drives;
};

void TestLinuxUSBLib::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_drives = std::make_unique<FakeDrives>(m_dir->path());
}

void TestLinuxUSBLib::stickWithOnePartition()
{
    m_drives->addUsbDevice("2-1", "4C530001230521117090", "0781", "5581");
    m_drives->addDisk("2-1", "sdb");
    m_drives->addMount(m_drives->addPartition("sdb", 1), m_drives->mountFolder("STICK"));

    const QHash<QString, USBStick> found = sticks();
    QCOMPARE(found.keys(), QStringList{"4C530001230521117090"});
    const USBStick stick = found.value("4C530001230521117090");
    QCOMPARE(stick.getSerialNo(), QString("4C530001230521117090"));
    QCOMPARE(stick.getMountPoint(), m_drives->mountFolder("STICK") + "/");
    QCOMPARE(stick.getVID(), 0x0781);
    QCOMPARE(stick.getPID(), 0x5581);
}

void TestLinuxUSBLib::volumeIsTheFirstPartitionsMount_data()
{
    // Partitions of the stick's disk sdb, then the mount table in order:
    // "<block device> <label under media/, or an absolute path>[ <folder of
    // the file system mounted>]"; the mount point expected for the stick,
    // none when it is not listed.
    QTest::addColumn<QList<int>>("partitions");
    QTest::addColumn<QStringList>("mounts");
    QTest::addColumn<QString>("expected");

    QTest::newRow("first partition") << QList<int>{1} << QStringList{"sdb1 STICK"} << "STICK";
    QTest::newRow("data volume on the second partition")
        << QList<int>{1, 2} << QStringList{"sdb2 DATA"} << "";
    QTest::newRow("second partition listed before the first")
        << QList<int>{1, 2} << QStringList{"sdb2 DATA", "sdb1 EFI"} << "EFI";
    QTest::newRow("only sdb10 mounted beside sdb1")
        << QList<int>{1, 10} << QStringList{"sdb10 TEN"} << "";
    QTest::newRow("sdb10 listed before sdb1")
        << QList<int>{1, 10} << QStringList{"sdb10 TEN", "sdb1 ONE"} << "ONE";
    QTest::newRow("space in the mount point")
        << QList<int>{1} << QStringList{"sdb1 MY STICK"} << "MY STICK";
    QTest::newRow("tab and backslash in the mount point")
        << QList<int>{1} << QStringList{"sdb1 a\tb\\c"} << "a\tb\\c";
    QTest::newRow("label beyond ASCII")
        << QList<int>{1} << QStringList{QString::fromUtf8("sdb1 Cl\xc3\xa9 USB")}
        << QString::fromUtf8("Cl\xc3\xa9 USB");
    QTest::newRow("no partition table") << QList<int>{} << QStringList{"sdb STICK"} << "STICK";
    QTest::newRow("whole disk mounted beside its partitions")
        << QList<int>{1} << QStringList{"sdb WHOLE"} << "";
    QTest::newRow("bind mount of a folder listed first")
        << QList<int>{1} << QStringList{"sdb1 BIND /Vaults", "sdb1 STICK"} << "STICK";
    QTest::newRow("only a bind mount of a folder")
        << QList<int>{1} << QStringList{"sdb1 BIND /Vaults"} << "";
    QTest::newRow("mounted twice") << QList<int>{1} << QStringList{"sdb1 FIRST", "sdb1 SECOND"}
                                   << "FIRST";
    QTest::newRow("not mounted") << QList<int>{1} << QStringList{} << "";
    QTest::newRow("mounted at /") << QList<int>{1} << QStringList{"sdb1 /"} << "/";
}

void TestLinuxUSBLib::volumeIsTheFirstPartitionsMount()
{
    QFETCH(QList<int>, partitions);
    QFETCH(QStringList, mounts);
    QFETCH(QString, expected);

    m_drives->addUsbDevice("2-1", "SER1");
    m_drives->addDisk("2-1", "sdb");
    for (int number : partitions)
        m_drives->addPartition("sdb", number);
    m_drives->addOtherMount("0:52", m_drives->mountFolder("sdb1")); // a name is not a device

    auto where = [this](const QString &label) {
        return label.startsWith('/') ? label : m_drives->mountFolder(label);
    };
    for (const QString &mount : mounts) {
        const QString device = mount.section(' ', 0, 0);
        QString label = mount.section(' ', 1);
        QString fsRoot = "/";
        if (label.contains(" /")) {
            fsRoot = label.section(" /", 1).prepend('/');
            label = label.section(" /", 0, 0);
        }
        m_drives->addMount(device, where(label), fsRoot);
    }

    const QHash<QString, USBStick> found = sticks();
    if (expected.isEmpty()) {
        QVERIFY(found.isEmpty());
    } else {
        const QString mountPoint = where(expected);
        QCOMPARE(found.value("SER1").getMountPoint(),
                 mountPoint == "/" ? mountPoint : mountPoint + "/");
    }
}

void TestLinuxUSBLib::deviceAttributes_data()
{
    // A null text leaves the attribute out.
    QTest::addColumn<QString>("serial");
    QTest::addColumn<QString>("vendor");
    QTest::addColumn<QString>("product");
    QTest::addColumn<bool>("listed");
    QTest::addColumn<int>("vid");
    QTest::addColumn<int>("pid");

    QTest::newRow("all present") << "AA00000000001234" << "090c" << "1000" << true << 0x090c << 0x1000;
    QTest::newRow("no serial number") << QString() << "090c" << "1000" << false << 0 << 0;
    QTest::newRow("empty serial number") << "" << "090c" << "1000" << false << 0 << 0;
    QTest::newRow("serial beyond ASCII") << QString::fromUtf8("S\xc3\xa9R") << "090c" << "1000"
                                         << true << 0x090c << 0x1000;
    QTest::newRow("no vendor id") << "S1" << QString() << "1000" << true << 0 << 0x1000;
    QTest::newRow("no product id") << "S1" << "090c" << QString() << true << 0x090c << 0;
    QTest::newRow("vendor id not hexadecimal") << "S1" << "09zz" << "1000" << false << 0 << 0;
    QTest::newRow("product id empty") << "S1" << "090c" << "" << false << 0 << 0;
}

void TestLinuxUSBLib::deviceAttributes()
{
    QFETCH(QString, serial);
    QFETCH(QString, vendor);
    QFETCH(QString, product);
    QFETCH(bool, listed);
    QFETCH(int, vid);
    QFETCH(int, pid);

    m_drives->addUsbDevice("2-1", serial, vendor, product);
    m_drives->addDisk("2-1", "sdb");
    m_drives->addMount(m_drives->addPartition("sdb", 1), m_drives->mountFolder("STICK"));

    const QHash<QString, USBStick> found = sticks();
    QCOMPARE(found.size(), listed ? 1 : 0);
    if (listed) {
        const USBStick stick = found.value(serial);
        QCOMPARE(stick.getSerialNo(), serial);
        QCOMPARE(stick.getVID(), vid);
        QCOMPARE(stick.getPID(), pid);
    }
}

void TestLinuxUSBLib::twoDevicesWithOneSerialLeaveTheLastFound()
{
    m_drives->addUsbDevice("2-1", "0123456789");
    m_drives->addDisk("2-1", "sdb");
    m_drives->addMount(m_drives->addPartition("sdb", 1), m_drives->mountFolder("FIRST"));
    m_drives->addUsbDevice("2-2", "0123456789");
    m_drives->addDisk("2-2", "sdc");
    m_drives->addMount(m_drives->addPartition("sdc", 1), m_drives->mountFolder("SECOND"));

    const QHash<QString, USBStick> found = sticks();
    QCOMPARE(found.size(), 1);
    QCOMPARE(found.value("0123456789").getMountPoint(), m_drives->mountFolder("SECOND") + "/");
}

void TestLinuxUSBLib::diskBelongsToTheNearestDevice()
{
    // A hub that reports a serial number of its own, with a card reader of
    // two slots behind it. The root hub above both has a serial number too.
    m_drives->addUsbDevice("2-1", "HUB0001", "05e3", "0610");
    m_drives->addUsbDevice("2-1.3", "READER01", "14cd", "125c");
    m_drives->addDisk("2-1.3", "sdc");
    m_drives->addDisk("2-1.3", "sdb");
    m_drives->addMount(m_drives->addPartition("sdc", 1), m_drives->mountFolder("SLOT2"));
    m_drives->addMount(m_drives->addPartition("sdb", 1), m_drives->mountFolder("SLOT1"));

    const QHash<QString, USBStick> found = sticks();
    QCOMPARE(found.keys(), QStringList{"READER01"});
    // Of a device's disks the first by name counts.
    QCOMPARE(found.value("READER01").getMountPoint(), m_drives->mountFolder("SLOT1") + "/");
}

void TestLinuxUSBLib::diskNotOnUsbIsNotListed()
{
    m_drives->addDisk(QString(), "sda");
    m_drives->addMount(m_drives->addPartition("sda", 1), "/");
    m_drives->addUsbDevice("2-1", "MOUSE1", "046d", "c077"); // no storage below it
    QVERIFY(sticks().isEmpty());
}

void TestLinuxUSBLib::nothingPluggedIn()
{
    QVERIFY(sticks().isEmpty());
    QVERIFY(LinuxUSBLib(m_dir->filePath("no such root")).getUSBSticks().isEmpty());

    // A system without a readable mount table finds no mounted drive.
    m_drives->addUsbDevice("2-1", "SER1");
    m_drives->addDisk("2-1", "sdb");
    m_drives->addMount(m_drives->addPartition("sdb", 1), m_drives->mountFolder("STICK"));
    QVERIFY(QFile::remove(m_dir->filePath("proc/self/mountinfo")));
    QVERIFY(sticks().isEmpty());
}

void TestLinuxUSBLib::unmountedPartitionIsLogged()
{
    m_drives->addUsbDevice("2-1", "SER1");
    m_drives->addDisk("2-1", "sdb");
    m_drives->addPartition("sdb", 1);

    LogCapture log;
    QVERIFY(sticks().isEmpty());
    QCOMPARE(log.lines().size(), 1);
    QVERIFY2(log.lines().first().trimmed().endsWith(" disk not found while looking for \"sdb\""),
             log.lines().first().constData());
    QVERIFY(log.lines().first().contains(" E linuxusblib.cpp "));

    QString mountPath = "unchanged";
    QCOMPARE(LinuxUSBLib(m_drives->root()).getMountPath("sdb", mountPath), 1);
    QCOMPARE(mountPath, QString("unchanged"));
    QCOMPARE(LinuxUSBLib(m_drives->root()).getMountPath("../block/sdb", mountPath), 1);

    m_drives->addMount("sdb1", m_drives->mountFolder("LATE"));
    QCOMPARE(LinuxUSBLib(m_drives->root()).getMountPath("sdb", mountPath), 0);
    QCOMPARE(mountPath, m_drives->mountFolder("LATE")); // no "/" added here
}

QTEST_GUILESS_MAIN(TestLinuxUSBLib)
#include "tst_linuxusblib.moc"
