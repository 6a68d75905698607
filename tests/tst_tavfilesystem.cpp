#include "atomicfilewriter.h"
#include "fakedrives.h"
#include "filesizelimit.h"
#include "fixeddrivelocator.h"
#include "fixedrandom.h"
#include "linuxusblib.h"
#include "logcapture.h"
#include "tavexception.h"
#include "tavfile.h"
#include "tavfilesystem.h"
#include "tavfolder.h"
#include "tavstickmanager.h"
#include "tavvault.h"
#include "utils.h"
#include "vaultvectors.h"

#include <QtTest>

// The root of the vault tree and the vault list: the list file's bytes,
// reading it back, a wrong key, damage, failed saves, the records of flash,
// local and network vaults and finding flash-drive vaults again.
class TestTAVFileSystem : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void knownListReadsAndWritesBack();
    void emptyList();
    void openFailuresKeepTheList_data();
    void openFailuresKeepTheList();
    void damagedListKeepsTheList_data();
    void damagedListKeepsTheList();
    void failedSaveKeepsTheOldList_data();
    void failedSaveKeepsTheOldList();
    void recordsOfEachKindOfVault_data();
    void recordsOfEachKindOfVault();
    void flashVaultFoundAgainBySerialNumber();
    void vaultTypesFromTheMountTable();
    void appendFromFileMakesUnloadedVaults();
    void renameAndRemoveRecords();
    void findItemByPath_data();
    void findItemByPath();
    void vaultInfoFromTheVersionFile_data();
    void vaultInfoFromTheVersionFile();
    void addNewVaultWritesItsVersionFile();
    void deleteVaultLeavesItsFolder();
    void renameVaultItemNeedsTheVault();
    void entryListIsAStreamableMetaType();

private:
    QScopedPointer<QTemporaryDir> dir;
    FixedDriveLocator drives;
    TAVFileSystem *root = nullptr;
    QString listFile;
};

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

TAVKey keyFrom(const QByteArray &bytes)
{
    return TAVKey::fromHex(QString::fromLatin1(bytes.toHex()));
}

// The records of the known list, as its table gives them.
TAVFileSystemEntryList knownEntries()
{
    struct Row
    {
        const char *id;
        QString location;
        QString name;
        QString path;
        TAVVaultType type;
        TAVCipher cipher;
    };
    const Row rows[] = {
        {"{11111111-2222-3333-4444-555555555555}", "4C530001", "Stick Vault", "Vaults/Stick Vault", TAV_VAULT_FLASH, TAV_AES256},
        {"{21111111-2222-3333-4444-555555555555}", "studio", "Local", "/home/user/Local", TAV_VAULT_LOCAL, TAV_AES128},
        {"{31111111-2222-3333-4444-555555555555}", QString::fromLatin1(""), "Net", "//server/share/v", TAV_VAULT_NETWORK, TAV_AES1024},
        {"{41111111-2222-3333-4444-555555555555}", QString(), "Lost", QString(), TAV_VAULT_UNDEFINED, TAV_AES512},
    };
    TAVFileSystemEntryList entries;
    for (int i = 0; i < 4; ++i) {
        TAVFileSystemEntry entry;
        entry.id = QUuid(QString::fromLatin1(rows[i].id));
        entry.location = rows[i].location;
        entry.name = rows[i].name;
        entry.path = rows[i].path;
        entry.type = rows[i].type;
        entry.cipher = rows[i].cipher;
        entry.key = keyFrom(VaultVectors::get(QStringLiteral("list_entry%1_key").arg(i)));
        entries.append(entry);
    }
    return entries;
}

QStringList names(const TAVFileSystemEntryList &entries)
{
    QStringList list;
    for (const TAVFileSystemEntry &entry : entries)
        list.append(entry.name);
    return list;
}

// A list payload with the entries as given, under the master key.
bool writeList(const QString &path, const QByteArray &payload)
{
    return AtomicFileWriter::writeDataFile(path, TAV_AES256, VaultVectors::masterKey(), 1, payload) == 0;
}

