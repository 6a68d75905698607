#include "itemcolumns.h"

#include "itemicons.h"
#include "tavitem.h"

#include <QCoreApplication>
#include <QDateTime>

namespace {
const char *const headers[] = {
    QT_TRANSLATE_NOOP("MainWindowClass", "Name"),
    QT_TRANSLATE_NOOP("MainWindowClass", "Type"),
    QT_TRANSLATE_NOOP("MainWindowClass", "Date"),
    QT_TRANSLATE_NOOP("MainWindowClass", "Date Created"),
    QT_TRANSLATE_NOOP("MainWindowClass", "Size"),
};
const int lineLength = 16;
} // namespace

QVariant ItemColumns::header(int section, Qt::Orientation orientation, int role)
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section > Blank)
        return QVariant();
    if (section == Blank)
        return QString();
    return QCoreApplication::translate("MainWindowClass", headers[section]);
}

QVariant ItemColumns::display(const TAVItem *item, int column, const QString &name)
{
    switch (column) {
    case Name:
        return name;
    case Type:
        return item->GetClassID();
    case Modified:
        return item->GetModifiedDate();
    case Created:
        return item->GetCreatedDate();
    case Size:
        return sizeText(item);
    case Blank:
        return QString();
    default:
        return QVariant();
    }
}

QString ItemColumns::sizeText(const TAVItem *item)
{
    // The stored size says whether there is anything; the figure is the plain size.
    if (item->GetCurrentSize() == 0)
        return QStringLiteral("0 KB");
    return QString::number((item->GetOriginalSize() >> 10) + 1) + QStringLiteral(" KB");
}

QVariant ItemColumns::plainIcon(const TAVItem *item, const ItemIcons &icons)
{
    switch (item->GetClassID()) {
    case TAV_CLASS_FILE:
        return icons.file;
    case TAV_CLASS_FOLDER:
        return icons.folder;
    default:
        return QVariant();
    }
}

QVariant ItemColumns::alignment(int column)
{
    if (column == Size)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return QVariant();
}

QString ItemColumns::wrapDisplayName(const QString &name)
{
    const int lines = name.size() / lineLength;
    QString result;
    for (int i = 0; i < lines; ++i) {
        result += name.mid(i * lineLength, lineLength);
        result += QLatin1Char('\n');
    }
    if (name.size() % lineLength == 0) {
        result.chop(1);
        return result;
    }
    return result + name.mid(lines * lineLength);
}

QString ItemColumns::shortenDisplayName(const QString &name)
{
    if (name.size() < 15)
        return name;
    return name.left(12) + QStringLiteral("...");
}
