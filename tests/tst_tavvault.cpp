#include "atomicfilewriter.h"
#include "filesizelimit.h"
#include "fixedrandom.h"
#include "logcapture.h"
#include "tavcryptofile.h"
#include "tavexception.h"
#include "tavfile.h"
#include "tavfolder.h"
#include "tavvault.h"
#include "vaulttree.h"
#include "vaultvectors.h"

#include <QtTest>

#include <time.h>

// A vault's index and version files: their bytes, reading them back, a
// wrong key, damage, failed saves, and the rule that a vault whose tree is
// not its index's never writes the index.
class TestTAVVault : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void versionFileBytes();
    void readVersionFile_data();
    void readVersionFile();
    void indexBytes_data();
    void indexBytes();
    void loadKnownIndex();
    void roundTripKeepsTheTree();
    void wrongKeyHasItsOwnCode();
    void missingOrBrokenFileLoadsNothing_data();
    void missingOrBrokenFileLoadsNothing();
    void damagedIndexLoadsNothing_data();
    void damagedIndexLoadsNothing();
    void parentPathsMatchLikeTheTree_data();
    void parentPathsMatchLikeTheTree();
    void equalNamesFirstOneIsTheParent();
    void localTimesKeepTheirBytes();
    void failedSaveKeepsTheOldIndex_data();
    void failedSaveKeepsTheOldIndex();
    void indexNotReadIsNeverReplaced();
    void loadDoesNotReadOverATree();
    void unloadKeepsItemsUntilTheNextLoad();
    void canDeleteFollowsTheIndexFile();
    void countsFilesOnly();
    void itemContainerByPath_data();
    void itemContainerByPath();

private:
    QScopedPointer<QTemporaryDir> dir;
    QString folder; // an empty vault folder
};

namespace {

const QUuid kVaultId(QStringLiteral("{0f1e2d3c-4b5a-6978-8796-a5b4c3d2e1f0}"));
const QUuid kFolderId(QStringLiteral("{00112233-4455-6677-8899-aabbccddeeff}"));
const QUuid kFileId(QStringLiteral("{10213243-5465-7687-98a9-bacbdcedfe0f}"));
const QUuid kTopFileId(QStringLiteral("{fedcba98-7654-3210-0123-456789abcdef}"));

QDateTime at(int y, int mo, int d, int h, int mi, int s, int ms)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms), Qt::LocalTime);
}

struct VaultDeleter
{
    static void cleanup(TAVVault *vault)
    {
        if (vault) {
            vault->removeAll();
            delete vault;
        }
    }
};
using VaultPtr = QScopedPointer<TAVVault, VaultDeleter>;

// The vault of the known-answer vectors: MyVault (local disk) holding the
// folder Letters with a.txt, then Résumé.txt at the top.
TAVVault *knownVault(const QString &folder, TAVCipher cipher)
{
    auto *vault = new TAVVault(nullptr, QStringLiteral("MyVault"), folder, cipher, VaultVectors::vaultKey());
    vault->setLoaded(true);
    vault->setVaultType(TAV_VAULT_LOCAL);
    vault->SetId(kVaultId);
    TAVFolder *letters = vault->addFolder(QStringLiteral("Letters"));
    letters->SetId(kFolderId);
    TAVFile *a = letters->addFile();
    a->SetName(QStringLiteral("a.txt"));
    a->SetId(kFileId);
    a->SetOriginalSize(1234);
    a->SetCurrentSize(1746);
    a->SetCreatedDate(at(2019, 7, 8, 9, 10, 11, 12));
    a->SetModifiedDate(at(2019, 7, 9, 0, 0, 0, 0));
    TAVFile *resume = vault->addFile();
    resume->SetName(QString::fromUtf8("Résumé.txt"));
    resume->SetId(kTopFileId);
    resume->SetCurrentSize(512);
    resume->SetCreatedDate(at(2018, 2, 28, 12, 0, 0, 500));
    resume->SetModifiedDate(at(2018, 3, 1, 12, 0, 0, 501));
    letters->SetCreatedDate(at(2020, 1, 2, 3, 4, 5, 6));
    letters->SetModifiedDate(at(2020, 12, 31, 23, 59, 59, 999));
    vault->SetCreatedDate(at(2021, 3, 4, 5, 6, 7, 890));
    vault->SetModifiedDate(at(2021, 3, 5, 6, 7, 8, 9));
    return vault;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray payloadOf(const QString &path)
{
    TAVCryptoFile file(path);
    if (file.open(QIODevice::ReadOnly, nullptr, VaultVectors::vaultKey(), nullptr) != 0)
        return QByteArray();
    return file.readAll();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

bool writeIndex(const QString &folder, const QByteArray &payload, const TAVKey &key = VaultVectors::vaultKey())
{
    return AtomicFileWriter::writeDataFile(folder + "/index.dat", TAV_AES256, key, 1, payload) == 0;
}

// Parts of an index payload, for damaged ones.
QByteArray header(const QString &name = QStringLiteral("MyVault"))
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(15);
    stream << qint32(3) << name << at(2021, 1, 1, 0, 0, 0, 0) << at(2021, 1, 2, 0, 0, 0, 0);
    return bytes;
}

QByteArray record(qint32 classId, const QString &parent, const QString &name)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(15);
    stream << classId << parent << name << QUuid::createUuid() << qint64(1) << qint64(513)
           << at(2020, 5, 6, 7, 8, 9, 10) << at(2020, 5, 6, 7, 8, 9, 11);
    return bytes;
}

