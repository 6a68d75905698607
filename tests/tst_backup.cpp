#include "backup.h"
#include "cryptovectors.h"
#include "filesizelimit.h"
#include "fixedrandom.h"
#include "logcapture.h"
#include "masterkey.h"

#include <QtEndian>
#include "bigendian.h"

#include <QtTest>

#include <algorithm>

namespace {



// "Vault Ω€": eight UTF-16 code units, two of them outside Latin-1.
const char kNameUtf16[] = "005600610075006c0074002003a920ac";
const quint64 kSize = 0x0102030405060708ull;

QString vaultName()
{
    return QStringLiteral("Vault ") + QChar(0x03A9) + QChar(0x20AC);
}

// The header of CryptoVectors::key() under CryptoVectors::wrapKey() with the
// vector IV, put together field by field from the format's table and the
// outside vectors (keystream and wrapped key), not by the writer.
QByteArray handMadeHeader(const QByteArray &iv = CryptoVectors::iv())
{
    const QByteArray keystream = CryptoVectors::get(QStringLiteral("block_c1_off0_len100")).left(4);
    QByteArray check("\xD2\xC3\xB4\xA1", 4); // the magic, little-endian
    for (int i = 0; i < 4; ++i)
        check[i] = char(check[i] ^ keystream[i]);
    std::reverse(check.begin(), check.end()); // read little-endian, written big-endian
    const QByteArray name = QByteArray::fromHex(kNameUtf16);
    return be32(1) + be32(quint32(iv.size())) + iv + check + be32(128)
        + CryptoVectors::get(QStringLiteral("wrap_key_under_wrapkey")) + be32(quint32(name.size())) + name
        + be64(kSize);
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

// Every file and folder below `root`, as relative paths ("dir/" for folders), sorted.
QStringList tree(const QString &root)
{
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        QString relative = QDir(root).relativeFilePath(path);
        if (info.isDir() && !info.isSymLink())
            relative += QLatin1Char('/');
        entries << relative;
    }
    entries.sort();
    return entries;
}

} // namespace

class TestBackup : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void headerMatchesHandMadeBytes();
    void headerReading_data();
    void headerReading();
    void headerCutShortAnywhereIsRefused();
    void keyCheck_data();
    void keyCheck();
    void headersOfOneVaultDifferInIvAndCheckOnly();
    void failingRandomSourceWritesNothing();
    void unusableMasterKeyWritesNothing();
    void copyBackPutsTheIndexLast();
    void locationInsideTheVaultIsRefused_data();
    void locationInsideTheVaultIsRefused();

    void copyTakesDataFilesAndEveryFolder();
    void copyReportsEveryChunk_data();
    void copyReportsEveryChunk();
    void copyBackLeavesOtherFilesInPlace();
    void failedCopyLeavesNoHeader();

    void backupNames_data();
    void backupNames();

private:
    QTemporaryDir *m_dir = nullptr;
    QString path(const QString &relative) const { return m_dir->path() + QLatin1Char('/') + relative; }
    QString writeGoldenBackup();
};

void TestBackup::init()
{
    m_dir = new QTemporaryDir;
    QVERIFY(m_dir->isValid());
    MasterKey::key = CryptoVectors::wrapKey();
}

void TestBackup::cleanup()
{
    delete m_dir;
    m_dir = nullptr;
    MasterKey::key = TAVKey::fromHex(QString());
}

QString TestBackup::writeGoldenBackup()
{
    writeFile(path(QStringLiteral("vault/index.dat")), "index");
    FixedRandom random(CryptoVectors::get(QStringLiteral("input_iv")));
    Backup backup;
    const QString target = path(QStringLiteral("backups/one"));
    const int rc = backup.folderToFolder(path(QStringLiteral("vault")), target, vaultName(), kSize,
                                         CryptoVectors::key());
    return rc == 0 ? target : QString();
}

void TestBackup::headerMatchesHandMadeBytes()
{
    const QString target = writeGoldenBackup();
    QVERIFY(!target.isEmpty());
    const QByteArray written = fileBytes(target + QStringLiteral("/vaultinfo.dat"));
    QCOMPARE(written.toHex(), handMadeHeader().toHex());
    QCOMPARE(written.size(), 172 + 2 * 8);
    // It holds the wrapped vault key: for its owner alone.
    QCOMPARE(QFileInfo(target + QStringLiteral("/vaultinfo.dat")).permissions()
                 & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther),
             QFile::Permissions());
}

