#include "tavfile.h"

#include "fileutils.h"
#include "tavexception.h"
#include "tavitemcontainer.h"
#include "tavitemnamevalidator.h"
#include "tavlogging.h"
#include "tavvault.h"

#include <QDir>
#include <QFileInfo>

TAVFile::TAVFile(TAVItem *parent) : TAVItem(QStringLiteral("file"))
{
    if (!parent)
        throw TAVException(QStringLiteral("File without a container."));
    SetParent(parent);
}

TAVFile::TAVFile(TAVItem *parent, const QString &source) : TAVItem(QStringLiteral("file"))
{
    if (!parent)
        throw TAVException(QStringLiteral("File without a container."));
    SetParent(parent);
    const QString name = FileUtils::getFileName(source);
    SetName(name);
    if (!TAVItemNameValidator::validate(name))
        throw TAVException(QStringLiteral("Invalid file name."));
    if (parent->GetClassID() != TAV_CLASS_FILE
        && static_cast<TAVItemContainer *>(parent)->exists(name))
        throw TAVException(QStringLiteral("dupplicate file name."));
    const QString body = getFullPhysicalFileName();
    if (!body.isEmpty())
        FileUtils::makePath(QFileInfo(body).path());
    // Only this item's dates: it is not in the parent's list yet, and the
    // ancestors' dates are the caller's work once the content is in.
    StoreDates(FileUtils::created(source), FileUtils::modified(source));
}

int TAVFile::GetClassID() const
{
    return TAV_CLASS_FILE;
}

bool TAVFile::canAddVault() const
{
    return false;
}

bool TAVFile::canAddFolder() const
{
    return false;
}

bool TAVFile::canAddFile() const
{
    return false;
}

QString TAVFile::getFullPhysicalFileName() const
{
    TAVItem *vault = nullptr;
    const QString folder = getVault(&vault) == 0 ? static_cast<TAVVault *>(vault)->getFullPhysicalVaultPath() : QString();
    // A vault whose folder is unknown (empty) or not found again (a relative
    // path, its drive unplugged) has no place for bodies: never resolve one
    // against the root or the working folder.
    if (folder.isEmpty() || QDir::isRelativePath(folder)) {
        LOG_ERROR << "getFullPhysicalFileName failed";
        return QString();
    }
    const QString idName = FileUtils::UuidToFileName(GetId());
    return folder + QLatin1Char('/') + idName.left(2) + QLatin1Char('/') + idName;
}
