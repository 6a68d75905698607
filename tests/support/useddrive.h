#ifndef USEDDRIVE_H
#define USEDDRIVE_H

#include <QList>
#include <QString>
#include <QStringList>

// One vault of a drive laid out by layOutUsedDrive().
struct VaultLayout
{
    QString name;
    QString folder;    // absolute; on the drive for a flash-drive vault
    QStringList items; // "Letters/" a folder, "Letters/a.txt" a file holding its own path
    bool bodies = true; // false: file items without bodies (large trees)
};

// A drive that has been used before, written by the library itself: the
// settings folder with an empty settings file and the vault list under the
// password's key, and each vault's folder with its index, version record and
// key chain. The vaults made here are taken off the vault tree again, and
// the vault list in memory is left empty. The drive registry must already know the drive,
// so that its vaults are listed as flash-drive vaults. False when a file
// could not be written.
bool layOutUsedDrive(const QString &mountPoint, const QString &password,
                     const QList<VaultLayout> &vaults);

#endif // USEDDRIVE_H
