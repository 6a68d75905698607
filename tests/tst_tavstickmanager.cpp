#include "fakedrives.h"
#include "fixeddrivelocator.h"
#include "linuxusblib.h"
#include "logcapture.h"
#include "tavstickmanager.h"

#include <QtTest>

class TestTAVStickManager : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanupTestCase();

    void updateLogsEachDrive();
    void pathLookups_data();
    void pathLookups();
    void serialLookups();
    void nestedMountPointsGiveTheDeepestDrive();
    void answersAreThoseOfTheLastUpdate();
    void noDrivePluggedIn();
    void noLocatorFindsNothing();
    void findsStickOnFakeSystem();

private:
    FixedDriveLocator m_drives;
};

void TestTAVStickManager::init()
{
    m_drives.unplugAll();
    m_drives.plug(USBStick("4C530001230521117090", "/Volumes/STICK/", 0x5581, 0x0781));
    m_drives.plug(USBStick("AA0000000000BEEF", "/media/user/Other Stick/", 0x1000, 0x090c));
    TAVStickManager::setDriveLocator(&m_drives);
    TAVStickManager::update();
}

void TestTAVStickManager::cleanupTestCase()
{
    TAVStickManager::setDriveLocator(nullptr);
}

void TestTAVStickManager::updateLogsEachDrive()
{
    m_drives.unplug("AA0000000000BEEF");
    LogCapture log;
    TAVStickManager::update();
    QCOMPARE(log.lines().size(), 1);
    const QByteArray line = log.lines().first().trimmed();
    QVERIFY2(line.endsWith(" flash drive found on \"/Volumes/STICK/\" \"4C530001230521117090\" "
                           "\"0x5581\" \"0x781\""),
             line.constData());
    QVERIFY(line.contains(" I tavstickmanager.cpp "));
}

void TestTAVStickManager::pathLookups_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("serial");     // empty: on no registered drive
    QTest::addColumn<QString>("mountPoint");
    QTest::addColumn<bool>("network");

    const QString stick = "4C530001230521117090";
    const QString other = "AA0000000000BEEF";
    QTest::newRow("inside a drive") << "/Volumes/STICK/vault" << stick << "/Volumes/STICK/" << false;
    QTest::newRow("mount point itself") << "/Volumes/STICK/" << stick << "/Volumes/STICK/" << false;
    QTest::newRow("mount point without its slash") << "/Volumes/STICK" << "" << "" << false;
    QTest::newRow("other case") << "/volumes/stick/x" << "" << "" << false;
    QTest::newRow("longer name") << "/Volumes/STICKER/x" << "" << "" << false;
    QTest::newRow("space in mount point")
        << "/media/user/Other Stick/KolvaneVave Settings/config.dat" << other
        << "/media/user/Other Stick/" << false;
    QTest::newRow("network share") << "//server/share/vault" << "" << "" << true;
    QTest::newRow("two slashes only") << "//" << "" << "" << false;
    QTest::newRow("shortest network path") << "//a" << "" << "" << true;
    QTest::newRow("local share folder") << "/Volumes/share" << "" << "" << false;
    QTest::newRow("empty path") << "" << "" << "" << false;
}

void TestTAVStickManager::pathLookups()
{
    QFETCH(QString, path);
    QFETCH(QString, serial);
    QFETCH(QString, mountPoint);
    QFETCH(bool, network);

    LogCapture log;
    QCOMPARE(TAVStickManager::getSerialByPath(path), serial);
    if (serial.isEmpty()) {
        QCOMPARE(log.lines().size(), 1);
        QVERIFY2(log.lines().first().trimmed().endsWith(" getSerialByPath failed for \"" + path.toUtf8() + '"'),
                 log.lines().first().constData());
        QVERIFY(log.lines().first().contains(" E tavstickmanager.cpp "));
    } else {
        QVERIFY(log.lines().isEmpty());
    }

    log.clear();
    QCOMPARE(TAVStickManager::getMountPoint(path), mountPoint);
    QCOMPARE(TAVStickManager::isFlashDrive(path), !serial.isEmpty());
    QCOMPARE(TAVStickManager::isNetworkDrive(path), network);
    QCOMPARE(TAVStickManager::isLocalDrive(path), serial.isEmpty() && !network);
    QVERIFY(log.lines().isEmpty()); // only the serial lookups log a miss
}