QByteArray entryBytes(const TAVFileSystemEntry &entry)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(15);
    stream << entry;
    return bytes;
}

QByteArray count(qint32 n)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(15);
    stream << n;
    return bytes;
}

bool logHas(const LogCapture &log, const QByteArray &text)
{
    for (const QByteArray &line : log.lines()) {
        if (line.contains(text))
            return true;
    }
    return false;
}

} // namespace

void TestTAVFileSystem::init()
{
    dir.reset(new QTemporaryDir);
    QVERIFY(dir->isValid());
    listFile = dir->filePath(QStringLiteral("filesystem.dat"));
    root = TAVFileSystem::getInstance();
    drives.unplugAll();
    TAVStickManager::setDriveLocator(&drives);
    TAVStickManager::update();
}

void TestTAVFileSystem::cleanup()
{
    // Back to an empty tree and list for the next test.
    root->removeAll();
    while (!root->getVaultList().isEmpty())
        root->removeVaultItem(root->getVaultList().first().name);
    TAVStickManager::setDriveLocator(nullptr);
    dir.reset();
}

void TestTAVFileSystem::knownListReadsAndWritesBack()
{
    QVERIFY(writeFile(listFile, VaultVectors::get("list_file")));
    QCOMPARE(root->readVaultFile(listFile, VaultVectors::masterKey()), 0);
    const TAVFileSystemEntryList expected = knownEntries();
    QCOMPARE(root->getVaultList().size(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        QVERIFY2(root->getVaultList().at(i) == expected.at(i), qPrintable(expected.at(i).name));
    QVERIFY(root->getVaultList().at(2).location.isEmpty() && !root->getVaultList().at(2).location.isNull());
    QVERIFY(root->getVaultList().at(3).location.isNull() && root->getVaultList().at(3).path.isNull());

    const QString copy = dir->filePath("copy.dat");
    {
        FixedRandom nonce(VaultVectors::nonce());
        QCOMPARE(root->saveToFile(copy, VaultVectors::masterKey()), 0);
    }
    QCOMPARE(fileBytes(copy).toHex(), VaultVectors::get("list_file").toHex());
    QCOMPARE(QDir(dir->path()).entryList({"*.tmp"}), QStringList());
}

void TestTAVFileSystem::emptyList()
{
    {
        FixedRandom nonce(VaultVectors::nonce());
        QCOMPARE(root->saveToFile(listFile, VaultVectors::masterKey()), 0);
    }
    QCOMPARE(fileBytes(listFile).toHex(), VaultVectors::get("empty_list_file").toHex());
    QVERIFY(writeList(dir->filePath("known.dat"), VaultVectors::get("list_payload")));
    QCOMPARE(root->readVaultFile(dir->filePath("known.dat"), VaultVectors::masterKey()), 0);
    QCOMPARE(root->getVaultList().size(), 4);
    QCOMPARE(root->readVaultFile(listFile, VaultVectors::masterKey()), 0);
    QVERIFY(root->getVaultList().isEmpty());
}

void TestTAVFileSystem::openFailuresKeepTheList_data()
{
    QTest::addColumn<QByteArray>("bytes"); // null: no file
    QTest::addColumn<bool>("wrongKey");
    QTest::addColumn<int>("result");
    const QByteArray known = VaultVectors::get("list_file");
    QTest::newRow("wrong key") << known << true << 4;
    QTest::newRow("no file") << QByteArray() << false << 1;
    QTest::newRow("header cut short") << known.left(23) << false << 2;
    QTest::newRow("not a data file") << QByteArray(100, 'x') << false << 3;
}

void TestTAVFileSystem::openFailuresKeepTheList()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, wrongKey);
    QFETCH(int, result);
    QVERIFY(writeList(dir->filePath("known.dat"), VaultVectors::get("list_payload")));
    QCOMPARE(root->readVaultFile(dir->filePath("known.dat"), VaultVectors::masterKey()), 0);
    const TAVFileSystemEntryList before = root->getVaultList();
    if (!bytes.isNull())
        QVERIFY(writeFile(listFile, bytes));

    const TAVKey key = wrongKey ? TAVKey(QStringLiteral("not the password")) : VaultVectors::masterKey();
    LogCapture log;
    QCOMPARE(root->readVaultFile(listFile, key), result);
    QCOMPARE(root->appendFromFile(listFile, key), result);
    QVERIFY(logHas(log, "Error reading vaultlist"));
    QVERIFY(root->getVaultList() == before);
    QCOMPARE(root->vaultCount(), 0);
}

