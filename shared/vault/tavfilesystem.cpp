#include "tavfilesystem.h"

#include "tavexception.h"

TAVFileSystem::TAVFileSystem() : TAVItemContainer(QStringLiteral("Vaults"))
{
}

TAVFileSystem *TAVFileSystem::getInstance()
{
    static TAVFileSystem *root = new TAVFileSystem; // lives until the process ends
    return root;
}

QString TAVFileSystem::GetFullDisplayPath() const
{
    return QString::fromLatin1("");
}

QString TAVFileSystem::GetFullPath() const
{
    return QString::fromLatin1("");
}

int TAVFileSystem::GetClassID() const
{
    return TAV_CLASS_FILESYSTEM;
}

bool TAVFileSystem::canAddVault() const
{
    return true;
}

bool TAVFileSystem::canAddFolder() const
{
    return false;
}

bool TAVFileSystem::canAddFile() const
{
    return false;
}

bool TAVFileSystem::canDelete() const
{
    return false;
}

TAVFolder *TAVFileSystem::addFolder(const QString &)
{
    throw TAVException(QStringLiteral("Not allow to add folder in FileSystem root."));
}

TAVFile *TAVFileSystem::addFile(const QString &)
{
    throw TAVException(QStringLiteral("Not allow to add file in FileSystem root."));
}

TAVFile *TAVFileSystem::addFile()
{
    throw TAVException(QStringLiteral("Not allow to add file in FileSystem root."));
}

QString TAVFileSystem::generateVaultName(const QString &name) const
{
    QString candidate = name;
    int n = 1;
    while (exists(candidate))
        candidate = name + QLatin1Char('_') + QString::number(n++);
    return candidate;
}
