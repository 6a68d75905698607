#include "vaulttree.h"

#include "tavfile.h"
#include "tavfilesystem.h"
#include "tavfolder.h"
#include "tavitemcontainer.h"

#include <QDateTime>
#include <QUuid>

namespace {

QUuid idFor(int seed, int serial)
{
    return QUuid(uint(seed), ushort(serial >> 16), ushort(serial), 0x80, 1, 2, 3, 4, 5, 6, 7);
}

QDateTime dateFor(int seed, int serial)
{
    // Whole local dates on days without a change of clock in any zone.
    return QDateTime(QDate(2015 + seed % 5, 1 + serial % 12, 10), QTime(10, serial % 60, seed % 60, serial % 1000));
}

void describeInto(const TAVItemContainer *container, QStringList &lines)
{
    for (int i = 0; i < container->getItemCount(); ++i) {
        const TAVItem *item = container->getItemAt(i);
        lines.append(QStringLiteral("%1 %2 %3 %4 %5 %6 %7")
                         .arg(item->GetClassID())
                         .arg(item->GetFullPath(), item->GetId().toString())
                         .arg(item->GetOriginalSize())
                         .arg(item->GetCurrentSize())
                         .arg(item->GetCreatedDate().toString(Qt::ISODateWithMs),
                              item->GetModifiedDate().toString(Qt::ISODateWithMs)));
        if (item->GetClassID() != TAV_CLASS_FILE)
            describeInto(static_cast<const TAVItemContainer *>(item), lines);
    }
}

} // namespace

void VaultTree::fill(TAVItemContainer *container, int files, int seed, int perFolder)
{
    int serial = 0;
    auto addFile = [&](TAVItemContainer *parent, int n) {
        TAVFile *file = parent->addFile();
        file->SetName(QStringLiteral("file %1-%2.txt").arg(seed).arg(n));
        file->SetId(idFor(seed, ++serial));
        file->SetOriginalSize(quint64(n) * 37 + quint64(seed));
        file->SetCurrentSize(quint64(n) * 37 + quint64(seed) + 512);
        file->SetCreatedDate(dateFor(seed, serial));
        file->SetModifiedDate(dateFor(seed + 1, serial));
    };

    const int top = qMin(files, 10);
    for (int n = 0; n < top; ++n)
        addFile(container, n);
    int made = top;
    int folderNo = 0;
    TAVFolder *outer = nullptr;
    while (made < files) {
        // Ten inner folders to each outer one.
        if (folderNo % 10 == 0) {
            outer = container->addFolder(QStringLiteral("Folder %1-%2").arg(seed).arg(folderNo / 10));
            outer->SetId(idFor(seed, ++serial));
        }
        TAVFolder *inner = outer->addFolder(QStringLiteral("Sub %1").arg(folderNo));
        inner->SetId(idFor(seed, ++serial));
        ++folderNo;
        for (int n = 0; n < perFolder && made < files; ++n)
            addFile(inner, made++);
        inner->SetCreatedDate(dateFor(seed, serial));
        inner->SetModifiedDate(dateFor(seed + 2, serial));
        outer->SetCreatedDate(dateFor(seed, serial + 1));
        outer->SetModifiedDate(dateFor(seed + 3, serial));
    }
}

QStringList VaultTree::describe(const TAVItemContainer *container)
{
    QStringList lines;
    describeInto(container, lines);
    return lines;
}

void VaultTree::listVaults(TAVFileSystem *root, int count, int seed, const QString &base)
{
    for (int i = 0; i < count; ++i) {
        QByteArray keyBytes(128, '\0');
        for (int k = 0; k < 128; ++k)
            keyBytes[k] = char((k * (2 * seed + 1) + i) & 0xff);
        const TAVKey key = TAVKey::fromHex(QString::fromLatin1(keyBytes.toHex()));
        const QString name = QStringLiteral("Vault %1-%2").arg(seed).arg(i);
        TAVVault *vault = root->addVault(name, base + QLatin1Char('/') + name, TAVCipher(1 + (i + seed) % 4), key);
        vault->SetId(idFor(seed, 1000000 + i));
        root->addVaultItem(vault);
    }
}
