#include "cryptovectors.h"
#include "filesizelimit.h"
#include "logcapture.h"
#include "tavciphers.h"

#include <QtTest>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

TAVKey wrappedKey()
{
    TAVKey key = CryptoVectors::key();
    key.encrypt(CryptoVectors::wrapKey());
    return key;
}

} // namespace

class TestTAVKeyChain : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void missingFileGivesEmptyChainAndSetKeyCreatesIt();
    void fileMatchesKnownAnswer();
    void adoptionUnwrapsTheStoredKey();
    void setKeyTwiceKeepsOneEntry();
    void nullAndEmptyNamesAreTheSame();
    void severalNamesRoundTrip();
    void damagedFilesAreReported_data();
    void damagedFilesAreReported();
    void unreadableFileGivesOneAndEmptyChain();
    void failedWritesLeaveTheOldFile();

private:
    QScopedPointer<QTemporaryDir> m_dir;
    QString m_path;
};

void TestTAVKeyChain::init()
{
    m_dir.reset(new QTemporaryDir);
    m_path = m_dir->filePath("keychain.dat");
}

void TestTAVKeyChain::missingFileGivesEmptyChainAndSetKeyCreatesIt()
{
    TAVKeyChain chain(m_path);
    QVERIFY(chain.keys.isEmpty());
    QCOMPARE(chain.read(), 0);
    TAVKey out = CryptoVectors::key();
    QCOMPARE(chain.getKey(QString(), &out), 1);
    QCOMPARE(chain.setKey(QString(), wrappedKey()), 0);
    QVERIFY(QFile::exists(m_path));
}

void TestTAVKeyChain::fileMatchesKnownAnswer()
{
    TAVKeyChain chain(m_path);
    QCOMPARE(chain.setKey(QString(), wrappedKey()), 0);
    QCOMPARE(fileBytes(m_path).toHex(), CryptoVectors::get("keychain_140").toHex());
    QCOMPARE(fileBytes(m_path).size(), 140);
    // Nothing is left beside it.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"keychain.dat"});
}

void TestTAVKeyChain::adoptionUnwrapsTheStoredKey()
{
    writeBytes(m_path, CryptoVectors::get("keychain_140"));
    TAVKeyChain chain(m_path);
    QCOMPARE(chain.keys.size(), 1);
    TAVKey key = TAVKey::fromHex(QString());
    QCOMPARE(chain.getKey(QString(), &key), 0);
    QCOMPARE(key.decrypt(CryptoVectors::wrapKey()), 0);
    QVERIFY(key == CryptoVectors::key());
}

void TestTAVKeyChain::setKeyTwiceKeepsOneEntry()
{
    TAVKeyChain chain(m_path);
    chain.setKey(QString(), CryptoVectors::wrapKey());
    chain.setKey(QString(), wrappedKey());
    TAVKeyChain reread(m_path);
    QCOMPARE(reread.keys.size(), 1);
    TAVKey key = TAVKey::fromHex(QString());
    QCOMPARE(reread.getKey(QString(), &key), 0);
    QVERIFY(key == wrappedKey());
}

void TestTAVKeyChain::nullAndEmptyNamesAreTheSame()
{
    TAVKeyChain chain(m_path);
    chain.setKey(QString(), wrappedKey());
    TAVKey key = TAVKey::fromHex(QString());
    QCOMPARE(chain.getKey(QStringLiteral(""), &key), 0);
    QVERIFY(key == wrappedKey());
}

void TestTAVKeyChain::severalNamesRoundTrip()
{
    TAVKeyChain chain(m_path);
    chain.setKey(QStringLiteral("b\xe9ta"), CryptoVectors::wrapKey());
    chain.setKey(QStringLiteral("alpha"), wrappedKey());
    TAVKeyChain reread(m_path);
    QCOMPARE(reread.keys.size(), 2);
    TAVKey key = TAVKey::fromHex(QString());
    QCOMPARE(reread.getKey(QStringLiteral("alpha"), &key), 0);
    QVERIFY(key == wrappedKey());
    QCOMPARE(reread.getKey(QStringLiteral("b\xe9ta"), &key), 0);
    QVERIFY(key == CryptoVectors::wrapKey());
    QCOMPARE(reread.getKey(QStringLiteral("gamma"), &key), 1);
}

void TestTAVKeyChain::damagedFilesAreReported_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray good = CryptoVectors::get("keychain_140");
    QByteArray shortKey = good.left(8) + QByteArray::fromHex("00000010") + good.mid(12, 16);
    QByteArray nullKey = good.left(8) + QByteArray::fromHex("ffffffff");
    QByteArray twoClaimed = good;
    twoClaimed[3] = char(2);
    QTest::newRow("truncated key") << good.left(139);
    QTest::newRow("count only") << good.left(4);
    QTest::newRow("two bytes") << good.left(2);
    QTest::newRow("trailing bytes") << good + "x";
    QTest::newRow("key of 16 bytes") << shortKey;
    QTest::newRow("null key") << nullKey;
    QTest::newRow("second entry missing") << twoClaimed;
    QTest::newRow("huge count") << QByteArray::fromHex("ffffffff") + good.mid(4);
}

void TestTAVKeyChain::damagedFilesAreReported()
{
    QFETCH(QByteArray, bytes);
    writeBytes(m_path, bytes);
    LogCapture log;
    TAVKeyChain chain(m_path);
    QVERIFY(chain.keys.isEmpty());
    QCOMPARE(chain.read(), 1);
    QVERIFY(chain.keys.isEmpty());
    QVERIFY(log.lines().last().contains("error reading keychain"));
}

void TestTAVKeyChain::unreadableFileGivesOneAndEmptyChain()
{
    // A folder where the file should be cannot be opened for reading.
    QVERIFY(QDir(m_dir->path()).mkdir("keychain.dat"));
    LogCapture log;
    TAVKeyChain chain(m_path);
    QVERIFY(chain.keys.isEmpty());
    QCOMPARE(chain.read(), 1);
    QVERIFY(log.lines().last().contains("error reading keychain"));
}

void TestTAVKeyChain::failedWritesLeaveTheOldFile()
{
    writeBytes(m_path, CryptoVectors::get("keychain_140"));

    // The disk fills up part-way: the old chain stays whole.
    {
        TAVKeyChain chain(m_path);
        FileSizeLimit limit(100);
        QVERIFY(limit.isActive());
        LogCapture log;
        QCOMPARE(chain.setKey(QString(), CryptoVectors::wrapKey()), 1);
        QVERIFY(log.lines().last().contains("error writing keychain"));
    }
    QCOMPARE(fileBytes(m_path), CryptoVectors::get("keychain_140"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"keychain.dat"});

    // A folder that is gone cannot take the file.
    TAVKeyChain gone(m_dir->filePath("gone/keychain.dat"));
    LogCapture log;
    QCOMPARE(gone.setKey(QString(), wrappedKey()), 1);
    QVERIFY(log.lines().last().contains("error writing keychain"));
    QVERIFY(!QFile::exists(m_dir->filePath("gone/keychain.dat")));
}

QTEST_GUILESS_MAIN(TestTAVKeyChain)
#include "tst_tavkeychain.moc"
