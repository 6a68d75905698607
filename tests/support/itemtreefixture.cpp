#include "itemtreefixture.h"

#include "tavfile.h"
#include "tavfilesystem.h"
#include "tavfolder.h"
#include "tavkey.h"
#include "tavvault.h"
#include "treetestutils.h"

#include <QDir>
#include <QFile>

ItemTreeFixture::ItemTreeFixture() = default;

ItemTreeFixture::~ItemTreeFixture()
{
    for (TAVItem *item : qAsConst(detached)) {
        item->SetParent(nullptr); // its vault may be gone already
        destroyItemTree(item);
    }
    for (TAVVault *v : qAsConst(vaults)) {
        TAVFileSystem::getInstance()->removeItem(v);
        destroyItemTree(v);
    }
}

TAVVault *ItemTreeFixture::addVault(const QString &name, int vaultType, bool loaded)
{
    const QString folder = dir.path() + QLatin1Char('/') + name;
    QDir().mkpath(folder);
    QFile index(folder + QStringLiteral("/index.dat"));
    index.open(QIODevice::WriteOnly);
    auto *v = new TAVVault(TAVFileSystem::getInstance(), name, folder, TAV_AES256, TAVKey());
    v->setVaultType(vaultType);
    v->setLoaded(loaded);
    TAVFileSystem::getInstance()->addItem(v);
    vaults.append(v);
    return v;
}

TAVFolder *ItemTreeFixture::addFolder(TAVItemContainer *parent, const QString &name)
{
    auto *folder = new TAVFolder(parent, name);
    parent->addItem(folder);
    return folder;
}

TAVFile *ItemTreeFixture::addFile(TAVItemContainer *parent, const QString &name, quint64 originalSize,
                                  qint64 currentSize)
{
    TAVFile *file = parent->addFile();
    file->SetName(name);
    file->SetOriginalSize(originalSize);
    file->SetCurrentSize(currentSize < 0 ? originalSize + 512 : quint64(currentSize));
    return file;
}

void ItemTreeFixture::buildSample()
{
    TAVVault *alpha = addVault(QStringLiteral("Alpha"), 3);
    TAVFolder *docs = addFolder(alpha, QStringLiteral("Docs"));
    addFolder(docs, QStringLiteral("Letters"));
    addFile(docs, QStringLiteral("a.txt"), 1023);
    addFolder(alpha, QStringLiteral("beta"));
    addFolder(alpha, QStringLiteral("_under"));
    addFolder(alpha, QStringLiteral("1st"));
    addFile(alpha, QStringLiteral("Zeta.txt"), 0, 0);
    addFile(alpha, QStringLiteral("big.bin"), 1024);

    TAVVault *bravo = addVault(QStringLiteral("Bravo"), 2);
    TAVFolder *inner = addFolder(bravo, QStringLiteral("Inner"));
    addFolder(inner, QStringLiteral("Deep"));

    addVault(QStringLiteral("Charlie"), 0, false);
}

TAVItem *ItemTreeFixture::item(const QString &path) const
{
    const int slash = path.indexOf(QLatin1Char('/'));
    TAVVault *v = vault(slash < 0 ? path : path.left(slash));
    if (!v || slash < 0)
        return v;
    return v->findItem(path);
}

TAVVault *ItemTreeFixture::vault(const QString &name) const
{
    for (TAVVault *v : vaults) {
        if (v->GetName() == name)
            return v;
    }
    return nullptr;
}

QString ItemTreeFixture::vaultFolder(const QString &name) const
{
    return dir.path() + QLatin1Char('/') + name;
}

void ItemTreeFixture::unload(TAVVault *v)
{
    v->setLoaded(false);
    while (v->getItemCount() > 0) {
        TAVItem *child = v->getItemAt(0);
        v->removeItem(child);
        detached.append(child);
    }
}

void ItemTreeFixture::detach(TAVItem *item)
{
    static_cast<TAVItemContainer *>(item->GetParent())->removeItem(item);
    detached.append(item);
}

void ItemTreeFixture::removeVault(TAVVault *v)
{
    vaults.removeOne(v);
    TAVFileSystem::getInstance()->removeItem(v);
    destroyItemTree(v);
}