QStringList tmpFiles(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("*.tmp"), QStringLiteral("*.dat.*")}, QDir::Files);
}

} // namespace

void TestTAVVault::init()
{
    dir.reset(new QTemporaryDir);
    QVERIFY(dir->isValid());
    folder = dir->filePath(QStringLiteral("MyVault"));
    QVERIFY(QDir().mkpath(folder));
}

void TestTAVVault::cleanup()
{
    dir.reset();
}

void TestTAVVault::versionFileBytes()
{
    VaultPtr vault(knownVault(folder, TAV_AES256));
    QCOMPARE(vault->saveVaultVersion(), 0);
    QCOMPARE(fileBytes(folder + "/version.dat").toHex(), VaultVectors::get("version_file").toHex());
    QVERIFY(tmpFiles(folder).isEmpty());
}

void TestTAVVault::readVersionFile_data()
{
    QTest::addColumn<QByteArray>("bytes"); // empty: no file at all
    QTest::addColumn<int>("result");

    const QByteArray known = VaultVectors::get("version_file");
    QTest::newRow("known file") << known << 0;
    QTest::newRow("name cut off: not read") << known.left(known.size() - 3) << 0;
    QTest::newRow("no file") << QByteArray() << 1;
    QTest::newRow("empty file") << QByteArray("", 0) << 2;
    QTest::newRow("cut in the identifier") << known.left(10) << 2;
    QTest::newRow("cut in the cipher") << known.left(26) << 2;
    QByteArray unknownCipher = known;
    unknownCipher[27] = 9;
    QTest::newRow("cipher outside the table") << unknownCipher << 2;
}

void TestTAVVault::readVersionFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, result);
    if (!bytes.isNull())
        QVERIFY(writeFile(folder + "/version.dat", bytes));

    TAVVault vault(nullptr, QStringLiteral("Other"), folder, TAV_AES128, VaultVectors::vaultKey());
    const QUuid before = vault.GetId();
    QCOMPARE(vault.readVaultVersion(), result);
    QCOMPARE(vault.GetName(), QStringLiteral("Other")); // never read
    if (result == 0) {
        QCOMPARE(vault.GetId(), kVaultId);
        QCOMPARE(vault.vaultType(), TAV_VAULT_LOCAL);
        QCOMPARE(vault.getCipher(), TAV_AES256);
        QCOMPARE(vault.GetVaultType(), TAV_AES256);
    } else {
        QCOMPARE(vault.GetId(), before);
        QCOMPARE(vault.vaultType(), TAV_VAULT_UNDEFINED);
        QCOMPARE(vault.getCipher(), TAV_AES128);
    }
}