void TestTAVFileSystem::damagedListKeepsTheList_data()
{
    QTest::addColumn<QByteArray>("payload");

    const TAVFileSystemEntryList entries = knownEntries();
    QByteArray all;
    for (const TAVFileSystemEntry &entry : entries)
        all += entryBytes(entry);
    const int first = entryBytes(entries.at(0)).size();

    QTest::newRow("no count") << QByteArray();
    QTest::newRow("count cut short") << QByteArray("\0\0", 2);
    QTest::newRow("count above the records") << count(5) + all;
    QTest::newRow("count of 2^32 - 1") << count(-1) + all;
    QTest::newRow("record cut in its key") << count(4) + all.left(first + 100);
    QTest::newRow("record cut before its cipher") << count(1) + all.left(first - 2);
    QTest::newRow("bytes after the last record") << count(4) + all + QByteArray(1, '\0');
    QTest::newRow("record count below the records") << count(3) + all;

    TAVFileSystemEntry shortKey = entries.at(0);
    shortKey.key.key.truncate(16);
    QTest::newRow("key of 16 bytes") << count(1) + entryBytes(shortKey);
    TAVFileSystemEntry badCipher = entries.at(0);
    badCipher.cipher = TAVCipher(9);
    QTest::newRow("cipher outside the table") << count(1) + entryBytes(badCipher);
    TAVFileSystemEntry badType = entries.at(0);
    badType.type = TAVVaultType(7);
    QTest::newRow("type outside the table") << count(1) + entryBytes(badType);
    TAVFileSystemEntry badName = entries.at(0);
    badName.name = QStringLiteral("a/b");
    QTest::newRow("name with a slash") << count(1) + entryBytes(badName);
}

void TestTAVFileSystem::damagedListKeepsTheList()
{
    QFETCH(QByteArray, payload);
    QVERIFY(writeList(dir->filePath("known.dat"), VaultVectors::get("list_payload")));
    QCOMPARE(root->readVaultFile(dir->filePath("known.dat"), VaultVectors::masterKey()), 0);
    QVERIFY(writeList(listFile, payload));

    QCOMPARE(root->readVaultFile(listFile, VaultVectors::masterKey()), int(TAVFileSystem::VaultListDamaged));
    QCOMPARE(root->appendFromFile(listFile, VaultVectors::masterKey()), int(TAVFileSystem::VaultListDamaged));
    QVERIFY(root->getVaultList() == knownEntries());
    QCOMPARE(root->vaultCount(), 0);
}

void TestTAVFileSystem::failedSaveKeepsTheOldList_data()
{
    QTest::addColumn<bool>("folderGone"); // else the disk takes no more bytes
    QTest::newRow("settings folder removed") << true;
    QTest::newRow("write fails") << false;
}

void TestTAVFileSystem::failedSaveKeepsTheOldList()
{
    QFETCH(bool, folderGone);
    const QString settings = dir->filePath("Settings");
    QVERIFY(QDir().mkpath(settings));
    const QString path = settings + "/filesystem.dat";
    QCOMPARE(root->saveToFile(path, VaultVectors::masterKey()), 0);
    const QByteArray old = fileBytes(path);

    QVERIFY(writeList(dir->filePath("known.dat"), VaultVectors::get("list_payload")));
    QCOMPARE(root->readVaultFile(dir->filePath("known.dat"), VaultVectors::masterKey()), 0);
    LogCapture log;
    if (folderGone) {
        QVERIFY(QDir(settings).removeRecursively());
        QCOMPARE(root->saveToFile(path, VaultVectors::masterKey()), 1);
        QVERIFY(!QFileInfo::exists(settings));
    } else {
        FileSizeLimit limit(300);
        if (!limit.isActive())
            QSKIP("the file size limit could not be set");
        QCOMPARE(root->saveToFile(path, VaultVectors::masterKey()), 1);
        QCOMPARE(fileBytes(path), old);
        QCOMPARE(QDir(settings).entryList(QDir::Files), QStringList{"filesystem.dat"});
    }
    QVERIFY(logHas(log, "can not write vault list"));
    QCOMPARE(root->getVaultList().size(), 4); // the list in memory stays
}

