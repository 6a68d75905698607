// Utils::setSynchronizeIcon lives with the views: it draws through the icon
// provider, which the core does not depend on.
#include "iconprovider.h"
#include "utils.h"

#include <QAction>
#include <QCoreApplication>

void Utils::setSynchronizeIcon(QAction *action, uint count)
{
    const QString image = QStringLiteral(":/res/refresh_32.png");
    IconProvider::instance(); // registers the images
    if (count != 0) {
        action->setIcon(IconProvider::makeIcon(image, count));
        action->setToolTip(QCoreApplication::translate("Utils", "There are %1 file(s) to be synchronized.")
                               .arg(count));
    } else {
        action->setIcon(QIcon(image));
        action->setToolTip(QCoreApplication::translate("Utils", "Start synchronizing files now."));
    }
}