void TestTAVVault::indexBytes_data()
{
    QTest::addColumn<int>("cipher");
    QTest::addColumn<QString>("vector");
    QTest::newRow("AES256") << int(TAV_AES256) << "index_file_c2";
    QTest::newRow("AES1024") << int(TAV_AES1024) << "index_file_c4";
}

void TestTAVVault::indexBytes()
{
    QFETCH(int, cipher);
    QFETCH(QString, vector);
    VaultPtr vault(knownVault(folder, TAVCipher(cipher)));
    {
        FixedRandom nonce(VaultVectors::nonce());
        QCOMPARE(vault->save(), 0);
    }
    QCOMPARE(fileBytes(folder + "/index.dat").toHex(), VaultVectors::get(vector).toHex());
    QVERIFY(tmpFiles(folder).isEmpty());

    // The payload on its own, as the data-file stream gives it back.
    QCOMPARE(payloadOf(folder + "/index.dat").toHex(), VaultVectors::get("index_payload").toHex());
}

void TestTAVVault::loadKnownIndex()
{
    QVERIFY(writeFile(folder + "/index.dat", VaultVectors::get("index_file_c2")));
    VaultPtr vault(new TAVVault(nullptr, QStringLiteral("Listed"), folder, TAV_AES128, VaultVectors::vaultKey()));
    QCOMPARE(vault->load(), 0);

    QVERIFY(vault->isLoaded());
    QCOMPARE(vault->GetName(), QStringLiteral("MyVault"));
    QCOMPARE(vault->getCipher(), TAV_AES256);
    QCOMPARE(vault->vaultType(), TAV_VAULT_LOCAL);
    QCOMPARE(vault->GetCreatedDate(), at(2021, 3, 4, 5, 6, 7, 890));
    QCOMPARE(vault->GetModifiedDate(), at(2021, 3, 5, 6, 7, 8, 9));

    VaultPtr expected(knownVault(dir->filePath("other"), TAV_AES256));
    QCOMPARE(VaultTree::describe(vault.data()), VaultTree::describe(expected.data()));
    QCOMPARE(vault->getItemAt(0)->GetParent(), vault.data());
    QCOMPARE(vault->getVaultItemCount(), 2);
}

void TestTAVVault::roundTripKeepsTheTree()
{
    VaultPtr vault(new TAVVault(nullptr, QStringLiteral("Big"), folder, TAV_AES512, VaultVectors::vaultKey()));
    vault->setLoaded(true);
    vault->setVaultType(TAV_VAULT_FLASH);
    VaultTree::fill(vault.data(), 700, 3, 40);
    // A name the index must carry unchanged: not Latin-1, outside the BMP.
    vault->getItemAt(0)->SetName(QString::fromUtf8("\xF0\x90\x90\x80 Ωmega \xE6\x96\x87.txt"));
    QCOMPARE(vault->save(), 0);

    VaultPtr copy(new TAVVault(nullptr, QStringLiteral("Big"), folder, TAV_AES128, VaultVectors::vaultKey()));
    QCOMPARE(copy->load(), 0);
    QCOMPARE(copy->getCipher(), TAV_AES512);
    QCOMPARE(copy->vaultType(), TAV_VAULT_FLASH);
    QCOMPARE(copy->getVaultItemCount(), 700);
    QCOMPARE(VaultTree::describe(copy.data()), VaultTree::describe(vault.data()));

    // And what was read writes the same payload again.
    const QByteArray first = payloadOf(folder + "/index.dat");
    QCOMPARE(copy->save(), 0);
    QCOMPARE(payloadOf(folder + "/index.dat"), first);
}

void TestTAVVault::wrongKeyHasItsOwnCode()
{
    VaultPtr vault(knownVault(folder, TAV_AES256));
    QCOMPARE(vault->save(), 0);

    VaultPtr other(new TAVVault(nullptr, QStringLiteral("Listed"), folder, TAV_AES128, TAVKey()));
    QCOMPARE(other->load(), 12);
    QCOMPARE(other->load(), int(TAV_WRONG_KEY));
    QVERIFY(!other->isLoaded());
    QCOMPARE(other->getItemCount(), 0);
    QCOMPARE(other->GetName(), QStringLiteral("Listed"));
    QCOMPARE(other->getCipher(), TAV_AES128);
}