void TestBackup::headerReading_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("readRc");
    QTest::addColumn<int>("nameRc");

    const QByteArray golden = handMadeHeader();
    QTest::newRow("intact") << golden << 0 << 0;
    QByteArray version2 = golden;
    version2[3] = 2;
    QTest::newRow("version 2") << version2 << 2 << 2;
    // The IV is judged by the key check alone; the name still reads.
    QTest::newRow("IV of 8 bytes") << handMadeHeader(CryptoVectors::get(QStringLiteral("input_iv"))) << 4 << 0;
    QByteArray ivTail = golden;
    ivTail[8 + 12] = 1;
    QTest::newRow("IV tail not zero") << ivTail << 4 << 0;
    QByteArray shortKey = golden;
    shortKey.replace(28, 4, be32(127));
    shortKey.remove(32 + 127, 1);
    QTest::newRow("stored key of 127 bytes") << shortKey << 5 << 3;
    QByteArray oddName = golden;
    oddName.replace(160, 4, be32(15));
    QTest::newRow("odd name byte count") << oddName << 5 << 3;
    QByteArray longName = golden;
    longName.replace(160, 4, be32(0x7ffffffe));
    QTest::newRow("name longer than the file") << longName << 5 << 3;
    QTest::newRow("a byte after the size") << golden + QByteArray(1, '\0') << 5 << 3;
    QTest::newRow("larger than any header") << golden + QByteArray(1 << 20, '\0') << 5 << 3;
    QTest::newRow("empty file") << QByteArray() << 5 << 3;
}

void TestBackup::headerReading()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, readRc);
    QFETCH(int, nameRc);
    const QString folder = path(QStringLiteral("backup"));
    writeFile(folder + QStringLiteral("/vaultinfo.dat"), bytes);

    QByteArray iv("untouched");
    quint32 check = 0xdeadbeef;
    QString name = QStringLiteral("untouched");
    TAVKey stored = TAVKey::fromHex(QStringLiteral("abcd"));
    QCOMPARE(readHeader(folder, iv, check, name, stored), readRc);
    if (readRc == 0) {
        QCOMPARE(iv, CryptoVectors::iv());
        QCOMPARE(name, vaultName());
        QCOMPARE(stored.key, CryptoVectors::get(QStringLiteral("wrap_key_under_wrapkey")));
        QVERIFY(!checkkey(iv, check, CryptoVectors::key()));
    } else {
        // Refused means nothing read at all.
        QCOMPARE(iv, QByteArray("untouched"));
        QCOMPARE(check, 0xdeadbeefu);
        QCOMPARE(name, QStringLiteral("untouched"));
        QCOMPARE(stored.key, QByteArray::fromHex("abcd"));
    }

    QString storedName = QStringLiteral("untouched");
    QCOMPARE(Backup::getVaultNameFromFile(folder, storedName), nameRc);
    QCOMPARE(storedName, nameRc == 0 ? vaultName() : QStringLiteral("untouched"));

    QVERIFY(QFile::remove(folder + QStringLiteral("/vaultinfo.dat")));
    QCOMPARE(readHeader(folder, iv, check, name, stored), 1);
    QCOMPARE(Backup::getVaultNameFromFile(folder, storedName), 1);
}

void TestBackup::headerCutShortAnywhereIsRefused()
{
    const QByteArray golden = handMadeHeader();
    const QString folder = path(QStringLiteral("backup"));
    for (int length = 0; length < golden.size(); ++length) {
        writeFile(folder + QStringLiteral("/vaultinfo.dat"), golden.left(length));
        QByteArray iv;
        quint32 check = 0;
        QString name = QStringLiteral("untouched");
        TAVKey stored = TAVKey::fromHex(QString());
        TAVKey out = TAVKey::fromHex(QString());
        QVERIFY2(readHeader(folder, iv, check, name, stored) == 5, qPrintable(QString::number(length)));
        QCOMPARE(name, QStringLiteral("untouched"));
        QVERIFY2(Backup::getVaultNameFromFile(folder, name) == 3, qPrintable(QString::number(length)));
        QCOMPARE(Backup::checkKey(folder, CryptoVectors::wrapKey(), CryptoVectors::key(), out), 1);
    }
}

