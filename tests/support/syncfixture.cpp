#include "syncfixture.h"

#include "filecipher.h"
#include "fileutils.h"
#include "syncstatefile.h"
#include "tavfile.h"
#include "tavfilesystem.h"
#include "tavfolder.h"
#include "tavsync.h"
#include "tavvault.h"
#include "treetestutils.h"
#include "utils.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QtConcurrent>

namespace {

class CountingVault : public TAVVault
{
public:
    using TAVVault::TAVVault;
    int save() override
    {
        ++saves;
        return TAVVault::save();
    }
    int saves = 0;
};

struct Entry
{
    QString path;
    bool isDir = false;
    QByteArray content;
    qint64 time = 0;
};

Entry parse(const QString &text)
{
    Entry e;
    if (text.endsWith(QLatin1Char('/'))) {
        e.path = text.chopped(1);
        e.isDir = true;
        return e;
    }
    const int eq = text.indexOf(QLatin1Char('='));
    e.path = text.left(eq);
    QString rest = text.mid(eq + 1);
    const int at = rest.lastIndexOf(QLatin1Char('@'));
    if (at >= 0) {
        e.time = rest.mid(at + 1).toLongLong();
        rest = rest.left(at);
    }
    e.content = rest.toUtf8();
    e.time += SyncFixture::kBaseTime;
    return e;
}

QString describe(const QString &path, const QByteArray &content, qint64 time)
{
    const qint64 t = time - SyncFixture::kBaseTime;
    return path + QLatin1Char('=') + QString::fromUtf8(content) + (t ? QStringLiteral("@%1").arg(t) : QString());
}

void writeFile(const QString &path, const QByteArray &content, qint64 time)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
    out.close();
    FileUtils::setModificationTime(path, QDateTime::fromSecsSinceEpoch(time, Qt::UTC));
}

void waitFor(const QFuture<int> &future)
{
    QElapsedTimer timer;
    timer.start();
    while (!future.isFinished()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (timer.elapsed() > 120000)
            qFatal("synchronisation did not end");
    }
    QCoreApplication::processEvents();
}

} // namespace

SyncFixture::SyncFixture()
{
    m_disk = path(QStringLiteral("disk"));
    QDir().mkpath(m_disk);
    const QString folder = path(QStringLiteral("vault"));
    QDir().mkpath(folder);
    m_vault = new CountingVault(TAVFileSystem::getInstance(), QStringLiteral("SyncVault"), folder, TAV_AES256,
                                TAVKey());
    m_vault->setLoaded(true);
    TAVFileSystem::getInstance()->addItem(m_vault);
    m_vault->save();
    static_cast<CountingVault *>(m_vault)->saves = 0;
    QObject::connect(m_vault, &TAVVault::itemSyncProgress, m_vault, [this](const QString &line) { m_lines << line; },
                     Qt::DirectConnection);
    QObject::connect(m_vault, &TAVVault::syncDone, m_vault, [this] { ++m_done; }, Qt::DirectConnection);
    QObject::connect(m_vault, &TAVVault::syncFinishedWithErrors, m_vault, [this] { ++m_failedSignals; },
                     Qt::DirectConnection);
}

SyncFixture::~SyncFixture()
{
    TAVSync::waitForRuns(10000);
    if (!m_vault)
        return;
    TAVFileSystem::getInstance()->removeItem(m_vault);
    destroyItemTree(m_vault);
}

void SyncFixture::layVault(const QStringList &entries)
{
    for (const QString &text : entries) {
        const Entry e = parse(text);
        const int slash = e.path.lastIndexOf(QLatin1Char('/'));
        TAVItemContainer *parent = getItemContainer(m_vault, QLatin1Char('/') + e.path.left(slash + 1));
        if (!parent)
            qFatal("no vault folder for %s", qPrintable(e.path));
        const QString name = e.path.mid(slash + 1);
        if (e.isDir) {
            parent->addFolder(name);
            continue;
        }
        const QString plain = path(QStringLiteral("plain/") + QUuid::createUuid().toString(QUuid::Id128)
                                   + QLatin1Char('/') + name);
        writeFile(plain, e.content, e.time);
        TAVFile *file = parent->addFile(plain);
        file->encrypt(plain);
    }
    m_vault->save();
    static_cast<CountingVault *>(m_vault)->saves = 0;
}

void SyncFixture::layDisk(const QStringList &entries)
{
    for (const QString &text : entries) {
        const Entry e = parse(text);
        if (e.isDir)
            QDir().mkpath(m_disk + QLatin1Char('/') + e.path);
        else
            writeFile(m_disk + QLatin1Char('/') + e.path, e.content, e.time);
    }
}

QUuid SyncFixture::addPeer(const QString &vaultFolder, const QString &diskFolder)
{
    const QString disk = diskFolder.isEmpty() ? m_disk : diskFolder;
    if (TAVSync::addSyncPeer(m_vault, Utils::getHostName(), disk, vaultFolder) != 0)
        qFatal("addSyncPeer failed");
    QList<TAVSyncEntry> list;
    TAVSync::readSyncList(&list, m_vault);
    return list.last().id;
}

