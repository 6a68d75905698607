#include "itemicons.h"

#include "iconprovider.h"

#include <QApplication>
#include <QStyle>

ItemIcons::ItemIcons()
{
    IconProvider::instance(); // registers the images
    file = QApplication::style()->standardIcon(QStyle::SP_FileIcon);
    folder = QApplication::style()->standardIcon(QStyle::SP_DirClosedIcon);
    openFolder = QIcon(QStringLiteral(":/res/openfolder.png"));
    closedFolder = QIcon(QStringLiteral(":/res/closedfolder.png"));
    vault = QIcon(QStringLiteral(":/res/vault.png"));
    vaultError = QIcon(QStringLiteral(":/res/vault_error.png"));
    partnerVault = QIcon(QStringLiteral(":/res/vlmr_vault.png"));
}
