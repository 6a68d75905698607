#ifndef VAULTFIXTURE_H
#define VAULTFIXTURE_H

#include "tavcipherprops.h"
#include "tavkey.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class TAVFile;
class TAVFolder;
class TAVItemContainer;
class TAVVault;

// Loaded vaults with real bodies, for tests of file items, copy and move and
// the watcher. Each vault gets its own folder (no index yet) in the fixture's
// temporary folder, its own key and cipher, and hangs on the process-wide
// root until the fixture ends.
class VaultFixture
{
public:
    VaultFixture();
    ~VaultFixture();
    VaultFixture(const VaultFixture &) = delete;
    VaultFixture &operator=(const VaultFixture &) = delete;

    // A path inside the fixture's temporary folder.
    QString path(const QString &relative) const;

    TAVVault *addVault(const QString &name, TAVCipher cipher = TAV_AES256, const TAVKey &key = TAVKey());
    // Takes a vault off the root and destroys it with its tree; the folder stays.
    void removeVault(TAVVault *vault);
    TAVFolder *addFolder(TAVItemContainer *parent, const QString &name);
    // A plain file "plain/<name>" with these bytes; its path.
    QString writePlain(const QString &name, const QByteArray &bytes);
    // A file item added under its name and encrypted directly from a plain file.
    TAVFile *addFile(TAVItemContainer *parent, const QString &name, const QByteArray &bytes);

    // The plain content of a body under a key and cipher, decrypted outside
    // the item (null when it can't be decrypted).
    QByteArray decryptBody(const QString &body, TAVCipher cipher, const TAVKey &key) const;
    // The plain content of a file item's body under its vault's key and cipher.
    QByteArray plain(const TAVFile *file) const;
    // Every body file of a vault, as "xx/<32 hex digits>", sorted.
    static QStringList bodies(const TAVVault *vault);
    // One line per item below a container: path, kind, identifier, sizes and
    // dates; for "nothing changed" comparisons.
    static QStringList describe(const TAVItemContainer *container);

private:
    QTemporaryDir dir;
    QList<TAVVault *> vaults;
};

#endif // VAULTFIXTURE_H