void TestTAVFileSystem::recordsOfEachKindOfVault_data()
{
    QTest::addColumn<QString>("folder"); // "<tmp>" stands for a local temporary folder
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("location"); // "<host>" for the host name
    QTest::addColumn<QString>("path");     // "<folder>" for the whole folder path

    QTest::newRow("flash drive") << "/media/STICK/Vaults/My" << 2 << "SER1" << "Vaults/My";
    QTest::newRow("flash drive, top folder") << "/media/STICK/My Vault" << 2 << "SER1" << "My Vault";
    QTest::newRow("nested mount: the deeper drive") << "/media/STICK/inner/V" << 2 << "SER2" << "V";
    QTest::newRow("local disk") << "<tmp>" << 3 << "<host>" << "<folder>";
    QTest::newRow("mount point without its slash is local") << "/media/STICK" << 3 << "<host>" << "<folder>";
    QTest::newRow("network") << "//server/share/v" << 4 << "" << "<folder>";
}

void TestTAVFileSystem::recordsOfEachKindOfVault()
{
    QFETCH(QString, folder);
    QFETCH(int, type);
    QFETCH(QString, location);
    QFETCH(QString, path);
    if (folder == "<tmp>")
        folder = dir->filePath("Local Vault");
    if (location == "<host>")
        location = Utils::getHostName();
    if (path == "<folder>")
        path = folder;
    drives.plug(USBStick("SER1", "/media/STICK/", 0x5581, 0x781));
    drives.plug(USBStick("SER2", "/media/STICK/inner/", 0x5581, 0x781));
    TAVStickManager::update();

    const TAVKey key;
    TAVVault *vault = root->addVault(QStringLiteral("V"), folder, TAV_AES512, key);
    QCOMPARE(root->addVaultItem(vault), 0);
    QCOMPARE(int(vault->vaultType()), type);
    QCOMPARE(root->getVaultList().size(), 1);
    const TAVFileSystemEntry entry = root->getVaultList().first();
    QCOMPARE(int(entry.type), type);
    QCOMPARE(entry.location, location);
    QVERIFY(!entry.location.isNull());
    QCOMPARE(entry.path, path);
    QCOMPARE(entry.name, QStringLiteral("V"));
    QCOMPARE(entry.id, vault->GetId());
    QCOMPARE(entry.cipher, TAV_AES512);
    QVERIFY(entry.key == key);
}

void TestTAVFileSystem::flashVaultFoundAgainBySerialNumber()
{
    drives.plug(USBStick("SER1", "/Volumes/STICK/", 0x5581, 0x781));
    TAVStickManager::update();
    const TAVKey key;
    TAVVault *vault = root->addVault(QStringLiteral("Stick"), "/Volumes/STICK/My Vault", TAV_AES256, key);
    root->addVaultItem(vault);
    QCOMPARE(root->saveToFile(listFile, VaultVectors::masterKey()), 0);
    root->removeAll();

    // The same drive, mounted elsewhere.
    drives.unplugAll();
    drives.plug(USBStick("SER1", "/Volumes/OTHER/", 0x5581, 0x781));
    TAVStickManager::update();
    QCOMPARE(root->appendFromFile(listFile, VaultVectors::masterKey()), 0);
    auto *found = static_cast<TAVVault *>(root->getItem(QStringLiteral("Stick")));
    QVERIFY(found);
    QCOMPARE(found->getFullPhysicalVaultPath(), QStringLiteral("/Volumes/OTHER/My Vault"));
    QCOMPARE(found->vaultType(), TAV_VAULT_FLASH);
    QVERIFY(found->getKey() == key);
    root->removeAll();

    // Not plugged in: the folder is only the path below the drive, and unavailable.
    drives.unplugAll();
    TAVStickManager::update();
    QCOMPARE(root->appendFromFile(listFile, VaultVectors::masterKey()), 0);
    found = static_cast<TAVVault *>(root->getItem(QStringLiteral("Stick")));
    QCOMPARE(found->getFullPhysicalVaultPath(), QStringLiteral("My Vault"));
    QVERIFY(!found->isAvailable());
    QCOMPARE(found->load(), 1);
}

