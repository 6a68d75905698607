#ifndef PENDINGBODIES_H
#define PENDINGBODIES_H

#include "tavcipherprops.h"
#include "tavkey.h"

#include <QSet>
#include <QString>
#include <QStringList>

// The bodies a job writes into a vault folder before the save of the index
// that will name them: listed first ("pending.dat", a data file under the
// vault's key), so that a job killed before its save leaves a list, and the
// next load removes the listed bodies its index does not name. A list that
// does not open under the key (damaged, forged) removes nothing.
class PendingBodies
{
public:
    // Body names are the 32-character base names of the body files.
    // Added to the list already there, written whole and synced before any
    // of the bodies is: false when not written (the job must not begin).
    static bool record(const QString &vaultFolder, TAVCipher cipher, const TAVKey &key, const QStringList &bodyNames);
    // The names listed; empty without a list or when it does not open.
    static QStringList read(const QString &vaultFolder, const TAVKey &key);
    // Once the index naming them is saved.
    static void clear(const QString &vaultFolder);
    // Removes the listed bodies `owned` (the index's body names) lacks, then
    // the list. The number of bodies removed.
    static int removeUncommitted(const QString &vaultFolder, const TAVKey &key, const QSet<QString> &owned);

    static QString fileName(const QString &vaultFolder);

private:
    PendingBodies() = delete;
};

#endif // PENDINGBODIES_H
