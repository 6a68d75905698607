#include "fakedrives.h"
#include "linuxusblib.h"
#include "tavstickmanager.h"
#include "workingdrive.h"

#include <QtTest>

#include <sys/stat.h>

#include <memory>

class TestWorkingDrive : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void programOnAStick();
    void standInIsRegisteredWithAStableSerial();
    void standInUnderTheDataFolder();
    void serialFileWrittenByHand();
    void noStandIn_data();
    void noStandIn();

private:
    QString path(const QString &relative) const { return m_dir->filePath(relative); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakeDrives> m_drives;
    std::unique_ptr<LinuxUSBLib> m_usb;
    QString m_stick; // mount point of a stick that doesn't hold the program
    QString m_oldWorkingFolder;
};

namespace {

mode_t modeOf(const QString &path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return 0;
    return info.st_mode & 07777;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

void TestWorkingDrive::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir().mkpath(path("sys-root")));
    m_drives = std::make_unique<FakeDrives>(path("sys-root"));
    m_stick = m_drives->plugStick("OTHERSTICK01", "OTHER");
    m_usb = std::make_unique<LinuxUSBLib>(m_drives->root());

    QVERIFY(QDir().mkpath(path("home/bin")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(path("xdg-data")));
    qputenv("KOLVANE_DRIVE_ROOT", QFile::encodeName(path("drive")));
    m_oldWorkingFolder = QDir::currentPath();
    QVERIFY(QDir().mkpath(path("cwd")));
    QVERIFY(QDir::setCurrent(path("cwd")));
}

void TestWorkingDrive::cleanup()
{
    QDir::setCurrent(m_oldWorkingFolder);
    QVERIFY(QDir(path("cwd")).isEmpty());
    TAVStickManager::setDriveLocator(nullptr);
    TAVStickManager::update();
    qunsetenv("KOLVANE_DRIVE_ROOT");
}

void TestWorkingDrive::programOnAStick()
{
    const QString mount = m_drives->plugStick("4C530001230521117090", "STICK");
    const QString program = mount + "KolvaneVave/kolvanevave";
    WorkingDrive drive(m_usb.get());

    QVERIFY(drive.find(program));
    QCOMPARE(drive.serialNo(), QString("4C530001230521117090"));
    QCOMPARE(drive.mountPoint(), mount);
    QVERIFY(!drive.isStandIn());
    // The stand-in is neither made nor registered.
    QVERIFY(!QFileInfo::exists(path("drive")));
    QCOMPARE(TAVStickManager::getSerialByPath(m_stick + "x"), QString("OTHERSTICK01"));
    QCOMPARE(drive.getUSBSticks().size(), 2);
}

void TestWorkingDrive::standInIsRegisteredWithAStableSerial()
{
    const QString program = path("home/bin/kolvanevave");
    QVERIFY(QDir().mkpath(path("drive")));
    QString serial;
    {
        WorkingDrive drive(m_usb.get());
        QVERIFY(drive.find(program));
        QVERIFY(drive.isStandIn());
        QCOMPARE(drive.mountPoint(), path("drive") + "/");
        serial = drive.serialNo();
        QVERIFY(!serial.isEmpty());
        const QString serialFile = path("drive/") + WorkingDrive::serialFileName();
        QCOMPARE(modeOf(serialFile), mode_t(0600));
        QCOMPARE(readFile(serialFile).trimmed(), serial.toLatin1());
        QCOMPARE(QDir(path("drive")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{WorkingDrive::serialFileName()});
    }

    // The next start finds the same drive, registered like a stick beside
    // the real one, and a later refresh of the registry keeps it.
    WorkingDrive drive(m_usb.get());
    QVERIFY(drive.find(program));
    QCOMPARE(drive.serialNo(), serial);
    TAVStickManager::update();
    QCOMPARE(TAVStickManager::getPathBySerialNo(serial), path("drive") + "/");
    QCOMPARE(TAVStickManager::getSerialByPath(path("drive/KolvaneVave Settings/config.dat")), serial);
    QVERIFY(TAVStickManager::isFlashDriveAvailable(serial));
    QVERIFY(TAVStickManager::isFlashDriveAvailable("OTHERSTICK01"));
    QVERIFY(TAVStickManager::isLocalDrive(path("home/bin")));
}

void TestWorkingDrive::standInUnderTheDataFolder()
{
    qunsetenv("KOLVANE_DRIVE_ROOT");
    WorkingDrive drive(m_usb.get());
    QVERIFY(drive.find(path("home/bin/kolvanevave")));
    QVERIFY(drive.isStandIn());
    const QString expected = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/Drive/";
    QVERIFY(expected.startsWith(path("xdg-data")));
    QCOMPARE(drive.mountPoint(), expected);
    QVERIFY(QFileInfo::exists(expected + WorkingDrive::serialFileName()));
    // Made here, for this user only.
    QCOMPARE(modeOf(expected), mode_t(0700));
}

void TestWorkingDrive::serialFileWrittenByHand()
{
    // A folder given by a path with a link in it is registered by its real
    // path, which is what the file dialogs give.
    QVERIFY(QDir().mkpath(path("real-drive")));
    QVERIFY(QFile::link(path("real-drive"), path("drive")));
    QFile file(path("real-drive/") + WorkingDrive::serialFileName());
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.write("  SER-42\n") > 0);
    file.close();

    WorkingDrive drive(m_usb.get());
    QVERIFY(drive.find(path("home/bin/kolvanevave")));
    QCOMPARE(drive.serialNo(), QString("SER-42"));
    QCOMPARE(drive.mountPoint(), QFileInfo(path("real-drive")).canonicalFilePath() + "/");
}

void TestWorkingDrive::noStandIn_data()
{
    // KOLVANE_DRIVE_ROOT below the temporary folder (or as it is, when it
    // starts with "!"), and what the serial file holds beforehand (null for
    // none); it must be left as it was.
    QTest::addColumn<QString>("root");
    QTest::addColumn<QByteArray>("serialFile");

    QTest::newRow("relative folder") << "!drive" << QByteArray();
    QTest::newRow("missing folder: never made") << "elsewhere/drive" << QByteArray();
    QTest::newRow("root folder") << "!/" << QByteArray();
    QTest::newRow("folder below a file") << "a file/drive" << QByteArray();
    QTest::newRow("empty serial file") << "drive" << QByteArray("");
    QTest::newRow("blank serial file") << "drive" << QByteArray(" \n");
    QTest::newRow("binary serial file") << "drive" << QByteArray("AB\x01\xff", 4);
    QTest::newRow("serial with a blank") << "drive" << QByteArray("AB CD\n");
    QTest::newRow("overlong serial file") << "drive" << QByteArray(200, 'A');
}

void TestWorkingDrive::noStandIn()
{
    QFETCH(QString, root);
    QFETCH(QByteArray, serialFile);

    QFile aFile(path("a file"));
    QVERIFY(aFile.open(QIODevice::WriteOnly));
    aFile.close();
    const QString folder = root.startsWith('!') ? root.mid(1) : path(root);
    qputenv("KOLVANE_DRIVE_ROOT", QFile::encodeName(folder));
    const QString serialPath = folder + "/" + WorkingDrive::serialFileName();
    if (!serialFile.isNull()) {
        QVERIFY(QDir().mkpath(folder));
        QFile file(serialPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(serialFile), qint64(serialFile.size()));
    }

    WorkingDrive drive(m_usb.get());
    QVERIFY(!drive.find(path("home/bin/kolvanevave")));
    QVERIFY(!drive.errorText().isEmpty());
    QCOMPARE(drive.serialNo(), QString());
    QCOMPARE(drive.mountPoint(), QString());
    QCOMPARE(drive.getUSBSticks().keys(), QStringList{"OTHERSTICK01"});
    if (!serialFile.isNull())
        QCOMPARE(readFile(serialPath), serialFile);
    if (QByteArray(QTest::currentDataTag()).startsWith("missing folder")) {
        QVERIFY2(drive.errorText().contains(folder), qPrintable(drive.errorText()));
        QVERIFY(!QFileInfo::exists(path("elsewhere")));
    }
}

QTEST_GUILESS_MAIN(TestWorkingDrive)
#include "tst_workingdrive.moc"