void TestTAVVault::missingOrBrokenFileLoadsNothing_data()
{
    QTest::addColumn<QByteArray>("bytes"); // null: no index file
    const QByteArray known = VaultVectors::get("index_file_c2");
    QTest::newRow("no index") << QByteArray();
    QTest::newRow("empty") << QByteArray("", 0);
    QTest::newRow("header cut short") << known.left(23);
    QTest::newRow("not a data file") << QByteArray(64, 'x');
}

void TestTAVVault::missingOrBrokenFileLoadsNothing()
{
    QFETCH(QByteArray, bytes);
    if (!bytes.isNull())
        QVERIFY(writeFile(folder + "/index.dat", bytes));
    VaultPtr vault(new TAVVault(nullptr, QStringLiteral("Listed"), folder, TAV_AES128, VaultVectors::vaultKey()));
    QCOMPARE(vault->load(), 1);
    QVERIFY(!vault->isLoaded());
    QCOMPARE(vault->getItemCount(), 0);
    QCOMPARE(vault->GetName(), QStringLiteral("Listed"));
}

void TestTAVVault::damagedIndexLoadsNothing_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QString>("message");

    const QByteArray known = VaultVectors::get("index_payload");
    const QString damagedRecord = QStringLiteral("Damaged item record in archive.");
    const QString badParent = QStringLiteral("Invalid parent path in archive.");
    QTest::newRow("empty payload") << QByteArray() << "Damaged vault header in archive.";
    QTest::newRow("cut in the header") << known.left(20) << "Damaged vault header in archive.";
    QTest::newRow("cut after a class id") << known.left(header().size() + 4) << damagedRecord;
    QTest::newRow("cut in a name") << known.left(header().size() + 50) << damagedRecord;
    QTest::newRow("last byte missing") << known.left(known.size() - 1) << damagedRecord;
    QTest::newRow("class id 3") << header() + record(3, "MyVault", "V2") << "Invalid class name in archive.";
    QTest::newRow("class id 0") << header() + record(0, "MyVault", "x") << "Invalid class name in archive.";
    QTest::newRow("parent names no item") << header() + record(1, "MyVault/None", "a") << badParent;
    QTest::newRow("parent is another vault") << header() + record(1, "Other", "a") << badParent;
    QTest::newRow("parent is a file")
        << header() + record(1, "MyVault", "f") + record(1, "MyVault/f", "g") << badParent;
    QTest::newRow("a later record damaged")
        << header() + record(2, "MyVault", "F") + record(1, "MyVault/F", "a") + record(1, "MyVault/G", "b")
        << badParent;
    QTest::newRow("name ..") << header() + record(2, "MyVault", "..") << "Invalid item name in archive.";
    QTest::newRow("name with a slash") << header() + record(1, "MyVault", "a/b") << "Invalid item name in archive.";
    QTest::newRow("vault name with a slash") << header("My/Vault") << "Invalid item name in archive.";
}

void TestTAVVault::damagedIndexLoadsNothing()
{
    QFETCH(QByteArray, payload);
    QFETCH(QString, message);
    QVERIFY(writeIndex(folder, payload));

    VaultPtr vault(new TAVVault(nullptr, QStringLiteral("Listed"), folder, TAV_AES256, VaultVectors::vaultKey()));
    try {
        vault->load();
        QFAIL("a damaged index loaded");
    } catch (const TAVException &e) {
        QCOMPARE(QString::fromLatin1(e.what()), message);
        QCOMPARE(e.code(), TAV_GENERAL_ERROR);
    }
    QVERIFY(!vault->isLoaded());
    QCOMPARE(vault->getItemCount(), 0);
    QCOMPARE(vault->GetName(), QStringLiteral("Listed"));
    // Nothing half-read can be written over the index.
    const QByteArray before = fileBytes(folder + "/index.dat");
    vault->setLoaded(true);
    QCOMPARE(vault->save(), 1);
    QCOMPARE(fileBytes(folder + "/index.dat"), before);
}