void TestTAVFileSystem::vaultTypesFromTheMountTable()
{
    FakeDrives fake(dir->filePath("fake"));
    const QString mount = fake.plugStick("4C530001", "STICK");
    LinuxUSBLib usb(fake.root());
    TAVStickManager::setDriveLocator(&usb);
    TAVStickManager::update();

    const QString onStick = mount + "Vaults/My";
    QVERIFY(QDir().mkpath(onStick));
    QCOMPARE(TAVFileSystem::scanVaultType(onStick), TAV_VAULT_FLASH);
    QCOMPARE(TAVFileSystem::scanVaultType(dir->path()), TAV_VAULT_LOCAL);
    QCOMPARE(TAVFileSystem::scanVaultType("/"), TAV_VAULT_LOCAL);
    QCOMPARE(TAVFileSystem::scanVaultType("//server/share/v"), TAV_VAULT_NETWORK);
    // Every folder that exists has a place.
    for (const QString &existing : {onStick, mount, fake.root(), dir->path(), QString("/")})
        QVERIFY2(TAVFileSystem::scanVaultType(existing) != TAV_VAULT_UNDEFINED, qPrintable(existing));

    TAVVault *vault = root->addVault(QStringLiteral("My"), onStick, TAV_AES256, TAVKey());
    root->addVaultItem(vault);
    QCOMPARE(root->getVaultList().first().location, QStringLiteral("4C530001"));
    QCOMPARE(root->getVaultList().first().path, QStringLiteral("Vaults/My"));
}

void TestTAVFileSystem::appendFromFileMakesUnloadedVaults()
{
    QVERIFY(writeFile(listFile, VaultVectors::get("list_file")));
    const TAVKey vaultKey;
    TAVVault *existing = root->addVault(QStringLiteral("Local"), "/elsewhere", TAV_AES256, vaultKey);
    QCOMPARE(root->appendFromFile(listFile, VaultVectors::masterKey()), 0);

    // A name already in the tree gets the next free one.
    QCOMPARE(root->getListVaultName(),
             (QStringList{"Local", "Stick Vault", "Local_1", "Net", "Lost"}));
    QCOMPARE(root->getItemAt(0), existing);
    const TAVFileSystemEntryList entries = knownEntries();
    const QStringList folders{"Vaults/Stick Vault", "/home/user/Local", "//server/share/v", QString()};
    for (int i = 0; i < 4; ++i) {
        auto *vault = static_cast<TAVVault *>(root->getItemAt(i + 1));
        QVERIFY(!vault->isLoaded());
        QCOMPARE(vault->getItemCount(), 0);
        QCOMPARE(vault->vaultType(), entries.at(i).type);
        QCOMPARE(vault->getCipher(), entries.at(i).cipher);
        QVERIFY(vault->getKey() == entries.at(i).key);
        QCOMPARE(vault->getFullPhysicalVaultPath(), folders.at(i));
        QVERIFY(vault->GetId() != entries.at(i).id); // read from its version file at load
    }
}

