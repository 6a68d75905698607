#include "filefixture.h"
#include "fileutils.h"
#include "iconprovider.h"
#include "logcapture.h"
#include "platformutils.h"
#include "utils.h"

#include <QAction>
#include <QStorageInfo>
#include <QtTest>

class TestPlatformUtils : public QObject
{
    Q_OBJECT
private slots:
    void vaultFolderIcon();
    void vaultFolderIconOnMissingFolder();
    void diskSpace();
    void shortHostName_data();
    void shortHostName();
    void synchronizeIcon_data();
    void synchronizeIcon();
    void stopwatchLogsElapsedTime();
};

void TestPlatformUtils::vaultFolderIcon()
{
    QTemporaryDir dir;
    IconProvider::instance();
    const QByteArray image = FileFixture::read(":/res/vault.png");
    QVERIFY(!image.isEmpty());

    FileUtils::setVaultDirIcon(dir.path());
    QCOMPARE(FileFixture::read(dir.path() + "/vault.png"), image);
    QCOMPARE(FileFixture::read(dir.path() + "/.directory"), QByteArray("[Desktop Entry]\nIcon=./vault.png\n"));
    QVERIFY(QFileInfo(dir.path() + "/vault.png").isWritable());

    // A second time only the image is refreshed; an entry already there stays.
    QVERIFY(FileFixture::write(dir.path() + "/vault.png", "damaged"));
    QVERIFY(FileFixture::write(dir.path() + "/.directory", "[Desktop Entry]\nIcon=folder-blue\n"));
    PlatformUtils::setVaultDirIcon(dir.path());
    QCOMPARE(FileFixture::read(dir.path() + "/vault.png"), image);
    QCOMPARE(FileFixture::read(dir.path() + "/.directory"), QByteArray("[Desktop Entry]\nIcon=folder-blue\n"));
}

void TestPlatformUtils::vaultFolderIconOnMissingFolder()
{
    QTemporaryDir dir;
    PlatformUtils::setVaultDirIcon(dir.path() + "/missing");
    QVERIFY(!QFileInfo::exists(dir.path() + "/missing"));
    QCOMPARE(PlatformUtils::setAsCustomIconForDirectory(dir.path() + "/missing", "vault.png"), 0);
}

void TestPlatformUtils::diskSpace()
{
    QTemporaryDir dir;
    const QStorageInfo volume(dir.path());
    const quint64 free = PlatformUtils::getFreeDisk(dir.path());
    const quint64 total = PlatformUtils::getTotalDisk(dir.path());
    QVERIFY(free > 0);
    QVERIFY(free <= total);
    QCOMPARE(total, quint64(volume.bytesTotal()));
    // The space an ordinary user may write, not counting root's reserve
    // (which on an ext4 volume is gigabytes); other writers may move it a little.
    const qint64 slack = 512LL * 1024 * 1024;
    QVERIFY2(qAbs(qint64(free) - volume.bytesAvailable()) < slack,
             qPrintable(QString("%1 vs %2").arg(free).arg(volume.bytesAvailable())));

    QCOMPARE(PlatformUtils::getFreeDisk(dir.path() + "/missing/x"), quint64(0));
    QCOMPARE(PlatformUtils::getTotalDisk(dir.path() + "/missing/x"), quint64(0));
}

void TestPlatformUtils::shortHostName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("domain cut") << "studio.local" << "studio";
    QTest::newRow("several dots") << "a.b.c" << "a";
    QTest::newRow("no dot") << "studio" << "studio";
    QTest::newRow("leading dot kept") << ".local" << ".local";
    QTest::newRow("empty") << "" << "";
}

void TestPlatformUtils::shortHostName()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QCOMPARE(Utils::shortHostName(name), expected);
    const QString own = Utils::getHostName();
    QVERIFY(!own.isEmpty());
    QVERIFY(own.indexOf('.') <= 0);
}

void TestPlatformUtils::synchronizeIcon_data()
{
    QTest::addColumn<uint>("count");
    QTest::addColumn<QString>("toolTip");
    QTest::newRow("nothing waiting") << 0u << "Start synchronizing files now.";
    QTest::newRow("three waiting") << 3u << "There are 3 file(s) to be synchronized.";
    QTest::newRow("many waiting") << 1200u << "There are 1200 file(s) to be synchronized.";
}

void TestPlatformUtils::synchronizeIcon()
{
    QFETCH(uint, count);
    QFETCH(QString, toolTip);
    QAction action(nullptr);
    Utils::setSynchronizeIcon(&action, count);
    QCOMPARE(action.toolTip(), toolTip);

    // Compared premultiplied, as pixmaps hold them: taking the alpha back out
    // rounds differently with the processor's vector instructions.
    const QImage::Format format = QImage::Format_ARGB32_Premultiplied;
    const QImage shown = action.icon().pixmap(QSize(32, 32)).toImage().convertToFormat(format);
    const QImage plain = QImage(":/res/refresh_32.png").convertToFormat(format);
    QCOMPARE(shown.size(), QSize(32, 32));
    if (count == 0) {
        QCOMPARE(shown, plain);
    } else {
        const QImage badge = IconProvider::makeIcon(":/res/refresh_32.png", count).pixmap(QSize(32, 32))
                                 .toImage().convertToFormat(format);
        QCOMPARE(shown, badge);
        QVERIFY(shown != plain);
    }
}

void TestPlatformUtils::stopwatchLogsElapsedTime()
{
    LogCapture capture;
    QCOMPARE(Utils::TimerStart(), 0);
    QTest::qWait(20);
    QCOMPARE(Utils::TimerStop(), 0);
    QCOMPARE(Utils::TimerStop(), 0);
    const QList<QByteArray> lines = capture.lines();
    QCOMPARE(lines.size(), 2);
    const QRegularExpression re(" I utils\\.cpp \\d+ elapst time (\\d+) ms \\n$");
    const QRegularExpressionMatch first = re.match(QString::fromLatin1(lines[0]));
    const QRegularExpressionMatch second = re.match(QString::fromLatin1(lines[1]));
    QVERIFY2(first.hasMatch(), lines[0].constData());
    QVERIFY(second.hasMatch());
    QVERIFY(first.captured(1).toInt() >= 20);
    QVERIFY(second.captured(1).toInt() >= first.captured(1).toInt()); // still running
}

QTEST_MAIN(TestPlatformUtils)
#include "tst_platformutils.moc"