void TestTAVVault::parentPathsMatchLikeTheTree_data()
{
    QTest::addColumn<QString>("folderName");
    QTest::addColumn<QString>("pathPart");

    QTest::newRow("ascii") << "Letters" << "lETTERS";
    QTest::newRow("greek final sigma") << QString::fromUtf8("Σοφίας") << QString::fromUtf8("ΣΟΦΊΑΣ");
    QTest::newRow("sharp s is not ss") << QString::fromUtf8("Straße") << "STRASSE";
    QTest::newRow("outside the BMP") << QString::fromUtf8("\xF0\x90\x90\x80x") << QString::fromUtf8("\xF0\x90\x90\xA8X");
    QTest::newRow("titlecase dz") << QString::fromUtf8("ǅ") << QString::fromUtf8("ǆ");
    QTest::newRow("dotted capital I") << QString::fromUtf8("İ") << "i";
    QTest::newRow("kelvin sign") << QString::fromUtf8("\xE2\x84\xAA") << "k";
    QTest::newRow("different") << "Letters" << "Letter";
}

void TestTAVVault::parentPathsMatchLikeTheTree()
{
    QFETCH(QString, folderName);
    QFETCH(QString, pathPart);
    // The tree's own comparison decides what the loader must find.
    const bool same = QString::compare(folderName, pathPart, Qt::CaseInsensitive) == 0;

    QVERIFY(writeIndex(folder, header() + record(2, "MyVault", folderName)
                                   + record(1, "myvault/" + pathPart, "a.txt")));
    VaultPtr vault(new TAVVault(nullptr, QStringLiteral("MyVault"), folder, TAV_AES256, VaultVectors::vaultKey()));
    try {
        QCOMPARE(vault->load(), 0);
        QVERIFY2(same, "found a folder the tree would not");
        auto *found = static_cast<TAVItemContainer *>(vault->getItemAt(0));
        QCOMPARE(found->getItemCount(), 1);
        QCOMPARE(found->getItemAt(0)->GetName(), QStringLiteral("a.txt"));
    } catch (const TAVException &e) {
        QVERIFY2(!same, e.what());
        QCOMPARE(QString::fromLatin1(e.what()), QStringLiteral("Invalid parent path in archive."));
    }
}

void TestTAVVault::equalNamesFirstOneIsTheParent()
{
    // Names the tree takes for the same: the records below go where a walk
    // of the tree would put them, into the first.
    QVERIFY(writeIndex(folder, header() + record(2, "MyVault", "Docs") + record(2, "MyVault", "DOCS")
                                   + record(1, "MyVault/docs", "a") + record(2, "MyVault/dOCS", "Sub")
                                   + record(1, "MyVault/docs/sub", "b")));
    VaultPtr vault(new TAVVault(nullptr, QStringLiteral("MyVault"), folder, TAV_AES256, VaultVectors::vaultKey()));
    QCOMPARE(vault->load(), 0);
    auto *first = static_cast<TAVItemContainer *>(vault->getItemAt(0));
    auto *second = static_cast<TAVItemContainer *>(vault->getItemAt(1));
    QCOMPARE(first->getItemCount(), 2);
    QCOMPARE(second->getItemCount(), 0);
    QCOMPARE(vault->findItem("MyVault/docs/sub/b")->GetParent()->GetParent(), first);
}