void TestBackup::keyCheck_data()
{
    QTest::addColumn<QByteArray>("unwrapKey");
    QTest::addColumn<QByteArray>("vaultKey");
    QTest::addColumn<int>("damagedByte"); // -1: none
    QTest::addColumn<int>("rc4");
    QTest::addColumn<int>("rc3");

    const QByteArray master = CryptoVectors::wrapKey().key;
    const QByteArray vault = CryptoVectors::key().key;
    const QByteArray otherMaster = TAVKey(QStringLiteral("another password")).key;
    const QByteArray wrongVault = TAVKey(QStringLiteral("not the vault key")).key;
    QTest::newRow("master and vault key") << master << vault << -1 << 0 << 0;
    QTest::newRow("another master, the vault key") << otherMaster << vault << -1 << 0 << 3;
    QTest::newRow("master, a wrong vault key") << master << wrongVault << -1 << 0 << 0;
    QTest::newRow("neither") << otherMaster << wrongVault << -1 << 2 << 3;
    for (int offset = 24; offset < 28; ++offset)
        QTest::newRow(qPrintable(QStringLiteral("check byte %1 damaged").arg(offset)))
            << master << vault << offset << 2 << 3;
    QTest::newRow("stored key damaged") << master << wrongVault << 28 + 4 + 5 << 2 << 3;
}

void TestBackup::keyCheck()
{
    QFETCH(QByteArray, unwrapKey);
    QFETCH(QByteArray, vaultKey);
    QFETCH(int, damagedByte);
    QFETCH(int, rc4);
    QFETCH(int, rc3);
    const QString folder = path(QStringLiteral("backup"));
    QByteArray bytes = handMadeHeader();
    if (damagedByte >= 0)
        bytes[damagedByte] = char(bytes[damagedByte] ^ 0x01);
    writeFile(folder + QStringLiteral("/vaultinfo.dat"), bytes);

    const TAVKey unwrap = TAVKey::fromHex(QString::fromLatin1(unwrapKey.toHex()));
    const TAVKey candidate = TAVKey::fromHex(QString::fromLatin1(vaultKey.toHex()));
    const TAVKey untouched = TAVKey::fromHex(QStringLiteral("abcd"));
    TAVKey out = untouched;
    QCOMPARE(Backup::checkKey(folder, unwrap, candidate, out), rc4);
    QCOMPARE(out, rc4 == 0 ? CryptoVectors::key() : untouched);
    out = untouched;
    QCOMPARE(Backup::checkKey(folder, unwrap, out), rc3);
    QCOMPARE(out, rc3 == 0 ? CryptoVectors::key() : untouched);
    QCOMPARE(fileBytes(folder + QStringLiteral("/vaultinfo.dat")), bytes);
}

void TestBackup::headersOfOneVaultDifferInIvAndCheckOnly()
{
    writeFile(path(QStringLiteral("vault/index.dat")), "index");
    Backup backup;
    QCOMPARE(backup.folderToFolder(path(QStringLiteral("vault")), path(QStringLiteral("a")), vaultName(), 1,
                                   CryptoVectors::key()),
             0);
    QCOMPARE(backup.folderToFolder(path(QStringLiteral("vault")), path(QStringLiteral("b")), vaultName(), 1,
                                   CryptoVectors::key()),
             0);
    const QByteArray a = fileBytes(path(QStringLiteral("a/vaultinfo.dat")));
    const QByteArray b = fileBytes(path(QStringLiteral("b/vaultinfo.dat")));
    QCOMPARE(a.size(), b.size());
    QVERIFY(a.mid(8, 8) != b.mid(8, 8));
    QVERIFY(a.mid(24, 4) != b.mid(24, 4));
    QCOMPARE(a.mid(28), b.mid(28));
    QCOMPARE(a.left(8), b.left(8));
}

