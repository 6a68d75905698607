#include "vaultfixture.h"

#include "filecipher.h"
#include "tavexception.h"
#include "tavfile.h"
#include "tavfilesystem.h"
#include "tavfolder.h"
#include "tavvault.h"
#include "treetestutils.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

VaultFixture::VaultFixture() = default;

VaultFixture::~VaultFixture()
{
    for (TAVVault *v : qAsConst(vaults)) {
        TAVFileSystem::getInstance()->removeItem(v);
        destroyItemTree(v);
    }
}

QString VaultFixture::path(const QString &relative) const
{
    return dir.path() + QLatin1Char('/') + relative;
}

TAVVault *VaultFixture::addVault(const QString &name, TAVCipher cipher, const TAVKey &key)
{
    const QString folder = path(QStringLiteral("vaults/") + name);
    QDir().mkpath(folder);
    auto *v = new TAVVault(TAVFileSystem::getInstance(), name, folder, cipher, key);
    v->setLoaded(true);
    TAVFileSystem::getInstance()->addItem(v);
    vaults.append(v);
    return v;
}

void VaultFixture::removeVault(TAVVault *v)
{
    vaults.removeOne(v);
    TAVFileSystem::getInstance()->removeItem(v);
    destroyItemTree(v);
}

TAVFolder *VaultFixture::addFolder(TAVItemContainer *parent, const QString &name)
{
    return parent->addFolder(name);
}

QString VaultFixture::writePlain(const QString &name, const QByteArray &bytes)
{
    const QString file = path(QStringLiteral("plain/") + name);
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size())
        return QString();
    return file;
}

TAVFile *VaultFixture::addFile(TAVItemContainer *parent, const QString &name, const QByteArray &bytes)
{
    const QString source = writePlain(name, bytes);
    TAVFile *file = parent->addFile(source);
    file->encrypt(source);
    return file;
}

QByteArray VaultFixture::decryptBody(const QString &body, TAVCipher cipher, const TAVKey &key) const
{
    const QString out = path(QStringLiteral("decrypted.tmp"));
    QByteArray bytes;
    try {
        if (FileCipher::decryptFile(body, out, cipher, key) == 0) {
            QFile in(out);
            if (in.open(QIODevice::ReadOnly))
                bytes = in.readAll();
            if (bytes.isNull())
                bytes = QByteArray(""); // empty, not "can't be decrypted"
        }
    } catch (const TAVException &) {
    }
    QFile::remove(out);
    return bytes;
}

QByteArray VaultFixture::plain(const TAVFile *file) const
{
    TAVItem *vault = nullptr;
    if (file->getVault(&vault) != 0)
        return QByteArray();
    auto *v = static_cast<TAVVault *>(vault);
    return decryptBody(file->getFullPhysicalFileName(), v->getCipher(), v->getKey());
}

QStringList VaultFixture::bodies(const TAVVault *vault)
{
    QStringList list;
    const QDir root(vault->getFullPhysicalVaultPath());
    QDirIterator it(root.path(), QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString rel = root.relativeFilePath(it.next());
        if (rel.contains(QLatin1Char('/')))
            list << rel;
    }
    list.sort();
    return list;
}

QStringList VaultFixture::describe(const TAVItemContainer *container)
{
    QStringList lines;
    for (int i = 0; i < container->getItemCount(); ++i) {
        const TAVItem *item = container->getItemAt(i);
        lines << QStringLiteral("%1 kind %2 id %3 sizes %4/%5 dates %6/%7")
                     .arg(item->GetFullDisplayPath())
                     .arg(item->GetClassID())
                     .arg(item->GetId().toString())
                     .arg(item->GetOriginalSize())
                     .arg(item->GetCurrentSize())
                     .arg(item->GetCreatedDate().toMSecsSinceEpoch())
                     .arg(item->GetModifiedDate().toMSecsSinceEpoch());
        if (item->GetClassID() != TAV_CLASS_FILE)
            lines << describe(static_cast<const TAVItemContainer *>(item));
    }
    return lines;
}