void TestTAVVault::localTimesKeepTheirBytes()
{
    // 02:30 on the night the clocks go forward does not exist in Berlin: Qt
    // calls it invalid, but the index keeps it as it was written.
    struct Zone
    {
        explicit Zone(const char *zone) : old(qgetenv("TZ"))
        {
            qputenv("TZ", zone);
            tzset();
        }
        ~Zone()
        {
            if (old.isNull())
                qunsetenv("TZ");
            else
                qputenv("TZ", old);
            tzset();
        }
        QByteArray old;
    } berlin("Europe/Berlin");
    QByteArray payload = header();
    {
        QDataStream stream(&payload, QIODevice::WriteOnly | QIODevice::Append);
        stream.setVersion(15);
        stream << qint32(1) << QString("MyVault") << QString("night.txt") << QUuid::createUuid() << qint64(0)
               << qint64(512) << at(2021, 3, 28, 2, 30, 0, 0) << at(2021, 3, 28, 3, 30, 0, 1);
    }
    QVERIFY(writeIndex(folder, payload));
    VaultPtr vault(new TAVVault(nullptr, QStringLiteral("MyVault"), folder, TAV_AES256, VaultVectors::vaultKey()));
    QCOMPARE(vault->load(), 0);
    const QDateTime night = vault->getItemAt(0)->GetCreatedDate();
    QCOMPARE(night.date(), QDate(2021, 3, 28));
    QCOMPARE(night.time(), QTime(2, 30));
    QCOMPARE(vault->getItemAt(0)->GetModifiedDate(), at(2021, 3, 28, 3, 30, 0, 1));
    QCOMPARE(vault->save(), 0);
    QCOMPARE(payloadOf(folder + "/index.dat").toHex(), payload.toHex());
}

void TestTAVVault::failedSaveKeepsTheOldIndex_data()
{
    QTest::addColumn<bool>("folderGone"); // else the disk takes no more bytes
    QTest::newRow("vault folder removed") << true;
    QTest::newRow("write fails") << false;
}

void TestTAVVault::failedSaveKeepsTheOldIndex()
{
    QFETCH(bool, folderGone);
    VaultPtr vault(knownVault(folder, TAV_AES256));
    QCOMPARE(vault->save(), 0);
    QCOMPARE(vault->saveVaultVersion(), 0);
    const QByteArray index = fileBytes(folder + "/index.dat");
    const QByteArray version = fileBytes(folder + "/version.dat");
    VaultTree::fill(vault.data(), 500, 1);

    LogCapture log;
    if (folderGone) {
        QVERIFY(QDir(folder).removeRecursively());
        QCOMPARE(vault->save(), 1);
        QCOMPARE(vault->saveVaultVersion(), 1);
        QVERIFY(!QFileInfo::exists(folder));
    } else {
        FileSizeLimit limit(4096);
        if (!limit.isActive())
            QSKIP("the file size limit could not be set");
        QCOMPARE(vault->save(), 1);
        vault->SetName(QString(3000, QLatin1Char('n')));
        QCOMPARE(vault->saveVaultVersion(), 1);
    }
    if (!folderGone) {
        QCOMPARE(fileBytes(folder + "/index.dat"), index);
        QCOMPARE(fileBytes(folder + "/version.dat"), version);
        QCOMPARE(tmpFiles(folder), QStringList());
    }
    bool logged = false;
    for (const QByteArray &line : log.lines())
        logged = logged || line.contains("could not write index list");
    QVERIFY(logged);
}

void TestTAVVault::indexNotReadIsNeverReplaced()
{
    VaultPtr original(knownVault(folder, TAV_AES256));
    QCOMPARE(original->save(), 0);
    const QByteArray index = fileBytes(folder + "/index.dat");

    // Unloaded after a load: the tree is gone, the index must stay.
    VaultPtr vault(new TAVVault(nullptr, QStringLiteral("MyVault"), folder, TAV_AES256, VaultVectors::vaultKey()));
    QCOMPARE(vault->load(), 0);
    vault->unload();
    QCOMPARE(vault->save(), 1);
    vault->setLoaded(true); // set by hand: still not the index's tree
    QCOMPARE(vault->save(), 1);
    QCOMPARE(fileBytes(folder + "/index.dat"), index);

    // A load that failed, then loaded set by hand.
    VaultPtr wrongKey(new TAVVault(nullptr, QStringLiteral("MyVault"), folder, TAV_AES256, TAVKey()));
    QCOMPARE(wrongKey->load(), 12);
    wrongKey->setLoaded(true);
    QCOMPARE(wrongKey->save(), 1);
    QCOMPARE(fileBytes(folder + "/index.dat"), index);

    // Loaded again, it saves.
    QCOMPARE(vault->load(), 0);
    QCOMPARE(vault->save(), 0);

    // A new vault has no index yet: loaded by hand, it writes its first one.
    const QString fresh = dir->filePath("Fresh");
    QVERIFY(QDir().mkpath(fresh));
    VaultPtr newVault(new TAVVault(nullptr, QStringLiteral("Fresh"), fresh, TAV_AES256, VaultVectors::vaultKey()));
    QCOMPARE(newVault->save(), 1); // not loaded
    QVERIFY(!newVault->isVaultIdxExisting());
    newVault->setLoaded(true);
    QCOMPARE(newVault->save(), 0);
    newVault->addFolder(QStringLiteral("More"));
    QCOMPARE(newVault->save(), 0); // its own index from now on
}

