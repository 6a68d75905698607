#ifndef PLATFORMUTILS_H
#define PLATFORMUTILS_H

#include <QString>

// The platform's half of the utilities: the vault folder's icon as the file
// manager shows it, and the space of the volume holding a path.
class PlatformUtils
{
public:
    // Gives the folder the vault icon: a copy of the image as "vault.png" in
    // the folder and a freedesktop ".directory" entry naming it (file
    // managers that read these show the folder with it). Cosmetic: failures
    // leave the folder as it was and are not reported.
    static void setVaultDirIcon(const QString &dir);
    // Makes the image file `iconFileName` (a name inside `dir`) the folder's
    // icon unless the folder already names one; 1 done or already set, 0 failed.
    static int setAsCustomIconForDirectory(const QString &dir, const QString &iconFileName);

    // Bytes the user may still write on the volume holding `path` (what is
    // kept back for root does not count); 0 when the volume can't be asked.
    static quint64 getFreeDisk(const QString &path);
    // Size of the volume holding `path` in bytes; 0 when it can't be asked.
    static quint64 getTotalDisk(const QString &path);

private:
    PlatformUtils() = delete;
};

#endif // PLATFORMUTILS_H
