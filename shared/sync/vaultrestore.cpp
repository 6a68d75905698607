#include "vaultrestore.h"

#include "tavcrypto.h"
#include "trcontext.h"

#include "backup.h"
#include "fileutils.h"
#include "platformutils.h"
#include "safefile.h"
#include "tavexception.h"
#include "tavfile.h"
#include "tavlogging.h"
#include "tavsync.h"
#include "tavvault.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Room kept free beyond the staging copy: the index and version files are
// written again soon after.
constexpr quint64 kSpareBytes = quint64(4) << 20;

// lupdate does not see texts passed through here: write
// RestoreWizardText::tr("...") instead.
[[maybe_unused]] QString text(const char *source)
{
    return QCoreApplication::translate("RestoreWizard", source);
}

// What the copy's progress reports add up to: every file of the tree.
quint64 treeSize(const QString &folder)
{
    quint64 total = 0;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        total += quint64(it.fileInfo().size());
    }
    return total;
}

// What the copy takes from a backup (Backup's rule): data files, not the header.
quint64 takenSize(const QString &folder)
{
    quint64 total = 0;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        if (info.fileName() != QLatin1String("vaultinfo.dat")
            && (info.suffix().isEmpty() || info.suffix() == QLatin1String("dat")))
            total += quint64(info.size());
    }
    return total;
}

// Files and folders below a folder, relative, parents before children.
void listTree(const QString &root, QStringList *files, QStringList *folders)
{
    QDirIterator it(root, QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot
                              | QDir::NoSymLinks,
                    QDirIterator::Subdirectories);
    const QDir base(root);
    while (it.hasNext()) {
        it.next();
        const QString relative = base.relativeFilePath(it.filePath());
        if (it.fileInfo().isDir())
            folders->append(relative);
        else
            files->append(relative);
    }
    std::sort(folders->begin(), folders->end(),
              [](const QString &a, const QString &b) { return a.count(QLatin1Char('/')) < b.count(QLatin1Char('/')); });
}


bool exists(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// Everything written on the volume of `folder` goes to the disk.
bool syncVolume(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
#ifdef __linux__
    const bool ok = ::syncfs(fd) == 0;
#else
    ::sync();
    const bool ok = true;
#endif
    ::close(fd);
    return ok;
}

// Every file item below a container.
void fileItems(TAVItemContainer *container, QList<TAVFile *> *files)
{
    for (int i = 0; i < container->getItemCount(); ++i) {
        TAVItem *item = container->getItemAt(i);
        if (item->GetClassID() == TAV_CLASS_FILE)
            files->append(static_cast<TAVFile *>(item));
        else
            fileItems(static_cast<TAVItemContainer *>(item), files);
    }
}

// A folder beside `folder`, hidden, named after it and `what`, new.
QString makeBeside(const QString &folder, const char *what)
{
    const QFileInfo info(folder);
    QTemporaryDir made(info.absolutePath() + QStringLiteral("/.") + info.fileName() + QLatin1Char('.')
                       + QLatin1String(what) + QStringLiteral("-XXXXXX"));
    if (!made.isValid())
        return QString();
    made.setAutoRemove(false);
    return made.path();
}

// Removes a folder tree made of folders only; false when a file is in it.
bool removeEmptyTree(const QString &root)
{
    QStringList files;
    QStringList folders;
    listTree(root, &files, &folders);
    if (!files.isEmpty())
        return false;
    for (int i = folders.size() - 1; i >= 0; --i)
        QDir(root).rmdir(folders.at(i));
    return QDir().rmdir(root);
}

} // namespace