void TestTAVVault::loadDoesNotReadOverATree()
{
    VaultPtr vault(knownVault(folder, TAV_AES256));
    QCOMPARE(vault->save(), 0);
    QCOMPARE(vault->load(), 1);
    QCOMPARE(vault->getItemCount(), 2);
    QCOMPARE(vault->getVaultItemCount(), 2);
}

void TestTAVVault::unloadKeepsItemsUntilTheNextLoad()
{
    VaultPtr vault(knownVault(folder, TAV_AES256));
    QCOMPARE(vault->save(), 0);
    TAVItem *held = static_cast<TAVItemContainer *>(vault->getItemAt(0))->getItemAt(0);

    vault->unload();
    QVERIFY(!vault->isLoaded());
    QCOMPARE(vault->getItemCount(), 0);
    QVERIFY(!vault->canAddFile() && !vault->canAddFolder());
    // A view or the search index may still hold it until it is rebuilt.
    QCOMPARE(held->GetName(), QStringLiteral("a.txt"));
    QCOMPARE(held->GetFullPath(), QStringLiteral("MyVault/Letters/a.txt"));

    QCOMPARE(vault->load(), 0);
    QCOMPARE(vault->getVaultItemCount(), 2);
    QVERIFY(vault->canAddFile() && vault->canAddFolder());
}

void TestTAVVault::canDeleteFollowsTheIndexFile()
{
    VaultPtr vault(knownVault(folder, TAV_AES256));
    QVERIFY(vault->canDelete());
    QCOMPARE(vault->save(), 0);
    vault->unload();
    QVERIFY(vault->isVaultIdxExisting());
    QVERIFY(!vault->canDelete());
    QVERIFY(QFile::remove(folder + "/index.dat"));
    QVERIFY(!vault->isVaultIdxExisting());
    QVERIFY(vault->canDelete());
}

void TestTAVVault::countsFilesOnly()
{
    VaultPtr vault(new TAVVault(nullptr, QStringLiteral("V"), folder, TAV_AES256, VaultVectors::vaultKey()));
    vault->setLoaded(true);
    vault->addFile()->SetName("a");
    vault->addFile()->SetName("b");
    TAVFolder *sub = vault->addFolder("Sub");
    TAVFolder *deeper = sub->addFolder("Deeper");
    sub->addFile()->SetName("c");
    deeper->addFile()->SetName("d");
    deeper->addFile()->SetName("e");
    sub->addFolder("Empty");
    QCOMPARE(vault->getVaultItemCount(), 5);
    QCOMPARE(vault->getVaultItemCount(sub), 3);
}

void TestTAVVault::itemContainerByPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("found"); // full path, empty for none
    QTest::newRow("empty") << "" << "MyVault";
    QTest::newRow("slash") << "/" << "MyVault";
    QTest::newRow("vault") << "MyVault" << "MyVault";
    QTest::newRow("folder") << "MyVault/letters" << "MyVault/Letters";
    QTest::newRow("trailing slash") << "MyVault/Letters/" << "MyVault/Letters";
    QTest::newRow("a file") << "MyVault/Letters/a.txt" << "";
    QTest::newRow("missing") << "MyVault/Nothing" << "";
}

void TestTAVVault::itemContainerByPath()
{
    QFETCH(QString, path);
    QFETCH(QString, found);
    VaultPtr vault(knownVault(folder, TAV_AES256));
    TAVItemContainer *container = vault->getItemContainer(path);
    QCOMPARE(container ? container->GetFullPath() : QString(), found);
}

QTEST_GUILESS_MAIN(TestTAVVault)
#include "tst_tavvault.moc"