void TestTAVFileSystem::renameAndRemoveRecords()
{
    for (const char *name : {"A", "B", "C"})
        root->addVaultItem(root->addVault(QString::fromLatin1(name), dir->filePath(name), TAV_AES256, TAVKey()));
    const QUuid idOfA = root->getVaultList().first().id;

    LogCapture log;
    root->renameVaultItem("A", "Z");
    QCOMPARE(names(root->getVaultList()), (QStringList{"B", "C", "Z"}));
    QCOMPARE(root->getVaultList().last().id, idOfA);
    QVERIFY(log.lines().isEmpty());

    root->renameVaultItem("b", "Y"); // names are exact here
    QVERIFY(logHas(log, "failed to rename \"b\" to \"Y\""));
    root->removeVaultItem("c");
    QVERIFY(logHas(log, "failed to remove \"c\""));
    QCOMPARE(names(root->getVaultList()), (QStringList{"B", "C", "Z"}));

    log.clear();
    root->removeVaultItem("C");
    QCOMPARE(names(root->getVaultList()), (QStringList{"B", "Z"}));
    QVERIFY(log.lines().isEmpty());
}

void TestTAVFileSystem::findItemByPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("found"); // full path; "<root>" for the root, empty for none
    QTest::newRow("empty") << "" << "<root>";
    QTest::newRow("vault") << "MyVault" << "MyVault";
    QTest::newRow("ignoring case") << "myvault/LETTERS" << "MyVault/Letters";
    QTest::newRow("file") << "MyVault/Letters/a.txt" << "MyVault/Letters/a.txt";
    QTest::newRow("below a file") << "MyVault/Letters/a.txt/x" << "";
    QTest::newRow("no such vault") << "NoVault/x" << "";
    QTest::newRow("trailing separator") << "MyVault/" << "";
    QTest::newRow("leading separator") << "/MyVault" << "";
}

void TestTAVFileSystem::findItemByPath()
{
    QFETCH(QString, path);
    QFETCH(QString, found);
    TAVVault *vault = root->addVault(QStringLiteral("MyVault"), dir->path(), TAV_AES256, TAVKey());
    vault->setLoaded(true);
    vault->addFolder(QStringLiteral("Letters"))->addFile()->SetName(QStringLiteral("a.txt"));
    root->addVault(QStringLiteral("Other"), dir->path(), TAV_AES256, TAVKey());

    TAVItem *item = root->findItemByPath(path);
    if (found == "<root>")
        QCOMPARE(item, static_cast<TAVItem *>(root));
    else
        QCOMPARE(item ? item->GetFullPath() : QString(), found);
}

void TestTAVFileSystem::vaultInfoFromTheVersionFile_data()
{
    QTest::addColumn<QByteArray>("bytes"); // null: no file
    QTest::addColumn<int>("result");
    const QByteArray known = VaultVectors::get("version_file");
    QTest::newRow("known file") << known << 0;
    QTest::newRow("no file") << QByteArray() << 1;
    QTest::newRow("name cut short") << known.left(known.size() - 1) << 2;
    QTest::newRow("only the format") << known.left(4) << 2;
}

void TestTAVFileSystem::vaultInfoFromTheVersionFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, result);
    if (!bytes.isNull())
        QVERIFY(writeFile(dir->filePath("version.dat"), bytes));
    QUuid id;
    QString name = QStringLiteral("unchanged");
    TAVCipher cipher = TAV_AES128;
    QCOMPARE(TAVFileSystem::getVaultInfo(dir->path(), id, name, cipher), result);
    if (result == 0) {
        QCOMPARE(id, QUuid(QStringLiteral("{0f1e2d3c-4b5a-6978-8796-a5b4c3d2e1f0}")));
        QCOMPARE(name, QStringLiteral("MyVault"));
        QCOMPARE(cipher, TAV_AES256);
    } else {
        QVERIFY(id.isNull());
        QCOMPARE(name, QStringLiteral("unchanged"));
        QCOMPARE(cipher, TAV_AES128);
    }
}