namespace {

constexpr quint32 kJournalMagic = 0x4b56524a; // "KVRJ"
enum JournalState : qint32 { Switching = 1, Committed = 2 };

std::function<void(int)> &stepHook()
{
    static std::function<void(int)> hook;
    return hook;
}

struct Journal
{
    qint32 state = 0;
    QString staging;
    QString aside;
    QStringList newFiles; // placed where the vault had no file of that name
};

bool writeJournal(const QString &path, const Journal &journal)
{
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out.setVersion(15);
        out << kJournalMagic << journal.state << journal.staging << journal.aside << journal.newFiles;
    }
    QString reason;
    return SafeFile::writeWhole(path, bytes, &reason) == SafeFile::Written
        && syncVolume(QFileInfo(path).absolutePath());
}

// False for a journal that can't be read whole; such a one is left alone.
bool readJournal(const QString &path, Journal *journal)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > (qint64(16) << 20))
        return false;
    QDataStream in(&file);
    in.setVersion(15);
    quint32 magic = 0;
    in >> magic >> journal->state >> journal->staging >> journal->aside >> journal->newFiles;
    return in.status() == QDataStream::Ok && magic == kJournalMagic
        && (journal->state == Switching || journal->state == Committed);
}

// A relative path that stays below the folder it is joined to.
bool staysInside(const QString &relative)
{
    return !relative.isEmpty() && !QDir::isAbsolutePath(relative)
        && !QDir::cleanPath(relative).startsWith(QLatin1String(".."));
}

} // namespace

struct VaultRestore::Saved {
    bool loaded = false;
    TAVKey key = TAVKey::fromHex(QString());
    QUuid id;
    qint32 type = 0;
    QString name;
};

VaultRestore::VaultRestore(QObject *parent) : QObject(parent) {}

void VaultRestore::setStepHook(std::function<void(int)> hook)
{
    stepHook() = std::move(hook);
}

void VaultRestore::step()
{
    static int count = 0;
    if (stepHook())
        stepHook()(++count);
}

QString VaultRestore::journalPath(const QString &vaultFolder)
{
    const QFileInfo info(vaultFolder);
    return info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".restore-journal");
}

bool VaultRestore::recover(const QString &vaultFolder)
{
    const QString folder = QDir::cleanPath(vaultFolder);
    if (folder.isEmpty() || QDir::isRelativePath(folder))
        return false;
    const QString path = journalPath(folder);
    const QFileInfo parent(QFileInfo(folder).absolutePath());
    const QString prefix = QStringLiteral(".") + QFileInfo(folder).fileName() + QLatin1Char('.');
    bool acted = false;
    if (QFileInfo::exists(path)) {
        Journal journal;
        if (!readJournal(path, &journal)) {
            LOG_ERROR << "the restore journal" << path << "can't be read; the vault is left as it is";
            return false;
        }
        // Only folders of this vault's own restore are touched.
        const auto ours = [&](const QString &beside) {
            return QFileInfo(beside).absolutePath() == parent.absoluteFilePath()
                && QFileInfo(beside).fileName().startsWith(prefix);
        };
        if (!ours(journal.staging) || !ours(journal.aside)) {
            LOG_ERROR << "the restore journal" << path << "names folders of another vault; left as it is";
            return false;
        }
        if (journal.state == Switching) {
            LOG_WARNING << "a restore of" << folder << "was interrupted: the vault is put back as it was";
            // What the restore placed where the vault had nothing goes; what
            // it set aside comes back over what it placed.
            for (const QString &relative : qAsConst(journal.newFiles))
                if (staysInside(relative))
                    QFile::remove(folder + QLatin1Char('/') + relative);
            QStringList files;
            QStringList folders;
            if (QFileInfo(journal.aside).isDir())
                listTree(journal.aside, &files, &folders);
            for (const QString &relative : qAsConst(files)) {
                const QString target = folder + QLatin1Char('/') + relative;
                QDir().mkpath(QFileInfo(target).absolutePath());
                if (::rename(QFile::encodeName(journal.aside + QLatin1Char('/') + relative).constData(),
                             QFile::encodeName(target).constData())
                    != 0) {
                    LOG_ERROR << "cannot put back" << target << std::strerror(errno);
                    return false; // the journal stays for the next try
                }
            }
        } else {
            LOG_INFO << "a restore of" << folder << "had been committed: it is finished";
        }
        syncVolume(folder);
        FileUtils::removeDir(journal.staging, false);
        FileUtils::removeDir(journal.aside, false);
        if (!QFile::remove(path))
            return false;
        syncVolume(parent.absoluteFilePath());
        acted = true;
    }
    // Staging copies of restores that ended without a journal: only the
    // backup's copies, never the vault's own files.
    const QStringList leftovers =
        QDir(parent.absoluteFilePath())
            .entryList({prefix + QStringLiteral("restore-*")}, QDir::Dirs | QDir::Hidden | QDir::NoSymLinks);
    for (const QString &name : leftovers) {
        LOG_INFO << "removing the abandoned staging folder" << name;
        FileUtils::removeDir(parent.absoluteFilePath() + QLatin1Char('/') + name, false);
        acted = true;
    }
    // Folders made to set files aside that never got one; any that holds a
    // file is the vault's and stays.
    const QStringList asides =
        QDir(parent.absoluteFilePath())
            .entryList({prefix + QStringLiteral("replaced-*")}, QDir::Dirs | QDir::Hidden | QDir::NoSymLinks);
    for (const QString &name : asides)
        acted = removeEmptyTree(parent.absoluteFilePath() + QLatin1Char('/') + name) || acted;
    return acted;
}

