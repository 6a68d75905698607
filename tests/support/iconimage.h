#ifndef ICONIMAGE_H
#define ICONIMAGE_H

#include <QImage>
#include <QVariant>

// Icons compared by their pixels at 32 x 32: QIcon has no equality, and two
// icons made from the same image are different objects.
QImage imageOf(const QVariant &icon);
QImage imageOf(const char *resource);

#endif // ICONIMAGE_H
