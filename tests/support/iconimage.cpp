#include "iconimage.h"

#include <QIcon>
#include <QPixmap>
#include <QString>

QImage imageOf(const QVariant &icon)
{
    return icon.value<QIcon>().pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage imageOf(const char *resource)
{
    return imageOf(QVariant(QIcon(QString::fromLatin1(resource))));
}