void TestTAVFileSystem::addNewVaultWritesItsVersionFile()
{
    const QString folder = dir->filePath("New");
    QVERIFY(QDir().mkpath(folder));
    TAVVault *vault = root->addVault(QStringLiteral("New"), folder, TAV_AES1024, TAVKey());
    QCOMPARE(root->addNewVault(vault), 0);
    QUuid id;
    QString name;
    TAVCipher cipher = TAV_CIPHER_NONE;
    QCOMPARE(TAVFileSystem::getVaultInfo(folder, id, name, cipher), 0);
    QCOMPARE(id, vault->GetId());
    QCOMPARE(name, QStringLiteral("New"));
    QCOMPARE(cipher, TAV_AES1024);

    TAVVault *gone = root->addVault(QStringLiteral("Gone"), dir->filePath("missing"), TAV_AES256, TAVKey());
    LogCapture log;
    QCOMPARE(root->addNewVault(gone), 1);
    QVERIFY(logHas(log, "error saving vault version file"));
    QCOMPARE(root->getVaultList().size(), 2); // listed all the same
}

void TestTAVFileSystem::deleteVaultLeavesItsFolder()
{
    const QString folder = dir->filePath("V");
    QVERIFY(QDir().mkpath(folder));
    TAVVault *vault = root->addVault(QStringLiteral("V"), folder, TAV_AES256, TAVKey());
    vault->setLoaded(true);
    vault->addFolder(QStringLiteral("F"));
    QCOMPARE(vault->save(), 0);
    QCOMPARE(vault->saveVaultVersion(), 0);
    QVERIFY(writeFile(folder + "/keychain.dat", "k"));

    root->deleteItem(QStringLiteral("v"));
    QCOMPARE(root->vaultCount(), 0);
    QCOMPARE(QDir(folder).entryList(QDir::Files), (QStringList{"keychain.dat", "version.dat"}));
    root->deleteItem(QStringLiteral("v")); // none left: nothing happens
}

void TestTAVFileSystem::renameVaultItemNeedsTheVault()
{
    TAVVault *vault = root->addVault(QStringLiteral("Old"), dir->path(), TAV_AES256, TAVKey());
    root->renameItem(QStringLiteral("old"), QStringLiteral("New"));
    QCOMPARE(vault->GetName(), QStringLiteral("New"));
    root->renameItem(QStringLiteral("New"), QStringLiteral("new")); // letter case alone
    QCOMPARE(vault->GetName(), QStringLiteral("new"));
    root->addVault(QStringLiteral("Other"), dir->path(), TAV_AES256, TAVKey());
    try {
        root->renameItem(QStringLiteral("new"), QStringLiteral("OTHER"));
        QFAIL("took the name of another vault");
    } catch (const TAVException &e) {
        QCOMPARE(QString::fromLatin1(e.what()), QStringLiteral("Duplicate item name."));
    }
    QCOMPARE(vault->GetName(), QStringLiteral("new"));
    try {
        root->renameItem(QStringLiteral("Old"), QStringLiteral("X"));
        QFAIL("renamed a vault that is not there");
    } catch (const TAVException &e) {
        QCOMPARE(QString::fromLatin1(e.what()), QStringLiteral("Invalid current item name."));
    }
}

void TestTAVFileSystem::entryListIsAStreamableMetaType()
{
    const int type = QMetaType::type("TAVFileSystemEntryList");
    QVERIFY(type != QMetaType::UnknownType);
    const TAVFileSystemEntryList entries = knownEntries();
    QByteArray bytes;
    {
        QDataStream stream(&bytes, QIODevice::WriteOnly);
        stream.setVersion(15);
        stream << QVariant::fromValue(entries);
    }
    // A variant of a user type: its type name, then the value.
    QVERIFY(bytes.contains("TAVFileSystemEntryList"));
    QVERIFY(bytes.endsWith(VaultVectors::get("list_payload")));
    QDataStream stream(bytes);
    stream.setVersion(15);
    QVariant read;
    stream >> read;
    QCOMPARE(read.userType(), type);
    QVERIFY(read.value<TAVFileSystemEntryList>() == entries);
}

QTEST_GUILESS_MAIN(TestTAVFileSystem)
#include "tst_tavfilesystem.moc"
