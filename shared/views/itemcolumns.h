#ifndef ITEMCOLUMNS_H
#define ITEMCOLUMNS_H

#include <QString>
#include <QVariant>

class TAVItem;
struct ItemIcons;

// The columns that the vault table model and the search result model share:
// header texts, display values, sizes as text and the plain item icons.
class ItemColumns
{
public:
    enum { Name, Type, Modified, Created, Size, Blank, Count };

    // Horizontal display headers of sections 0 to 5; invalid otherwise.
    static QVariant header(int section, Qt::Orientation orientation, int role);
    // Column `column` of the item, the name as given; invalid past the last column.
    static QVariant display(const TAVItem *item, int column, const QString &name);
    // "0 KB" when nothing is stored, else the plain size in whole KB plus one.
    static QString sizeText(const TAVItem *item);
    // The style's file icon for a file, its closed-folder icon for a folder.
    static QVariant plainIcon(const TAVItem *item, const ItemIcons &icons);
    // 0x82 for the size column, invalid for the others.
    static QVariant alignment(int column);

    // The name broken into lines of 16 characters.
    static QString wrapDisplayName(const QString &name);
    // Names of 15 characters or more become their first 12 and "...".
    static QString shortenDisplayName(const QString &name);
};

#endif // ITEMCOLUMNS_H