bool VaultRestore::moveFile(const QString &from, const QString &to)
{
    return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

VaultRestore::Result VaultRestore::run(TAVVault *vault, const QString &backupFolder, const TAVKey &key)
{
    m_message.clear();
    m_needed = m_free = m_total = m_done = 0;
    m_percent = -1;

    // Held to the end: a synchronisation writes into the vault folder as it goes.
    if (m_syncLock && !m_syncLock->tryLock()) {
        m_message = RestoreWizardText::tr("A synchronisation is running; please try again when it has finished.");
        return SyncRunning;
    }
    struct Unlock {
        QMutex *lock;
        ~Unlock()
        {
            if (lock)
                lock->unlock();
        }
    } unlock{m_syncLock};

    const QString folder = vault->getFullPhysicalVaultPath();
    if (folder.isEmpty() || QDir::isRelativePath(folder) || !QFileInfo(folder).isDir()) {
        m_message = RestoreWizardText::tr("The folder of the vault %1 is not available.").arg(vault->GetName());
        return Failed;
    }
    // An earlier restore that was killed is honoured first, and its staging
    // folders go.
    recover(folder);
    if (!QFileInfo(backupFolder + QStringLiteral("/index.dat")).isFile()) {
        m_message = RestoreWizardText::tr("The backup holds no vault index.");
        return Failed;
    }

    m_needed = takenSize(backupFolder) + kSpareBytes;
    m_free = PlatformUtils::getFreeDisk(QFileInfo(folder).absolutePath());
    m_total = treeSize(backupFolder);
    const bool room = m_free == 0 || m_free >= m_needed; // 0: the volume can't tell
    if (!room && !m_allowDirect) {
        m_message = RestoreWizardText::tr("There is not enough free space beside the vault to restore it safely: %1 are needed, "
                         "%2 are free.")
                        .arg(FileUtils::FileSizeToString(m_needed), FileUtils::FileSizeToString(m_free));
        return NoRoomToStage;
    }

    Saved saved;
    saved.loaded = vault->isLoaded();
    saved.key = vault->getKey();
    saved.id = vault->GetId();
    saved.type = vault->vaultType();
    saved.name = vault->GetName();

    emit vaultReleased(vault);
    if (vault->isLoaded())
        vault->unload();
    const Result result = room ? runStaged(vault, backupFolder, key, saved) : runDirect(vault, backupFolder, key, saved);
    if (result == Restored) {
        // Loading took the name the index was saved with; the vault keeps its own.
        vault->SetName(saved.name);
        finish(vault);
    }
    return result;
}

VaultRestore::Result VaultRestore::runStaged(TAVVault *vault, const QString &backupFolder, const TAVKey &key,
                                             Saved &saved)
{
    const QString folder = vault->getFullPhysicalVaultPath();
    const QString staging = makeBeside(folder, "restore");
    if (staging.isEmpty()) {
        m_message = RestoreWizardText::tr("No room could be made beside the vault folder %1 to restore into.").arg(folder);
        loadBack(vault, saved);
        return Failed;
    }

    Backup copier;
    connect(&copier, &Backup::progress, this, &VaultRestore::addProgress);
    if (copier.toFolder(backupFolder, staging) != 0 || !syncVolume(staging)) {
        m_message = RestoreWizardText::tr("The backup could not be copied: %1 The vault was not changed.").arg(copier.errorString());
        FileUtils::removeDir(staging, false);
        loadBack(vault, saved);
        return Failed;
    }
    if (!verify(staging, key)) {
        m_message += QLatin1Char(' ') + RestoreWizardText::tr("The vault was not changed.");
        FileUtils::removeDir(staging, false);
        loadBack(vault, saved);
        return Failed;
    }

    // The peers' states of the backup's time are stale as well.
    for (const QString &state : TAVSync::stateFiles(staging))
        QFile::remove(state);

    const QString aside = makeBeside(folder, "replaced");
    QStringList files;
    QStringList folders;
    listTree(staging, &files, &folders);
    QList<Moved> moves;
    QStringList madeFolders;
    bool placed = !aside.isEmpty();

    // The switch is journalled before its first rename: killed at any point,
    // the next start puts the vault back as it was, or finishes it once the
    // restored vault had loaded.
    Journal journal;
    journal.state = Switching;
    journal.staging = staging;
    journal.aside = aside;
    for (const QString &relative : qAsConst(files))
        if (!exists(folder + QLatin1Char('/') + relative))
            journal.newFiles << relative;
    const QString journalFile = journalPath(folder);
    if (placed && !writeJournal(journalFile, journal)) {
        m_message = RestoreWizardText::tr("The backup could not be copied: %1 The vault was not changed.")
                        .arg(QDir::toNativeSeparators(journalFile));
        FileUtils::removeDir(staging, false);
        removeEmptyTree(aside);
        QFile::remove(journalFile);
        loadBack(vault, saved);
        return Failed;
    }
    step();
    // The peers' states go first: they must never stand beside a restored
    // vault; a rollback brings them back with the rest.
    for (const QString &state : TAVSync::stateFiles(folder)) {
        if (!placed)
            break;
        Moved move;
        move.relative = QFileInfo(state).fileName();
        step();
        if (!moveFile(state, aside + QLatin1Char('/') + move.relative)) {
            LOG_ERROR << "cannot set aside" << state << std::strerror(errno);
            placed = false;
            break;
        }
        move.setAside = true;
        moves << move;
    }
    for (const QString &relative : qAsConst(folders)) {
        if (!placed)
            break;
        const QString target = folder + QLatin1Char('/') + relative;
        if (QFileInfo(target).isDir() && !QFileInfo(target).isSymLink())
            continue;
        if (exists(target) || !QDir().mkdir(target)) {
            LOG_ERROR << "cannot make folder" << target;
            placed = false;
            break;
        }
        madeFolders << target;
    }
    for (const QString &relative : qAsConst(files)) {
        if (!placed)
            break;
        Moved move;
        move.relative = relative;
        const QString target = folder + QLatin1Char('/') + relative;
        if (exists(target)) {
            const QString kept = aside + QLatin1Char('/') + relative;
            step();
            if (!QDir().mkpath(QFileInfo(kept).absolutePath()) || !moveFile(target, kept)) {
                LOG_ERROR << "cannot set aside" << target << std::strerror(errno);
                placed = false;
                break;
            }
            move.setAside = true;
        }
        moves << move;
        step();
        if (!moveFile(staging + QLatin1Char('/') + relative, target)) {
            LOG_ERROR << "cannot put in place" << target << std::strerror(errno);
            placed = false;
            break;
        }
        moves.last().placed = true;
    }
    if (placed)
        syncVolume(folder);

    // Committed once the restored vault loads and the journal says so: a
    // journal that can't say it is a failure like any other, undone here.
    bool loaded = placed && load(vault, key);
    if (loaded) {
        journal.state = Committed;
        if (!writeJournal(journalFile, journal)) {
            LOG_ERROR << "the restore journal could not be marked committed" << journalFile;
            m_message = RestoreWizardText::tr("The backup could not be copied: %1 The vault was not changed.")
                            .arg(QDir::toNativeSeparators(journalFile));
            vault->unload();
            loaded = false;
        }
    }
    if (!loaded) {
        if (!placed)
            m_message = RestoreWizardText::tr("The backup's files could not be put in place in the vault folder %1.").arg(folder);
        if (!putBack(folder, staging, aside, moves, madeFolders)) {
            m_message += QLatin1Char(' ')
                + RestoreWizardText::tr("Some of the vault's own files could not be put back; they are kept in %1.").arg(aside);
            FileUtils::removeDir(staging, false);
            loadBack(vault, saved);
            return Failed;
        }
        FileUtils::removeDir(staging, false);
        if (!aside.isEmpty())
            removeEmptyTree(aside);
        QFile::remove(journalFile);
        m_message += QLatin1Char(' ') + (loadBack(vault, saved) ? RestoreWizardText::tr("The vault is as it was before.")
                                                                 : RestoreWizardText::tr("The vault's files are as they were before."));
        return Failed;
    }
    // The restored vault stands: from here on it is kept whatever happens.
    // What it replaced and the empty staging folders go, then the journal.
    step();
    FileUtils::removeDir(staging, false);
    FileUtils::removeDir(aside, false);
    step();
    QFile::remove(journalFile);
    syncVolume(QFileInfo(folder).absolutePath());
    return Restored;
}

VaultRestore::Result VaultRestore::runDirect(TAVVault *vault, const QString &backupFolder, const TAVKey &key,
                                             Saved &saved)
{
    Q_UNUSED(saved)
    Backup copier;
    connect(&copier, &Backup::progress, this, &VaultRestore::addProgress);
    // The bodies and other files first, the version record and the index last:
    // a copy that fails half-way leaves the old index, with all its bodies.
    if (copier.folderToFolder(backupFolder, vault->getFullPhysicalVaultPath(),
                              {QStringLiteral("version.dat"), QStringLiteral("index.dat")}) != 0) {
        m_message = RestoreWizardText::tr("The backup could not be copied: %1 The vault may be damaged; restore it again once "
                         "there is more free space.")
                        .arg(copier.errorString());
        return Damaged;
    }
    syncVolume(vault->getFullPhysicalVaultPath());
    if (!load(vault, key)) {
        m_message += QLatin1Char(' ') + RestoreWizardText::tr("The vault may be damaged.");
        return Damaged;
    }
    return Restored;
}

bool VaultRestore::verify(const QString &folder, const TAVKey &key)
{
    TAVVault check(nullptr, QString(), folder, TAV_CIPHER_NONE, key);
    bool ok = false;
    try {
        const int loaded = check.load();
        if (loaded == TAVVault::VaultWrongKey)
            m_message = RestoreWizardText::tr("The backup's index can't be opened with the key that was found for it.");
        else if (loaded != 0)
            m_message = RestoreWizardText::tr("The backup's index can't be read.");
        else
            ok = true;
    } catch (const TAVException &e) {
        m_message = RestoreWizardText::tr("The backup's index is damaged: %1").arg(QString::fromUtf8(e.what()));
    }
    if (ok) {
        QList<TAVFile *> files;
        fileItems(&check, &files);
        for (TAVFile *file : qAsConst(files)) {
            const QFileInfo body(file->getFullPhysicalFileName());
            if (!body.isFile()) {
                m_message = RestoreWizardText::tr("The backup lacks the encrypted file of %1.").arg(file->GetFullDisplayPath());
                ok = false;
                break;
            }
            // A body cut short would replace the vault's whole one and then
            // decrypt short without a word (the format has no checksum, so a
            // changed byte inside can't be caught; a wrong length can).
            const quint64 recorded = file->GetCurrentSize();
            if (recorded != 0 ? quint64(body.size()) != recorded : body.size() < TAVCrypto::kHeaderSize) {
                m_message = RestoreWizardText::tr("The encrypted file of %1 in the backup is not whole (%2).")
                                .arg(file->GetFullDisplayPath(), QDir::toNativeSeparators(body.filePath()));
                ok = false;
                break;
            }
        }
    }
    check.removeAll();
    return ok;
}

bool VaultRestore::load(TAVVault *vault, const TAVKey &key)
{
    vault->setKey(key);
    vault->readVaultVersion();
    int loaded = 1;
    try {
        loaded = vault->load();
    } catch (const TAVException &e) {
        m_message = RestoreWizardText::tr("The restored vault could not be loaded: %1").arg(QString::fromUtf8(e.what()));
        return false;
    }
    if (loaded != 0) {
        LOG_ERROR << "restored vault does not load" << loaded;
        m_message = RestoreWizardText::tr("The restored vault could not be loaded.");
        if (vault->isLoaded())
            vault->unload();
        return false;
    }
    return true;
}

bool VaultRestore::loadBack(TAVVault *vault, const Saved &saved)
{
    if (vault->isLoaded())
        vault->unload();
    vault->setKey(saved.key);
    if (vault->readVaultVersion() != 0) {
        vault->SetId(saved.id);
        vault->setVaultType(saved.type);
    }
    vault->SetName(saved.name);
    if (!saved.loaded)
        return true;
    try {
        if (vault->load() == 0) {
            vault->SetName(saved.name);
            return true;
        }
    } catch (const TAVException &e) {
        LOG_ERROR << "vault not loaded again" << e.what();
    }
    vault->SetName(saved.name);
    return false;
}

bool VaultRestore::putBack(const QString &vaultFolder, const QString &staging, const QString &aside,
                           const QList<Moved> &moves, const QStringList &madeFolders)
{
    bool ok = true;
    for (int i = moves.size() - 1; i >= 0; --i) {
        const Moved &move = moves.at(i);
        const QString target = vaultFolder + QLatin1Char('/') + move.relative;
        if (move.placed && !moveFile(target, staging + QLatin1Char('/') + move.relative)
            && !QFile::remove(target)) {
            LOG_ERROR << "cannot take back" << target;
            ok = false;
            continue;
        }
        if (move.setAside && !moveFile(aside + QLatin1Char('/') + move.relative, target)) {
            LOG_ERROR << "cannot put back" << target << std::strerror(errno);
            ok = false;
        }
    }
    for (int i = madeFolders.size() - 1; i >= 0; --i)
        QDir().rmdir(madeFolders.at(i));
    syncVolume(vaultFolder);
    return ok;
}

void VaultRestore::finish(TAVVault *vault)
{
    // The peers' last states describe the vault before the restore: the next
    // synchronisation must start afresh, or it would delete on both sides.
    for (const QString &state : TAVSync::stateFiles(vault->getFullPhysicalVaultPath()))
        QFile::remove(state);
    if (m_percent != 100) {
        m_percent = 100;
        emit progress(100);
    }
}

void VaultRestore::addProgress(qlonglong bytes)
{
    if (bytes > 0)
        m_done += quint64(bytes);
    int percent = 0;
    if (m_total > 0)
        percent = m_done >= m_total ? 99 : qMin(99, int(double(m_done) * 100.0 / double(m_total)));
    if (percent == m_percent)
        return;
    m_percent = percent;
    emit progress(percent);
}
