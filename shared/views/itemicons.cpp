#include "itemicons.h"

#include "iconprovider.h"

#include <QApplication>
#include <QStyle>

namespace {

// The icon view's size: a folder must be drawn as large there as a file.
constexpr int kLargest = 48;

int largestSize(const QIcon &icon)
{
    int largest = 0;
    for (const QSize &size : icon.availableSizes(QIcon::Normal, QIcon::Off))
        largest = qMax(largest, qMin(size.width(), size.height()));
    return largest;
}

// Some styles (Fusion among them) give the closed folder in 16 px only,
// which the icon view would show small beside 48 px files; their plain
// folder icon is the same closed folder in large sizes too.
QIcon closedFolderIcon(QStyle *style)
{
    const QIcon closed = style->standardIcon(QStyle::SP_DirClosedIcon);
    const int have = largestSize(closed);
    if (have >= kLargest)
        return closed;
    const QIcon plain = style->standardIcon(QStyle::SP_DirIcon);
    if (largestSize(plain) <= have)
        return closed;
    QIcon icon;
    for (const QSize &size : closed.availableSizes(QIcon::Normal, QIcon::Off))
        icon.addPixmap(closed.pixmap(size));
    for (const QSize &size : plain.availableSizes(QIcon::Normal, QIcon::Off)) {
        if (qMin(size.width(), size.height()) > have)
            icon.addPixmap(plain.pixmap(size, QIcon::Normal, QIcon::Off));
    }
    return icon;
}

} // namespace

ItemIcons::ItemIcons()
{
    IconProvider::instance(); // registers the images
    file = QApplication::style()->standardIcon(QStyle::SP_FileIcon);
    folder = closedFolderIcon(QApplication::style());
    openFolder = QIcon(QStringLiteral(":/res/openfolder.png"));
    closedFolder = QIcon(QStringLiteral(":/res/closedfolder.png"));
    vault = QIcon(QStringLiteral(":/res/vault.png"));
    vaultError = QIcon(QStringLiteral(":/res/vault_error.png"));
    partnerVault = QIcon(QStringLiteral(":/res/vlmr_vault.png"));
}
