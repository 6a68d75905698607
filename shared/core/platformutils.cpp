#include "platformutils.h"

#include "fileutils.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <sys/statvfs.h>

// Q_INIT_RESOURCE must be used outside any namespace.
static void registerCoreResources()
{
    Q_INIT_RESOURCE(core);
}

void PlatformUtils::setVaultDirIcon(const QString &dir)
{
    registerCoreResources();
    const QString image = dir + QStringLiteral("/vault.png");
    if (FileUtils::copy(QStringLiteral(":/res/vault.png"), image))
        QFile::setPermissions(image, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser
                                         | QFile::WriteUser | QFile::ReadGroup | QFile::ReadOther);
    setAsCustomIconForDirectory(dir, QStringLiteral("vault.png"));
}

int PlatformUtils::setAsCustomIconForDirectory(const QString &dir, const QString &iconFileName)
{
    if (!QFileInfo(dir).isDir())
        return 0;
    const QString entry = dir + QStringLiteral("/.directory");
    // A folder that already names its icon is left as it is.
    if (QFileInfo::exists(entry) || QFileInfo(entry).isSymLink())
        return 1;
    QSaveFile file(entry);
    if (!file.open(QIODevice::WriteOnly))
        return 0;
    // "./" makes the name relative to the folder, so the icon survives the
    // drive being mounted elsewhere.
    const QByteArray text = "[Desktop Entry]\nIcon=./" + QFile::encodeName(iconFileName) + "\n";
    if (file.write(text) != text.size() || !file.commit())
        return 0;
    return 1;
}

quint64 PlatformUtils::getFreeDisk(const QString &path)
{
    struct statvfs st;
    if (::statvfs(QFile::encodeName(path).constData(), &st) != 0)
        return 0;
    return quint64(st.f_bavail) * quint64(st.f_frsize);
}

quint64 PlatformUtils::getTotalDisk(const QString &path)
{
    struct statvfs st;
    if (::statvfs(QFile::encodeName(path).constData(), &st) != 0)
        return 0;
    return quint64(st.f_blocks) * quint64(st.f_frsize);
}
