#include "vaultbackup.h"
#include "trcontext.h"

#include "backup.h"
#include "backupheader.h"
#include "clock.h"
#include "fileutils.h"
#include "masterkey.h"
#include "tavlogging.h"
#include "tavvault.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QMutex>

namespace {

// lupdate does not see texts passed through here: write
// MainWindowText::tr("...") instead.
[[maybe_unused]] QString text(const char *source)
{
    return QCoreApplication::translate("MainWindow", source);
}

// What the copy's progress reports add up to: every file of the tree, taken
// or skipped; links are not followed.
quint64 treeSize(const QString &folder)
{
    quint64 total = 0;
    QDirIterator it(folder, QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        if (info.isFile())
            total += quint64(info.size());
    }
    return total;
}

} // namespace

VaultBackup::Source VaultBackup::sourceOf(TAVVault *vault)
{
    Source source;
    source.folder = vault->getFullPhysicalVaultPath();
    source.id = vault->GetId();
    source.name = vault->GetName();
    source.size = vault->GetCurrentSize();
    source.fileCount = vault->getVaultItemCount();
    source.key = vault->getKey();
    return source;
}

VaultBackup::VaultBackup(QObject *parent) : QObject(parent) {}

VaultBackup::Result VaultBackup::fail(const QString &reason)
{
    m_message = MainWindowText::tr("Backup failed: %1").arg(reason);
    LOG_ERROR << "backup failed:" << reason;
    return Failed;
}

VaultBackup::Result VaultBackup::run(const Source &source)
{
    m_message.clear();
    m_folder.clear();
    m_backupCode = -1;
    m_done = 0;
    m_total = 0;
    m_percent = -1;

    // Held to the end: a synchronisation changes the vault folder as it goes.
    if (m_syncLock && !m_syncLock->tryLock()) {
        m_message = MainWindowText::tr("A synchronisation is running; please try again when it has finished.");
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

    if (source.fileCount < 1) {
        m_message = MainWindowText::tr("There is nothing to backup as your vault does not contain any data.");
        return NothingToBackup;
    }
    if (!QFileInfo(source.folder).isDir()) {
        m_message = MainWindowText::tr("Vault %1 does not exist.").arg(source.name);
        return VaultMissing;
    }

    const QString perVault = m_backupPath + QLatin1Char('/') + source.id.toString();
    // Made by the writer, once the header is ready: a backup that can't
    // start leaves nothing behind.
    LOG_DEBUG << "test backupdir 1234" << perVault;
    const QString target =
        perVault + QLatin1Char('/') + Backup::newBackupName(perVault, Clock::getInstance()->currentDateTime());

    m_total = treeSize(source.folder);
    Backup backup;
    connect(&backup, &Backup::progress, this, &VaultBackup::addProgress);
    m_backupCode = backup.folderToFolder(source.folder, target, source.name, source.size, source.key);
    if (m_backupCode != Backup::Written) {
        // The folder was new: what it holds is the failed attempt only.
        if (QFileInfo::exists(target))
            FileUtils::removeDir(target, false);
        return fail(backup.errorString());
    }

    // Read back as a restore will: the header whole, the vault key opening
    // it, and the stored key opening it once unwrapped under the master key.
    TAVKey found = TAVKey::fromHex(QString());
    QString storedName;
    if (Backup::getVaultNameFromFile(target, storedName) != 0 || storedName != source.name
        || Backup::checkKey(target, MasterKey::key, found) != 0 || found != source.key) {
        FileUtils::removeDir(target, false);
        return fail(MainWindowText::tr("the new backup could not be read back."));
    }

    m_folder = target;
    if (m_retention)
        Backup::removeBackup(perVault, m_keep, target);
    if (m_percent != 100) {
        m_percent = 100;
        emit progress(100);
    }
    m_message = MainWindowText::tr("Backup completed successfully.");
    return Done;
}

void VaultBackup::addProgress(qlonglong bytes)
{
    if (bytes > 0)
        m_done += quint64(bytes);
    // The vault may grow while it is copied: held at 99 until the copy is
    // done, and never divided by an empty total.
    int percent = 0;
    if (m_total > 0)
        percent = m_done >= m_total ? 99 : qMin(99, int(double(m_done) * 100.0 / double(m_total)));
    m_percent = percent;
    emit progress(percent);
}