void SyncFixture::setState(const QUuid &peer, const QStringList &paths)
{
    const QByteArray key = SyncStateFile::entryKey(m_vault->getKey());
    QStringList entries;
    for (const QString &path : paths) {
        entries << SyncStateFile::entryOf(key, path);
        m_statePaths.insert(path);
    }
    SyncStateFile::write(TAVSync::stateFilePath(m_vault, peer), entries);
}

QStringList SyncFixture::state(const QUuid &peer) const
{
    QStringList entries;
    switch (SyncStateFile::read(TAVSync::stateFilePath(m_vault, peer), &entries)) {
    case SyncStateFile::Missing:
        return {QStringLiteral("<none>")};
    case SyncStateFile::Damaged:
        return {QStringLiteral("<damaged>")};
    case SyncStateFile::Read:
        break;
    }
    // The entries are keyed hashes: named back from the paths either side
    // holds or a state was given.
    // A name folds to one entry whatever its case: the vault's spelling wins.
    const QByteArray key = SyncStateFile::entryKey(m_vault->getKey());
    QHash<QString, QString> names;
    for (const QString &path : qAsConst(m_statePaths))
        names.insert(SyncStateFile::entryOf(key, path), path);
    for (const QStringList &side : {diskSide(), vaultSide()}) {
        for (QString path : side) {
            path = path.section(QLatin1Char('='), 0, 0);
            if (path.endsWith(QLatin1Char('/')))
                path.chop(1);
            names.insert(SyncStateFile::entryOf(key, path), path);
        }
    }
    QStringList paths;
    for (const QString &entry : qAsConst(entries))
        paths << names.value(entry, QStringLiteral("<unknown %1>").arg(entry));
    paths.sort();
    return paths;
}

int SyncFixture::sync(bool onCaller)
{
    m_lines.clear();
    m_done = 0;
    m_failedSignals = 0;
    if (onCaller)
        return TAVSync::syncFolders(m_vault);
    TAVVault *v = m_vault;
    const QFuture<int> future = QtConcurrent::run([v] { return TAVSync::syncFolders(v); });
    waitFor(future);
    return future.result();
}

QList<uint> SyncFixture::scan()
{
    QList<uint> counts;
    const QMetaObject::Connection c = QObject::connect(
        m_vault, &TAVVault::itemSyncScan, m_vault, [&counts](uint n) { counts << n; }, Qt::DirectConnection);
    TAVVault *v = m_vault;
    const QFuture<int> future = QtConcurrent::run([v] { return TAVSync::scanVault(v); });
    waitFor(future);
    QObject::disconnect(c);
    return counts;
}

QStringList SyncFixture::vaultSide() const
{
    QStringList out;
    std::function<void(TAVItemContainer *, const QString &)> walk = [&](TAVItemContainer *c, const QString &prefix) {
        for (int i = 0; i < c->getItemCount(); ++i) {
            TAVItem *item = c->getItemAt(i);
            const QString p = prefix + item->GetName();
            if (item->GetClassID() == TAV_CLASS_FOLDER) {
                out << p + QLatin1Char('/');
                walk(static_cast<TAVItemContainer *>(item), p + QLatin1Char('/'));
                continue;
            }
            const QString plain = m_dir.path() + QStringLiteral("/readback");
            QByteArray content = "<undecryptable>";
            if (FileCipher::decryptFile(static_cast<TAVFile *>(item)->getFullPhysicalFileName(), plain,
                                        m_vault->getCipher(), m_vault->getKey())
                == 0) {
                QFile in(plain);
                in.open(QIODevice::ReadOnly);
                content = in.readAll();
            }
            QFile::remove(plain);
            out << describe(p, content, item->GetModifiedDate().toSecsSinceEpoch());
        }
    };
    walk(m_vault, QString());
    out.sort();
    return out;
}

QStringList SyncFixture::diskSide() const
{
    QStringList out;
    QDirIterator it(m_disk, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    const int cut = m_disk.size() + 1;
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        const QString rel = info.filePath().mid(cut);
        if (info.isSymLink()) {
            out << rel + QStringLiteral("->");
        } else if (info.isDir()) {
            out << rel + QLatin1Char('/');
        } else {
            QFile in(info.filePath());
            in.open(QIODevice::ReadOnly);
            out << describe(rel, in.readAll(), info.lastModified().toSecsSinceEpoch());
        }
    }
    out.sort();
    return out;
}

int SyncFixture::saves() const
{
    return static_cast<CountingVault *>(m_vault)->saves;
}

QByteArray SyncFixture::indexBytes() const
{
    QFile in(m_vault->getVaultIdxFileName());
    in.open(QIODevice::ReadOnly);
    return in.readAll();
}