void TestBackup::failingRandomSourceWritesNothing()
{
    writeFile(path(QStringLiteral("vault/index.dat")), "index");
    FixedRandom noRandom{QByteArray()};
    Backup backup;
    QCOMPARE(backup.folderToFolder(path(QStringLiteral("vault")), path(QStringLiteral("backups/one")), vaultName(),
                                   1, CryptoVectors::key()),
             int(Backup::HeaderRefused));
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("backups"))));
    QVERIFY(!backup.errorString().isEmpty());
}

void TestBackup::unusableMasterKeyWritesNothing()
{
    // Before login there is no master key: the vault key must not be stored unwrapped.
    MasterKey::key = TAVKey::fromHex(QString());
    writeFile(path(QStringLiteral("vault/index.dat")), "index");
    Backup backup;
    QCOMPARE(backup.folderToFolder(path(QStringLiteral("vault")), path(QStringLiteral("backups/one")), vaultName(),
                                   1, CryptoVectors::key()),
             int(Backup::HeaderRefused));
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("backups"))));
}

// Copied straight over a vault, the bodies go first and the version record
// and index last: a copy that fails on a body leaves the old index, which
// names only bodies that are there.
void TestBackup::copyBackPutsTheIndexLast()
{
    writeFile(path(QStringLiteral("backup/index.dat")), "new index");
    writeFile(path(QStringLiteral("backup/version.dat")), "new version");
    for (const char *body : {"0a/0a000000000000000000000000000001", "ff/ff000000000000000000000000000002"})
        writeFile(path(QStringLiteral("backup/") + body), "new body");
    writeFile(path(QStringLiteral("vault/index.dat")), "old index");
    writeFile(path(QStringLiteral("vault/version.dat")), "old version");
    // A body that can't be written: a folder stands in its place.
    QVERIFY(QDir().mkpath(path(QStringLiteral("vault/ff/ff000000000000000000000000000002"))));
    Backup backup;
    QVERIFY(backup.folderToFolder(path(QStringLiteral("backup")), path(QStringLiteral("vault")),
                                  {QStringLiteral("version.dat"), QStringLiteral("index.dat")})
            != 0);
    QCOMPARE(fileBytes(path(QStringLiteral("vault/index.dat"))), QByteArray("old index"));
    QCOMPARE(fileBytes(path(QStringLiteral("vault/version.dat"))), QByteArray("old version"));

    // Once every body is in, the index follows.
    QVERIFY(QDir(path(QStringLiteral("vault/ff/ff000000000000000000000000000002"))).removeRecursively());
    QCOMPARE(backup.folderToFolder(path(QStringLiteral("backup")), path(QStringLiteral("vault")),
                                   {QStringLiteral("version.dat"), QStringLiteral("index.dat")}),
             0);
    QCOMPARE(fileBytes(path(QStringLiteral("vault/index.dat"))), QByteArray("new index"));
    QCOMPARE(fileBytes(path(QStringLiteral("vault/ff/ff000000000000000000000000000002"))), QByteArray("new body"));
}

void TestBackup::locationInsideTheVaultIsRefused_data()
{
    QTest::addColumn<QString>("location"); // below the temporary folder
    QTest::newRow("the vault folder itself") << "vault";
    QTest::newRow("below it") << "vault/backups/one";
    QTest::newRow("through a link to it") << "link/backups/one";
    QTest::newRow("through a link to a folder in it") << "inner-link/one";
}