void TestTAVStickManager::serialLookups()
{
    QCOMPARE(TAVStickManager::getPathBySerialNo("AA0000000000BEEF"), QString("/media/user/Other Stick/"));
    QVERIFY(TAVStickManager::isFlashDriveAvailable("AA0000000000BEEF"));
    QVERIFY(TAVStickManager::isFlashDriveAvailable());

    LogCapture log;
    QCOMPARE(TAVStickManager::getPathBySerialNo("aa0000000000beef"), QString());
    QVERIFY(!TAVStickManager::isFlashDriveAvailable("aa0000000000beef"));
    QCOMPARE(log.lines().size(), 1);
    QVERIFY2(log.lines().first().trimmed().endsWith(" getPathBySerial failed for \"aa0000000000beef\""),
             log.lines().first().constData());
}

void TestTAVStickManager::nestedMountPointsGiveTheDeepestDrive()
{
    // A system started from a stick at "/" and sticks mounted inside each
    // other: a path is on the drive mounted deepest above it.
    m_drives.unplugAll();
    QString mountPoint = "/";
    for (int depth = 0; depth < 8; ++depth) {
        m_drives.plug(USBStick(QString("DEPTH%1").arg(depth), mountPoint, 1, 1));
        mountPoint += QString("m%1/").arg(depth);
    }
    TAVStickManager::update();

    QCOMPARE(TAVStickManager::getSerialByPath("/m0/m1/m2/m3/m4/m5/m6/vault"), QString("DEPTH7"));
    QCOMPARE(TAVStickManager::getMountPoint("/m0/m1/m2/m3/vault"), QString("/m0/m1/m2/m3/"));
    QCOMPARE(TAVStickManager::getSerialByPath("/home/user/vault"), QString("DEPTH0"));
    QCOMPARE(TAVStickManager::getSerialByPath("/m0/m1"), QString("DEPTH1"));
}

void TestTAVStickManager::answersAreThoseOfTheLastUpdate()
{
    m_drives.unplug("AA0000000000BEEF");
    m_drives.plug(USBStick("4C530001230521117090", "/media/user/STICK/", 0x5581, 0x0781));

    // Unplugged or moved, a drive is where it was until the next update().
    QCOMPARE(TAVStickManager::getPathBySerialNo("AA0000000000BEEF"), QString("/media/user/Other Stick/"));
    QCOMPARE(TAVStickManager::getSerialByPath("/Volumes/STICK/vault"), QString("4C530001230521117090"));

    TAVStickManager::update();
    QVERIFY(!TAVStickManager::isFlashDriveAvailable("AA0000000000BEEF"));
    QVERIFY(TAVStickManager::isLocalDrive("/media/user/Other Stick/vault"));
    QCOMPARE(TAVStickManager::getPathBySerialNo("4C530001230521117090"), QString("/media/user/STICK/"));
    QVERIFY(TAVStickManager::isLocalDrive("/Volumes/STICK/vault"));
}

void TestTAVStickManager::noDrivePluggedIn()
{
    m_drives.unplugAll();
    TAVStickManager::update();
    QVERIFY(!TAVStickManager::isFlashDriveAvailable());
    QCOMPARE(TAVStickManager::getPathBySerialNo("4C530001230521117090"), QString());
    for (const QString path : {"/", "/Volumes/STICK/vault", "/media/user/Other Stick/x", "relative"})
        QVERIFY2(TAVStickManager::isLocalDrive(path), qPrintable(path));
    QVERIFY(!TAVStickManager::isLocalDrive("//server/share"));
}

void TestTAVStickManager::noLocatorFindsNothing()
{
    TAVStickManager::setDriveLocator(nullptr);
    TAVStickManager::update();
    QVERIFY(!TAVStickManager::isFlashDriveAvailable());
}

void TestTAVStickManager::findsStickOnFakeSystem()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    FakeDrives fake(dir.path());
    const QString mountPoint = fake.plugStick("4C530001230521117090", "KOLVANE");
    QVERIFY(mountPoint.endsWith("/media/KOLVANE/"));
    LinuxUSBLib usb(fake.root());
    TAVStickManager::setDriveLocator(&usb);
    TAVStickManager::update();

    const QString settings = mountPoint + "KolvaneVave Settings/config.dat";
    QCOMPARE(TAVStickManager::getSerialByPath(settings), QString("4C530001230521117090"));
    QCOMPARE(TAVStickManager::getPathBySerialNo("4C530001230521117090"), mountPoint);
    QVERIFY(TAVStickManager::isFlashDrive(settings));
    QVERIFY(QFileInfo(mountPoint).isDir()); // a real folder: files can be put there
}

QTEST_GUILESS_MAIN(TestTAVStickManager)
#include "tst_tavstickmanager.moc"
