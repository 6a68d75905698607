#include "synccomparison.h"

#include "tavlogging.h"

namespace {

// A key lies under one of the ambiguous keys (or is one).
bool underAmbiguous(const QString &key, const QSet<QString> &ambiguous)
{
    if (ambiguous.isEmpty())
        return false;
    if (ambiguous.contains(key))
        return true;
    for (int slash = key.indexOf(QLatin1Char('/')); slash >= 0; slash = key.indexOf(QLatin1Char('/'), slash + 1)) {
        if (ambiguous.contains(key.left(slash)))
            return true;
    }
    return false;
}

// How the other side spells a path that exists on one side only: the nearest
// ancestor it has keeps its own spelling, the rest is taken as it is.
QString spelledLike(const TAVFolderMap &other, const QString &path)
{
    for (int slash = path.lastIndexOf(QLatin1Char('/')); slash > 0; slash = path.lastIndexOf(QLatin1Char('/'), slash - 1)) {
        const auto it = other.constFind(SyncComparison::keyOf(path.left(slash)));
        if (it != other.cend())
            return it->path + path.mid(slash);
    }
    return path;
}

// A file changed on its side after the last state was written.
bool editedSince(const TAVFolderEntry &entry, const SyncLastState &last, bool coarseTimes)
{
    return !entry.isDir && last.written.isValid() && entry.modified.isValid()
        && SyncComparison::compareTimes(last.written, entry.modified, coarseTimes) < 0;
}

SyncAction action(const QString &vaultPath, const QString &diskPath, bool isDir)
{
    SyncAction a;
    a.vaultPath = vaultPath;
    a.diskPath = diskPath;
    a.isDir = isDir;
    return a;
}

} // namespace

SyncLastState SyncLastState::ofPaths(const QStringList &relativePaths, const QDateTime &written)
{
    QSet<QString> keys;
    for (const QString &path : relativePaths)
        keys.insert(SyncComparison::keyOf(path));
    SyncLastState state;
    state.knows = [keys](const QString &key) { return keys.contains(key); };
    state.size = keys.size();
    state.written = written;
    return state;
}

int SyncComparison::compareTimes(const QDateTime &vault, const QDateTime &disk, bool coarseTimes)
{
    const qint64 v = vault.toSecsSinceEpoch();
    const qint64 d = disk.toSecsSinceEpoch();
    const qint64 slack = coarseTimes ? 2 : 0;
    if (v + slack < d)
        return -1;
    if (d + slack < v)
        return 1;
    return 0;
}

SyncPlan SyncComparison::compare(const TAVFolderMap &vault, const TAVFolderMap &disk, const SyncLastState &last,
                                 const QSet<QString> &ambiguousDiskKeys, bool coarseTimes)
{
    SyncPlan plan;
    plan.ambiguous = ambiguousDiskKeys.values();
    plan.ambiguous.sort();
    const bool diskEmpty = disk.isEmpty() && ambiguousDiskKeys.isEmpty();
    if (last.size > 0 && vault.isEmpty() != diskEmpty) {
        plan.guard = vault.isEmpty() ? SyncPlan::VaultSideEmpty : SyncPlan::DiskSideEmpty;
        return plan;
    }

    for (auto it = vault.cbegin(); it != vault.cend(); ++it) {
        const QString &key = it.key();
        const TAVFolderEntry &v = it.value();
        if (underAmbiguous(key, ambiguousDiskKeys))
            continue;
        const auto found = disk.constFind(key);
        if (found != disk.cend()) {
            const TAVFolderEntry &d = found.value();
            if (v.isDir || d.isDir)
                continue;
            const int order = compareTimes(v.modified, d.modified, coarseTimes);
            if (order < 0) {
                LOG_DEBUG << v.path << "newer on disk" << "v=" << v.modified.toString(Qt::TextDate)
                          << "d=" << d.modified.toString(Qt::TextDate);
                plan.toVault.insert(key, action(v.path, d.path, false));
            } else if (order > 0) {
                LOG_DEBUG << v.path << "newer in vault" << "v=" << v.modified.toString(Qt::TextDate)
                          << "d=" << d.modified.toString(Qt::TextDate);
                plan.toDisk.insert(key, action(v.path, d.path, false));
            }
        } else if (last.knows(key) && !editedSince(v, last, coarseTimes)) {
            plan.delFromVault.insert(key, action(v.path, QString(), v.isDir));
        } else {
            plan.toDisk.insert(key, action(v.path, spelledLike(disk, v.path), v.isDir));
        }
    }
    for (auto it = disk.cbegin(); it != disk.cend(); ++it) {
        const QString &key = it.key();
        if (vault.contains(key))
            continue;
        const TAVFolderEntry &d = it.value();
        if (last.knows(key) && !editedSince(d, last, coarseTimes))
            plan.delFromDisk.insert(key, action(QString(), d.path, d.isDir));
        else
            plan.toVault.insert(key, action(spelledLike(vault, d.path), d.path, d.isDir));
    }

    // A folder deleted on one side while something new arrived in it on the
    // other is made again rather than deleted, so the new item has a place
    // (only the items the state knew are deleted).
    const auto revive = [&](SyncActions &copies, SyncActions &deletions, bool toVault) {
        if (deletions.isEmpty())
            return;
        const QStringList keys = copies.keys();
        for (const QString &key : keys) {
            for (int slash = key.lastIndexOf(QLatin1Char('/')); slash > 0;
                 slash = key.lastIndexOf(QLatin1Char('/'), slash - 1)) {
                const auto it = deletions.find(key.left(slash));
                if (it == deletions.end() || !it->isDir)
                    continue;
                SyncAction folder = it.value();
                if (toVault)
                    folder.vaultPath = spelledLike(vault, folder.diskPath);
                else
                    folder.diskPath = spelledLike(disk, folder.vaultPath);
                copies.insert(it.key(), folder);
                deletions.erase(it);
            }
        }
    };
    revive(plan.toVault, plan.delFromDisk, true);
    revive(plan.toDisk, plan.delFromVault, false);
    return plan;
}