// A backup never goes into the vault it copies, however the location names
// it: nothing is made there.
void TestBackup::locationInsideTheVaultIsRefused()
{
    QFETCH(QString, location);
    writeFile(path(QStringLiteral("vault/index.dat")), "index");
    QVERIFY(QDir().mkpath(path(QStringLiteral("vault/sub"))));
    QVERIFY(QFile::link(path(QStringLiteral("vault")), path(QStringLiteral("link"))));
    QVERIFY(QFile::link(path(QStringLiteral("vault/sub")), path(QStringLiteral("inner-link"))));
    const QStringList before = QDir(path(QStringLiteral("vault"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    Backup backup;
    QCOMPARE(backup.folderToFolder(path(QStringLiteral("vault")), path(location), vaultName(), 1,
                                   CryptoVectors::key()),
             int(Backup::CopyFailed));
    QCOMPARE(backup.errorString(), QString("the backup location lies inside the vault folder."));
    QCOMPARE(QDir(path(QStringLiteral("vault"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    QCOMPARE(QDir(path(QStringLiteral("vault/sub"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList());
}

void TestBackup::copyTakesDataFilesAndEveryFolder()
{
    const QString vault = path(QStringLiteral("vault"));
    const QStringList taken = {QStringLiteral("index.dat"), QStringLiteral("a.tar.dat"), QStringLiteral("3f2a"),
                               QStringLiteral("ends."), QStringLiteral("00/0123456789abcdef0123456789abcdef"),
                               QStringLiteral("00/fedcba9876543210fedcba9876543210")};
    const QStringList skipped = {QStringLiteral("INDEX.DAT"), QStringLiteral("peer.sync"),
                                 QStringLiteral("vault.icns"), QStringLiteral(".DS_Store"),
                                 QStringLiteral("vaultinfo.dat"), QStringLiteral("00/vaultinfo.dat"),
                                 QStringLiteral("textonly/note.txt")};
    qint64 total = 0;
    int i = 0;
    for (const QString &name : taken + skipped) {
        const bool big = name == taken.at(4);
        const QByteArray bytes(big ? 65536 : 10 * i, char('a' + i % 26));
        if (!big)
            ++i;
        writeFile(vault + QLatin1Char('/') + name, bytes);
        total += bytes.size();
    }
    QVERIFY(QDir().mkpath(vault + QStringLiteral("/empty")));
    // Links are neither followed nor copied: one leads out of the vault, one round in a circle.
    writeFile(path(QStringLiteral("outside.dat")), QByteArray(1000, 'x'));
    QVERIFY(QFile::link(path(QStringLiteral("outside.dat")), vault + QStringLiteral("/link.dat")));
    QVERIFY(QFile::link(vault, vault + QStringLiteral("/00/loop")));

    Backup backup;
    QList<qlonglong> reports;
    connect(&backup, &Backup::progress, [&](qlonglong value) { reports << value; });
    const QString target = path(QStringLiteral("backups/one"));
    QCOMPARE(backup.folderToFolder(vault, target, vaultName(), 1, CryptoVectors::key()), 0);

    QStringList expected = taken;
    expected << QStringLiteral("vaultinfo.dat") << QStringLiteral("00/") << QStringLiteral("empty/")
             << QStringLiteral("textonly/");
    expected.sort();
    QCOMPARE(tree(target), expected);
    for (const QString &name : taken)
        QCOMPARE(fileBytes(target + QLatin1Char('/') + name), fileBytes(vault + QLatin1Char('/') + name));
    QCOMPARE(std::accumulate(reports.begin(), reports.end(), qlonglong(0)), total);
    QVERIFY(std::all_of(reports.begin(), reports.end(), [](qlonglong v) { return v >= 0 && v <= 65536; }));
}

void TestBackup::copyReportsEveryChunk_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QList<qlonglong>>("reports");
    QTest::newRow("empty") << 0 << QList<qlonglong>{0};
    QTest::newRow("one byte") << 1 << QList<qlonglong>{1};
    QTest::newRow("one chunk") << 65536 << QList<qlonglong>{65536, 0};
    QTest::newRow("a chunk and a bit") << 70000 << QList<qlonglong>{65536, 4464};
}

void TestBackup::copyReportsEveryChunk()
{
    QFETCH(int, size);
    QFETCH(QList<qlonglong>, reports);
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char(i * 31 + i / 256);
    writeFile(path(QStringLiteral("in")), bytes);
    writeFile(path(QStringLiteral("out")), QByteArray(100000, 'z'));
    Backup backup;
    QList<qlonglong> seen;
    connect(&backup, &Backup::progress, [&](qlonglong value) { seen << value; });
    QCOMPARE(backup.copy(path(QStringLiteral("in")), path(QStringLiteral("out"))), 0);
    QCOMPARE(seen, reports);
    QCOMPARE(fileBytes(path(QStringLiteral("out"))), bytes);

    QCOMPARE(backup.copy(path(QStringLiteral("missing")), path(QStringLiteral("out2"))), 1);
    QVERIFY(QFile::link(path(QStringLiteral("elsewhere")), path(QStringLiteral("link"))));
    QCOMPARE(backup.copy(path(QStringLiteral("in")), path(QStringLiteral("link"))), 2);
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("elsewhere"))));
}

void TestBackup::copyBackLeavesOtherFilesInPlace()
{
    const QString target = writeGoldenBackup();
    QVERIFY(!target.isEmpty());
    writeFile(target + QStringLiteral("/00/0123456789abcdef0123456789abcdef"), "old body");
    const QString vault = path(QStringLiteral("vault"));
    writeFile(vault + QStringLiteral("/index.dat"), "changed since");
    writeFile(vault + QStringLiteral("/00/fedcba9876543210fedcba9876543210"), "added since");
    writeFile(vault + QStringLiteral("/peer.sync"), "state");

    Backup backup;
    QCOMPARE(backup.folderToFolder(target, vault), 0);
    QCOMPARE(fileBytes(vault + QStringLiteral("/index.dat")), QByteArray("index"));
    QCOMPARE(fileBytes(vault + QStringLiteral("/00/0123456789abcdef0123456789abcdef")), QByteArray("old body"));
    QCOMPARE(fileBytes(vault + QStringLiteral("/00/fedcba9876543210fedcba9876543210")), QByteArray("added since"));
    QCOMPARE(fileBytes(vault + QStringLiteral("/peer.sync")), QByteArray("state"));
    QVERIFY(!QFileInfo::exists(vault + QStringLiteral("/vaultinfo.dat")));
    QCOMPARE(backup.folderToFolder(path(QStringLiteral("no backup")), vault), 1);
}

void TestBackup::failedCopyLeavesNoHeader()
{
    const QString vault = path(QStringLiteral("vault"));
    writeFile(vault + QStringLiteral("/index.dat"), QByteArray(100, 'i'));
    writeFile(vault + QStringLiteral("/00/0123456789abcdef0123456789abcdef"), QByteArray(300000, 'b'));
    // An earlier backup in the same folder: its header must not vouch for the new mix.
    const QString target = path(QStringLiteral("backups/one"));
    Backup backup;
    QCOMPARE(backup.folderToFolder(vault, target, vaultName(), 1, CryptoVectors::key()), 0);
    QVERIFY(QFileInfo::exists(target + QStringLiteral("/vaultinfo.dat")));
    QVERIFY(QFile::remove(target + QStringLiteral("/00/0123456789abcdef0123456789abcdef")));

    int rc = -1;
    {
        FileSizeLimit limit(200000);
        if (!limit.isActive())
            QSKIP("no file size limit here");
        rc = backup.folderToFolder(vault, target, vaultName(), 1, CryptoVectors::key());
    }
    QCOMPARE(rc, int(Backup::CopyFailed));
    QVERIFY2(backup.errorString().contains(QStringLiteral("0123456789abcdef0123456789abcdef")),
             qPrintable(backup.errorString()));
    QVERIFY(!QFileInfo::exists(target + QStringLiteral("/vaultinfo.dat")));
    TAVKey out = TAVKey::fromHex(QString());
    QCOMPARE(Backup::checkKey(target, MasterKey::key, CryptoVectors::key(), out), 1);
    // No temporary header is left where a restore could take it for data.
    const QStringList left = QDir(target).entryList(QDir::Files | QDir::Hidden);
    QVERIFY2(!left.join(QLatin1Char(' ')).contains(QStringLiteral("vaultinfo")), qPrintable(left.join(' ')));
}

void TestBackup::backupNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("isBackup");
    QTest::newRow("plain") << "2014-11-20_14-05-09" << true;
    QTest::newRow("second of the same second") << "2014-11-20_14-05-09_2" << true;
    QTest::newRow("serial 0") << "2014-11-20_14-05-09_0" << false;
    QTest::newRow("no such date") << "2014-13-45_14-05-09" << false;
    QTest::newRow("no such time") << "2014-11-20_25-05-09" << false;
    QTest::newRow("other text") << "notes" << false;
    QTest::newRow("hidden") << ".2014-11-20_14-05-09" << false;
    QTest::newRow("trailing text") << "2014-11-20_14-05-09 copy" << false;
}

void TestBackup::backupNames()
{
    QFETCH(QString, name);
    QFETCH(bool, isBackup);
    QCOMPARE(Backup::isBackupName(name), isBackup);
}

QTEST_GUILESS_MAIN(TestBackup)
#include "tst_backup.moc"
